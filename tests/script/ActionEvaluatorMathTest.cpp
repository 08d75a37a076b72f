// Arithmetic in number parameters, the Math command and the conditions of
// IfEx and WhileEx, seen through whole scripts.
#include <gtest/gtest.h>

#include "base/Messages.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/ActionEvaluatorFixture.h"

namespace orv::test {
namespace {

class ActionEvaluatorMathTest : public ScriptTest {};

TEST_F(ActionEvaluatorMathTest, ScriptsComputeWhatLooksLikeArithmetic) {
  struct Case {
    const char* name;
    std::string script;
    std::string globals;
    std::string lastError;
    int stop = 0;
  } cases[] = {
      {"a date-like Mixed value is computed", "SetVar \"[d]\" \"2008-01-01\"", "d=2006", ""},
      {"written literal it stays text", "SetVar \"[d]\" \"!2008-01-01\"", "d=2008-01-01", ""},
      {"a plain number is kept", "SetVar \"[v]\" \"1.2.3\"\r\nSetVar \"[w]\" \"007\"", "v=1.2.3;w=007", ""},
      {"a division by zero gives Error", "SetVar \"[e]\" \"1/0\"", "e=Error", ""},
      {"text that does not parse stays", "SetVar \"[t]\" \"hello world\"", "t=hello world", ""},
      {"the loop of the benchmark",
       "SetVar \"[x]\" \"0\"\r\nLoop \"1\" \"10\" \"[i]\"\r\nSetVar \"[x]\" \"[x]+[i]*3\"\r\nSetVar \"[y]\" \"[x]-[i]\"\r\n"
       "EndLoop",
       "x=165;i=10;y=155", ""},
      {"If operands are computed", "SetVar \"[a]\" \"2\"\r\nIf \"[a]\" \"=\" \"1+1\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf",
       "a=2;r=T", ""},
      {"Loop bounds are computed", "Loop \"2*1\" \"1+2\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nEndLoop", "i=3;s=23", ""},
      {"GotoLine to a computed line", "GotoLine \"1+2\"\r\nSetVar \"[a]\" \"1\"\r\nSetVar \"[b]\" \"1\"", "b=1", ""},
      {"Math with decimals", "Math \"10/4\" \"2\" \"[m]\"", "m=2.50", ""},
      {"Math of a malformed expression", "Math \"2+*3\" \"0\" \"[m]\"\r\nSetVar \"[after]\" \"1\"", "m=Error",
       "Math\r\r" + std::string(Message(msg::kMathSyntax)), ae::kMathSyntax},
      {"IfEx true and false",
       "SetVar \"[a]\" \"3\"\r\nIfEx \"[a] > 2 AND [a] < 5\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf\r\n"
       "IfEx \"[a] = 1 OR [a] = 2\"\r\nSetVar \"[q]\" \"T\"\r\nElse\r\nSetVar \"[q]\" \"F\"\r\nEndIf",
       "a=3;r=T;q=F", ""},
      {"WhileEx loops", "WhileEx \"[n] < 3\"\r\nSetVar \"[n]\" \"[n]+1\"\r\nEndWhile", "n=3", ""},
      {"IfEx with a bad condition", "IfEx \"[a] = \"\r\nSetVar \"[r]\" \"T\"\r\nEndIf", "", "", 1},
  };
  for (const Case& c : cases) {
    vars.ClearAllVariables();
    const int stop = Run(c.script);
    EXPECT_EQ(Globals(), c.globals) << c.name;
    if (c.stop == 1) {  // any condition error: -15, -16 or -17
      EXPECT_TRUE(stop == ae::kBadOperator || stop == ae::kNoOperator || stop == ae::kBadCondition) << stop;
      EXPECT_EQ(LastError().rfind("IfEx\r\r", 0), 0u) << LastError();
      continue;
    }
    EXPECT_EQ(LastError(), c.lastError) << c.name;
    EXPECT_EQ(stop, c.stop) << c.name;
  }
}

TEST_F(ActionEvaluatorMathTest, TypedVariablesComputeOnlyWhatTheirTypeAllows) {
  Run("DefineVar \"[s]\" \"String\" \"\" \"\" \"\"\r\nSetVar \"[s]\" \"1+1\"\r\n"
      "DefineVar \"[n]\" \"Integer\" \"\" \"\" \"2+3\"\r\nSetVar \"[m]\" \"[n]*2\"");
  EXPECT_EQ(Var("s"), "1+1");
  EXPECT_EQ(Var("n"), "5");
  EXPECT_EQ(Var("m"), "10");
}

}  // namespace
}  // namespace orv::test
