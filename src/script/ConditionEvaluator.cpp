#include "script/ConditionEvaluator.h"

#include <optional>
#include <vector>

#include "base/Ansi.h"
#include "base/TextForms.h"
#include "script/ConditionCompare.h"
#include "script/ConditionTokenizer.h"
#include "script/MathParameter.h"

namespace orv {
namespace {

enum class Connector { kFirst, kAnd, kOr };

// A group being evaluated. Groups are kept on a heap stack rather than the
// call stack so that deeply nested parentheses cannot exhaust it.
struct Group {
  bool result = false;
  int clause = 0;
  Connector connector = Connector::kFirst;
};

void Combine(Group& group, bool value) {
  switch (group.connector) {
    case Connector::kFirst: group.result = value; break;
    case Connector::kAnd: group.result = group.result && value; break;
    case Connector::kOr: group.result = group.result || value; break;
  }
  ++group.clause;
}

ConditionResult Failure(int error, std::string data = {}) {
  ConditionResult r;
  r.error = error;
  r.data = std::move(data);
  return r;
}

ConditionOperand PrepareOperand(const std::string& raw, const SubstituteVariables& substitute,
                                const NumberSettings& settings) {
  const bool hasReference = raw.find('[') != std::string::npos;
  const std::string substituted = hasReference && substitute ? substitute(raw) : raw;
  PreparedNumber prepared = PrepareNumberText(substituted, true, false, settings);
  return ConditionOperand{std::move(prepared.text), prepared.literal};
}

}  // namespace

ConditionResult EvaluateCondition(std::string_view text, const SubstituteVariables& substitute,
                                  const NumberSettings& settings) {
  const std::string condition = ReplaceAll(text, "[#34]", "\"");
  ConditionTokenizer tokens(condition);
  std::vector<Group> groups(1);
  while (true) {
    Group& group = groups.back();
    bool groupEnds = false;
    if (group.clause > 0) {
      const ConditionToken connector = tokens.Next();
      if (connector.kind == ConditionTokenKind::kNone) {
        groupEnds = true;
      } else if (AnsiSameText(connector.text, "AND")) {
        group.connector = Connector::kAnd;
      } else if (AnsiSameText(connector.text, "OR")) {
        group.connector = Connector::kOr;
      } else {
        return Failure(kConditionInvalidOperator, connector.text);
      }
    }
    if (!groupEnds) {
      const ConditionToken left = tokens.Next();
      if (left.kind == ConditionTokenKind::kNone) return Failure(kConditionMalformed);
      if (left.kind == ConditionTokenKind::kOpen) {
        // The nested group's value becomes this clause's when it ends.
        groups.emplace_back();
        continue;
      }
      const ConditionToken op = tokens.Next();
      if (op.kind != ConditionTokenKind::kOperator) return Failure(kConditionMissingOperator);
      const std::optional<ComparisonOperator> comparison = ParseComparisonOperator(op.text);
      if (!comparison) return Failure(kConditionInvalidOperator, op.text);
      const ConditionToken right = tokens.Next();
      if (right.kind == ConditionTokenKind::kNone) return Failure(kConditionMalformed);
      const bool value = CompareOperands(PrepareOperand(left.text, substitute, settings), *comparison,
                                         PrepareOperand(right.text, substitute, settings),
                                         settings.decimalSymbol, true);
      Combine(group, value);
      groupEnds = tokens.CloseSeen();
    }
    if (groupEnds) {
      // A ")" closes only the innermost group; the text after a top-level
      // ")" is ignored.
      tokens.TakeClose();
      const bool value = group.result;
      groups.pop_back();
      if (groups.empty()) {
        ConditionResult r;
        r.value = value;
        return r;
      }
      Combine(groups.back(), value);
    }
  }
}

}  // namespace orv
