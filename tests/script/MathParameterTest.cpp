#include "script/MathParameter.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

TEST(MathParameter, RecognisesPlainNumbers) {
  struct Case {
    const char* text;
    char symbol;
    bool plain;
  } cases[] = {
      {"007", '.', true},     {"1.2.3", '.', true},  {"-5", '.', true},    {" 12 ", '.', true},
      {"1,5", ',', true},     {".5", '.', true},     {"1,5", '.', false},  {"5-", '.', false},
      {"2008-01-01", '.', false}, {"1E5", '.', false}, {"", '.', false}, {"--1", '.', false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlainNumber(c.text, c.symbol), c.plain) << c.text;
}

TEST(MathParameter, EvaluatesTextsThatAreNotPlainNumbers) {
  struct Case {
    const char* text;
    bool evaluate;
    const char* prepared;
    bool literal;
  } cases[] = {
      {"2008-01-01", true, "2006", false},
      {"!2008-01-01", true, "2008-01-01", true},
      {"1.2.3", true, "1.2.3", false},  // plain number: kept
      {"007", true, "007", false},
      {"1/0", true, "Error", false},    // math error
      {"abc", true, "abc", false},      // does not parse: kept
      {"2+", true, "2+", false},
      {"2+3", false, "2+3", false},     // evaluation off
      {"!", true, "", true},
      {"+", true, "+", false},          // one character is never evaluated
      {"1/3", true, "0.333333333333333312", false},
  };
  for (const auto& c : cases) {
    const PreparedNumber p = PrepareNumberText(c.text, c.evaluate, false, NumberSettings{});
    EXPECT_EQ(p.text, c.prepared) << c.text;
    EXPECT_EQ(p.literal, c.literal) << c.text;
  }
}

TEST(MathParameter, UsesTheDecimalSymbolAndCurrencyModeGiven) {
  NumberSettings settings;
  settings.decimalSymbol = ',';
  settings.thousandsSeparator = ".";
  settings.currencyText = "\x80";
  EXPECT_EQ(PrepareNumberText("1,5*3", true, false, settings).text, "4,5");
  EXPECT_EQ(PrepareNumberText("\x80 1.000,5*2", true, true, settings).text, "2001");
  EXPECT_EQ(PrepareNumberText("\x80 1.000,5*2", true, false, settings).text, "\x80 1.000,5*2");
}

}  // namespace
}  // namespace orv
