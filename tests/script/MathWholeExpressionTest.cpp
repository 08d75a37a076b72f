// The whole-number path of script arithmetic must give exactly the text of
// the general parser for every expression it takes, and must decline the
// ones the general parser reads differently or refuses.
#include "script/MathWholeExpression.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "script/NumberFormat.h"
#include "support/GeneralMathText.h"

namespace orv {
namespace {

constexpr int kFormats[] = {kGeneralFormat, 0, 2, 18};

// Checks one text; returns whether the whole-number path took it.
bool AgreesWithGeneralParser(const std::string& text, char decimalSymbol = '.') {
  std::int64_t whole = 0;
  if (!EvaluateWholeExpression(text, decimalSymbol, whole)) return false;
  for (int decimals : kFormats) {
    std::string fast;
    AppendFormattedWhole(whole, decimals, decimalSymbol, fast);
    EXPECT_EQ(fast, test::GeneralMathText(text, decimals, decimalSymbol)) << '"' << text << "\" decimals " << decimals;
  }
  return true;
}

struct WholeCase {
  std::string text;
  bool taken;
};

TEST(MathWholeExpression, TakesWholeNumberFormsAndDeclinesTheRest) {
  const std::vector<WholeCase> cases = {
      {"0+1*3", true},
      {"1500001499999+1000000*3", true},
      {"2+3*4", true},
      {"(2+3)*4", true},
      {"10-4-3", true},
      {"2*-3", true},
      {"2--3", true},
      {"-(2+3)", true},
      {"-0", true},
      {"0*-5", true},
      {"+5", true},
      {"+-5", true},
      {"  12 + 1 ", true},
      {"007*2", true},
      {"9007199254740992", true},   // 2^53
      {"-9007199254740992", true},
      {"4503599627370496*2", true},
      {"9007199254740991+1", true},
      {"1+2*-(3+4*-(5+6*-7))", true},  // the deepest nesting taken
      // declined: the general parser decides
      {" +5", false},                 // a "+" after a blank is refused there
      {"--3", false},
      {"3*+2", false},
      {"9007199254740993", false},    // beyond 2^53: kept at extended precision
      {"9007199254740992+1", false},  // rounds to double precision there
      {"4503599627370497*2", false},
      {"99999999999*99999999999", false},
      {"000000000000000000007*2", false},  // more digits than read here
      {"99999999999999999999999+1", false},
      {"1+(2+(3+(4)))", false},  // nesting left to the parser's own bound
      {"10/4", false},
      {"2^3", false},
      {"7&3", false},
      {"1.5+1", false},
      {"1E3", false},
      {"1e3", false},
      {"ABS(-3)", false},
      {"", false},
      {"   ", false},
      {"3*", false},
      {"(3", false},
      {"3)", false},
      {"12 34", false},
      {"2(3)", false},
      {"1\t+2", false},
  };
  for (const WholeCase& c : cases) EXPECT_EQ(AgreesWithGeneralParser(c.text), c.taken) << '"' << c.text << '"';
}

TEST(MathWholeExpression, DeclinesWhenTheDecimalSymbolIsOneOfItsCharacters) {
  for (char symbol : {'+', '-', '*', '(', ')', ' ', '5'}) {
    std::int64_t whole = 0;
    EXPECT_FALSE(EvaluateWholeExpression("15+5*2", symbol, whole)) << symbol;
  }
  EXPECT_TRUE(AgreesWithGeneralParser("15+5*2", ','));
}

// Expressions from the grammar with blanks, signs, nesting and sizes on both
// sides of the bounds; every one taken must agree.
std::string RandomExpression(std::mt19937_64& rng, int depth) {
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
  auto blanks = [&] { return std::string(static_cast<std::size_t>(pick(3) == 0 ? pick(3) : 0), ' '); };
  std::string out;
  const int terms = 1 + pick(4);
  for (int t = 0; t < terms; ++t) {
    if (t > 0) out += blanks() + (pick(2) ? "+" : "-") + blanks();
    const int factors = 1 + pick(3);
    for (int f = 0; f < factors; ++f) {
      if (f > 0) out += blanks() + "*" + blanks();
      if (pick(4) == 0) out += "-";
      if (depth < 4 && pick(5) == 0) {
        out += "(" + blanks() + RandomExpression(rng, depth + 1) + blanks() + ")";
      } else {
        static constexpr std::uint64_t kSizes[] = {10, 1000, 100000000, 9007199254740993ull, 100000000000000000ull};
        out += std::to_string(rng() % kSizes[pick(5)]);
      }
    }
  }
  return out;
}

TEST(MathWholeExpression, AgreesWithTheGeneralParserOnGeneratedExpressions) {
  std::mt19937_64 rng(20261210);
  int taken = 0, declined = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text = RandomExpression(rng, 0);
    if (i % 7 == 0) text.insert(0, "+");
    if (AgreesWithGeneralParser(text))
      ++taken;
    else
      ++declined;
  }
  // Both sides of the bounds must have been met for the check to mean much.
  EXPECT_GT(taken, 400);
  EXPECT_GT(declined, 200);
}

TEST(MathWholeExpression, WholeNumbersAreWrittenAsTheGeneralFormatterWritesThem) {
  const std::int64_t limit = std::int64_t{1} << 53;
  const std::vector<std::int64_t> values = {0, 1, -1, 7, 10, -100, 123456789, 1000000000000000, 999999999999999999 / 1000,
                                            limit, -limit, limit - 1, 1500001500000};
  for (std::int64_t v : values)
    for (int decimals : {kGeneralFormat, 0, 1, 2, 18, 25})
      for (char symbol : {'.', ','}) {
        std::string fast;
        AppendFormattedWhole(v, decimals, symbol, fast);
        EXPECT_EQ(fast, FormatNumber(static_cast<long double>(v), decimals, symbol)) << v << " decimals " << decimals;
      }
}

}  // namespace
}  // namespace orv
