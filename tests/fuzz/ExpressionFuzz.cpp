// Feeds arbitrary texts to the math expression evaluator and the condition
// evaluator. The first byte chooses the settings; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "script/ConditionEvaluator.h"
#include "script/MathParser.h"
#include "script/MathWholeExpression.h"
#include "support/GeneralMathText.h"
#include "support/MapSubstitution.h"

namespace {

// "[name]" replaced by its value, unknown names by nothing.
std::string Substitute(std::string_view text) {
  static const orv::test::VariableMap values = {
      {"a", "1"}, {"b", "x = y"}, {"c", "2+3"}, {"d", "!7"}, {"e", ""}, {"f", "(1"}};
  return orv::test::SubstituteFromMap(text, values);
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  orv::NumberSettings settings;
  settings.decimalSymbol = (mode & 0x40) ? ',' : '.';
  settings.thousandsSeparator = (mode & 0x40) ? "." : ",";
  settings.currencyText = "\x80";
  if (mode & 0x80) {
    const orv::ConditionResult r = orv::EvaluateCondition(text, Substitute, settings);
    Check(r.error == 0 || r.error == orv::kConditionInvalidOperator || r.error == orv::kConditionMissingOperator ||
          r.error == orv::kConditionMalformed);
    Check(r.error == 0 || !r.value);
    return 0;
  }
  const int decimals = (mode & 0x1F) - 1;  // -1 (general) .. 30 (more than the 18 allowed)
  const bool currencyMode = (mode & 0x20) != 0;
  const orv::MathResult r = orv::EvaluateMath(text, decimals, currencyMode, settings);
  Check(r.status == orv::kMathOk || r.status == orv::kMathSyntaxError);
  Check(r.status == orv::kMathOk || r.text == "Error");
  Check(!r.text.empty() && r.text.size() < 64);
  // The whole-number shortcut agrees with the general parser wherever it
  // takes an expression.
  if (std::int64_t whole = 0; !currencyMode && orv::EvaluateWholeExpression(text, settings.decimalSymbol, whole))
    Check(r.text == orv::test::GeneralMathText(text, decimals, settings.decimalSymbol));
  // A written result reads back as itself.
  if (r.status == orv::kMathOk && r.text != "Error" && r.text.find('N') == std::string::npos && decimals < 0 &&
      !currencyMode) {
    const orv::MathResult again = orv::EvaluateMath(r.text, decimals, false, settings);
    Check(again.status == orv::kMathOk && again.text == r.text);
  }
  return 0;
}
