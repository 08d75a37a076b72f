#include "script/ConditionCompare.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

TEST(ConditionCompare, KnowsTheSixOperatorsExactly) {
  EXPECT_EQ(ParseComparisonOperator("="), ComparisonOperator::kEqual);
  EXPECT_EQ(ParseComparisonOperator("<>"), ComparisonOperator::kNotEqual);
  EXPECT_EQ(ParseComparisonOperator("<"), ComparisonOperator::kLess);
  EXPECT_EQ(ParseComparisonOperator(">"), ComparisonOperator::kGreater);
  EXPECT_EQ(ParseComparisonOperator("<="), ComparisonOperator::kLessEqual);
  EXPECT_EQ(ParseComparisonOperator(">="), ComparisonOperator::kGreaterEqual);
  for (const char* bad : {"=<", "==", "><", " =", "", "!=", "=>"})
    EXPECT_FALSE(ParseComparisonOperator(bad).has_value()) << bad;
}

struct CompareCase {
  ConditionOperand left;
  const char* op;
  ConditionOperand right;
  char symbol;
  bool numericWhenLiteral;
  bool result;
};

TEST(ConditionCompare, ComparesNumbersAsNumbersAndTextsByteByByte) {
  const std::vector<CompareCase> cases = {
      {{"10"}, ">", {"9"}, '.', false, true},         // numbers, not texts
      {{"10"}, "<", {"9x"}, '.', false, true},        // texts: "1" < "9"
      {{"2.50"}, "=", {"2.5"}, '.', false, true},
      {{"2,5"}, "=", {"2.5"}, ',', false, true},      // "." is always a point
      {{"2,5"}, "=", {"2.5"}, '.', false, false},     // "2,5" is no number here
      {{" 7 "}, "=", {"7"}, '.', false, true},
      {{"1.5E20"}, ">", {"2"}, '.', false, true},     // the exponent counts
      {{"2E-5"}, "<", {"0.001"}, '.', false, true},
      {{"abc"}, "=", {"ABC"}, '.', false, true},      // case ignored
      {{"abc", true}, "=", {"ABC"}, '.', false, false},
      {{"b"}, ">", {"A"}, '.', false, true},
      {{"ab"}, "<", {"abc"}, '.', false, true},       // a prefix is smaller
      {{"\xE9"}, ">", {"Z"}, '.', false, true},       // bytes above 0x7F are large
      {{""}, "<", {"5"}, '.', false, true},           // empty: text comparison
      {{""}, "=", {""}, '.', false, true},
      {{"10", true}, ">", {"9"}, '.', false, false},  // If: a literal compares as text
      {{"10", true}, ">", {"9"}, '.', true, true},    // IfEx: still numeric
      {{"3"}, "<>", {"3.0"}, '.', false, false},
      {{"3"}, "<=", {"3"}, '.', false, true},
      {{"3"}, ">=", {"4"}, '.', false, false},
  };
  for (const CompareCase& c : cases) {
    const auto op = ParseComparisonOperator(c.op);
    ASSERT_TRUE(op.has_value());
    EXPECT_EQ(CompareOperands(c.left, *op, c.right, c.symbol, c.numericWhenLiteral), c.result)
        << c.left.text << " " << c.op << " " << c.right.text;
  }
}

}  // namespace
}  // namespace orv
