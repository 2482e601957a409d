// Reads blank-separated numbers from a text file, one token at a time, with
// the line each token stands on. The files of tembrix2 separate their numbers
// by blanks and line ends (LF or CR LF); nothing else is a separator.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "statefile/read_error.h"

namespace tembrix::statefile {

// Names the number being read, for messages; cheap to pass, so the text is
// built only when an error is reported.
struct What {
  std::string_view text;     // the item ("trailer item 3 (mtot)", or "position y" of a body)
  std::uint64_t record = 0;  // with a record: the body number, 1-based
  int item = 0;              // with a record: the item number, 1-based
  std::string_view kind = "body";  // what a record is called: "body" or "ring"
  std::string str() const;
};

class NumberScanner {
 public:
  // Reads from `file` (not owned, left open); `name` is the file name used in
  // messages. `buffer_bytes` is the size of the read buffer; it must exceed
  // the longest token (kMaxToken).
  NumberScanner(std::FILE* file, std::string name, std::size_t buffer_bytes = 1u << 20);

  // The longest token accepted: far more than any number needs (a double
  // written with 17 digits and a 4-digit exponent is under 30 characters).
  static constexpr std::size_t kMaxToken = 64;

  // Reads the next number as a real. Accepts an optional sign, digits with at
  // most one decimal point, and an optional exponent introduced by E, D, e or d
  // (the product writes E); integers are accepted as reals. Throws ReadError
  // naming the file and line and `what` (such as "body 7, item 3 (position y)")
  // when the file ends or the token is not such a number or is out of range.
  double real(What what);

  // Reads the next number as a 32-bit signed integer: an optional sign and
  // decimal digits. Throws ReadError as real() does.
  std::int32_t integer(What what);

  // True when only blanks and line ends remain. Throws ReadError on a read failure.
  bool at_end();

  // Throws ReadError unless only blanks and line ends remain; `after` names
  // what came last ("the trailer").
  void expect_end(std::string_view after);

  // Bytes consumed so far and the line of the last token (1-based).
  std::uint64_t offset() const { return consumed_ + pos_; }
  std::uint64_t line() const { return token_line_; }

  // Builds the error of this scanner's file at its current line.
  ReadError error(const std::string& message) const;

 private:
  // Skips separators; returns false at the end of the file.
  bool skip_blanks();
  // Makes at least kMaxToken + 1 bytes available when the file holds them.
  void refill();
  // Reads the next token into token_; throws at the end of the file.
  void next_token(What what, std::string_view kind);
  [[noreturn]] void bad_token(What what, std::string_view kind, std::string_view why) const;

  std::FILE* file_;
  std::string name_;
  std::vector<char> buf_;
  std::size_t pos_ = 0;  // next unread byte in buf_
  std::size_t end_ = 0;  // bytes held in buf_
  std::uint64_t consumed_ = 0;  // bytes dropped from the front of buf_ so far
  bool eof_ = false;
  std::uint64_t line_ = 1;
  std::uint64_t token_line_ = 1;
  std::string token_;
};

}  // namespace tembrix::statefile
