// Whole runs of the binary compared file by file, byte for byte, with the
// plain model of a run in pipeline_model.h.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdio>
#include <sstream>

#include "e2e_support.h"
#include "model_comparison.h"
#include "pipeline_model.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;

struct ModelCase {
  const char* name;
  Parameters text;           // what the parameter file says (every real with a point)
  std::vector<double> radii;  // written to radii.dat when iradf is 1
};

std::string radii_file(const std::vector<double>& radii) {
  std::string s;
  char line[64];
  for (std::size_t k = 0; k < radii.size(); ++k) {
    std::snprintf(line, sizeof line, "%zu %.17g\r\n", k + 1, radii[k]);
    s += line;
  }
  return s;
}

ModelCase make(const char* name, std::initializer_list<std::pair<std::string Parameters::*, const char*>> fields,
               std::vector<double> radii = {}) {
  ModelCase c{name, Parameters{}, std::move(radii)};
  for (const auto& [member, value] : fields) c.text.*member = value;
  return c;
}

const std::vector<ModelCase>& cases() {
  using P = Parameters;
  static const std::vector<ModelCase> all = {
      make("one_circle_one_body_no_iteration", {{&P::ncirc, "1"}, {&P::nbc, "1"}, {&P::maxit, "0"}}),
      make("one_circle_of_three", {{&P::ncirc, "1"}, {&P::nbc, "3"}}),
      make("two_circles_of_three_tilted", {{&P::ncirc, "2"}, {&P::nbc, "3"}, {&P::tilt, "0.3"}}),
      make("three_circles_no_offsets_half_steps",
           {{&P::ncirc, "3"}, {&P::nbc, "4"}, {&P::iphase, "1"}, {&P::drad, "0.75"}, {&P::fcen, "0.5"}}),
      make("single_bodies_on_four_circles", {{&P::ncirc, "4"}, {&P::nbc, "1"}, {&P::tilt, "1.2"}}),
      make("no_central_mass", {{&P::ncirc, "2"}, {&P::nbc, "5"}, {&P::fcen, "0.0"}}),
      make("history_over_two_files",
           {{&P::ncirc, "2"}, {&P::nbc, "3"}, {&P::eps, "-1.0"}, {&P::maxit, "3002"}}),
      make("radii_from_file", {{&P::ncirc, "3"}, {&P::nbc, "6"}, {&P::iradf, "1"}, {&P::tilt, "-0.7"}},
           {1.5e11, 1.9e11, 2.6e11}),
      make("negative_mass_on_circle_three", {{&P::ncirc, "3"}, {&P::nbc, "4"}}),
      // Large enough for the matrix to be shared among threads and for the
      // refinement to replay its first elimination many times.
      make("forty_circles_many_iterations",
           {{&P::ncirc, "40"}, {&P::nbc, "30"}, {&P::eps, "0.0"}, {&P::maxit, "400"}, {&P::tilt, "0.5"}}),
      make("loose_tolerance", {{&P::ncirc, "5"}, {&P::nbc, "7"}, {&P::eps, "1.0E-3"}, {&P::maxit, "50"}}),
  };
  return all;
}

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

class PipelineModelRun : public ::testing::TestWithParam<ModelCase> {};

TEST_P(PipelineModelRun, EveryFileMatchesThePlainModel) {
  const ModelCase& c = GetParam();
  ModelFiles before{{"Tembrix2.dat", c.text.text()}};
  if (c.text.iradf == "1") before["radii.dat"] = radii_file(c.radii);
  const ModelRun expected = model_run(before);
  ASSERT_FALSE(expected.arithmetic_fault)
      << "the model met an arithmetic fault: this case does not describe a normal run";
  expect_run_matches_model(before, expected, binary);
}

TEST(PipelineModel, NegativeMassLeavesAnEarlierStateFileUntouched) {
  ScratchDir dir;
  Parameters p;
  p.ncirc = "3";
  p.nbc = "4";
  dir.write("Tembrix2.dat", p.text());
  dir.write("state.dat", "from an earlier run\n");
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.starts_with("*05Qx Computing Error of Programm  Tembrix2 ***  after terminal step the mass o\r\n"
                                "f body k =          10 omo(k) = "))
      << r.out;
  EXPECT_EQ(dir.read("state.dat"), "from an earlier run\n");
  EXPECT_TRUE(dir.exists("QxNcRMEr.dat"));
}

INSTANTIATE_TEST_SUITE_P(Runs, PipelineModelRun, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tembrix::test
