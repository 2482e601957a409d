// The CSV writer's blocks: files whose size lies just below, at and just
// above the block size equal the text of the plain model, one std::to_chars
// per number appended to one string.
#include <charconv>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "inspect/csv_export.h"

namespace {

using namespace tembrix;

statefile::InitialState state_of(std::size_t n) {
  statefile::InitialState s;
  auto& b = s.bodies;
  for (auto* v : {&b.mass, &b.pos[0], &b.pos[1], &b.pos[2], &b.vel[0], &b.vel[1], &b.vel[2], &b.radius}) v->assign(n, 0.0);
  for (std::size_t i = 0; i < n; ++i) b.mass[i] = 0.5;  // rows of the same length but for their id
  s.trailer.mtot = s.trailer.lunit = s.trailer.vunit = 1.0;
  return s;
}

std::string plain_csv(const statefile::InitialState& s) {
  std::string out = "id,mass,x,y,z,vx,vy,vz,radius\n";
  const auto& b = s.bodies;
  const auto put = [&out](auto v) {
    char buf[32];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
  };
  for (std::size_t i = 0; i < b.size(); ++i) {
    put(i + 1);
    for (double v : {b.mass[i], b.pos[0][i], b.pos[1][i], b.pos[2][i], b.vel[0][i], b.vel[1][i], b.vel[2][i], b.radius[i]}) {
      out += ',';
      put(v);
    }
    out += '\n';
  }
  return out;
}

TEST(CsvBlocks, FilesAroundTheBlockSizeEqualThePlainModel) {
  // The number of bodies whose file first exceeds one block: the header row,
  // then rows of the id's digits and ",0.5,0,0,0,0,0,0,0\n".
  std::size_t n = 0;
  for (std::size_t size = 30; size <= inspect::kCsvBlock;) size += std::to_string(++n).size() + 19;
  test::ScratchDir dir;
  for (std::size_t count : {n - 2, n - 1, n, n + 1, 3 * n}) {
    const auto s = state_of(count);
    const std::string path = (dir.path() / "out.csv").string();
    inspect::write_csv(s, inspect::CsvUnits::code, path);
    EXPECT_EQ(dir.read("out.csv"), plain_csv(s)) << count;
  }
  EXPECT_LE(plain_csv(state_of(n - 1)).size(), inspect::kCsvBlock);
  EXPECT_GT(plain_csv(state_of(n)).size(), inspect::kCsvBlock);
}

}  // namespace
