#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

#include "base/Ansi.h"

namespace orv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Rewrites the accepted form into "C" notation for from_chars; empty when the
// text is not a number.
bool Normalise(std::string_view text, char decimalSymbol, std::string& out) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  if (i == n) return false;
  out.clear();
  if (text[i] == '+' || text[i] == '-') {
    if (text[i] == '-') out.push_back('-');
    ++i;
  }
  bool digits = false, point = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digits = true;
      out.push_back(c);
    } else if (c == decimalSymbol && !point) {
      point = true;
      out.push_back('.');
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    out.push_back('e');
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) out.push_back(text[i++]);
    bool expDigits = false;
    for (; i < n && IsDigit(text[i]); ++i) {
      expDigits = true;
      out.push_back(text[i]);
    }
    if (!expDigits) return false;
  }
  return i == n;
}

// Blanks, an optional sign, at most fifteen digits, blanks: the usual whole
// number (a loop counter, a position), read without the copy and the library
// conversion. Every such value is exact in a double, so the result is the one
// the conversion gives, -0 included; whatever else is left to it.
constexpr std::size_t kShortWholeDigits = 15;
bool ReadShortWhole(std::string_view text, double& value) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == n || n - i > kShortWholeDigits) return false;
  std::int64_t whole = 0;
  for (; i < n; ++i) {
    if (!IsDigit(text[i])) return false;
    whole = whole * 10 + (text[i] - '0');
  }
  value = static_cast<double>(whole);
  if (negative) value = -value;
  return true;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, char decimalSymbol) {
  if (double whole = 0; ReadShortWhole(text, whole)) return whole;
  thread_local std::string buffer;
  if (!Normalise(text, decimalSymbol, buffer)) return std::nullopt;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Overflow reads as an infinity, underflow as zero.
    const bool negative = buffer[0] == '-';
    const std::size_t e = buffer.find('e');
    const bool tiny = e != std::string::npos && e + 1 < buffer.size() && buffer[e + 1] == '-';
    if (tiny) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  if (ec != std::errc() || ptr != buffer.data() + buffer.size()) return std::nullopt;
  return value;
}

std::int64_t TruncateNumber(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9223372036854775807.0) return std::numeric_limits<std::int64_t>::max();
  if (value <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);  // conversion truncates toward zero
}

std::optional<std::int64_t> ReadWholeNumber(std::string_view text, char decimalSymbol) {
  const auto v = ReadNumber(text, decimalSymbol);
  if (!v) return std::nullopt;
  return TruncateNumber(*v);
}

std::int64_t NumberParam(std::string_view text, char decimalSymbol, std::int64_t fallback) {
  const auto v = ReadWholeNumber(text, decimalSymbol);
  return v ? *v : fallback;
}

double ReadNumberLenient(std::string_view text, char decimalSymbol) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c == '-' || IsDigit(c) || c == decimalSymbol)
      kept.push_back(c);
    else if (c == ',' || c == '.')
      kept.push_back(decimalSymbol);
  }
  const auto v = ReadNumber(kept, decimalSymbol);
  return v ? *v : 0.0;
}

std::string FormatWholeNumber(std::int64_t value) {
  char buf[24];
  const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  return std::string(buf, ptr);
}

bool IsLiteralText(std::string_view text) { return !text.empty() && text.front() == '!'; }

std::string_view StripLiteral(std::string_view text) {
  return IsLiteralText(text) ? text.substr(1) : text;
}

bool HasOptionWord(std::string_view options, std::string_view word) {
  return AnsiFindText(options, word) != std::string_view::npos;
}

int SaturatedAbs(std::int64_t value) {
  const std::int64_t magnitude = value < 0 ? (value == INT64_MIN ? INT64_MAX : -value) : value;
  return static_cast<int>(std::min<std::int64_t>(magnitude, INT_MAX));
}

}  // namespace orv
