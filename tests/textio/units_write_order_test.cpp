// Write order of a file unit: records and laid-out blocks of any size reach the
// file in the order they were written, around the write block and the buffer's
// capacity alike. Each sequence is compared with the plain concatenation.
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "textio/arith_fault.h"
#include "textio/record_layout.h"
#include "textio/units.h"
#include "textio/units_state.h"

namespace tembrix {
namespace {

namespace fs = std::filesystem;
using units_detail::write_block;
using units_detail::write_buffer_capacity;

class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = (fs::temp_directory_path() / "tembrix2-order-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    dir_ = pattern;
  }
  ~ScratchFile() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  std::string path() const { return (dir_ / "out.dat").string(); }
  std::string contents() const {
    std::ifstream f(path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }

 private:
  fs::path dir_;
};

// Offset of the first byte where a and b differ (their common length when one is a prefix).
std::size_t first_difference(const std::string& a, const std::string& b) {
  std::size_t k = 0;
  while (k < a.size() && k < b.size() && a[k] == b[k]) ++k;
  return k;
}

// Lines of n bytes in all whose text tells the piece (and the place in it) apart,
// so a piece that lands out of order cannot look like the right bytes.
std::string block_text(std::size_t n, std::size_t piece) {
  std::string s;
  s.reserve(n);
  for (std::size_t line = 0; s.size() < n; ++line) {
    const std::size_t take = std::min<std::size_t>(80, n - s.size());
    s.append(take, static_cast<char>('A' + (piece * 7 + line) % 26));
    if (take == 80) s.replace(s.size() - 2, 2, "\r\n");
  }
  return s;
}

// Sizes where the unit's handling changes, with neighbours on both sides, and far beyond.
std::vector<std::size_t> telling_sizes() {
  std::vector<std::size_t> sizes = {1, 2, 77, 80, 4095, 4096, 4097, 65536};
  for (std::size_t edge : {write_block, write_buffer_capacity, 2 * write_block}) {
    for (std::size_t d : {1, 2, 600, 4096}) {
      sizes.push_back(edge - d);
      sizes.push_back(edge + d);
    }
    sizes.push_back(edge);
  }
  sizes.push_back(3 * write_block + 12345);
  return sizes;
}

class UnitWriteOrder : public ::testing::Test {
 protected:
  void SetUp() override { clear_arithmetic_faults(); }
};

// The case of a small buffered record followed by one block at and around the
// write block and the buffer's capacity, in both orders, one pair per size.
TEST_F(UnitWriteOrder, ABlockNeverOvertakesABufferedRecord) {
  const std::string header = [] {
    std::string s;
    const Item items[] = {real_item(0.0), real_item(1.5), int_item(7), char_item("header")};
    lay_out_record(items, s);
    return s;
  }();
  for (std::size_t size : telling_sizes()) {
    ScratchFile file;
    const std::string block = block_text(size, 1);
    open_unit(5, file.path(), OpenMode::create_or_open);
    write_record(5, {real_item(0.0), real_item(1.5), int_item(7), char_item("header")});
    write_laid_out(5, block);
    write_laid_out(5, header);  // after a block, bytes still follow in order
    close_unit(5);
    const std::string got = file.contents();
    const std::string expected = header + block + header;
    ASSERT_EQ(got.size(), expected.size()) << "block of " << size << " bytes";
    EXPECT_EQ(first_difference(got, expected), expected.size()) << "block of " << size << " bytes";
  }
}

// Random sequences of records (tiny, or one long character item around the
// write block) and blocks of telling sizes or of sizes near the capacity.
TEST_F(UnitWriteOrder, RandomSequencesArriveAsTheirConcatenation) {
  const std::vector<std::size_t> sizes = telling_sizes();
  std::mt19937_64 rng(20261211);
  for (int sequence = 0; sequence < 16; ++sequence) {
    ScratchFile file;
    std::string expected;
    open_unit(5, file.path(), OpenMode::create_or_open);
    const int steps = 4 + static_cast<int>(rng() % 12);
    for (int step = 0; step < steps; ++step) {
      switch (rng() % 4) {
        case 0: {  // a record of a few numbers
          const Item items[] = {int_item(step), real_item(static_cast<double>(rng() % 1000) / 7.0)};
          write_record(5, items);
          lay_out_record(items, expected);
          break;
        }
        case 1: {  // a record of one long character item, up to beyond the write block
          const std::size_t n = rng() % 2 ? rng() % 300 : write_block - 2000 + rng() % 4000;
          const std::string text = block_text(n, static_cast<std::size_t>(step));
          const Item items[] = {char_item(text)};
          write_record(5, items);
          lay_out_record(items, expected);
          break;
        }
        case 2: {  // a block of a telling size
          const std::string block = block_text(sizes[rng() % sizes.size()], static_cast<std::size_t>(step));
          write_laid_out(5, block);
          expected += block;
          break;
        }
        default: {  // a block just below, at or above what the capacity leaves beside a few buffered records
          const std::size_t n = write_buffer_capacity + 8 - rng() % 1200;
          const std::string block = block_text(n, static_cast<std::size_t>(step));
          write_laid_out(5, block);
          expected += block;
        }
      }
    }
    close_unit(5);
    const std::string got = file.contents();
    ASSERT_EQ(got.size(), expected.size()) << "sequence " << sequence;
    EXPECT_EQ(first_difference(got, expected), expected.size()) << "sequence " << sequence;
  }
}

}  // namespace
}  // namespace tembrix
