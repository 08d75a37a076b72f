#include "script/MathCommand.h"

#include <cstdint>

#include "base/NumberText.h"
#include "script/MathParser.h"

namespace orv {

MathCommandResult EvaluateMathCommand(std::string_view rawExpression, std::string_view preparedExpression,
                                      std::string_view preparedDecimals, const NumberSettings& settings) {
  const bool hasReference = rawExpression.find('[') != std::string_view::npos;
  const std::int64_t requested = NumberParam(preparedDecimals, settings.decimalSymbol, 0);
  const int decimals = requested < 0 ? kGeneralFormat
                       : requested > kMaxFixedDecimals ? kMaxFixedDecimals
                                                       : static_cast<int>(requested);
  MathCommandResult result;
  const int status = EvaluateMath(preparedExpression, decimals, true, settings, result.value);
  if (status == kMathSyntaxError && !hasReference) result.actionError = kMathSyntaxActionError;
  return result;
}

}  // namespace orv
