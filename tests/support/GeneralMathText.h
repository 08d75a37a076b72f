#pragma once
// Script arithmetic through the general parser alone, bypassing the
// whole-number shortcut, so the shortcut can be checked against it.
#include <string>
#include <string_view>

#include "script/MathParser.h"
#include "script/MathRounding.h"
#include "script/MathTextPreparation.h"
#include "script/NumberFormat.h"

namespace orv::test {

// "syntax" for a refused text, "Error" for a math error, otherwise the
// number in the given format.
inline std::string GeneralMathText(std::string_view text, int decimals, char decimalSymbol) {
  NumberSettings settings;
  settings.decimalSymbol = decimalSymbol;
  std::string prepared;
  PrepareMathText(text, false, settings, prepared);
  RoundToNearestGuard nearest;
  long double value = 0;
  switch (ParseMath(prepared, value)) {
    case MathOutcome::kValue: return FormatNumber(value, decimals, decimalSymbol);
    case MathOutcome::kMathError: return "Error";
    case MathOutcome::kSyntaxError: break;
  }
  return "syntax";
}

}  // namespace orv::test
