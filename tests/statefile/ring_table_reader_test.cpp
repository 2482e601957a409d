// The ring-table reader: exact rows in order, and one clear error for a
// malformed table.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "state_text.h"
#include "statefile/read_error.h"
#include "statefile/ring_table.h"

namespace {

using namespace tembrix;

std::string error_of(std::string text) {
  std::FILE* f = fmemopen(text.data(), text.size(), "r");
  if (text.empty()) f = std::tmpfile();  // fmemopen refuses an empty buffer
  try {
    statefile::read_ring_table(f, "QxNcRMEr.dat", 200);
  } catch (const statefile::ReadError& e) {
    std::fclose(f);
    return e.what();
  }
  std::fclose(f);
  return "(no error)";
}

TEST(RingTableReader, ReadsRowsInOrderExactly) {
  const std::vector<test::RingTableRow> rows = {
      {1.487764722963861e11, 4.791131922851109e29, -1.239179312024286e-15},
      {2.975529445927723e11, 1.916079130991636e30, 0.0},
      {4.5e11, -3.0, 1e-300}};
  test::ScratchDir dir;
  dir.write("QxNcRMEr.dat", test::ring_table_text(rows));
  const auto read = statefile::read_ring_table((dir.path() / "QxNcRMEr.dat").string());
  ASSERT_EQ(read.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(read[k].radius, rows[k].radius);
    EXPECT_EQ(read[k].body_mass, rows[k].body_mass);
    EXPECT_EQ(read[k].correction, rows[k].correction);
  }
}

TEST(RingTableReader, MalformedTablesGiveOneClearError) {
  const std::string two = test::ring_table_text({{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}});
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {"", "QxNcRMEr.dat:1: expected the record of ring 1, found an empty file"},
      {" \r\n", "expected the record of ring 1, found an empty file"},
      {two + "           3   1.0", "QxNcRMEr.dat:5: expected a real for ring 3, item 3 (body mass), found the end of the file"},
      {two + "           4   1.0 2.0 3.0", "QxNcRMEr.dat:5: expected ring number 3, found 4"},
      {two + "  0 1.0 2.0 3.0", "expected ring number 3, found 0"},
      {two + "  3.0 1.0 2.0 3.0", "expected an integer for ring 3, item 1 (ring number), found \"3.0\""},
      {two + "  3 1.0 x 3.0", "expected a real for ring 3, item 3 (body mass), found \"x\""},
      {"1 1.0 2.0 3.0 garbage", "expected an integer for ring 2, item 1 (ring number), found \"garbage\""},
  };
  for (const auto& c : cases) {
    const std::string message = error_of(c.text);
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
  }
}

}  // namespace
