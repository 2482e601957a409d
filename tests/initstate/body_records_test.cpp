// The bulk body-record text against the general record layout, and the
// block writer against a plain sequential write.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "initstate/body_record_text.h"
#include "initstate/body_record_writer.h"
#include "small_run.h"
#include "textio/arith_fault.h"
#include "textio/item.h"
#include "textio/record_layout.h"
#include "textio/units.h"
#include "textio/units_state.h"

namespace tembrix::test {
namespace {

// Values that stress the real text: random bit patterns, both zeros,
// subnormals, values at the 1 and 1e7 form boundaries and at 16/17-digit
// rounding carries, with both signs.
double awkward_value(std::mt19937_64& rng) {
  static const double special[] = {
      0.0, -0.0, 1.0, -1.0, 9999999.0, -9999999.0, 9999999.999999999, -9999999.999999999,
      9999999.9999999991, 1e7, 0.99999999999999989, 0.9999999999999999, 1e-300, 5e-324,
      -2.2250738585072014e-308, 1.7976931348623157e308, 0.5, 0.25, 123456.78901234565, 9.5e-5};
  switch (rng() % 4) {
    case 0: return special[rng() % std::size(special)];
    case 1: {  // any finite double
      double v;
      do v = std::bit_cast<double>(rng()); while (!std::isfinite(v));
      return v;
    }
    case 2: {  // code-unit sized values, where the file's numbers live
      std::uniform_real_distribution<double> mant(-10.0, 10.0);
      return mant(rng) * std::pow(10.0, static_cast<int>(rng() % 40) - 30);
    }
    default: {  // next to a power of ten, either side
      const double p = std::pow(10.0, static_cast<int>(rng() % 30) - 15);
      return (rng() % 2 ? std::nextafter(p, 0.0) : p) * (rng() % 2 ? -1.0 : 1.0);
    }
  }
}

BodyTables random_bodies(std::size_t n, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  BodyTables t;
  t.omo.assign(n + 1, 0.0);
  t.radb.assign(n + 1, 0.0);
  for (auto& v : t.pos) v.assign(n + 1, 0.0);
  for (auto& v : t.vel) v.assign(n + 1, 0.0);
  for (std::size_t b = 1; b <= n; ++b) {
    // Mass and radius repeat in runs, as they do along a circle.
    t.omo[b] = (b > 1 && rng() % 3) ? t.omo[b - 1] : awkward_value(rng);
    t.radb[b] = (b > 1 && rng() % 3) ? t.radb[b - 1] : awkward_value(rng);
    for (int k = 0; k < 3; ++k) {
      t.pos[k][b] = awkward_value(rng);
      t.vel[k][b] = awkward_value(rng);
    }
  }
  return t;
}

// The body records through the general free-format record layout.
std::string laid_out(const BodyTables& t, std::size_t first, std::size_t last) {
  std::string s;
  for (std::size_t b = first; b <= last; ++b) {
    const Item items[] = {real_item(t.omo[b]),    real_item(t.pos[0][b]), real_item(t.pos[1][b]),
                          real_item(t.pos[2][b]), real_item(t.vel[0][b]), real_item(t.vel[1][b]),
                          real_item(t.vel[2][b]), real_item(0.0),         real_item(0.0),
                          real_item(0.0),         real_item(0.0),         real_item(0.0),
                          real_item(0.0),         real_item(t.radb[b]),   real_item(0.0)};
    lay_out_record(items, s);
  }
  return s;
}

TEST(BodyRecordText, MatchesTheRecordLayoutForRandomRecords) {
  constexpr std::size_t n = 200000;
  const BodyTables t = random_bodies(n, 20261211);
  std::string fast(n * body_record_bytes, '\0');
  format_body_records(t, 1, n, fast.data());
  const std::string want = laid_out(t, 1, n);
  ASSERT_EQ(fast.size(), want.size());
  for (std::size_t b = 0; b < n; ++b) {
    const std::size_t at = b * body_record_bytes;
    ASSERT_EQ(fast.compare(at, body_record_bytes, want, at, body_record_bytes), 0)
        << "body " << b + 1 << "\n" << fast.substr(at, body_record_bytes) << "\n"
        << want.substr(at, body_record_bytes);
  }
}

// Body counts around the block size, around the unit's write block and past
// the ring of four slots that two workers share, each written after a buffered
// header record with 1, 2 and 3 worker threads and without any: the file is
// the header and the same sequence of records.
TEST(BodyRecordWriter, FileIsTheSameForEveryThreadCountAndBlockSplit) {
  InScratchDir scratch;
  const std::size_t write_block_bodies = units_detail::write_block / body_record_bytes;
  const BodyTables t = random_bodies(4 * bodies_per_block + 1, 7);
  clear_arithmetic_faults();  // screening random bit patterns for NaNs raises the invalid flag
  const Item header[] = {real_item(0.0), real_item(0.5), int_item(3)};
  std::string header_text;
  lay_out_record(header, header_text);
  for (std::size_t count : {std::size_t{1}, write_block_bodies, write_block_bodies + 1, bodies_per_block - 1,
                            bodies_per_block, bodies_per_block + 1, 3 * bodies_per_block + 5,
                            4 * bodies_per_block + 1}) {
    const std::string want = header_text + laid_out(t, 1, count);
    for (unsigned threads : {1u, 2u, 3u}) {
      open_unit(unit_state, "records.dat ", OpenMode::create_or_open);
      write_record(unit_state, header);
      write_body_records(t, 1, count, unit_state, threads);
      close_unit(unit_state);
      ASSERT_EQ(scratch.dir().read("records.dat"), want) << count << " bodies, " << threads << " threads";
    }
  }
}

}  // namespace
}  // namespace tembrix::test
