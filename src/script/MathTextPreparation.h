#pragma once
// Turns a math expression as a script wrote it into the form the tokenizer
// reads: upper case, "." as the decimal point, and in currency mode without
// currency signs and thousands separators.
#include <string>
#include <string_view>

#include "script/NumberFormatSettings.h"

namespace orv {

// Writes the prepared text into `out` (its capacity is reused).
void PrepareMathText(std::string_view text, bool currencyMode, const NumberSettings& settings, std::string& out);

}  // namespace orv
