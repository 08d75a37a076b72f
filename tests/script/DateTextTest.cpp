#include "script/DateText.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(DateText, DayNumbersCountFrom30December1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2005, 12, 31), 38717.0);
  EXPECT_FALSE(EncodeDate(2023, 2, 29));
  EXPECT_TRUE(EncodeDate(2024, 2, 29));
  const DateParts p = DecodeDateTime(38717.75);
  EXPECT_EQ(p.Year, 2005);
  EXPECT_EQ(p.Month, 12);
  EXPECT_EQ(p.Day, 31);
  EXPECT_EQ(p.Hour, 18);
  EXPECT_EQ(DayOfWeek(38717), 6);  // a Saturday
}

TEST(DateText, FormatsWithPatternLetters) {
  const DateFormatSettings s;
  DateParts p;
  p.Year = 2005; p.Month = 12; p.Day = 31; p.Hour = 0; p.Minute = 7; p.Second = 9;
  const TDateTime t = EncodeDateTime(p);
  struct Case {
    const char* format;
    const char* out;
  } cases[] = {
      {"yyyy-mm-dd", "2005-12-31"}, {"d/m/yy", "31/12/05"}, {"ddd dddd", "Sat Saturday"},
      {"mmm mmmm", "Dec December"}, {"h:mm:ss", "0:07:09"}, {"hh:nn ampm", "12:07 AM"},
      {"Default", "12/31/2005"},  {"ddddd", "12/31/2005"},  {"dddddd", "Saturday, December 31, 2005"},
      {"\"day\" d 'of' m", "day 31 of 12"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDate(c.format, t, s), c.out) << c.format;
  DateFormatSettings dots = s;
  dots.DateSeparator = '.';
  EXPECT_EQ(FormatDate("dd/mm/yyyy", t, dots), "31.12.2005");
}

TEST(DateText, ParsesInTheOrderOfTheFormat) {
  const DateFormatSettings s;
  struct Case {
    const char* text;
    const char* format;
    std::optional<TDateTime> date;
  } cases[] = {
      {"31/12/2005", "dd/mm/yyyy", 38717},
      {"31-12-2005", "D", 38717},
      {"2005\\12\\31", "yyyy", 38717},
      {"2005/12/31", "e", 38717},
      {"12/31/2005", "Default", 38717},
      {"12/31/05", "mm", 38717},
      {"31/12", "d", EncodeDate(2024, 12, 31)},
      {"32/12/2005", "d", std::nullopt},
      {"31/12/2005x", "d", std::nullopt},
      {"", "d", std::nullopt},
      {"1/2/3/4", "d", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDate(c.text, c.format, s, 2024), c.date) << c.text;
}

}  // namespace
}  // namespace orv
