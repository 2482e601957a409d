// Line breaks and exact bytes of free-format output records.
#include "textio/record_layout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tembrix {
namespace {

Item I(std::int32_t v) { return int_item(v); }
Item R(double v) { return real_item(v); }
Item C(std::string_view v) { return char_item(v); }

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// text right-aligned in a field of the given width.
std::string field(const std::string& text, int width) {
  return blanks(width - static_cast<int>(text.size())) + text;
}

std::string cat(std::initializer_list<std::string_view> parts) {
  std::string s;
  for (const auto p : parts) s.append(p);
  return s;
}

std::string lay_out(const std::vector<Item>& items) {
  std::string out;
  lay_out_record(items, out);
  return out;
}

// Lengths of the lines of out, each of which must end with CR LF.
std::vector<int> line_lengths(const std::string& out) {
  std::vector<int> lengths;
  std::size_t at = 0;
  while (at < out.size()) {
    const std::size_t end = out.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line not ended by CR LF";
      break;
    }
    lengths.push_back(static_cast<int>(end - at));
    at = end + 2;
  }
  return lengths;
}

const std::string r15 = "1.500000000000000";
const std::string zero = "0.000000000000000E+000";

struct ExactCase {
  const char* name;
  std::vector<Item> items;
  std::string expected;
};

TEST(RecordLayout, ExactBytes) {
  // Items only view their text, so every text outlives the table.
  const std::string c100(100, 'x');
  const std::string y79(79, 'y');
  const std::string y78(78, 'y');
  const std::vector<ExactCase> cases = {
      {"integer then real", {I(7), R(1.5)}, cat({blanks(11), "7", blanks(8), r15, "\r\n"})},
      {"character then real", {C("abc"), R(1.5)}, cat({" abc", blanks(7), r15, "\r\n"})},
      {"real, character, integer", {R(1.5), C("abc"), I(7)}, cat({blanks(8), r15, "abc", blanks(10), "7\r\n"})},
      {"eight integers",
       {I(1), I(-2), I(2147483647), I(-2147483648), I(0), I(5), I(6), I(7)},
       cat({" ", field("1", 11), " ", field("-2", 11), " ", field("2147483647", 11), " ", "-2147483648", " ",
            field("0", 11), " ", field("5", 11), "\r\n",  //
            " ", field("6", 11), " ", field("7", 11), "\r\n"})},
      {"zero of both signs", {R(0.0), R(-0.0)}, cat({" ", field(zero, 24), " ", field(zero, 24), "\r\n"})},
      {"real fills its field after a character item", {C("x"), R(-9999999.0)},
       " x-9999999.000000000000000\r\n"},
      {"character item of 100 characters", {C(c100)}, cat({" ", c100.substr(0, 79), "\r\n ", c100.substr(79), "\r\n"})},
      {"character item of exactly the budget", {C(y79)},
       cat({" ", y79, "\r\n \r\n"})},
      {"character item that fits with one column to spare", {C(y78)},
       cat({" ", y78, "\r\n"})},
      {"empty character item", {C("")}, " \r\n"},
      {"character items touch", {C("ab"), C(" cd ")}, " ab cd \r\n"},
      {"line ends inside a character item are kept", {C("a\r\nb"), I(1)}, cat({" a\r\nb", field("1", 11), "\r\n"})},
      {"no items", {}, "\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(lay_out(c.items), c.expected) << c.name;
}

// The system's long records, as their phases write them.
TEST(RecordLayout, ReadErrorRecordWithInitialValues) {
  const std::string head = "*01Qx Error reading file Tembrix2.dat *** ";
  const std::string name(12, '\0');
  const std::vector<Item> items = {C(head), I(0),   I(0),   R(0.0), I(0),   C(name), R(0.0), R(0.0), I(0),
                                   I(0),    R(0.0), R(0.0), I(0),   R(0.0), R(0.0),  R(0.0), C(name), I(0)};
  const std::string i0 = field("0", 11);
  const std::string r0 = field(zero, 24);
  const std::string expected = cat({" ", head, i0, " ", i0, "\r\n",            // C I I
                                    " ", r0, " ", i0, name, r0, "\r\n",          // R I C R
                                    " ", r0, " ", i0, " ", i0, " ", r0, "\r\n",  // R I I R
                                    " ", r0, " ", i0, " ", r0, "\r\n",           // R I R
                                    " ", r0, " ", r0, name, i0, "\r\n"});        // R R C I
  const std::string got = lay_out(items);
  EXPECT_EQ(got, expected);
  EXPECT_EQ(line_lengths(got), (std::vector<int>{66, 73, 74, 62, 73}));
}

TEST(RecordLayout, SetUpReportFirstRecordBreaksBeforeTheFirstReal) {
  const std::string a = "Initial masses of the central and the body of the";
  const std::string b = " 1-st circle ";
  // The second line starts with the real's 24-column field: no separating blank.
  const std::string expected =
      cat({" ", a, b, "\r\n", field(r15, 24), " ", field("-1.500000000000000", 24), "\r\n"});
  const std::string got = lay_out({C(a), C(b), R(1.5), R(-1.5)});
  EXPECT_EQ(got, expected);
  EXPECT_EQ(line_lengths(got), (std::vector<int>{63, 49}));
}

TEST(RecordLayout, NegativeMassRecordSplitsInsideAWord) {
  const std::string a = "*05Qx Computing Error of Programm  Tembrix2 *** ";
  const std::string b = " after terminal step the mass of body k = ";
  const std::string expected = cat({" ", a, " after terminal step the mass o\r\n",  // 80 characters
                                    " f body k = ", field("12", 11), " omo(k) = ", field("-1.500000000000000", 24),
                                    " is negative.\r\n"});
  const std::string got = lay_out({C(a), C(b), I(12), C(" omo(k) = "), R(-1.5), C(" is negative.")});
  EXPECT_EQ(got, expected);
  EXPECT_EQ(line_lengths(got), (std::vector<int>{80, 70}));
}

struct LengthCase {
  const char* name;
  std::vector<Item> items;
  std::vector<int> lengths;
};

std::vector<Item> reals(int n, double v) { return std::vector<Item>(static_cast<std::size_t>(n), R(v)); }

std::vector<Item> concat(std::initializer_list<std::vector<Item>> parts) {
  std::vector<Item> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Line lengths depend only on the kinds of the items, whatever the values (short or long texts).
TEST(RecordLayout, LineBreaksOfTheLongRecords) {
  for (const double v : {0.0, -1.5, 123.456, -9999999.0, -1.0e-300}) {
    const std::vector<LengthCase> cases = {
        {"ring table", {I(1), R(v), R(v), R(v)}, {62, 25}},
        {"initial-state header",
         concat({reals(17, v), {I(1000001), I(-3), I(0)}, reals(3, v), {I(2147483647)}}),
         {75, 75, 75, 75, 75, 74, 62, 37}},
        {"body record", reals(15, v), {75, 75, 75, 75, 75}},
        {"initial-state trailer",
         concat({{I(-2147483648), I(0)}, reals(3, v), std::vector<Item>(10, I(42))}),
         {74, 73, 72}},
        {"three reals", reals(3, v), {75}},
        {"four reals", reals(4, v), {75, 25}},
    };
    for (const auto& c : cases) EXPECT_EQ(line_lengths(lay_out(c.items)), c.lengths) << c.name << " " << v;
  }
}

TEST(RecordLayout, LineStartsMarkEveryLine) {
  std::string out = "kept";
  std::vector<std::size_t> starts;
  const std::string z100(100, 'z');
  lay_out_record(std::vector<Item>{C(z100), I(3)}, out, starts);
  ASSERT_EQ(starts, (std::vector<std::size_t>{4, 4 + 82}));
  EXPECT_EQ(out.substr(starts[1]), cat({" ", std::string(21, 'z'), field("3", 11), "\r\n"}));
}

}  // namespace
}  // namespace tembrix
