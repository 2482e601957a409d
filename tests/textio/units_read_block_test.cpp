// Reading across the unit's read block: a value or a record that starts just
// before, at or just after a block boundary reads as if the file were one piece.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "textio/arith_fault.h"
#include "textio/free_format_input.h"
#include "textio/units.h"
#include "textio/units_state.h"

namespace tembrix {
namespace {

using units_detail::read_block;

// Blanks up to the value, so the value starts at byte `start` of the file, then two records.
std::string file_with_value_at(std::size_t start) {
  return std::string(start, ' ') + "12 2.5E3\n-3 1.25\n";
}

TEST(UnitReadBlock, ValuesAndRecordsAcrossTheBlockBoundary) {
  clear_arithmetic_faults();  // opening a unit checks them; earlier tests may have left them raised
  test::ScratchDir dir;
  const std::string path = (dir.path() / "radii.dat").string();
  // The value "12" and the record end around the first and the second boundary.
  for (std::size_t boundary : {read_block, 2 * read_block}) {
    for (std::size_t start = boundary - 4; start <= boundary + 2; ++start) {
      SCOPED_TRACE(start);
      const std::string text = file_with_value_at(start);
      dir.write("radii.dat", text);

      open_unit(2, path, OpenMode::create_or_open);
      std::int32_t i = 0;
      double x = 0.0;
      read_values(2, {&i, &x});
      EXPECT_EQ(i, 12);
      EXPECT_EQ(x, 2500.0);
      read_values(2, {&i, &x});
      EXPECT_EQ(i, -3);
      EXPECT_EQ(x, 1.25);
      close_unit(2);

      open_unit(2, path, OpenMode::create_or_open);
      std::string line;
      EXPECT_EQ(read_line(2, line, text.size()), LineStatus::ok);
      EXPECT_EQ(line, text.substr(0, text.find('\n')));
      EXPECT_EQ(read_line(2, line, text.size()), LineStatus::ok);
      EXPECT_EQ(line, "-3 1.25");
      EXPECT_EQ(read_line(2, line, text.size()), LineStatus::end_of_file);
      close_unit(2);
    }
  }
}

}  // namespace
}  // namespace tembrix
