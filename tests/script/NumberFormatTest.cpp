#include "script/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "script/MathRounding.h"

namespace orv {
namespace {

struct FormatCase {
  long double value;
  int decimals;
  char symbol;
  const char* text;
};

TEST(NumberFormat, WritesGeneralAndFixedFormats) {
  constexpr long double kInf = std::numeric_limits<long double>::infinity();
  const std::vector<FormatCase> cases = {
      {0, kGeneralFormat, '.', "0"},
      {-0.0L, kGeneralFormat, '.', "0"},
      {-0.0L, 2, '.', "0.00"},
      {1, kGeneralFormat, '.', "1"},
      {-42, kGeneralFormat, '.', "-42"},
      {1234.5L, kGeneralFormat, ',', "1234,5"},
      {1234.5L, 3, ',', "1234,500"},
      {0.1, kGeneralFormat, '.', "0.1"},
      {0.0001L, kGeneralFormat, '.', "0.0001"},
      {0.00001L, kGeneralFormat, '.', "1E-5"},
      {1.5e-7L, kGeneralFormat, '.', "1.5E-7"},
      {1e20L, kGeneralFormat, '.', "1E20"},
      {-1.25e20L, kGeneralFormat, '.', "-1.25E20"},
      // The digits come from the value rounded to double precision.
      {123456789012345678.0L, kGeneralFormat, '.', "123456789012345680"},
      {1e18L, kGeneralFormat, '.', "1E18"},
      {1e18L, 0, '.', "1E18"},  // more than 18 digits before the point
      {999999999999999872.0L, 0, '.', "999999999999999872"},
      {2.5, 0, '.', "3"},
      {-2.5, 0, '.', "-3"},
      {0.5, 0, '.', "1"},
      {0.4, 0, '.', "0"},
      {-0.4, 0, '.', "0"},
      {-0.001L, 2, '.', "0.00"},
      {0.001L, 30, '.', "0.001000000000000000"},
      {99.995L, 2, '.', "100.00"},
      {1e-30L, 2, '.', "0.00"},
      {1e-4000L, kGeneralFormat, '.', "1E-4000"},
      {kInf, kGeneralFormat, '.', "INF"},
      {-kInf, 3, '.', "-INF"},
      {std::numeric_limits<long double>::quiet_NaN(), 2, '.', "NAN"},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.decimals, c.symbol), c.text) << c.text << " / " << c.decimals;
}

TEST(NumberFormat, ShowsTheBinaryRoundingInTheLastDigits) {
  const SignificantDigits third = SignificantDigitsOf(RoundToDoublePrecision(1.0L / 3));
  EXPECT_EQ(std::string(third.digits, kSignificantDigits), "333333333333333312");
  EXPECT_EQ(third.exponent, 0);
  const SignificantDigits thousand = SignificantDigitsOf(1000);
  EXPECT_EQ(std::string(thousand.digits, kSignificantDigits), "100000000000000000");
  EXPECT_EQ(thousand.exponent, 4);
}

TEST(NumberFormat, RoundsToDoublePrecisionButKeepsTheExtendedRange) {
  EXPECT_EQ(RoundToDoublePrecision(0.1L), static_cast<long double>(0.1));
  EXPECT_EQ(RoundToDoublePrecision(-2.0L / 3), static_cast<long double>(-2.0 / 3));
  for (const long double value : {1e400L, -3e-4000L}) {
    const long double rounded = RoundToDoublePrecision(value);
    ASSERT_TRUE(std::isfinite(rounded)) << static_cast<double>(value);
    ASSERT_NE(rounded, 0);
    int exponent = 0;
    const long double mantissa = std::frexp(rounded, &exponent);
    const long double scaled = std::ldexp(mantissa, 53);
    EXPECT_EQ(scaled, std::trunc(scaled)) << "more than 53 mantissa bits";
    EXPECT_LE(std::fabs(rounded - value), std::fabs(value) * 0x1p-53L);
  }
}

}  // namespace
}  // namespace orv
