#include "script/MathCommand.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

struct CommandCase {
  const char* raw;       // the expression parameter as written
  const char* prepared;  // after substitution
  const char* decimals;
  const char* value;
  int actionError;
};

TEST(MathCommand, StoresTheResultAndRaisesOnlyForMalformedTextWithoutVariables) {
  const std::vector<CommandCase> cases = {
      {"2+3", "2+3", "0", "5", 0},
      {"10/4", "10/4", "2", "2.50", 0},
      {"10/4", "10/4", "-1", "2.5", 0},
      {"10/4", "10/4", "abc", "3", 0},        // not a number: 0 decimals
      {"10/4", "10/4", "1.9", "2.5", 0},      // truncated to 1 decimal
      {"1/3", "1/3", "40", "0.333333333333333312", 0},  // at most 18 decimals
      {"1/0", "1/0", "0", "Error", 0},        // a math error is no action error
      {"[a]+", "5+", "0", "Error", 0},        // built from variables: no action error
      {"2+", "2+", "0", "Error", kMathSyntaxActionError},
      {"$1,234.50*2", "$1,234.50*2", "2", "2469.00", 0},  // currency mode is on
  };
  NumberSettings settings;
  settings.thousandsSeparator = ",";
  settings.currencyText = "$";
  for (const CommandCase& c : cases) {
    const MathCommandResult r = EvaluateMathCommand(c.raw, c.prepared, c.decimals, settings);
    EXPECT_EQ(r.value, c.value) << c.raw << " / " << c.decimals;
    EXPECT_EQ(r.actionError, c.actionError) << c.raw;
  }
}

TEST(MathCommand, KeepsDecimalPointsWhenTheSeparatorIsTheDecimalSymbol) {
  // A German locale ("." groups thousands) in a publication that writes
  // "[DecimalSymbol]" = ".".
  NumberSettings settings;
  settings.decimalSymbol = '.';
  settings.thousandsSeparator = ".";
  settings.currencyText = "\x80";
  EXPECT_EQ(EvaluateMathCommand("0.5*2", "0.5*2", "-1", settings).value, "1");
  EXPECT_EQ(EvaluateMathCommand("1.5+1", "1.5+1", "1", settings).value, "2.5");
}

}  // namespace
}  // namespace orv
