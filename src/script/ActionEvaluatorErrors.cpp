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
    case ae::kMissingQuote: return std::string(Message(241));
    case ae::kParamCount: return WithData(239, data);
    case ae::kLoopVariable: return std::string(Message(254));
    case ae::kUnknownCommand: return std::string(Message(247));
    case ae::kPageChangeBlocked: return std::string(Message(255));
    case ae::kNoPage: return QuotedThen(data, "\r", 246);
    case ae::kRestricted: return WithData(321, data);
    case ae::kNoLabel: return std::string(Message(244));
    case ae::kNoSubroutine: return std::string(Message(240));
    case ae::kMathSyntax: return std::string(Message(323));
    case ae::kPopUpFile: return QuotedThen(data, "\r\r", 232);
    case ae::kNoFunction: return QuotedThen(data, "\r", 245);
    case ae::kBadKey: return std::string(Message(336));
    case ae::kKeyBrace: return std::string(Message(337));
    case ae::kBadOperator: return WithData(338, data);
    case ae::kNoOperator: return std::string(Message(339));
    case ae::kBadCondition: return std::string(Message(340));
    case ae::kSinglePageTest: return std::string(Message(345));
    case ae::kExitOutsideLoop: return std::string(Message(346));
    case ae::kTooDeep: return std::string(Message(msg::kTooManyNestedScripts));
    default: return std::string(Message(msg::kSyntaxError));
  }
}

}  // namespace orv
