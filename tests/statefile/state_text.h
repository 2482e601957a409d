// Initial-state and ring-table texts laid out exactly as tembrix2 writes them,
// for tests of the readers and of tembrix2-inspect.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "textio/item.h"
#include "textio/record_layout.h"

namespace tembrix::test {

struct StateBody {
  double mass = 0.0;
  std::array<double, 3> pos{}, vel{};
  double radius = 0.0;
};

struct StateContent {
  std::array<double, 20> header_reals{};
  std::array<std::int32_t, 4> header_integers{1, 1, 0, 1};  // nbtot is set from bodies
  std::vector<StateBody> bodies;
  std::int32_t itag = 1;
  double mtot = 1.0, lunit = 1.0, vunit = 1.0;
  std::array<std::int32_t, 10> trailer_fixed{};
};

// The state as tembrix2 writes it: header, one record per body, trailer.
inline std::string state_text(const StateContent& s) {
  std::string out;
  std::vector<Item> h;
  for (int i = 0; i < 17; ++i) h.push_back(real_item(s.header_reals[static_cast<std::size_t>(i)]));
  h.push_back(int_item(s.header_integers[0]));
  h.push_back(int_item(s.header_integers[1]));
  h.push_back(int_item(static_cast<std::int32_t>(s.bodies.size())));
  for (int i = 17; i < 20; ++i) h.push_back(real_item(s.header_reals[static_cast<std::size_t>(i)]));
  h.push_back(int_item(s.header_integers[3]));
  lay_out_record(h, out);
  for (const StateBody& b : s.bodies) {
    const Item r[15] = {real_item(b.mass),   real_item(b.pos[0]), real_item(b.pos[1]), real_item(b.pos[2]),
                        real_item(b.vel[0]), real_item(b.vel[1]), real_item(b.vel[2]), real_item(0.0),
                        real_item(0.0),      real_item(0.0),      real_item(0.0),      real_item(0.0),
                        real_item(0.0),      real_item(b.radius), real_item(0.0)};
    lay_out_record(r, out);
  }
  std::vector<Item> t = {int_item(s.itag), int_item(static_cast<std::int32_t>(s.bodies.size())), real_item(s.mtot),
                         real_item(s.lunit), real_item(s.vunit)};
  for (std::int32_t v : s.trailer_fixed) t.push_back(int_item(v));
  lay_out_record(t, out);
  return out;
}

struct RingTableRow {
  double radius, body_mass, correction;
};

inline std::string ring_table_text(const std::vector<RingTableRow>& rows) {
  std::string out;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const Item r[4] = {int_item(static_cast<std::int32_t>(k + 1)), real_item(rows[k].radius),
                       real_item(rows[k].body_mass), real_item(rows[k].correction)};
    lay_out_record(r, out);
  }
  return out;
}

// The blank-separated tokens of a text with their offsets.
struct Token {
  std::size_t at;
  std::string text;
};
inline std::vector<Token> tokens_of(const std::string& text) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == ' ' || text[i] == '\r' || text[i] == '\n' || text[i] == '\t') {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '\r' && text[j] != '\n' && text[j] != '\t') ++j;
    tokens.push_back({i, text.substr(i, j - i)});
    i = j;
  }
  return tokens;
}

}  // namespace tembrix::test
