#include "script/ConditionEvaluator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/MapSubstitution.h"

namespace orv {
namespace {

using Variables = test::VariableMap;

// "[name]" replaced by the variable's value, unknown names by nothing; counts
// its calls so a test can see which operands were substituted.
class MapSubstitution {
 public:
  explicit MapSubstitution(Variables values) : values_(std::move(values)) {}
  std::string operator()(std::string_view text) {
    ++calls;
    return test::SubstituteFromMap(text, values_);
  }
  int calls = 0;

 private:
  Variables values_;
};

struct ConditionCase {
  Variables variables;
  std::string condition;
  bool value;
  int error;
  std::string data;
};

ConditionResult Evaluate(const Variables& variables, std::string_view condition, char decimalSymbol = '.') {
  MapSubstitution substitution(variables);
  NumberSettings settings;
  settings.decimalSymbol = decimalSymbol;
  return EvaluateCondition(condition, std::ref(substitution), settings);
}

TEST(ConditionEvaluator, EvaluatesTheConditionsOfScripts) {
  const std::vector<ConditionCase> cases = {
      {{{"a", "1"}, {"b", "2"}}, "[a] = 1 AND [b] = 2", true, 0, ""},
      {{{"a", "1"}, {"b", "2"}}, "[a] = 1 AND [b] = 3", false, 0, ""},
      // no precedence: strictly left to right
      {{{"a", "1"}, {"b", "0"}, {"c", "0"}}, "[a] = 1 OR [b] = 3 AND [c] = 4", false, 0, ""},
      {{{"a", "0"}, {"b", "0"}, {"c", "1"}}, "[a] = 1 AND [b] = 3 OR [c] = 1", true, 0, ""},
      // groups as written
      {{{"a", "0"}, {"b", "1"}, {"c", "1"}}, "([a] = 1 OR [b] = 1) AND [c] = 1", true, 0, ""},
      {{{"a", "1"}, {"b", "0"}, {"c", "0"}}, "([a] = 1 OR [b] = 1) AND [c] = 1", false, 0, ""},
      {{{"a", "1"}, {"b", "0"}, {"c", "0"}}, "[a] = 1 OR ([b] = 1 AND [c] = 1)", true, 0, ""},
      {{{"a", "1"}}, "(([a] = 1))", true, 0, ""},
      {{{"a", "1"}}, "([a] = 1", true, 0, ""},
      // no spaces needed around operators
      {{{"a", "1"}}, "[a]=1", true, 0, ""},
      {{{"a", "1"}}, "[a]<>2", true, 0, ""},
      // tokens are split before substitution
      {{{"a", "x = y"}}, "[a] = [#34]x = y[#34]", true, 0, ""},
      {{{"name", "John Smith"}}, "[name] = [#34]John Smith[#34]", true, 0, ""},
      {{{"name", "John Smith"}}, "[name] = [#34]JOHN SMITH[#34]", true, 0, ""},
      {{{"name", "John Smith"}}, "[name] = \"!john smith\"", false, 0, ""},
      {{}, "\"!John Smith\" = \"!JOHN SMITH\"", false, 0, ""},
      {{}, "\"\" = \"\"", true, 0, ""},
      {{}, "\"a\r\nb\" = ab", true, 0, ""},
      {{}, "\"open = open", false, -16, ""},  // the quote takes the rest of the text
      // operands are computed
      {{{"x", "4"}}, "[x]+1 = 5", true, 0, ""},
      {{{"x", "4"}}, "[x]*2 > 7.5", true, 0, ""},
      {{}, "10 > 9", true, 0, ""},
      {{}, "abc < abd", true, 0, ""},
      {{}, "B > a", true, 0, ""},  // upper-cased: "B" > "A"
      {{}, "!B > !a", false, 0, ""},
      {{}, "!10 > 9", true, 0, ""},  // numeric even when literal
      {{}, "1.5E20 > 2", true, 0, ""},
      {{{"x", ""}}, "[x] > 5", false, 0, ""},  // "" against "5" as texts
      {{{"x", ""}}, "[x] < 5", true, 0, ""},
      // a top-level ")" ends the condition
      {{{"a", "1"}}, "[a] = 1) garbage here", true, 0, ""},
      // malformed conditions
      {{{"a", "1"}}, "[a] 1", false, -16, ""},
      {{{"a", "1"}}, "[a]", false, -16, ""},
      {{{"a", "1"}}, "[a] =< 1", false, -15, "=<"},
      {{{"a", "1"}, {"b", "2"}}, "[a] = 1 XOR [b] = 2", false, -15, "XOR"},
      {{}, "", false, -17, ""},
      {{}, "   ", false, -17, ""},
      {{{"a", "1"}}, "[a] =", false, -17, ""},
      {{{"a", "1"}}, "[a] = 1 AND", false, -17, ""},
      {{}, "()", false, -17, ""},
      {{}, "(1 = 1) = 1", false, -15, "="},
  };
  for (const ConditionCase& c : cases) {
    const ConditionResult r = Evaluate(c.variables, c.condition);
    EXPECT_EQ(r.value, c.value) << c.condition;
    EXPECT_EQ(r.error, c.error) << c.condition;
    EXPECT_EQ(r.data, c.data) << c.condition;
  }
}

TEST(ConditionEvaluator, ReadsNumbersWithTheDecimalSymbolInForce) {
  EXPECT_TRUE(Evaluate({{"x", "2,5"}}, "[x] > 2,4", ',').value);
  EXPECT_TRUE(Evaluate({{"x", "2,5"}}, "[x]*2 = 5", ',').value);
  EXPECT_TRUE(Evaluate({{"x", "2.5"}}, "[x] > 2,4", ',').value);  // "." is always a point
}

TEST(ConditionEvaluator, SubstitutesOnlyOperandsWithVariables) {
  MapSubstitution substitution(Variables{{"a", "1"}});
  const ConditionResult r = EvaluateCondition("[a] = 1 AND 2 = 2", std::ref(substitution), NumberSettings{});
  EXPECT_TRUE(r.value);
  EXPECT_EQ(substitution.calls, 1);
}

TEST(ConditionEvaluator, StopsAtTheFirstErrorAndCountsAsFalse) {
  MapSubstitution substitution(Variables{{"a", "1"}});
  const ConditionResult r = EvaluateCondition("[a] = 1 AND [a] ! 1 AND [a] = 1", std::ref(substitution),
                                              NumberSettings{});
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.error, kConditionMissingOperator);
  EXPECT_EQ(substitution.calls, 1);  // the failing clause is never prepared
}

TEST(ConditionEvaluator, SurvivesDeeplyNestedGroups) {
  const std::string deep = std::string(100000, '(') + "1 = 1" + std::string(100000, ')');
  const ConditionResult r = Evaluate({}, deep);
  EXPECT_EQ(r.error, 0);
  EXPECT_TRUE(r.value);
}

}  // namespace
}  // namespace orv
