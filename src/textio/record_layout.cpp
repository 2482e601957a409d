#include "textio/record_layout.h"

#include <cstddef>

#include "textio/real_text.h"

namespace tembrix {

namespace {

constexpr int line_budget = 79;   // columns a line offers after the record's first blank
constexpr int integer_field = 11;
constexpr int real_field = 24;

// State of one record while its items are placed: budget B, pending blanks P, flag S.
struct LayoutState {
  std::vector<std::size_t>* line_starts = nullptr;  // where each line begins, when asked for
  int budget = line_budget;
  int pending = 1;       // the record's first blank, not counted in the budget
  bool numeric = false;  // a numeric item since the record start or the last character item
};

// Ends the current line and, when asked for, notes where the next one begins.
void end_line(LayoutState& s, std::string& out) {
  out.append("\r\n", 2);
  if (s.line_starts) s.line_starts->push_back(out.size());
}

// Writes the pending blanks; a 25-character real text in its 24-column field
// can make the count negative, and then no blank is owed.
void put_blanks(int pending, std::string& out) {
  if (pending > 0) out.append(static_cast<std::size_t>(pending), ' ');
}

// Places a numeric text of length t in its field of width w, breaking the line when it does not fit.
void place_numeric(LayoutState& s, const char* text, int t, int w, std::string& out) {
  const int span = s.numeric ? w + 1 : w;  // the separating blank only between numbers
  s.numeric = true;
  s.pending += span - t;
  if (s.budget > span) {
    s.budget -= span;
  } else {
    end_line(s, out);  // the pending blanks move to the new line with the text
    s.budget = line_budget - span;
  }
  put_blanks(s.pending, out);
  out.append(text, static_cast<std::size_t>(t));
  s.pending = 0;
}

// Places a character item unchanged, splitting it over as many lines as it needs.
void place_character(LayoutState& s, std::string_view text, std::string& out) {
  if (s.pending != 1) s.pending = 0;  // only the record's first blank survives into a text
  std::size_t left = text.size();
  std::size_t at = 0;
  for (;;) {
    const auto budget = static_cast<std::size_t>(s.budget);
    if (budget > left) {
      put_blanks(s.pending, out);
      out.append(text.data() + at, left);
      s.pending = 0;
      s.budget -= static_cast<int>(left);
      break;
    }
    // The line is filled to the budget and the text goes on after one blank.
    put_blanks(s.pending, out);
    out.append(text.data() + at, budget);
    at += budget;
    left -= budget;
    end_line(s, out);
    s.budget = line_budget;
    s.pending = 1;
  }
  s.numeric = false;
}

// Places every item of one record; the last line is ended but no start is noted after it.
void lay_out(std::span<const Item> items, std::string& out, std::vector<std::size_t>* line_starts) {
  LayoutState s;
  s.line_starts = line_starts;
  if (line_starts) line_starts->push_back(out.size());
  // One spare byte in case a formatter ends its text with a code 0.
  char text[(max_real_text > max_integer_text ? max_real_text : max_integer_text) + 1];
  for (const Item& item : items) {
    switch (item.kind) {
      case Item::Kind::integer:
        place_numeric(s, text, format_integer(item.i, text), integer_field, out);
        break;
      case Item::Kind::real:
        place_numeric(s, text, format_real(item.r, text), real_field, out);
        break;
      case Item::Kind::character:
        place_character(s, item.c, out);
        break;
    }
  }
  out.append("\r\n", 2);
}

}  // namespace

void lay_out_record(std::span<const Item> items, std::string& out) { lay_out(items, out, nullptr); }

void lay_out_record(std::span<const Item> items, std::string& out,
                    std::vector<std::size_t>& line_starts) {
  lay_out(items, out, &line_starts);
}

}  // namespace tembrix
