#include "script/NumberFormatSettings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace orv {
namespace {

TEST(NumberFormatSettings, TakesTheConventionsOfTheCurrentLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  const NumberSettings c = NumberSettingsFromLocale();
  EXPECT_EQ(c.decimalSymbol, '.');
  EXPECT_EQ(c.thousandsSeparator, "");
  EXPECT_EQ(c.currencyText, "");
  // A locale with a comma and a euro sign, when the system has one.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
    const NumberSettings de = NumberSettingsFromLocale();
    EXPECT_EQ(de.decimalSymbol, ',');
    EXPECT_EQ(de.thousandsSeparator, ".");
    EXPECT_EQ(de.currencyText, "\x80");
  }
  std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace orv
