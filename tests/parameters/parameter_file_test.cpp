// The fixed-column parameter file: field rules, whole files, the read-error report.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "e2e_support.h"
#include "model/run_state.h"
#include "parameters/parameter_fields.h"
#include "parameters/parameter_file.h"
#include "textio/arith_fault.h"
#include "textio/units.h"

namespace tembrix {
namespace {

using namespace std::string_literals;

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// ------------------------------------------------------------ field rules

TEST(ParameterFields, IntegerFieldRules) {
  const struct {
    std::string field;
    FieldStatus status;
    std::int32_t value;
  } cases[] = {
      {"-42", FieldStatus::ok, -42},
      {"4 2", FieldStatus::ok, 42},
      {" \t7  ", FieldStatus::ok, 7},
      {"- 42", FieldStatus::ok, -42},
      {"12,5", FieldStatus::ok, 12},
      {"1,x\x1a", FieldStatus::ok, 1},  // nothing after a comma is read
      {"", FieldStatus::ok, 0},
      {"            ", FieldStatus::ok, 0},
      {"+", FieldStatus::ok, 0},
      {",7", FieldStatus::ok, 0},
      {"-2147483648", FieldStatus::ok, INT32_MIN},
      {"2147483647", FieldStatus::ok, INT32_MAX},
      {"2147483648", FieldStatus::invalid, 0},
      {"16#1F", FieldStatus::ok, 31},
      {"#ff", FieldStatus::ok, 255},
      {"16#FFFFFFFF", FieldStatus::ok, -1},
      {"16#80000000", FieldStatus::ok, INT32_MIN},
      // Empty radix digits are not invalid: they read as 0, as a sign alone does.
      {"16#", FieldStatus::ok, 0},
      {"8#", FieldStatus::ok, 0},
      {"#", FieldStatus::ok, 0},
      {"37#1", FieldStatus::invalid, 0},
      {"2#102", FieldStatus::invalid, 0},
      {"16#1#1", FieldStatus::invalid, 0},
      {"2.0", FieldStatus::invalid, 0},
      {"1E2", FieldStatus::invalid, 0},
      {"42a", FieldStatus::invalid, 0},
      {"1-", FieldStatus::invalid, 0},
      {"4\0"s "2", FieldStatus::ok, 4},  // code 0 ends the text
      {"\0"s "x", FieldStatus::ok, 0},
      {"1\x1a", FieldStatus::end_of_file, 0},
      {"\x1a" "1", FieldStatus::end_of_file, 0},
      // The field is taken whole before its text is cut at a code 0, so a code 26 after it still ends the file.
      {"4\0"s "\x1a", FieldStatus::end_of_file, 0},
      {"4\0"s ",\x1a", FieldStatus::ok, 4},  // ... unless a comma ends the field first
  };
  for (const auto& c : cases) {
    const auto got = integer_field(c.field);
    EXPECT_EQ(got.status, c.status) << '"' << c.field << '"';
    EXPECT_EQ(got.value, c.value) << '"' << c.field << '"';  // 0 when not ok
  }
}

TEST(ParameterFields, RealFieldRules) {
  const struct {
    std::string field;
    FieldStatus status;
    double value;
  } cases[] = {
      {"1.0D+03", FieldStatus::ok, 1000.0},
      {"12345", FieldStatus::ok, 0.12345},
      {"1", FieldStatus::ok, 0.00001},
      {"100000", FieldStatus::ok, 1.0},
      {"12345678901", FieldStatus::ok, 123456.78901},
      {"15E2", FieldStatus::ok, 0.015},
      {"15E+10", FieldStatus::ok, 1.5e6},
      {"-.5", FieldStatus::ok, -0.5},
      {"5.", FieldStatus::ok, 5.0},
      {"1.5-3", FieldStatus::ok, 0.0015},
      {"1.5d-3", FieldStatus::ok, 0.0015},
      {"1.5e3", FieldStatus::ok, 1500.0},
      {"1.5 2", FieldStatus::ok, 1.52},
      {" 1 . 5 E 2 ", FieldStatus::ok, 150.0},
      {"2.5,9", FieldStatus::ok, 2.5},
      {"1.5\0"s "9", FieldStatus::ok, 1.5},
      {"", FieldStatus::ok, 0.0},
      {"           ", FieldStatus::ok, 0.0},
      {".", FieldStatus::ok, 0.0},
      {"-", FieldStatus::ok, 0.0},
      {"1.0E-999", FieldStatus::ok, 0.0},
      {"1.0E-320", FieldStatus::ok, 1.0e-320},  // subnormal, no fault
      {"1.0E308", FieldStatus::ok, 1.0e308},
      {"1.0E", FieldStatus::invalid, 0.0},
      {"1.0E+", FieldStatus::invalid, 0.0},
      {"1.0E999", FieldStatus::invalid, 0.0},
      {"1..2", FieldStatus::invalid, 0.0},
      {"1.5x", FieldStatus::invalid, 0.0},
      {"E5", FieldStatus::invalid, 0.0},
      {"1.5E2.0", FieldStatus::invalid, 0.0},
      {"1.5\x1a", FieldStatus::end_of_file, 0.0},
      {"1.5\0"s "9\x1a", FieldStatus::end_of_file, 0.0},  // a code 26 after a code 0 still ends the file
  };
  clear_arithmetic_faults();
  for (const auto& c : cases) {
    const auto got = real_field(c.field);
    EXPECT_EQ(got.status, c.status) << '"' << c.field << '"';
    EXPECT_EQ(bits(got.value), bits(c.value)) << '"' << c.field << '"';  // 0.0 when not ok
  }
  EXPECT_EQ(raised_arithmetic_faults(), 0);
}

TEST(ParameterFields, ColumnsOfTheField) {
  const std::string label(59, 'L');
  const struct {
    std::string record;
    std::size_t width;
    std::string field;
  } cases[] = {
      {label + "  42", 12, "  42        "},
      {label + "123456789012345", 12, "123456789012"},
      {label + "123456789012345", 5, "12345"},
      {label + "     1", 5, "     "},  // a value in column 65 lies outside a width-5 field
      {label, 12, "            "},
      {"short", 11, "           "},
      {"", 12, "            "},
      {label + "12\r345", 12, "12          "},  // a carriage return ends the record
      {label + "ab\t,\0"s + "c", 12, "ab\t,\0"s + "c      "},
      {std::string(58, 'L') + "\t7", 5, "7    "},  // a tab is one column
  };
  for (const auto& c : cases) {
    EXPECT_EQ(field_text(c.record, c.width), c.field) << '"' << c.record << '"';
  }
}

// ------------------------------------------------------------ whole files

// Values of a complete parameter file, one field text per record.
const std::vector<std::string> good_fields = {
    "10",      "100",     "1.1",  "0",     "radii.dat", "1.0D+30", "0.99",      "1",  "0",
    "11.86",   "1.0E-14", "50",   "0.1",   "2000.",     "0.5",     "state.dat", "7",
};

// Each field text after a label of 59 characters, records ended by line_end.
std::string parameter_file(const std::vector<std::string>& fields, const std::string& line_end = "\n") {
  std::string text;
  for (std::size_t r = 0; r < fields.size(); ++r) {
    std::string label = "record " + std::to_string(r + 1);
    label.resize(59, '.');
    text += label + fields[r] + line_end;
  }
  return text;
}

NameField name(const char* text) {
  NameField field;
  field.fill(' ');
  std::memcpy(field.data(), text, std::strlen(text));
  return field;
}

void expect_same(const RunParameters& got, const RunParameters& want) {
  EXPECT_EQ(got.ncirc, want.ncirc);
  EXPECT_EQ(got.nbc, want.nbc);
  EXPECT_EQ(bits(got.drad), bits(want.drad));
  EXPECT_EQ(got.iradf, want.iradf);
  EXPECT_EQ(got.fradii, want.fradii);
  EXPECT_EQ(bits(got.omtot), bits(want.omtot));
  EXPECT_EQ(bits(got.fcen), bits(want.fcen));
  EXPECT_EQ(got.iphase, want.iphase);
  EXPECT_EQ(got.iphf, want.iphf);
  EXPECT_EQ(bits(got.period), bits(want.period));
  EXPECT_EQ(bits(got.eps), bits(want.eps));
  EXPECT_EQ(got.maxit, want.maxit);
  EXPECT_EQ(bits(got.tilt), bits(want.tilt));
  EXPECT_EQ(bits(got.dens), bits(want.dens));
  EXPECT_EQ(bits(got.hval), bits(want.hval));
  EXPECT_EQ(got.fstate, want.fstate);
  EXPECT_EQ(got.itag, want.itag);
}

RunParameters good_parameters() {
  RunParameters p;
  p.ncirc = 10;
  p.nbc = 100;
  p.drad = 1.1;
  p.iradf = 0;
  p.fradii = name("radii.dat");
  p.omtot = 1.0e30;
  p.fcen = 0.99;
  p.iphase = 1;
  p.iphf = 0;
  p.period = 11.86;
  p.eps = 1.0e-14;
  p.maxit = 50;
  p.tilt = 0.1;
  p.dens = 2000.0;
  p.hval = 0.5;
  p.fstate = name("state.dat");
  p.itag = 7;
  return p;
}

// A run state with the fixed names, working in a scratch directory.
class ParameterFile : public ::testing::Test {
 protected:
  void SetUp() override { set_fixed_names(*state_); }
  void TearDown() override { close_unit(unit_parameters); }

  bool read(const std::string& text) {
    dir_.write("Tembrix2.dat", text);
    return read_parameters(*state_);
  }
  bool parameters_still_open() const { return !unit_name(unit_parameters).empty(); }

  test::InScratchDir in_;
  const test::ScratchDir& dir_ = in_.dir();
  std::unique_ptr<RunState> state_ = std::make_unique<RunState>();
};

TEST_F(ParameterFile, CompleteFileReadsEveryFieldAndIsClosed) {
  const struct {
    const char* what;
    std::string text;
  } files[] = {
      {"LF", parameter_file(good_fields)},
      {"CR LF", parameter_file(good_fields, "\r\n")},
      {"no line feed at the end", parameter_file(good_fields).substr(0, parameter_file(good_fields).size() - 1)},
      {"extra records", parameter_file(good_fields) + "more\n\x1a\n"},
      {"text after the fields", parameter_file(good_fields, std::string(20, ' ') + "comment\n")},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.what);
    state_->params = RunParameters{};
    EXPECT_TRUE(read(f.text));
    expect_same(state_->params, good_parameters());
    EXPECT_FALSE(parameters_still_open());
  }
}

// The file may be read but not written by anyone. The reading runs in a child
// that drops to an ordinary user when started by the superuser, whom
// permissions do not bind; its status says whether every field was read.
TEST_F(ParameterFile, ReadOnlyFileIsReadNormally) {
  dir_.write("Tembrix2.dat", parameter_file(good_fields));
  std::filesystem::permissions(dir_.path() / "Tembrix2.dat", std::filesystem::perms::owner_read |
                                                                  std::filesystem::perms::group_read |
                                                                  std::filesystem::perms::others_read);
  ::chmod(dir_.path().c_str(), 0755);
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(92);
        const bool ok = read_parameters(*state_);
        std::_Exit(ok && state_->params.itag == good_parameters().itag ? 0 : 93);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ParameterFile, ShortRecordsReadAsBlankFields) {
  // Labels only: numbers read 0 and 0.0, names twelve blanks.
  EXPECT_TRUE(read(parameter_file(std::vector<std::string>(17, ""))));
  RunParameters want;
  want.fradii = name("");
  want.fstate = name("");
  expect_same(state_->params, want);
}

TEST_F(ParameterFile, FailureStopsAtItsRecordAndLeavesTheFileOpen) {
  const struct {
    const char* what;
    std::string text;
    int fields_read;  // records before the failing one
  } files[] = {
      {"empty file", "", 0},
      {"invalid real in record 6", [] {
         auto f = good_fields;
         f[5] = "1.0E";
         return parameter_file(f);
       }(), 5},
      {"code 26 in record 2", [] {
         auto f = good_fields;
         f[1] = "1\x1a";
         return parameter_file(f);
       }(), 1},
      {"code 26 after a code 0 in record 3", [] {
         auto f = good_fields;
         f[2] = "1.0\0"s "\x1a";
         return parameter_file(f);
       }(), 2},
      {"decimal point in an integer, record 12", [] {
         auto f = good_fields;
         f[11] = "2.0";
         return parameter_file(f);
       }(), 11},
      {"16 records", [] {
         auto f = good_fields;
         f.pop_back();
         return parameter_file(f);
       }(), 16},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.what);
    state_->params = RunParameters{};
    EXPECT_FALSE(read(f.text));
    EXPECT_TRUE(parameters_still_open());
    close_unit(unit_parameters);

    // The fields before the failing record as read, the others as they started.
    RunParameters want;
    const RunParameters good = good_parameters();
    const int n = f.fields_read;
    if (n >= 1) want.ncirc = good.ncirc;
    if (n >= 2) want.nbc = good.nbc;
    if (n >= 3) want.drad = good.drad;
    if (n >= 4) want.iradf = good.iradf;
    if (n >= 5) want.fradii = good.fradii;
    if (n >= 6) want.omtot = good.omtot;
    if (n >= 7) want.fcen = good.fcen;
    if (n >= 8) want.iphase = good.iphase;
    if (n >= 9) want.iphf = good.iphf;
    if (n >= 10) want.period = good.period;
    if (n >= 11) want.eps = good.eps;
    if (n >= 12) want.maxit = good.maxit;
    if (n >= 13) want.tilt = good.tilt;
    if (n >= 14) want.dens = good.dens;
    if (n >= 15) want.hval = good.hval;
    if (n >= 16) want.fstate = good.fstate;
    expect_same(state_->params, want);
  }
}

TEST_F(ParameterFile, MissingFileEndsTheRunWithoutCreatingIt) {
  EXPECT_EXIT(read_parameters(*state_), ::testing::ExitedWithCode(1),
              "run-time error F0002: OPEN\\(Tembrix2\\.dat\\)");
  EXPECT_TRUE(dir_.files().empty());
}

TEST_F(ParameterFile, ReadErrorReportOfAnEmptyFile) {
  ASSERT_FALSE(read(""));
  ::testing::internal::CaptureStdout();
  report_read_error(*state_);
  const std::string console = ::testing::internal::GetCapturedStdout();

  // Fields with their separating blanks: a real, an integer, a name of twelve code 0.
  const std::string r = "   0.000000000000000E+000";
  const std::string i = std::string(11, ' ') + "0";
  const std::string n(12, '\0');
  const std::string want = " *01Qx Error reading file Tembrix2.dat *** " + std::string(10, ' ') + "0" + i +
                           "\r\n" + r + i + n + r.substr(1) + "\r\n" + r + i + i + r + "\r\n" + r + i + r +
                           "\r\n" + r + r + n + std::string(10, ' ') + "0" + "\r\n";
  EXPECT_EQ(dir_.read("ErTembri.dat"), want);
  EXPECT_NE(console.find("*01Qx Error reading file Tembrix2.dat *** "), std::string::npos);
  EXPECT_TRUE(parameters_still_open());  // only the report file is closed
}

}  // namespace
}  // namespace tembrix
