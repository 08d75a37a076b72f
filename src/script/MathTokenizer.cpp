#include "script/MathTokenizer.h"

#include <charconv>
#include <cmath>
#include <string>

namespace orv {
namespace {

constexpr std::string_view kFunctionNames[] = {"ABS", "ATAN", "COS",  "EXP", "LN",  "ROUND",
                                               "SIN", "SQRT", "SQR", "TRUNC", "FRAC"};

constexpr int kMaxExponentDigits = 4;
// A whole number of up to 19 digits fits the 64-bit mantissa exactly.
constexpr std::size_t kExactDigits = 19;
constexpr int kExactPowers = 28;  // 10^0 .. 10^27 are exact in the extended format
constexpr long double kPowersOfTen[kExactPowers] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

MathTokenValue Simple(MathToken token) {
  MathTokenValue t;
  t.token = token;
  return t;
}

// Numbers the exact fast path cannot take go through the library's correctly
// rounded conversion, which works in the "C" locale whatever the process's
// locale is.
bool ConvertSlowly(std::string_view digits, std::size_t fractionDigits, int exponent, long double& value) {
  thread_local std::string text;
  text.assign(digits);
  text += 'e';
  const long long scale = static_cast<long long>(exponent) - static_cast<long long>(fractionDigits);
  char buffer[24];
  text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, scale).ptr);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large does not convert.
    if (scale < 0) {
      value = 0;
      return true;
    }
    return false;
  }
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool ConvertMathNumber(std::string_view digits, std::size_t fractionDigits, int exponent, long double& value) {
  std::size_t first = 0;
  while (first < digits.size() && digits[first] == '0') ++first;
  if (first == digits.size()) {
    value = 0;
    return true;
  }
  // Trailing zeros only scale the number.
  std::size_t last = digits.size();
  long long scale = static_cast<long long>(exponent) - static_cast<long long>(fractionDigits);
  while (digits[last - 1] == '0') {
    --last;
    ++scale;
  }
  if (last - first <= kExactDigits && scale > -kExactPowers && scale < kExactPowers) {
    std::uint64_t whole = 0;
    for (std::size_t i = first; i < last; ++i) whole = whole * 10 + static_cast<unsigned>(digits[i] - '0');
    // One correctly rounded operation on exact operands.
    const auto mantissa = static_cast<long double>(whole);
    value = scale >= 0 ? mantissa * kPowersOfTen[scale] : mantissa / kPowersOfTen[-scale];
    return true;
  }
  return ConvertSlowly(digits, fractionDigits, exponent, value);
}

MathTokenValue MathTokenizer::Next() {
  while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  if (pos_ >= text_.size()) return Simple(MathToken::kEnd);
  const char c = text_[pos_];
  if (IsDigit(c) || c == '.') return ReadNumberToken();
  ++pos_;
  switch (c) {
    case '+': return Simple(MathToken::kPlus);
    case '-': return Simple(MathToken::kMinus);
    case '*': return Simple(MathToken::kTimes);
    case '/': return Simple(MathToken::kDivide);
    case '^': return Simple(MathToken::kPower);
    case '(': return Simple(MathToken::kOpen);
    case ')': return Simple(MathToken::kClose);
    case '&': return Simple(MathToken::kModulo);
    default: break;
  }
  --pos_;
  return ReadFunctionToken();
}

MathTokenValue MathTokenizer::ReadNumberToken() {
  // Digits with at most one point; a second point starts the next token.
  thread_local std::string digits;
  digits.clear();
  std::size_t fractionDigits = 0;
  bool point = false;
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (IsDigit(c)) {
      digits.push_back(c);
      if (point) ++fractionDigits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++pos_;
  }
  if (digits.empty()) return Simple(MathToken::kBad);  // a lone "."
  int exponent = 0;
  if (pos_ < text_.size() && text_[pos_] == 'E') {
    ++pos_;
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) negative = text_[pos_++] == '-';
    for (int n = 0; n < kMaxExponentDigits && pos_ < text_.size() && IsDigit(text_[pos_]); ++n)
      exponent = exponent * 10 + (text_[pos_++] - '0');
    if (negative) exponent = -exponent;
  }
  MathTokenValue t;
  t.token = MathToken::kNumber;
  t.unconvertible = !ConvertMathNumber(digits, fractionDigits, exponent, t.number);
  return t;
}

MathTokenValue MathTokenizer::ReadFunctionToken() {
  const std::string_view rest = text_.substr(pos_);
  for (std::size_t i = 0; i < std::size(kFunctionNames); ++i) {
    if (rest.substr(0, kFunctionNames[i].size()) == kFunctionNames[i]) {
      pos_ += kFunctionNames[i].size();
      MathTokenValue t;
      t.token = MathToken::kFunction;
      t.function = static_cast<MathFunction>(i + 1);
      return t;
    }
  }
  ++pos_;
  return Simple(MathToken::kBad);
}

}  // namespace orv
