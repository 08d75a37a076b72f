#pragma once
// System variables that describe the machine the way a Windows publication
// expects to find it. Each has one Linux equivalent, decided once and kept in
// the table of PlatformValues.cpp.
#include <string>
#include <string_view>

#include "script/SystemVariables.h"

namespace orv {

bool IsPlatformValue(SystemVar var);
// The value now (folders end with "/", texts are Windows-1252).
std::string PlatformValue(SystemVar var);
// What the Linux value of `var` is, in words (for documentation and tests).
std::string_view PlatformEquivalent(SystemVar var);
// The locale's decimal separator.
char LocaleDecimalSymbol();

}  // namespace orv
