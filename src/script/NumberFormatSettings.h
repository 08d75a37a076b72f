#pragma once
// What number conversions need to know about the conventions in force: the
// decimal symbol (the "DecimalSymbol" variable, which a publication may set)
// and the locale's thousands separator and currency text, which currency mode
// strips from expressions before they are read.
#include <string>

namespace orv {

struct NumberSettings {
  char decimalSymbol = '.';
  // Every character of it is a separator; empty when the locale has none.
  std::string thousandsSeparator;
  // Windows-1252 text such as "\x80" or "kr"; empty when the locale has none.
  std::string currencyText;
};

// The conventions of the process's current C locale (LC_NUMERIC and
// LC_MONETARY), converted to Windows-1252; "." when the locale names no
// decimal separator.
NumberSettings NumberSettingsFromLocale();

}  // namespace orv
