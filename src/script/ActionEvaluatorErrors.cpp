#include "script/ActionEvaluatorErrors.h"

#include "base/Messages.h"
#include "base/TextForms.h"

namespace orv {
namespace {

std::string WithData(int number, std::string_view data) { return ReplaceAll(Message(number), "%s", data); }

std::string QuotedThen(std::string_view data, std::string_view separator, int number) {
  std::string text = "\"";
  text.append(data).append("\"").append(separator).append(Message(number));
  return text;
}

}  // namespace

std::string ActionErrorText(int code, std::string_view data) {
  switch (code) {
    case ae::kMissingQuote: return std::string(Message(msg::kMissingQuotes));
    case ae::kParamCount: return WithData(msg::kParamCount, data);
    case ae::kLoopVariable: return std::string(Message(msg::kLoopNeedsVariable));
    case ae::kUnknownCommand: return std::string(Message(msg::kUnknownCommand));
    case ae::kPageChangeBlocked: return std::string(Message(msg::kPageChangeBlocked));
    case ae::kNoPage: return QuotedThen(data, "\r", msg::kNoPage);
    case ae::kRestricted: return WithData(msg::kRestrictedCommand, data);
    case ae::kNoLabel: return std::string(Message(msg::kNoLabel));
    case ae::kNoSubroutine: return std::string(Message(msg::kNoSubroutine));
    case ae::kMathSyntax: return std::string(Message(msg::kMathSyntax));
    case ae::kPopUpFile: return QuotedThen(data, "\r\r", msg::kNoSuchFile);
    case ae::kNoFunction: return QuotedThen(data, "\r", msg::kNoFunction);
    case ae::kBadKey: return std::string(Message(msg::kInvalidCharacter));
    case ae::kKeyBrace: return std::string(Message(msg::kMissingBrace));
    case ae::kBadOperator: return WithData(msg::kInvalidOperator, data);
    case ae::kNoOperator: return std::string(Message(msg::kMissingOperator));
    case ae::kBadCondition: return std::string(Message(msg::kInvalidExpression));
    case ae::kSinglePageTest: return std::string(Message(msg::kSinglePageNavigation));
    case ae::kExitOutsideLoop: return std::string(Message(msg::kExitOutsideLoop));
    case ae::kTooDeep: return std::string(Message(msg::kTooManyNestedScripts));
    default: return std::string(Message(msg::kSyntaxError));
  }
}

}  // namespace orv
