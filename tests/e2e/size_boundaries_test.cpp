// Whole runs on both sides of every size at which the program changes how it
// works: the 1 MiB write block of a unit and the buffer capacity beside the
// header of the initial-state file, the blocks of 4096 bodies that the
// formatting threads share, the 3000 iterations of one history file, the size
// at which the matrix is built on more than one thread, and the count limits
// of the tables. Every file is compared byte for byte with the plain model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "pipeline_model.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;

// The inputs that the cases vary; the rest is the default of Parameters.
struct SizeCase {
  const char* name;
  int ncirc, nbc;
  double fcen = 0.99;
  int iphase = 1;
  int maxit = 2;
  double eps = 1.0e-12;
  double drad = 1.0;
};

std::string text_of(double v) {
  char s[32];
  std::snprintf(s, sizeof s, "%.6g", v);
  std::string t = s;
  // A point in the mantissa, so that no implied decimals apply.
  if (t.find('.') == std::string::npos) t.insert(std::min(t.find('e'), t.size()), ".0");
  return t;
}

Parameters parameters_of(const SizeCase& c) {
  Parameters p;
  p.ncirc = std::to_string(c.ncirc);
  p.nbc = std::to_string(c.nbc);
  p.fcen = text_of(c.fcen);
  p.iphase = std::to_string(c.iphase);
  p.maxit = std::to_string(c.maxit);
  p.eps = text_of(c.eps);
  p.drad = text_of(c.drad);
  return p;
}

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

// The body text of the initial-state file is 385 bytes per body, central body
// included (nbtot = ncirc * nbc + 1); its header is 564 bytes; the unit's
// buffer holds 1 MiB + 4096 bytes.
const std::vector<SizeCase>& cases() {
  static const std::vector<SizeCase> all = {
      // nbtot 2722: 1,047,970 bytes of bodies, below the write block.
      {"bodies_below_the_write_block", 3, 907},
      // nbtot 2724: 1,048,740 bytes, the first body count at or above the write block.
      {"bodies_just_above_the_write_block", 7, 389},
      // nbtot 2731: 1,051,435 bytes, the header still fits beside them in the buffer
      // (the run whose header once landed after the bodies).
      {"bodies_fill_the_buffer_beside_the_header", 10, 273},
      // nbtot 2733: header and bodies no longer fit the buffer together.
      {"bodies_and_header_beyond_the_buffer", 4, 683},
      // nbtot 5447 and 5448: body text just below and just above 2 MiB.
      {"bodies_just_below_two_mib", 14, 389},
      {"bodies_just_above_two_mib", 13, 419},
      // One block of 4096 bodies less one, exactly, and one more.
      {"one_block_less_one_body", 46, 89},
      {"one_full_block", 5, 819},
      {"one_block_and_one_body", 8, 512},
      // Two blocks less one body, and two blocks and a last block of one.
      {"two_blocks_less_one_body", 10, 819},
      {"two_blocks_and_one_body", 16, 512},
      // Three blocks less two bodies, three and a last block of one body.
      {"three_blocks_less_two_bodies", 15, 819},
      {"three_blocks_and_one_body", 16, 768},
      // Five blocks: two workers own a ring of four slots, which wraps.
      {"five_blocks_wrap_the_slot_ring", 32, 512},
      // The matrix is built on one thread below 100,000 terms (ncirc^2 * nbc), on every core from there.
      {"matrix_terms_below_the_thread_split", 10, 999},
      {"matrix_terms_at_the_thread_split", 10, 1000},
      {"matrix_terms_above_the_thread_split", 11, 827},
      // One history file holds 3000 iterations: a tolerance below 0 never ends the refinement early.
      {"history_one_below_a_full_file", 2, 3, 0.99, 1, 2999, -1.0},
      {"history_one_full_file", 2, 3, 0.99, 1, 3000, -1.0},
      {"history_one_past_a_full_file", 2, 3, 0.99, 1, 3001, -1.0},
      // History file names have three characters for the number: files 1i to
      // 999i, then the 1000th (one iteration) is ***i.
      {"history_file_number_past_three_digits", 2, 3, 0.99, 1, 999 * 3000 + 1, -1.0},
      // Count limits that run to completion. Single bodies on alternate sides at
      // radii growing by 2 rad(1) per circle all come out with positive masses.
      {"thousand_circles_of_one_body", 1000, 1, 0.5, 0, 2, 1.0e-12, 2.0},
      {"one_circle_of_thousand_bodies", 1, 1000},
  };
  return all;
}

class SizeBoundaryRun : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeBoundaryRun, EveryFileMatchesThePlainModel) {
  const SizeCase& c = GetParam();
  ScratchDir dir;
  dir.write("Tembrix2.dat", parameters_of(c).text());
  const RunResult r = run_in(dir.path(), binary);
  const ModelRun expected = model_run({{"Tembrix2.dat", parameters_of(c).text()}});
  ASSERT_FALSE(expected.arithmetic_fault)
      << "the model met an arithmetic fault: this case does not describe a normal run";
  ASSERT_EQ(expected.status, 0) << "the model stopped at a negative mass: the case does not reach the state file";

  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  std::vector<std::string> names;
  for (const auto& [name, bytes] : expected.files) {
    names.push_back(name);
    const std::string got = dir.read(name);
    EXPECT_EQ(got.size(), bytes.size()) << name;
    EXPECT_TRUE(got == bytes) << name << " differs from the model";  // not printed: megabytes
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(dir.files(), names);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeBoundaryRun, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tembrix::test
