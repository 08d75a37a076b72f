#include "script/MathWholeExpression.h"

#include "base/Ansi.h"

namespace orv {
namespace {

constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;
// The general parser keeps at most twenty entries on its stack; each open
// parenthesis can hold six ("E + T * - ("), the innermost operand six more.
// Two levels stay well inside that bound.
constexpr int kMaxNesting = 2;

bool Fits(std::int64_t v) { return v <= kExactLimit && v >= -kExactLimit; }

// Digits of a whole number read here: 10^16 - 1 fits an int64 with room,
// and the 2^53 bound is checked once at the end.
constexpr std::ptrdiff_t kMaxDigits = 16;

class WholeParser {
 public:
  explicit WholeParser(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  bool Parse(std::int64_t& value) {
    std::int64_t sum = 0;
    // A "+" as the very first character reads as "0+" (after a blank it is
    // an error).
    if (p_ < end_ && *p_ == '+') {
      if (!Sums(sum)) return false;
    } else {
      Skip();
      if (!Expression(sum)) return false;
    }
    if (p_ != end_) return false;
    value = sum;
    return true;
  }

 private:
  void Skip() {
    while (p_ < end_ && *p_ == ' ') ++p_;
  }

  bool Expression(std::int64_t& value) { return Term(value) && Sums(value); }

  // Further "+ term" and "- term" onto `value`.
  bool Sums(std::int64_t& value) {
    while (p_ < end_ && (*p_ == '+' || *p_ == '-')) {
      const bool minus = *p_ == '-';
      ++p_;
      Skip();
      std::int64_t right = 0;
      if (!Term(right)) return false;
      value = minus ? value - right : value + right;
      if (!Fits(value)) return false;
    }
    return true;
  }

  bool Term(std::int64_t& value) {
    if (!Factor(value)) return false;
    while (p_ < end_ && *p_ == '*') {
      ++p_;
      Skip();
      std::int64_t right = 0;
      if (!Factor(right)) return false;
      std::int64_t product = 0;
      if (__builtin_mul_overflow(value, right, &product) || !Fits(product)) return false;
      value = product;
    }
    return true;
  }

  // An operand with at most one unary minus in front ("--1" is refused by
  // the general parser, and so declined here).
  bool Factor(std::int64_t& value) {
    const bool negative = p_ < end_ && *p_ == '-';
    if (negative) {
      ++p_;
      Skip();
    }
    if (!Operand(value)) return false;
    if (negative) value = -value;
    return true;
  }

  bool Operand(std::int64_t& value) {
    if (p_ >= end_) return false;
    if (*p_ == '(') {
      if (++depth_ > kMaxNesting) return false;
      ++p_;
      Skip();
      if (!Expression(value)) return false;
      if (p_ >= end_ || *p_ != ')') return false;
      ++p_;
      --depth_;
      Skip();
      return true;
    }
    const char* const first = p_;
    std::uint64_t number = 0;  // wraps harmlessly on a run of digits too long to keep
    for (unsigned digit; p_ < end_ && (digit = static_cast<unsigned char>(*p_) - 48u) <= 9u; ++p_)
      number = number * 10 + digit;
    if (p_ == first || p_ - first > kMaxDigits || number > static_cast<std::uint64_t>(kExactLimit)) return false;
    // A decimal point or an exponent makes it a number for the general parser.
    if (p_ < end_ && (*p_ == '.' || *p_ == 'E' || *p_ == 'e')) return false;
    value = static_cast<std::int64_t>(number);
    Skip();
    return true;
  }

  const char* p_;
  const char* const end_;
  int depth_ = 0;
};

// The general parser reads the decimal symbol as ".": when it is one of the
// characters read here, the text means something else there.
bool DecimalSymbolInTheWay(char decimalSymbol) {
  const char c = AnsiUpperChar(decimalSymbol);
  return (c >= '0' && c <= '9') || c == ' ' || c == '+' || c == '-' || c == '*' || c == '(' || c == ')';
}

}  // namespace

bool EvaluateWholeExpression(std::string_view text, char decimalSymbol, std::int64_t& value) {
  if (DecimalSymbolInTheWay(decimalSymbol)) return false;
  return WholeParser(text).Parse(value);
}

}  // namespace orv
