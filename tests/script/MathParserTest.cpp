#include "script/MathParser.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>
#include <vector>

namespace orv {
namespace {

std::string Nested(int depth, std::string_view inner) {
  return std::string(depth, '(') + std::string(inner) + std::string(depth, ')');
}

struct MathCase {
  std::string expression;
  int decimals;
  char decimalSymbol;
  bool currencyMode;
  std::string thousands;
  std::string currency;
  std::string text;
  int status;
};

constexpr int G = kGeneralFormat;
constexpr int kOk = kMathOk;
constexpr int kSyntax = kMathSyntaxError;

// One row per behaviour: expression, decimals, decimal symbol, currency
// settings -> text, status.
std::vector<MathCase> Cases() {
  return {
      // precedence and associativity
      {"2+3*4", G, '.', false, "", "", "14", kOk},
      {"(2+3)*4", G, '.', false, "", "", "20", kOk},
      {"2^3^2", G, '.', false, "", "", "512", kOk},
      {"-2^2", G, '.', false, "", "", "4", kOk},
      {"2^-1", G, '.', false, "", "", "0.5", kOk},
      {"10-4-3", G, '.', false, "", "", "3", kOk},
      {"24/4/3", G, '.', false, "", "", "2", kOk},
      {"7&3", G, '.', false, "", "", "1", kOk},
      {"-7&3", G, '.', false, "", "", "-1", kOk},
      {"7.9&3", G, '.', false, "", "", "1", kOk},
      {"2*7&4", G, '.', false, "", "", "2", kOk},
      {"2*-3", G, '.', false, "", "", "-6", kOk},
      {"2--3", G, '.', false, "", "", "5", kOk},
      {"+5", G, '.', false, "", "", "5", kOk},
      {"  12 + 1 ", G, '.', false, "", "", "13", kOk},
      // formats
      {"10/4", G, '.', false, "", "", "2.5", kOk},
      {"10/4", 0, '.', false, "", "", "3", kOk},
      {"10/4", 2, '.', false, "", "", "2.50", kOk},
      {"-10/4", 0, '.', false, "", "", "-3", kOk},
      {"-0.001", 2, '.', false, "", "", "0.00", kOk},
      {"0.005", 2, '.', false, "", "", "0.01", kOk},
      {"9.999", 2, '.', false, "", "", "10.00", kOk},
      {"0", 3, '.', false, "", "", "0.000", kOk},
      {"1/3", 25, '.', false, "", "", "0.333333333333333312", kOk},
      {"1E20", 2, '.', false, "", "", "1E20", kOk},
      {"1E17", 2, '.', false, "", "", "100000000000000000.00", kOk},
      // functions
      {"ROUND(2.5)", G, '.', false, "", "", "2", kOk},
      {"ROUND(3.5)", G, '.', false, "", "", "4", kOk},
      {"ROUND(-2.5)", G, '.', false, "", "", "-2", kOk},
      {"TRUNC(-2.7)", G, '.', false, "", "", "-2", kOk},
      {"FRAC(-2.75)", G, '.', false, "", "", "-0.75", kOk},
      {"SQR(3)", G, '.', false, "", "", "9", kOk},
      {"SQRT(9)", G, '.', false, "", "", "3", kOk},
      {"abs(-4)", G, '.', false, "", "", "4", kOk},
      {"EXP(0)+LN(1)+SIN(0)+COS(0)+ATAN(0)", G, '.', false, "", "", "2", kOk},
      {"SIN(1E19)+COS(-1E19)", G, '.', false, "", "", "0", kOk},
      // math errors: "Error" with status 0
      {"1/0", G, '.', false, "", "", "Error", kOk},
      {"7&0", G, '.', false, "", "", "Error", kOk},
      {"7&0.5", G, '.', false, "", "", "Error", kOk},
      {"LN(0)", G, '.', false, "", "", "Error", kOk},
      {"SQRT(-1)", G, '.', false, "", "", "Error", kOk},
      {"1E5000", G, '.', false, "", "", "Error", kOk},
      // syntax errors: "Error" with status 1
      {"2+", G, '.', false, "", "", "Error", kSyntax},
      {"abc", G, '.', false, "", "", "Error", kSyntax},
      {"COSX(1)", G, '.', false, "", "", "Error", kSyntax},
      {"--3", G, '.', false, "", "", "Error", kSyntax},
      {"2*+3", G, '.', false, "", "", "Error", kSyntax},
      {"1.2.3", G, '.', false, "", "", "Error", kSyntax},
      {".", G, '.', false, "", "", "Error", kSyntax},
      {"", G, '.', false, "", "", "Error", kSyntax},
      {"(1", G, '.', false, "", "", "Error", kSyntax},
      {"1)", G, '.', false, "", "", "Error", kSyntax},
      {"SQRT 9", G, '.', false, "", "", "Error", kSyntax},
      {"1/0+", G, '.', false, "", "", "Error", kSyntax},
      // infinities and NaN are values
      {"0^-1", G, '.', false, "", "", "INF", kOk},
      {"EXP(100000)", G, '.', false, "", "", "INF", kOk},
      {"-EXP(100000)", G, '.', false, "", "", "-INF", kOk},
      {"(-8)^(1/3)", G, '.', false, "", "", "NAN", kOk},
      {"EXP(100000)", 2, '.', false, "", "", "INF", kOk},
      {"0^0", G, '.', false, "", "", "1", kOk},
      {"0^2", G, '.', false, "", "", "0", kOk},
      {"(-2)^3", G, '.', false, "", "", "-8", kOk},
      // number reading
      {"1E", G, '.', false, "", "", "1", kOk},
      {"2E3", G, '.', false, "", "", "2000", kOk},
      {"2.5E-1", G, '.', false, "", "", "0.25", kOk},
      {".5+1", G, '.', false, "", "", "1.5", kOk},
      {"1E-5000", G, '.', false, "", "", "0", kOk},
      // precision
      {"1/3", G, '.', false, "", "", "0.333333333333333312", kOk},
      {"2/3", G, '.', false, "", "", "0.666666666666666624", kOk},
      {"1/3", 2, '.', false, "", "", "0.33", kOk},
      {"0.1+0.2", G, '.', false, "", "", "0.3", kOk},
      // whole numbers keep their own digits past 2^53 after scaling
      {"576459578550+1859775", G, '.', false, "", "", "576461438325", kOk},
      {"576459578550+1859775", 2, '.', false, "", "", "576461438325.00", kOk},
      {"1500001500000", G, '.', false, "", "", "1500001500000", kOk},
      {"9007199254740991+1", G, '.', false, "", "", "9007199254740992", kOk},
      {"0.0001", G, '.', false, "", "", "0.0001", kOk},
      {"0.00001", G, '.', false, "", "", "1E-5", kOk},
      {"0.00015", G, '.', false, "", "", "0.00015", kOk},
      {"0.000015", G, '.', false, "", "", "1.5E-5", kOk},
      {"1E17", G, '.', false, "", "", "100000000000000000", kOk},
      {"1E18", G, '.', false, "", "", "1E18", kOk},
      {"1.5E-7", G, '.', false, "", "", "1.5E-7", kOk},
      {"TRUNC(1E30)", G, '.', false, "", "", "-9.22337203685477632E18", kOk},
      {"ROUND(-1E30)", G, '.', false, "", "", "-9.22337203685477632E18", kOk},
      // the parse stack holds twenty entries
      {Nested(17, "5"), G, '.', false, "", "", "5", kOk},
      {Nested(18, "5"), G, '.', false, "", "", "Error", kSyntax},
      // the decimal symbol
      {"1,5*2", G, ',', false, "", "", "3", kOk},
      {"10/4", G, ',', false, "", "", "2,5", kOk},
      {"10/4", 2, ',', false, "", "", "2,50", kOk},
      {"1/3E20", G, ',', false, "", "", "3,33333333333333312E-21", kOk},
      // currency mode
      {"\x80 1.234,50+1", G, ',', true, ".", "\x80", "1235,5", kOk},
      {"$1,000.25*2", G, '.', true, ",", "$", "2000.5", kOk},
      {"1.234 KR+1", G, ',', true, ".", "kr", "1235", kOk},
      {"\xA3" "3+\xA5" "2+\xA2" "1", G, '.', true, "", "", "6", kOk},
      {"1,000+1", G, '.', false, ",", "$", "Error", kSyntax},
      // A publication that makes the locale's thousands separator its decimal
      // symbol keeps its decimal points.
      {"0.5*2", G, '.', true, ".", "\x80", "1", kOk},
      {"0,5*2", G, ',', true, ",", "$", "1", kOk},
      {"1 000,5+1", G, ',', true, " ,", "", "1001,5", kOk},
  };
}

TEST(MathParser, EvaluatesEveryCaseOfTheTable) {
  for (const MathCase& c : Cases()) {
    NumberSettings settings;
    settings.decimalSymbol = c.decimalSymbol;
    settings.thousandsSeparator = c.thousands;
    settings.currencyText = c.currency;
    const MathResult r = EvaluateMath(c.expression, c.decimals, c.currencyMode, settings);
    EXPECT_EQ(r.text, c.text) << c.expression << " decimals " << c.decimals;
    EXPECT_EQ(r.status, c.status) << c.expression << " decimals " << c.decimals;
  }
}

TEST(MathParser, ReusesTheCallersResultText) {
  NumberSettings settings;
  std::string result = "left over";
  EXPECT_EQ(EvaluateMath("3*7-2", kGeneralFormat, false, settings, result), kMathOk);
  EXPECT_EQ(result, "19");
  EXPECT_EQ(EvaluateMath("3*", kGeneralFormat, false, settings, result), kMathSyntaxError);
  EXPECT_EQ(result, "Error");
}

TEST(MathParser, RestoresTheRoundingModeOfTheCaller) {
  ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
  const MathResult r = EvaluateMath("1/3", kGeneralFormat, false, NumberSettings{});
  EXPECT_EQ(std::fegetround(), FE_UPWARD);
  std::fesetround(FE_TONEAREST);
  EXPECT_EQ(r.text, "0.333333333333333312");
}

TEST(MathParser, KeepsExtendedPrecisionOfNumbersUntilTheFirstOperation) {
  long double value = 0;
  ASSERT_EQ(ParseMath("0.1", value), MathOutcome::kValue);
  EXPECT_EQ(value, 0.1L);
  EXPECT_NE(value, static_cast<long double>(0.1));
  ASSERT_EQ(ParseMath("0.1*1", value), MathOutcome::kValue);
  EXPECT_EQ(value, static_cast<long double>(0.1));
}

TEST(MathParser, OverflowsOnlyBeyondTheExtendedRange) {
  // Results are cut to 53 mantissa bits, but the exponent keeps the extended
  // range the process computes in.
  long double value = 0;
  ASSERT_EQ(ParseMath("1E300*1E300", value), MathOutcome::kValue);
  EXPECT_TRUE(std::isfinite(value));
  EXPECT_NEAR(static_cast<double>(value / 1e600L), 1.0, 1e-15);
  ASSERT_EQ(ParseMath("1E3000*1E3000", value), MathOutcome::kValue);
  EXPECT_TRUE(std::isinf(value));
}

}  // namespace
}  // namespace orv
