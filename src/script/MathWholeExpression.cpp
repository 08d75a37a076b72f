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

class WholeParser {
 public:
  explicit WholeParser(std::string_view text) : text_(text) {}

  bool Parse(std::int64_t& value) {
    std::int64_t sum = 0;
    // A "+" as the very first character reads as "0+" (after a blank it is
    // an error).
    if (!text_.empty() && text_.front() == '+') {
      if (!Sums(sum)) return false;
    } else {
      Skip();
      if (!Expression(sum)) return false;
    }
    if (pos_ != text_.size()) return false;
    value = sum;
    return true;
  }

 private:
  void Skip() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }

  bool Expression(std::int64_t& value) {
    if (!Term(value)) return false;
    return Sums(value);
  }

  // Further "+ term" and "- term" onto `value`.
  bool Sums(std::int64_t& value) {
    while (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      const bool minus = text_[pos_] == '-';
      ++pos_;
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
    while (pos_ < text_.size() && text_[pos_] == '*') {
      ++pos_;
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
    const bool negative = pos_ < text_.size() && text_[pos_] == '-';
    if (negative) {
      ++pos_;
      Skip();
    }
    if (!Operand(value)) return false;
    if (negative) value = -value;
    return true;
  }

  bool Operand(std::int64_t& value) {
    if (pos_ >= text_.size()) return false;
    const char c = text_[pos_];
    if (c == '(') {
      if (++depth_ > kMaxNesting) return false;
      ++pos_;
      Skip();
      if (!Expression(value)) return false;
      if (pos_ >= text_.size() || text_[pos_] != ')') return false;
      ++pos_;
      --depth_;
      Skip();
      return true;
    }
    if (c < '0' || c > '9') return false;
    std::int64_t number = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      number = number * 10 + (text_[pos_] - '0');
      if (number > kExactLimit) return false;
      ++pos_;
    }
    // A decimal point or an exponent makes it a number for the general parser.
    if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'E' || text_[pos_] == 'e')) return false;
    value = number;
    Skip();
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
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
