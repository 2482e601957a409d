// Units: replacing, creating and keeping files, buffered writing and reading,
// the console, blank file names and the failure path.
#include "textio/units.h"

#include <cfenv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "child_process.h"
#include "scratch_dir.h"
#include "textio/arith_fault.h"
#include "textio/record_layout.h"

namespace tembrix {
namespace {

namespace fs = std::filesystem;

using test::ScratchDir;

void put(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary);
  f << bytes;
}

std::string get(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string laid_out(std::initializer_list<Item> items) {
  std::string out;
  lay_out_record(std::span<const Item>(items.begin(), items.size()), out);
  return out;
}

using ChildResult = test::RunResult;

// Runs body in a forked child (test::run_captured) with the fault flags
// cleared; the child ends with status 0 when body returns.
ChildResult run_child(const fs::path& dir, const std::function<void()>& body, const std::string& input = "",
                      bool unprivileged = false) {
  return test::run_captured(
      dir,
      [&] {
        clear_arithmetic_faults();
        body();
        return 0;
      },
      input, unprivileged);
}

std::string diagnostic(const std::string& frame, const std::string& text) {
  return "\r\nrun-time error " + frame + ")\r\n- " + text + "\r\n";
}

// ---- Files: creation, replacement at the first record, keeping without one ----

// Writes check the arithmetic fault flags, which earlier tests of this program may have left raised.
class UnitFiles : public ::testing::Test {
 protected:
  void SetUp() override { clear_arithmetic_faults(); }
};

TEST_F(UnitFiles, ExistingFileIsReplacedOnlyByItsFirstRecord) {
  ScratchDir dir;
  const std::string path = dir / "QxNcRMEr.dat";
  const std::string old = "an older and longer content that must disappear entirely\r\n";
  put(path, old);
  open_unit(4, path, OpenMode::create_or_open);
  EXPECT_EQ(get(path), old) << "opening alone must not change the file";
  write_record(4, {int_item(1), real_item(1.5)});
  write_record(4, {int_item(2), real_item(-1.5)});
  close_unit(4);
  EXPECT_EQ(get(path), laid_out({int_item(1), real_item(1.5)}) + laid_out({int_item(2), real_item(-1.5)}));
  EXPECT_EQ(unit_name(4), "");
}

TEST_F(UnitFiles, OpenAndCloseWithoutARecordKeepsTheContent) {
  ScratchDir dir;
  const std::string path = dir / "keep.dat";
  put(path, "untouched\n");
  open_unit(3, path, OpenMode::create_or_open);
  close_unit(3);
  open_unit(3, path, OpenMode::must_exist);
  close_unit(3);
  EXPECT_EQ(get(path), "untouched\n");
}

TEST_F(UnitFiles, EachOpeningReplacesWhatTheLastOneWrote) {
  ScratchDir dir;
  const std::string path = dir / "ErTembri.dat";
  open_unit(3, path, OpenMode::create_or_open);
  write_record(3, {char_item("set-up report"), int_item(1)});
  close_unit(3);
  open_unit(3, path, OpenMode::create_or_open);
  write_record(3, {char_item("negative mass")});
  close_unit(3);
  EXPECT_EQ(get(path), " negative mass\r\n");
}

TEST_F(UnitFiles, MissingFileIsCreatedEmptyAndReadsAsEnded) {
  ScratchDir dir;
  const std::string path = dir / "QxStrfi0.dat";
  open_unit(6, path, OpenMode::create_or_open);
  EXPECT_EQ(read_byte(6), -1);
  std::string line = "stale";
  EXPECT_EQ(read_line(6, line, 80), LineStatus::end_of_file);
  EXPECT_EQ(line, "");
  close_unit(6);
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(UnitFiles, NamesAreTrimmedAtCodeZeroAndOfBlanks) {
  ScratchDir dir;
  const std::string base = dir / "1i";
  const std::vector<std::string> fields = {base, "  " + base, base + "   ", base + std::string("\0junk", 5),
                                           " " + base + std::string(" \0\0", 3)};
  for (const auto& field : fields) {
    open_unit(2, field, OpenMode::create_or_open);
    EXPECT_EQ(unit_name(2), base);
    write_record(2, {int_item(7)});
    close_unit(2);
    EXPECT_EQ(get(base), laid_out({int_item(7)}));
  }
}

TEST_F(UnitFiles, ClosingAUnitThatIsNotOpenDoesNothing) {
  close_unit(7);
  close_unit(12345);
  EXPECT_EQ(unit_name(7), "");
}

// Many records cross the write block several times; bulk lines keep their place among them.
TEST_F(UnitFiles, LargeOutputArrivesCompleteAndInOrder) {
  ScratchDir dir;
  const std::string path = dir / "state.dat";
  std::string expected;
  open_unit(5, path, OpenMode::create_or_open);
  const std::string bulk_small = laid_out({char_item("bulk")});
  std::string bulk_large;
  while (bulk_large.size() < (std::size_t{3} << 20)) bulk_large += laid_out({real_item(2.5), int_item(9)});
  for (int k = 0; k < 60000; ++k) {
    const Item items[] = {int_item(k), real_item(k * 0.25), real_item(-k / 3.0)};
    write_record(5, items);
    lay_out_record(items, expected);
    if (k % 9999 == 0) {
      write_laid_out(5, bulk_small);
      expected += bulk_small;
    }
    if (k == 30000) {
      write_laid_out(5, bulk_large);
      expected += bulk_large;
    }
  }
  close_unit(5);
  const std::string got = get(path);
  EXPECT_EQ(got.size(), expected.size());
  EXPECT_TRUE(got == expected);
}

// The reading runs as an ordinary user (permissions do not bind the superuser,
// so as root the test could not fail); the child's status tells what it read.
TEST_F(UnitFiles, ReadOnlyParameterFileIsReadNormally) {
  ScratchDir dir;
  ::chmod(dir.path().c_str(), 0755);
  const std::string path = dir / "Tembrix2.dat";
  put(path, "first\r\nsecond\n");
  ::chmod(path.c_str(), 0444);
  const ChildResult r = run_child(
      dir.path(),
      [] {
        open_unit(1, "Tembrix2.dat", OpenMode::must_exist);
        std::string first, second, none;
        const bool ok = read_line(1, first, 100) == LineStatus::ok && read_line(1, second, 100) == LineStatus::ok &&
                        read_line(1, none, 100) == LineStatus::end_of_file;
        close_unit(1);
        std::_Exit(ok && first == "first\r" && second == "second" ? 0 : 93);
      },
      "", true);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(get(path), "first\r\nsecond\n");
}

TEST_F(UnitFiles, ReadLineKeepsAtMostMaxKeepAndSkipsTheRest) {
  ScratchDir dir;
  const std::string path = dir / "radii.dat";
  put(path, std::string(5000, 'x') + "\n\nshort\nlast without line feed");
  open_unit(2, path, OpenMode::create_or_open);
  struct Row {
    LineStatus status;
    std::string line;
  };
  const std::vector<Row> rows = {{LineStatus::ok, std::string(71, 'x')},
                                 {LineStatus::ok, ""},
                                 {LineStatus::ok, "short"},
                                 {LineStatus::ok, "last without line feed"},
                                 {LineStatus::end_of_file, ""}};
  for (const auto& row : rows) {
    std::string line;
    EXPECT_EQ(read_line(2, line, 71), row.status);
    EXPECT_EQ(line, row.line);
  }
  close_unit(2);
}

TEST_F(UnitFiles, ReadByteGivesEveryByteThenMinusOne) {
  ScratchDir dir;
  const std::string path = dir / "bytes.dat";
  std::string bytes;
  for (int k = 0; k < 200000; ++k) bytes.push_back(static_cast<char>(k * 7));  // several read blocks
  put(path, bytes);
  open_unit(6, path, OpenMode::must_exist);
  std::string got;
  for (int c; (c = read_byte(6)) != -1;) got.push_back(static_cast<char>(c));
  EXPECT_EQ(read_byte(6), -1);
  close_unit(6);
  EXPECT_TRUE(got == bytes);
}

// ---- Console ----

TEST(UnitConsole, LinesLoseTheirFirstCharacterAndAreSeparatedByCrLf) {
  ScratchDir dir;
  // Fifteen reals make a record of five lines.
  std::vector<Item> items(15, real_item(1.5));
  std::string record;
  std::vector<std::size_t> starts;
  lay_out_record(items, record, starts);
  ASSERT_EQ(starts.size(), 5u);
  std::string expected;
  for (std::size_t k = 0; k < 5; ++k) {
    const std::size_t end = (k + 1 < 5 ? starts[k + 1] : record.size()) - 2;
    if (k > 0) expected += "\r\n";
    expected += record.substr(starts[k] + 1, end - starts[k] - 1);
  }
  expected += "\r\nabc\r\nx\r\ny";
  expected += "\r\n";  // the final line end, at close_all_units
  const ChildResult r = run_child(dir.path(), [&] {
    write_record(console, items);
    write_record(console, {char_item("abc")});
    write_laid_out(console, " x\r\n y\r\n");
    close_all_units();
    close_all_units();  // a second end of the run owes nothing more
  });
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(r.err, "");
}

TEST(UnitConsole, NothingShownMeansNothingWritten) {
  ScratchDir dir;
  const ChildResult r = run_child(dir.path(), [] { close_all_units(); });
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

// ---- Blank names ----

TEST(UnitBlankNames, CommandLineArgumentsAreTakenInTurnThenTheConsoleAsks) {
  ScratchDir dir;
  const ChildResult r = run_child(
      dir.path(),
      [] {
        std::string a0 = "tembrix2", a1 = "  state.dat ", a2 = "   ", a3 = "radii.dat";
        char* argv[] = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
        set_command_line(4, argv);
        open_unit(5, "            ", OpenMode::create_or_open);
        write_record(5, {int_item(5)});
        open_unit(2, std::string(12, '\0'), OpenMode::create_or_open);  // a name never read: code 0 throughout
        write_record(2, {int_item(2)});
        open_unit(3, "    ", OpenMode::create_or_open);  // arguments used up: the console asks
        write_record(3, {int_item(3)});
        close_all_units();
      },
      "   \r\n  typed.dat  \r\nnot read\n");
  EXPECT_EQ(r.status, 0);
  const std::string prompt = "File name missing or blank - please enter file name\r\nUNIT 3? ";
  EXPECT_EQ(r.out, prompt + prompt);
  EXPECT_EQ(get((dir.path() / "state.dat").string()), laid_out({int_item(5)}));
  EXPECT_EQ(get((dir.path() / "radii.dat").string()), laid_out({int_item(2)}));
  EXPECT_EQ(get((dir.path() / "typed.dat").string()), laid_out({int_item(3)}));
}

TEST(UnitBlankNames, PromptFollowsTheLineEndOwedToTheConsole) {
  ScratchDir dir;
  const ChildResult r = run_child(
      dir.path(),
      [] {
        set_command_line(0, nullptr);
        write_record(console, {char_item("message")});
        open_unit(5, "", OpenMode::create_or_open);
        close_all_units();
      },
      "x.dat\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "message\r\nFile name missing or blank - please enter file name\r\nUNIT 5? ");
  EXPECT_TRUE(fs::exists(dir.path() / "x.dat"));
}

TEST(UnitBlankNames, EndOfStandardInputEndsTheRunAsAReadFailure) {
  ScratchDir dir;
  for (const std::string input : {"", "  \n\n   "}) {
    const ChildResult r = run_child(dir.path(), [] {
      set_command_line(0, nullptr);
      open_unit(2, "            ", OpenMode::create_or_open);
    }, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, diagnostic("F0013: READ(", "standard input ended before a file name was given"));
    EXPECT_TRUE(r.out.starts_with("File name missing or blank - please enter file name\r\nUNIT 2? "));
    EXPECT_TRUE(r.out.ends_with("UNIT 2? ")) << "no console line was shown, so no line end is owed";
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(UnitBlankNames, TypedNameKeepsAtMost260Characters) {
  ScratchDir dir;
  // Names of 259 characters and more are refused by the file system; the
  // diagnostic shows exactly the characters kept: all of a line below and at
  // 260 characters, the first 260 of a longer one.
  const struct {
    std::string typed, kept;
  } rows[] = {
      {std::string(259, 'n'), std::string(259, 'n')},
      {std::string(260, 'n'), std::string(260, 'n')},
      {std::string(260, 'n') + "D", std::string(260, 'n')},
      {std::string(260, 'n') + "DROPPED", std::string(260, 'n')},
  };
  for (const auto& row : rows) {
    const ChildResult r = run_child(dir.path(), [] {
      set_command_line(0, nullptr);
      open_unit(5, "", OpenMode::create_or_open);
    }, row.typed + "\n");
    EXPECT_EQ(r.status, 1) << row.typed.size();
    EXPECT_EQ(r.err, diagnostic("F0003: OPEN(" + row.kept, "file cannot be opened or created")) << row.typed.size();
  }
}

// ---- Failure path ----

TEST(UnitFailures, DiagnosticFrameAndExitStatus) {
  EXPECT_EXIT(fatal_io_error(IoOperation::close, 9, IoCondition::close_failed), ::testing::ExitedWithCode(1),
              "run-time error F0005: CLOSE\\(\\)\r\n- file cannot be closed");
}

TEST(UnitFailures, OpenFailures) {
  ScratchDir dir;
  ::mkdir((dir / "adir").c_str(), 0755);
  struct Row {
    std::string name;
    OpenMode mode;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"Tembrix2.dat", OpenMode::must_exist, diagnostic("F0002: OPEN(Tembrix2.dat", "file not found")},
      {"no/such/dir/f.dat", OpenMode::create_or_open,
       diagnostic("F0003: OPEN(no/such/dir/f.dat", "file cannot be opened or created")},
      {"adir", OpenMode::create_or_open, diagnostic("F0003: OPEN(adir", "file cannot be opened or created")},
      {"adir", OpenMode::must_exist, diagnostic("F0003: OPEN(adir", "file cannot be opened or created")},
  };
  for (const auto& row : rows) {
    const ChildResult r = run_child(dir.path(), [&] { open_unit(1, row.name, row.mode); });
    EXPECT_EQ(r.status, 1) << row.name;
    EXPECT_EQ(r.err, row.expected);
    EXPECT_EQ(r.out, "");
  }
  EXPECT_FALSE(fs::exists(dir.path() / "Tembrix2.dat"));
}

// A full device fails the write at the flush; the other open files still get their records.
TEST(UnitFailures, WriteToAFullDeviceEndsTheRunAndOtherFilesAreClosed) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScratchDir dir;
  const ChildResult r = run_child(dir.path(), [] {
    open_unit(4, "QxNcRMEr.dat", OpenMode::create_or_open);
    write_record(4, {int_item(1), real_item(1.5)});
    write_record(console, {char_item("shown")});
    open_unit(5, "/dev/full", OpenMode::create_or_open);
    write_record(5, {int_item(1)});
    close_unit(5);
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, diagnostic("F0004: WRITE(/dev/full", "file cannot be written (device full or write refused)"));
  EXPECT_EQ(r.out, "shown\r\n") << "the failure path ends the console line";
  EXPECT_EQ(get((dir.path() / "QxNcRMEr.dat").string()), laid_out({int_item(1), real_item(1.5)}));
}

// The failure met while the failure path closes the units is not reported again and again.
TEST(UnitFailures, FailureWhileClosingAfterAnArithmeticFaultEndsOnce) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScratchDir dir;
  const ChildResult r = run_child(dir.path(), [] {
    open_unit(3, "ErTembri.dat", OpenMode::create_or_open);
    write_record(3, {char_item("before the fault")});
    open_unit(5, "/dev/full", OpenMode::create_or_open);
    write_record(5, {int_item(1)});  // buffered: fails only when the failure path closes the unit
    std::feraiseexcept(FE_DIVBYZERO);
    write_record(3, {char_item("after the fault")});
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.starts_with("\r\nrun-time error: arithmetic fault\r\n")) << r.err;
  EXPECT_TRUE(r.err.ends_with(
      diagnostic("F0004: WRITE(/dev/full", "file cannot be written (device full or write refused)")))
      << r.err;
  EXPECT_EQ(get((dir.path() / "ErTembri.dat").string()), " before the fault\r\n");
}

TEST(UnitFailures, ArithmeticFaultStopsBulkLinesToo) {
  ScratchDir dir;
  const ChildResult r = run_child(dir.path(), [] {
    open_unit(5, "state.dat", OpenMode::create_or_open);
    write_laid_out(5, " first\r\n");
    std::feraiseexcept(FE_INVALID);
    write_laid_out(5, " second\r\n");
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(get((dir.path() / "state.dat").string()), " first\r\n");
}

// A file the user may read but not write opens (so it could be read) and fails at its first record.
TEST(UnitFailures, WriteToAReadOnlyFileFailsAsWrite) {
  ScratchDir dir;
  ::chmod(dir.path().c_str(), 0755);
  const std::string path = dir / "locked.dat";
  put(path, "kept\n");
  ::chmod(path.c_str(), 0444);
  const ChildResult r = run_child(
      dir.path(),
      [] {
        open_unit(3, "locked.dat", OpenMode::create_or_open);
        if (read_byte(3) != 'k') std::_Exit(93);  // the child's own status tells the test
        write_record(3, {int_item(1)});
      },
      "", true);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, diagnostic("F0004: WRITE(locked.dat", "file cannot be written (device full or write refused)"));
  EXPECT_EQ(get(path), "kept\n");
}

TEST(UnitFailures, ReadingAUnitThatIsNotOpen) {
  EXPECT_EXIT(read_byte(77), ::testing::ExitedWithCode(1), "F0014: READ\\(\\)");
}

}  // namespace
}  // namespace tembrix
