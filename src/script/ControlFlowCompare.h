#pragma once
// The comparison of If and While: "=", "<>", "<", ">", "<=", ">=" between
// two prepared operands, as numbers when both read as numbers and neither
// is literal, otherwise as upper-cased (unless literal) texts byte by byte.
#include <optional>
#include <string_view>

namespace orv {

enum class CompareOperator { Equal = 1, NotEqual, Less, Greater, LessEqual, GreaterEqual };

// The operator exactly as written; nullopt for anything else.
std::optional<CompareOperator> ParseCompareOperator(std::string_view text);

struct CompareOperand {
  std::string_view Text;
  bool Literal = false;
};

bool CompareOperands(const CompareOperand& left, CompareOperator op, const CompareOperand& right,
                     char decimalSymbol);

}  // namespace orv
