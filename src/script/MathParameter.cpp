#include "script/MathParameter.h"

#include "base/NumberText.h"
#include "script/MathParser.h"

namespace orv {

PreparedNumber PrepareNumberText(std::string_view text, bool evaluate, bool currencyMode,
                                 const NumberSettings& settings) {
  PreparedNumber prepared;
  prepared.literal = IsLiteralText(text);
  prepared.text = StripLiteral(text);
  if (!evaluate || prepared.literal || prepared.text.size() <= 1 ||
      IsPlainNumber(prepared.text, settings.decimalSymbol))
    return prepared;
  thread_local std::string result;
  if (EvaluateMath(prepared.text, kGeneralFormat, currencyMode, settings, result) == kMathOk) prepared.text = result;
  return prepared;
}

}  // namespace orv
