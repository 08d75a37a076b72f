// Typed Currency and Decimal variables write their values as Math writes a
// result with the same number of decimals.
#include "script/TypedValues.h"

#include <gtest/gtest.h>

#include <string>

#include "script/ActionEvaluatorFixture.h"

namespace orv::test {
namespace {

class TypedValuesTest : public ScriptTest {};

TEST_F(TypedValuesTest, CurrencyAndDecimalAreWrittenAsMathWritesTheSameValue) {
  struct Case {
    const char* value;
    const char* type;
    const char* format;  // the Decimal's number of decimals
  } cases[] = {
      // Halves exact in binary: away from zero, not to even.
      {"2.5", "Decimal", "0"},        {"-2.5", "Decimal", "0"},       {"0.5", "Decimal", "0"},
      {"3.5", "Decimal", "0"},        {"0.125", "Currency", ""},      {"-0.125", "Currency", ""},
      {"0.375", "Decimal", "2"},      {"0.0625", "Decimal", "3"},     {"-1.25", "Decimal", "1"},
      // Negatives that round to zero lose their sign.
      {"-0.001", "Currency", ""},     {"-0.004", "Decimal", "2"},     {"-0.4", "Decimal", "0"},
      {"-0.0000001", "Decimal", "5"}, {"0", "Decimal", "3"},          {"-7", "Currency", ""},
      // Large values, exact in binary; past 18 digits the general format.
      {"123456789.125", "Currency", ""}, {"72057594037927936", "Decimal", "1"},
      {"100000000000000000000", "Currency", ""}, {"-1152921504606846976", "Decimal", "4"},
      {"0.1", "Decimal", "18"},
  };
  vars.SetVar("DecimalSymbol", ".");
  int n = 0;
  for (const Case& c : cases) {
    const std::string typed = "t" + std::to_string(n++);
    ASSERT_TRUE(vars.DefineVar(typed, c.type, c.format, false)) << c.type;
    vars.SetVar(typed, c.value);
    const std::string decimals = *c.format ? c.format : "2";
    ASSERT_EQ(Run("Math \"" + std::string(c.value) + "\" \"" + decimals + "\" \"[m]\""), 0) << c.value;
    EXPECT_EQ(Var(typed), Var("m")) << c.value << " as " << c.type << " " << c.format;
  }
}

}  // namespace
}  // namespace orv::test
