#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orv {
namespace {

TEST(NumberText, ReadsWithTheDecimalSymbolInForce) {
  struct Case {
    const char* text;
    char symbol;
    bool ok;
    double value;
  } cases[] = {
      {"2.9", '.', true, 2.9},       {"-2.9", '.', true, -2.9},   {" 12 ", '.', true, 12},
      {"+7", '.', true, 7},          {"1,5", ',', true, 1.5},     {"1.5", ',', false, 0},
      {"1,5", '.', false, 0},        {"1e3", '.', true, 1000},    {"2.5E-1", '.', true, 0.25},
      {".5", '.', true, 0.5},        {"5.", '.', true, 5},        {"", '.', false, 0},
      {"  ", '.', false, 0},         {"-", '.', false, 0},        {"1e", '.', false, 0},
      {"12abc", '.', false, 0},      {"1.2.3", '.', false, 0},    {"0x1F", '.', false, 0},
      {"1e999", '.', true, std::numeric_limits<double>::infinity()},
  };
  for (const auto& c : cases) {
    const auto v = ReadNumber(c.text, c.symbol);
    ASSERT_EQ(v.has_value(), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
  }
}

TEST(NumberText, ShortWholeNumbersAndTheirNeighbours) {
  // Whole numbers of up to fifteen digits take a shorter way than the
  // library conversion; the rows around that bound and the near misses must
  // read as before, whatever the decimal symbol.
  struct Case {
    const char* text;
    char symbol;
    bool ok;
    double value;
  } cases[] = {
      {"0", '.', true, 0},
      {"+0", '.', true, 0},
      {" 42 ", ',', true, 42},
      {"+5 ", '.', true, 5},
      {"007", '.', true, 7},
      {"999999999999999", '.', true, 999999999999999.0},
      {"-999999999999999", '.', true, -999999999999999.0},
      {"1000000000000000", '.', true, 1e15},
      {"9007199254740993", '.', true, 9007199254740992.0},  // correctly rounded
      {"- 5", '.', false, 0},
      {"5-", '.', false, 0},
      {"+-1", '.', false, 0},
      {"1 2", '.', false, 0},
      {"1 2", ' ', true, 1.2},
      {"-5", '-', true, -5},
      {"12", '2', true, 12},
      {"12.", '.', true, 12},
  };
  for (const auto& c : cases) {
    const auto v = ReadNumber(c.text, c.symbol);
    ASSERT_EQ(v.has_value(), c.ok) << c.text << " symbol " << c.symbol;
    if (c.ok) {
      EXPECT_EQ(*v, c.value) << c.text << " symbol " << c.symbol;
    }
  }
  const auto negativeZero = ReadNumber(" -0 ", '.');
  ASSERT_TRUE(negativeZero.has_value());
  EXPECT_EQ(*negativeZero, 0.0);
  EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(NumberText, TruncatesTowardZero) {
  struct Case {
    const char* text;
    std::int64_t value;
  } cases[] = {
      {"2.9", 2}, {"-2.9", -2}, {"0.99", 0}, {"-0.5", 0}, {"1e20", std::numeric_limits<std::int64_t>::max()},
      {"-1e20", std::numeric_limits<std::int64_t>::min()}, {"42", 42},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberParam(c.text, '.'), c.value) << c.text;
  EXPECT_EQ(NumberParam("abc", '.', -1), -1);
  EXPECT_EQ(TruncateNumber(std::nan("")), 0);
}

TEST(NumberText, ReadsLeniently) {
  struct Case {
    const char* text;
    char symbol;
    double value;
  } cases[] = {
      {"12abc", '.', 12}, {"2,5", '.', 2.5}, {"2.5", ',', 2.5}, {"x", '.', 0}, {"$-3.25", '.', -3.25},
      {"1.234.5", '.', 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadNumberLenient(c.text, c.symbol), c.value) << c.text;
}

TEST(NumberText, LiteralsAndOptionWords) {
  EXPECT_TRUE(IsLiteralText("!5+5"));
  EXPECT_EQ(StripLiteral("!5+5"), "5+5");
  EXPECT_EQ(StripLiteral("5+5"), "5+5");
  EXPECT_FALSE(IsLiteralText(""));
  EXPECT_TRUE(HasOptionWord("Center, NOWAIT", "nowait"));
  EXPECT_TRUE(HasOptionWord("xhiddenx", "Hidden"));
  EXPECT_FALSE(HasOptionWord("visible", "hidden"));
  EXPECT_EQ(FormatWholeNumber(-9223372036854775807LL - 1), "-9223372036854775808");
}

}  // namespace
}  // namespace orv
