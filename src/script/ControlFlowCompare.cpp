#include "script/ControlFlowCompare.h"

#include <string>

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {
namespace {

// Reads as a number with the decimal symbol, or with "." as decimal point.
bool ReadsAsNumber(std::string_view text, char decimalSymbol) {
  return ReadNumber(text, decimalSymbol).has_value() || (decimalSymbol != '.' && ReadNumber(text, '.').has_value());
}

template <typename T>
bool Apply(const T& a, CompareOperator op, const T& b) {
  switch (op) {
    case CompareOperator::Equal: return a == b;
    case CompareOperator::NotEqual: return a != b;
    case CompareOperator::Less: return a < b;
    case CompareOperator::Greater: return a > b;
    case CompareOperator::LessEqual: return a <= b;
    case CompareOperator::GreaterEqual: return a >= b;
  }
  return false;
}

}  // namespace

std::optional<CompareOperator> ParseCompareOperator(std::string_view text) {
  if (text == "=") return CompareOperator::Equal;
  if (text == "<>") return CompareOperator::NotEqual;
  if (text == "<") return CompareOperator::Less;
  if (text == ">") return CompareOperator::Greater;
  if (text == "<=") return CompareOperator::LessEqual;
  if (text == ">=") return CompareOperator::GreaterEqual;
  return std::nullopt;
}

bool CompareOperands(const CompareOperand& left, CompareOperator op, const CompareOperand& right,
                     char decimalSymbol) {
  if (!left.Literal && !right.Literal && !left.Text.empty() && !right.Text.empty() &&
      ReadsAsNumber(left.Text, decimalSymbol) && ReadsAsNumber(right.Text, decimalSymbol)) {
    const double a = ReadNumberLenient(left.Text, decimalSymbol);
    const double b = ReadNumberLenient(right.Text, decimalSymbol);
    return Apply(a, op, b);
  }
  std::string a(left.Text), b(right.Text);
  if (!left.Literal) AnsiUpperInPlace(a);
  if (!right.Literal) AnsiUpperInPlace(b);
  // std::string compares as unsigned bytes, the shorter text first.
  return Apply(a, op, b);
}

}  // namespace orv
