// Runs whose phase offsets come from "QxStrfi0.dat" (iphf = 1), compared file
// by file, byte for byte, with the plain model of a whole run: files that read
// completely in their different free-format spellings, a file that ends too
// early and a value that cannot be read.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "model_comparison.h"
#include "pipeline_model.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;

struct PhaseCase {
  const char* name;
  std::string ncirc, nbc;
  std::string phases;  // the bytes of QxStrfi0.dat
  bool reads;          // worked out by hand: every circle gets its offset
};

void PrintTo(const PhaseCase& c, std::ostream* os) { *os << c.name; }

const PhaseCase phase_cases[] = {
    {"one_record_per_circle", "3", "4", "1 0.1\n2 0.2\n3 -0.3\n", true},
    // The integers are discarded, whatever they are: records go to circles in order.
    {"integers_all_seven", "3", "5", "7 0.5\r\n7 1.0\r\n7 1.5\r\n", true},
    // Separators, a value spread over two records, a repeat count, an exponent
    // without its letter, extra values and records.
    {"free_format_spellings", "4", "3", "\n  1 , 2.5E-1 9 9\n2\n.75\n3 1.5-1\n2*1\nextra", true},
    // A null leaves the built-in offset of its circle (half a step on circle 2),
    // and a slash leaves the rest of the operation's targets as they are.
    {"nulls_keep_the_pattern", "3", "6", "1 0.25\n2,,\n3 /\n", true},
    {"more_records_than_circles", "2", "3", "1 0.1\n2 0.2\n3 0.3\n4 0.4\n", true},
    // Fewer records than circles: the run ends at the end of the file.
    {"short_file", "3", "4", "1 0.1\n2 0.2\n", false},
    {"empty_file", "2", "3", "", false},
    // A value that is no real, and an integer with a point.
    {"bad_real", "3", "4", "1 0.1\n2 1.5Q3\n3 0.3\n", false},
    {"integer_with_a_point", "2", "4", "1 0.1\n2.0 0.2\n", false},
    {"real_out_of_range", "2", "4", "1 0.1\n2 1E999\n", false},
};

class PhaseFile : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseFile, EveryFileMatchesThePlainModel) {
  const PhaseCase& c = GetParam();
  Parameters p;
  p.ncirc = c.ncirc;
  p.nbc = c.nbc;
  p.iphf = "1";
  p.maxit = "20";
  const ModelFiles before{{"Tembrix2.dat", p.text()}, {"QxStrfi0.dat", c.phases}};
  const ModelRun expected = model_run(before);
  ASSERT_FALSE(expected.arithmetic_fault);
  // A phase file that fails ends the run before the set-up report; one that
  // reads replaces the offsets, so no phase table is written, and the run goes
  // on at least to the ring table (a negative mass may end it there).
  ASSERT_EQ(expected.files.count("QxNcRMEr.dat"), c.reads ? 1u : 0u)
      << "the model disagrees with the reading worked out by hand";
  if (!c.reads) {
    EXPECT_EQ(expected.status, 1);
  }
  EXPECT_EQ(expected.files.count("ErTembri.dat"), c.reads ? 1u : 0u);
  EXPECT_EQ(expected.files.count("QxStrfi1.dat"), 0u);
  expect_run_matches_model(before, expected, binary);
}

INSTANTIATE_TEST_SUITE_P(Runs, PhaseFile, ::testing::ValuesIn(phase_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A missing phase file is created empty by its opening and fails on its first record.
TEST(PhaseFileMissing, IsCreatedEmptyAndEndsTheRun) {
  Parameters p;
  p.ncirc = "2";
  p.iphf = "1";
  const ModelFiles before{{"Tembrix2.dat", p.text()}};
  const ModelRun expected = model_run(before);
  ASSERT_EQ(expected.status, 1);
  ASSERT_EQ(expected.files.at("QxStrfi0.dat"), "");
  expect_run_matches_model(before, expected, binary);
}

// The offsets read are the ones the run uses: the phase table of a run that
// writes it holds exactly the offsets another run then reads back.
TEST(PhaseFileRoundTrip, OffsetsWrittenByOneRunAreReadByTheNext) {
  Parameters p;
  p.ncirc = "5";
  p.nbc = "7";
  p.eps = "1.0E-3";
  p.maxit = "50";
  const ModelRun first = model_run({{"Tembrix2.dat", p.text()}});
  ASSERT_EQ(first.status, 0);
  p.iphf = "1";
  const ModelFiles before{{"Tembrix2.dat", p.text()}, {"QxStrfi0.dat", first.files.at("QxStrfi1.dat")}};
  const ModelRun second = model_run(before);
  EXPECT_EQ(second.files.at("state.dat"), first.files.at("state.dat"));
  expect_run_matches_model(before, second, binary);
}

}  // namespace
}  // namespace tembrix::test
