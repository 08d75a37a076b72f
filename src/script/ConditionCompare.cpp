#include "script/ConditionCompare.h"

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {
namespace {

std::optional<double> ReadOperandNumber(std::string_view text, char decimalSymbol) {
  if (text.empty()) return std::nullopt;
  if (auto value = ReadNumber(text, decimalSymbol)) return value;
  if (decimalSymbol != '.') return ReadNumber(text, '.');
  return std::nullopt;
}

template <typename T>
bool Holds(const T& a, ComparisonOperator op, const T& b) {
  switch (op) {
    case ComparisonOperator::kEqual: return a == b;
    case ComparisonOperator::kNotEqual: return a != b;
    case ComparisonOperator::kLess: return a < b;
    case ComparisonOperator::kGreater: return a > b;
    case ComparisonOperator::kLessEqual: return a <= b;
    case ComparisonOperator::kGreaterEqual: return a >= b;
  }
  return false;
}

}  // namespace

std::optional<ComparisonOperator> ParseComparisonOperator(std::string_view text) {
  if (text == "=") return ComparisonOperator::kEqual;
  if (text == "<>") return ComparisonOperator::kNotEqual;
  if (text == "<") return ComparisonOperator::kLess;
  if (text == ">") return ComparisonOperator::kGreater;
  if (text == "<=") return ComparisonOperator::kLessEqual;
  if (text == ">=") return ComparisonOperator::kGreaterEqual;
  return std::nullopt;
}

bool CompareOperands(const ConditionOperand& left, ComparisonOperator op, const ConditionOperand& right,
                     char decimalSymbol, bool numericWhenLiteral) {
  const std::string a = left.literal ? left.text : AnsiUpperCase(left.text);
  const std::string b = right.literal ? right.text : AnsiUpperCase(right.text);
  if (numericWhenLiteral || (!left.literal && !right.literal)) {
    // Numbers are read whole, exponent included: reading "1.5E20" leniently
    // would drop the "E" and take it for 1.52.
    const auto x = ReadOperandNumber(a, decimalSymbol);
    const auto y = x ? ReadOperandNumber(b, decimalSymbol) : std::nullopt;
    if (x && y) return Holds(*x, op, *y);
  }
  return Holds(std::string_view(a), op, std::string_view(b));
}

}  // namespace orv
