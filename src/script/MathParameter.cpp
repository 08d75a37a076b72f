#include "script/MathParameter.h"

#include "base/NumberText.h"
#include "script/MathParser.h"

namespace orv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberChar(char c, char decimalSymbol) { return c == ' ' || IsDigit(c) || c == '.' || c == decimalSymbol; }

}  // namespace

bool IsPlainNumber(std::string_view text, char decimalSymbol) {
  if (text.empty()) return false;
  if (text.front() != '-' && !IsNumberChar(text.front(), decimalSymbol)) return false;
  for (std::size_t i = 1; i < text.size(); ++i)
    if (!IsNumberChar(text[i], decimalSymbol)) return false;
  return true;
}

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
