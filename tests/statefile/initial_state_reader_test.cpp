// The initial-state reader: exact numbers, any line layout and buffer split,
// and one clear error for every kind of malformed file.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "state_text.h"
#include "statefile/initial_state.h"
#include "statefile/number_scanner.h"
#include "statefile/read_error.h"

namespace {

using namespace tembrix;
using statefile::InitialState;
using statefile::ReadError;

InitialState read_text(const std::string& text, std::size_t buffer = 1u << 20, bool sized = true) {
  std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
  if (f == nullptr) throw ReadError("fmemopen failed");
  try {
    InitialState s = statefile::read_initial_state(f, "state.dat", sized ? text.size() : 0, buffer);
    std::fclose(f);
    return s;
  } catch (...) {
    std::fclose(f);
    throw;
  }
}

std::string error_of(const std::string& text, bool sized = true) {
  try {
    read_text(text, 1u << 20, sized);
  } catch (const ReadError& e) {
    return e.what();
  }
  return "(no error)";
}

// A small state with awkward values: both signs, fixed and exponent forms,
// subnormal and extreme magnitudes.
test::StateContent sample_state(int bodies) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  test::StateContent s;
  for (std::size_t i = 0; i < 20; ++i) s.header_reals[i] = u(rng) * std::pow(10.0, static_cast<int>(i) - 10);
  s.header_integers[3] = 7;
  const double special[] = {0.0, -0.0, 1.5, -9999999.0, 1e7, 5e-324, 1.2345e308, 1.0 / 3.0};
  for (int b = 0; b < bodies; ++b) {
    test::StateBody body;
    body.mass = special[b % 8];
    for (std::size_t c = 0; c < 3; ++c) {
      body.pos[c] = u(rng) * 1e3;
      body.vel[c] = u(rng) * 1e-20;
    }
    body.radius = std::fabs(u(rng));
    s.bodies.push_back(body);
  }
  s.itag = -12;
  s.mtot = 1.989e30;
  s.lunit = 1.5e11;
  s.vunit = 3.3e-5;
  s.trailer_fixed[9] = 5;
  return s;
}

double parsed_by_strtod(std::string token) {
  for (char& c : token) {
    if (c == 'D' || c == 'd') c = 'E';
  }
  return std::strtod(token.c_str(), nullptr);
}

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every number of the product's layout reads back as strtod reads its text,
// bit for bit, and lands in its place.
TEST(InitialStateReader, ReadsEveryNumberOfTheProductLayoutExactly) {
  const std::string text = test::state_text(sample_state(9));
  const InitialState s = read_text(text);
  const auto tokens = test::tokens_of(text);
  ASSERT_EQ(tokens.size(), 24u + 9 * 15 + 15);
  std::size_t t = 0;
  for (std::size_t i = 0; i < 24; ++i, ++t) {
    if (i == 17 || i == 18 || i == 19 || i == 23) continue;
    const std::size_t r = i < 17 ? i : i - 3;
    EXPECT_TRUE(same_bits(s.header.reals[r], parsed_by_strtod(tokens[t].text))) << tokens[t].text;
  }
  EXPECT_EQ(s.header.nbtot(), 9);
  EXPECT_EQ(s.header.ncube(), 7);
  ASSERT_EQ(s.bodies.size(), 9u);
  for (std::size_t b = 0; b < 9; ++b) {
    const auto field = [&](int item) { return parsed_by_strtod(tokens[24 + b * 15 + static_cast<std::size_t>(item)].text); };
    EXPECT_TRUE(same_bits(s.bodies.mass[b], field(0)));
    for (std::size_t c = 0; c < 3; ++c) {
      EXPECT_TRUE(same_bits(s.bodies.pos[c][b], field(1 + static_cast<int>(c))));
      EXPECT_TRUE(same_bits(s.bodies.vel[c][b], field(4 + static_cast<int>(c))));
    }
    EXPECT_TRUE(same_bits(s.bodies.radius[b], field(13)));
  }
  EXPECT_EQ(s.trailer.itag, -12);
  EXPECT_EQ(s.trailer.nbtot, 9);
  EXPECT_EQ(s.trailer.mtot, 1.989e30);
  EXPECT_EQ(s.trailer.fixed[9], 5);
  // The product writes 16 significant digits: 1/3 reads as the double nearest
  // to 0.3333333333333333, the subnormal as itself.
  EXPECT_EQ(s.bodies.mass[7], 0.3333333333333333);
  EXPECT_EQ(s.bodies.mass[5], 4.940656458412465e-324);
  EXPECT_TRUE(std::signbit(s.bodies.mass[1]) == false);  // -0.0 is written as 0.000...E+000
}

// Random doubles written in every form the reader accepts (E, D, e, d,
// a plus sign, no exponent) read back as strtod reads them.
TEST(InitialStateReader, RandomRealsInEveryAcceptedFormReadExactly) {
  std::mt19937_64 rng(7);
  const char* const forms[] = {"%.17E", "%.16e", "%.20g", "%+.17E", "%.3E", "%.0f"};
  std::string numbers;
  std::vector<std::string> tokens;
  for (int i = 0; i < 3000; ++i) {
    double v;
    do {
      const std::uint64_t bits = rng();
      std::memcpy(&v, &bits, sizeof v);
    } while (!std::isfinite(v) || (i % 6 == 5 && std::fabs(v) > 1e30));
    char buf[400];
    std::snprintf(buf, sizeof buf, forms[i % 6], v);
    std::string token = buf;
    if (i % 4 == 1) {
      for (char& c : token) {
        if (c == 'E') c = 'D';
        if (c == 'e') c = 'd';
      }
    }
    if (token.size() > statefile::NumberScanner::kMaxToken) continue;
    tokens.push_back(token);
    numbers += token + (i % 3 == 0 ? "\r\n" : " \t ");
  }
  std::FILE* f = fmemopen(numbers.data(), numbers.size(), "r");
  ASSERT_NE(f, nullptr);
  statefile::NumberScanner in(f, "numbers", 300);
  for (const std::string& token : tokens) {
    const double v = in.real({"a number"});
    ASSERT_TRUE(same_bits(v, parsed_by_strtod(token))) << token;
  }
  EXPECT_TRUE(in.at_end());
  std::fclose(f);
}

// The read buffer splits tokens at every possible place; the state read is
// the same whatever the split, for buffers below, at and above the size of
// one record, and when the file's size is unknown.
TEST(InitialStateReader, ResultDoesNotDependOnTheBufferSplit) {
  const std::string text = test::state_text(sample_state(6));
  const InitialState whole = read_text(text);
  const auto same = [&](const InitialState& s) {
    if (s.bodies.size() != whole.bodies.size() || s.header.reals != whole.header.reals ||
        s.header.integers != whole.header.integers || s.trailer.mtot != whole.trailer.mtot) {
      return false;
    }
    for (std::size_t b = 0; b < s.bodies.size(); ++b) {
      if (!same_bits(s.bodies.mass[b], whole.bodies.mass[b]) || !same_bits(s.bodies.vel[2][b], whole.bodies.vel[2][b]) ||
          !same_bits(s.bodies.radius[b], whole.bodies.radius[b]) || !same_bits(s.bodies.pos[0][b], whole.bodies.pos[0][b])) {
        return false;
      }
    }
    return true;
  };
  for (std::size_t buffer = 2 * statefile::NumberScanner::kMaxToken; buffer < 2 * statefile::NumberScanner::kMaxToken + 400; ++buffer) {
    ASSERT_TRUE(same(read_text(text, buffer))) << "buffer " << buffer;
  }
  EXPECT_TRUE(same(read_text(text, text.size())));
  EXPECT_TRUE(same(read_text(text, text.size() + 1)));
  EXPECT_TRUE(same(read_text(text, 1u << 20, false)));
}

// Tokens up to the longest allowed are read; one more character is refused.
TEST(InitialStateReader, TokenLengthLimit) {
  const std::size_t limit = statefile::NumberScanner::kMaxToken;
  for (std::size_t len : {limit - 1, limit, limit + 1}) {
    std::string text = "0." + std::string(len - 3, '0') + "5";
    std::FILE* f = fmemopen(text.data(), text.size(), "r");
    statefile::NumberScanner in(f, "long", 2 * limit);
    if (len <= limit) {
      EXPECT_EQ(in.real({"x"}), std::strtod(text.c_str(), nullptr));
    } else {
      EXPECT_THROW(in.real({"x"}), ReadError);
    }
    std::fclose(f);
  }
}

// The product's lines run to 76 characters and end in CR LF; the line of an
// error counts line feeds. Body 1 starts on line 9 (the header takes 8 lines),
// each body takes 5.
struct Malformed {
  const char* what;
  std::function<std::string(std::string)> change;
  const char* message;
};

std::string replace_token(const std::string& text, std::size_t index, const std::string& with) {
  const auto tokens = test::tokens_of(text);
  return text.substr(0, tokens[index].at) + with + text.substr(tokens[index].at + tokens[index].text.size());
}

std::string cut_before_token(const std::string& text, std::size_t index) {
  return text.substr(0, test::tokens_of(text)[index].at);
}

TEST(InitialStateReader, MalformedFilesGiveOneClearError) {
  const std::string good = test::state_text(sample_state(3));
  const std::size_t body2 = 24 + 15;     // first token of body 2
  const std::size_t trailer = 24 + 45;   // first token of the trailer
  const Malformed cases[] = {
      {"blanks only", [](std::string) { return std::string(" \r\n \r\n"); },
       "state.dat:3: expected a real for header item 1, found the end of the file"},
      {"cut inside the header", [&](std::string t) { return cut_before_token(t, 19); },
       "state.dat:7: expected an integer for header item 20 (nbtot), found the end of the file"},
      {"cut inside body 2", [&](std::string t) { return cut_before_token(t, body2 + 6); },
       "state.dat:16: expected a real for body 2, item 7 (velocity z), found the end of the file"},
      {"cut before the trailer", [&](std::string t) { return cut_before_token(t, trailer); },
       "expected an integer for trailer item 1 (itag), found the end of the file"},
      {"cut inside the trailer", [&](std::string t) { return cut_before_token(t, trailer + 14); },
       "expected an integer for trailer item 15, found the end of the file"},
      {"two points", [&](std::string t) { return replace_token(t, body2, "1.2.3"); },
       "state.dat:14: expected a real for body 2, item 1 (mass), found \"1.2.3\""},
      {"not a number", [&](std::string t) { return replace_token(t, body2 + 1, "nan"); },
       "expected a real for body 2, item 2 (position x), found \"nan\""},
      {"infinity", [&](std::string t) { return replace_token(t, body2 + 1, "inf"); }, "found \"inf\""},
      {"hexadecimal", [&](std::string t) { return replace_token(t, body2 + 1, "0x1p3"); }, "found \"0x1p3\""},
      {"exponent without digits", [&](std::string t) { return replace_token(t, body2 + 2, "1.0E"); },
       "item 3 (position y), found \"1.0E\""},
      {"exponent alone", [&](std::string t) { return replace_token(t, body2 + 2, "E5"); }, "found \"E5\""},
      {"double sign", [&](std::string t) { return replace_token(t, body2 + 2, "--1.0"); }, "found \"--1.0\""},
      {"letter after the exponent", [&](std::string t) { return replace_token(t, body2 + 2, "1.0E+00a"); },
       "found \"1.0E+00a\""},
      {"a byte of code 0", [&](std::string t) { return replace_token(t, body2 + 3, std::string("1.0\0", 4)); },
       "found \"1.0\\x00\""},
      {"beyond a double", [&](std::string t) { return replace_token(t, body2 + 3, "1.0E+309"); },
       "found \"1.0E+309\" (beyond the range of a double)"},
      {"real for nbtot", [&](std::string t) { return replace_token(t, 19, "3.0"); },
       "expected an integer for header item 20 (nbtot), found \"3.0\""},
      {"nbtot zero", [&](std::string t) { return replace_token(t, 19, "0"); },
       "header item 20 (nbtot) is 0, expected at least 1"},
      {"nbtot negative", [&](std::string t) { return replace_token(t, 19, "-3"); },
       "header item 20 (nbtot) is -3, expected at least 1"},
      {"nbtot beyond 32 bits", [&](std::string t) { return replace_token(t, 19, "99999999999"); },
       "found \"99999999999\" (beyond the 32-bit range)"},
      {"nbtot beyond the file", [&](std::string t) { return replace_token(t, 19, "2147483647"); },
       "header item 20 (nbtot) is 2147483647, but the file's"},
      {"one body fewer than nbtot", [&](std::string t) { return replace_token(t, 19, "4"); },
       "expected an integer for trailer item 1 (itag), found the end of the file"},
      {"one body more than nbtot", [&](std::string t) { return replace_token(t, 19, "2"); },
       "expected an integer for trailer item 1 (itag), found \"1.500000000000000\""},
      {"trailer nbtot differs", [&](std::string t) { return replace_token(t, trailer + 1, "4"); },
       "trailer item 2 (nbtot) is 4, expected the header's 3"},
      {"trailing garbage", [](std::string t) { return t + "xyz\r\n"; },
       "expected the end of the file after the trailer, found \"xyz\""},
      {"a trailing number", [](std::string t) { return t + "   0"; },
       "expected the end of the file after the trailer, found \"0\""},
  };
  for (const Malformed& c : cases) {
    const std::string message = error_of(c.change(good));
    EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(message.rfind("state.dat:", 0), 0u) << c.what << ": " << message;
  }
}

// A count beyond the file is refused before anything is allocated for it;
// without a known size the bodies grow as they are read and the file's end
// stops them.
TEST(InitialStateReader, HugeCountWithoutKnownSizeEndsAtTheFileEnd) {
  // With 2 bodies the trailer's 15 numbers are taken for body 3, and body 4 meets the end.
  const std::string text = replace_token(test::state_text(sample_state(2)), 19, "2147483647");
  EXPECT_NE(error_of(text, false).find("expected a real for body 4, item 1 (mass), found the end of the file"),
            std::string::npos);
}

TEST(InitialStateReader, FilesThatCannotBeReadAreNamed) {
  test::ScratchDir dir;
  const std::string missing = (dir.path() / "missing.dat").string();
  const auto message = [](const std::string& path) {
    try {
      statefile::read_initial_state(path);
    } catch (const ReadError& e) {
      return std::string(e.what());
    }
    return std::string("(no error)");
  };
  EXPECT_EQ(message(missing), missing + ": cannot open: No such file or directory");
  dir.write("empty.dat", "");
  EXPECT_EQ(message((dir.path() / "empty.dat").string()),
            (dir.path() / "empty.dat").string() + ":1: expected the header, found an empty file");
  EXPECT_NE(message(dir.path().string()).find("read failed"), std::string::npos);
  dir.write("good.dat", test::state_text(sample_state(4)));
  EXPECT_EQ(statefile::read_initial_state((dir.path() / "good.dat").string()).bodies.size(), 4u);
}

}  // namespace
