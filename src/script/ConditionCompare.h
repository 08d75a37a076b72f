#pragma once
// The comparison shared by `If`, `While`, `IfEx` and `WhileEx`: two prepared
// operands and one of the six operators, compared as numbers when both read
// as numbers and as texts otherwise.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

enum class ComparisonOperator { kEqual = 1, kNotEqual, kLess, kGreater, kLessEqual, kGreaterEqual };

// "=", "<>", "<", ">", "<=", ">=" exactly; anything else is not an operator.
std::optional<ComparisonOperator> ParseComparisonOperator(std::string_view text);

struct ConditionOperand {
  std::string text;
  bool literal = false;  // the operand began with "!": its case is kept
};

// Operands that are not literal are compared upper-cased. When both are not
// empty and both read as numbers (with the decimal symbol or "." as the
// point) they compare as numbers; `numericWhenLiteral` allows that also when
// an operand is literal (`IfEx`), otherwise a literal operand always compares
// as text (`If`). Texts compare byte by byte.
bool CompareOperands(const ConditionOperand& left, ComparisonOperator op, const ConditionOperand& right,
                     char decimalSymbol, bool numericWhenLiteral);

}  // namespace orv
