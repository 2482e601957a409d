#include "statefile/number_scanner.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "statefile/read_error.h"

namespace tembrix::statefile {

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Shows a token in a message: printable bytes as they are, others as \xNN,
// and at most 40 of them.
std::string shown(std::string_view token) {
  std::string s = "\"";
  static const char hex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < token.size() && i < 40; ++i) {
    const auto c = static_cast<unsigned char>(token[i]);
    if (c >= 32 && c < 127 && c != '"' && c != '\\') {
      s += static_cast<char>(c);
    } else {
      s += "\\x";
      s += hex[c >> 4];
      s += hex[c & 15];
    }
  }
  if (token.size() > 40) s += "...";
  return s + "\"";
}

}  // namespace

std::string What::str() const {
  if (record == 0) return std::string(text);
  return std::string(kind) + " " + std::to_string(record) + ", item " + std::to_string(item) + " (" + std::string(text) + ")";
}

NumberScanner::NumberScanner(std::FILE* file, std::string name, std::size_t buffer_bytes)
    : file_(file), name_(std::move(name)), buf_(buffer_bytes > 2 * kMaxToken ? buffer_bytes : 2 * kMaxToken) {}

ReadError NumberScanner::error(const std::string& message) const {
  return ReadError(name_ + ":" + std::to_string(token_line_) + ": " + message);
}

void NumberScanner::refill() {
  if (eof_ || end_ - pos_ > kMaxToken) return;
  // Keep the unread tail and fill the buffer up behind it.
  std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
  consumed_ += pos_;
  end_ -= pos_;
  pos_ = 0;
  while (!eof_ && end_ < buf_.size()) {
    const std::size_t n = std::fread(buf_.data() + end_, 1, buf_.size() - end_, file_);
    end_ += n;
    if (n == 0) {
      if (std::ferror(file_)) {
        throw ReadError(name_ + ":" + std::to_string(line_) + ": read failed: " + std::strerror(errno));
      }
      eof_ = true;
    }
  }
}

bool NumberScanner::skip_blanks() {
  for (;;) {
    if (pos_ == end_) refill();
    if (pos_ == end_) return false;
    const char c = buf_[pos_];
    if (!is_separator(c)) return true;
    if (c == '\n') ++line_;
    ++pos_;
  }
}

bool NumberScanner::at_end() { return !skip_blanks(); }

void NumberScanner::expect_end(std::string_view after) {
  if (!skip_blanks()) return;
  token_line_ = line_;
  refill();
  std::size_t n = 0;
  while (pos_ + n < end_ && n <= kMaxToken && !is_separator(buf_[pos_ + n])) ++n;
  throw error("expected the end of the file after " + std::string(after) + ", found " +
              shown(std::string_view(buf_.data() + pos_, n)));
}

void NumberScanner::bad_token(What what, std::string_view kind, std::string_view why) const {
  throw error("expected " + std::string(kind) + " for " + what.str() + ", found " + shown(token_) +
              std::string(why));
}

void NumberScanner::next_token(What what, std::string_view kind) {
  if (!skip_blanks()) {
    token_line_ = line_;
    throw error("expected " + std::string(kind) + " for " + what.str() + ", found the end of the file");
  }
  token_line_ = line_;
  refill();  // the whole token is now in the buffer, unless it is too long
  std::size_t n = 0;
  while (pos_ + n < end_ && !is_separator(buf_[pos_ + n])) {
    if (n == kMaxToken) {
      token_.assign(buf_.data() + pos_, n);
      bad_token(what, kind, " (a token of more than 64 characters)");
    }
    ++n;
  }
  token_.assign(buf_.data() + pos_, n);
  pos_ += n;
}

double NumberScanner::real(What what) {
  static constexpr std::string_view kind = "a real";
  next_token(what, kind);
  // Check the form by hand: from_chars alone would also take "inf", "nan" and
  // hexadecimal digits, and knows no D exponent.
  // The token in from_chars' syntax: no plus sign, e for the exponent letter.
  struct {
    char data[kMaxToken + 1];
    std::size_t len = 0;
    void operator+=(char c) { data[len++] = c; }
  } text;
  std::size_t i = 0;
  if (i < token_.size() && (token_[i] == '+' || token_[i] == '-')) {
    if (token_[i] == '-') text += '-';
    ++i;
  }
  std::size_t digits = 0;
  bool point = false;
  for (; i < token_.size(); ++i) {
    const char c = token_[i];
    if (is_digit(c)) {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    text += c;
  }
  if (digits == 0) bad_token(what, kind, "");
  if (i < token_.size()) {
    const char c = token_[i];
    if (c != 'E' && c != 'e' && c != 'D' && c != 'd') bad_token(what, kind, "");
    text += 'e';
    ++i;
    if (i < token_.size() && (token_[i] == '+' || token_[i] == '-')) text += token_[i++];
    std::size_t exp_digits = 0;
    for (; i < token_.size() && is_digit(token_[i]); ++i, ++exp_digits) text += token_[i];
    if (exp_digits == 0 || i < token_.size()) bad_token(what, kind, "");
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data, text.data + text.len, value);
  if (ec == std::errc::result_out_of_range) {
    // Only a magnitude beyond the largest double is refused; a value below the
    // smallest one reads as zero or a subnormal, as any reader of text would.
    text += '\0';
    const double probe = std::strtod(text.data, nullptr);
    if (std::isinf(probe)) bad_token(what, kind, " (beyond the range of a double)");
    value = probe;
  } else if (ec != std::errc() || end != text.data + text.len) {
    bad_token(what, kind, "");
  }
  return value;
}

std::int32_t NumberScanner::integer(What what) {
  static constexpr std::string_view kind = "an integer";
  next_token(what, kind);
  std::size_t start = 0;
  if (!token_.empty() && token_[0] == '+') start = 1;  // from_chars takes no plus sign
  if (start < token_.size() && token_[start] == '-' && start == 1) bad_token(what, kind, "");
  std::int32_t value = 0;
  const char* first = token_.data() + start;
  const char* last = token_.data() + token_.size();
  if (first == last || (*first != '-' && !is_digit(*first))) bad_token(what, kind, "");
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) bad_token(what, kind, " (beyond the 32-bit range)");
  if (ec != std::errc() || end != last) bad_token(what, kind, "");
  return value;
}

}  // namespace tembrix::statefile
