#pragma once
// The part of "Number" and "Mixed" parameter preparation that follows
// variable substitution: the "!" rule, then arithmetic for texts that are not
// plain numbers, so that `SetVar "[x]" "[x]+1"` stores the sum.
#include <string>
#include <string_view>

#include "script/NumberFormatSettings.h"
#include "script/ScriptLines.h"  // IsPlainNumber: such a text is kept as written ("007", "1.2.3")

namespace orv {

struct PreparedNumber {
  std::string text;
  bool literal = false;  // a leading "!" was removed
};

// `text` is the parameter after substitution. With `evaluate`, a text longer
// than one character that is neither literal nor a plain number is computed
// in the general format: an expression that parses becomes its value ("Error"
// after a math error such as a division by zero); one that does not parse
// stays as it was.
PreparedNumber PrepareNumberText(std::string_view text, bool evaluate, bool currencyMode,
                                 const NumberSettings& settings);

}  // namespace orv
