// Scripts and the variables they leave: blocks, loops, jumps, subroutines.
#include <gtest/gtest.h>

#include "base/Messages.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/ActionEvaluatorFixture.h"

namespace orv::test {
namespace {

struct ScriptCase {
  const char* name;
  std::string script;
  std::string globals;    // expected, as ScriptTest::Globals() writes them
  std::string lastError;  // expected "[LastError]"
  int stopCode = 0;
};

std::string Err(const char* word, std::string_view text) { return std::string(word) + "\r\r" + std::string(text); }

class ControlFlowTest : public ScriptTest {};

TEST_F(ControlFlowTest, ScriptsLeaveTheExpectedVariables) {
  const std::string subroutines =
      ":Locals\r\nSetVar \"[seen]\" \"<[mine]>\"\r\nDefineVar \"[sub]\" \"String\" \"\" \"Local\" \"inner\"\r\n"
      "SetVar \"[subSees]\" \"[sub]\"\r\nReturn\r\n"
      ":First\r\nSetVar \"[trail]\" \"[trail]1\"\r\n:Second\r\nSetVar \"[trail]\" \"[trail]2\"\r\nReturn\r\n"
      ":Third\r\nSetVar \"[trail]\" \"[trail]3\"\r\n";
  engine.SetSubroutineLibrary(subroutines);
  const ScriptCase cases[] = {
      {"comments and labels only", ". a comment\r\n:Label\r\n\r\n   \r\n.another", "", ""},
      {"empty script", "", "", ""},
      {"loop counts up", "Loop \"1\" \"3\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nEndLoop", "i=3;s=123", ""},
      {"loop counts down", "Loop \"3\" \"1\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nEndLoop", "i=1;s=321", ""},
      {"loop from equals to runs once", "Loop \"5\" \"5\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nEndLoop",
       "i=5;s=5", ""},
      {"loop from a missing number starts at 0",
       "Loop \"[nothing]\" \"1\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nEndLoop", "i=1;s=01", ""},
      {"body moving the variable past the end stops the loop",
       "Loop \"1\" \"10\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nSetVar \"[i]\" \"99\"\r\nEndLoop", "i=99;s=1", ""},
      {"nested loops",
       "Loop \"1\" \"2\" \"[a]\"\r\nLoop \"1\" \"2\" \"[b]\"\r\nSetVar \"[s]\" \"[s][a][b] \"\r\nEndLoop\r\nEndLoop",
       "a=2;b=2;s=11 12 21 22 ", ""},
      {"ExitLoop inside an If leaves the loop",
       "Loop \"1\" \"5\" \"[i]\"\r\nSetVar \"[s]\" \"[s][i]\"\r\nIf \"[i]\" \"=\" \"2\"\r\nExitLoop\r\nEndIf\r\nEndLoop\r\n"
       "SetVar \"[after]\" \"yes\"",
       "i=2;s=12;after=yes", ""},
      {"loop without a variable", "Loop \"1\" \"2\" \"\"", "", Err("Loop", Message(254)), ae::kLoopVariable},
      {"If compares upper-cased texts", "SetVar \"[x]\" \"ABC\"\r\nIf \"[x]\" \"=\" \"abc\"\r\nSetVar \"[r]\" \"T\"\r\n"
       "Else\r\nSetVar \"[r]\" \"F\"\r\nEndIf",
       "x=ABC;r=T", ""},
      {"a literal operand keeps its case", "SetVar \"[x]\" \"ABC\"\r\nIf \"[x]\" \"=\" \"!abc\"\r\nSetVar \"[r]\" \"T\"\r\n"
       "Else\r\nSetVar \"[r]\" \"F\"\r\nEndIf",
       "x=ABC;r=F", ""},
      {"numbers compare as numbers", "If \"10\" \">\" \"9\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf", "r=T", ""},
      {"a text operand compares bytes", "If \"10\" \">\" \"9a\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf", "", ""},
      {"numbers written differently are equal", "If \"2.50\" \"=\" \"2.5\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf", "r=T", ""},
      {"an empty operand compares as text", "If \"\" \"<\" \"0\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf", "r=T", ""},
      {"operator with blanks", "If \"1\" \" = \" \"1\"\r\nSetVar \"[r]\" \"T\"\r\nEndIf", "",
       Err("If", " = " + std::string(" non \xE8 un operatore valido.")), ae::kBadOperator},
      {"Else inside a skipped nested If",
       "If \"1\" \"=\" \"2\"\r\nIf \"1\" \"=\" \"1\"\r\nSetVar \"[a]\" \"1\"\r\nElse\r\nSetVar \"[b]\" \"1\"\r\nEndIf\r\n"
       "SetVar \"[c]\" \"1\"\r\nElse\r\nSetVar \"[d]\" \"1\"\r\nEndIf",
       "d=1", ""},
      {"unknown word in a skipped block", "If \"1\" \"=\" \"2\"\r\nSetVra \"[a]\" \"1\"\r\nEndIf\r\nSetVar \"[b]\" \"1\"",
       "", Err("SetVra", Message(247)), ae::kUnknownCommand},
      {"bad parameters in a skipped block are never seen",
       "If \"1\" \"=\" \"2\"\r\nSetVar \"[a]\r\nSetVar \"1\"\r\nEndIf\r\nSetVar \"[b]\" \"1\"", "b=1", ""},
      {"while runs until its condition fails",
       "While \"[s]\" \"<>\" \"xxx\"\r\nSetVar \"[s]\" \"[s]x\"\r\nEndWhile\r\nSetVar \"[done]\" \"1\"", "s=xxx;done=1", ""},
      {"while false skips a nested while",
       "While \"1\" \"=\" \"2\"\r\nWhile \"1\" \"=\" \"1\"\r\nSetVar \"[a]\" \"1\"\r\nEndWhile\r\nSetVar \"[b]\" \"1\"\r\n"
       "EndWhile\r\nSetVar \"[c]\" \"1\"",
       "c=1", ""},
      {"ExitWhile leaves the loop",
       "While \"1\" \"=\" \"1\"\r\nSetVar \"[s]\" \"[s]x\"\r\nIf \"[s]\" \"=\" \"xx\"\r\nExitWhile\r\nEndIf\r\nEndWhile",
       "s=xx", ""},
      {"ExitWhile outside a loop", "ExitWhile", "", Err("ExitWhile", Message(346)), ae::kExitOutsideLoop},
      {"ExitLoop outside a loop", "While \"1\" \"=\" \"1\"\r\nExitLoop\r\nEndWhile", "",
       Err("ExitLoop", Message(346)), ae::kExitOutsideLoop},
      {"closers without openers are passed over", "EndWhile\r\nEndLoop\r\nElse\r\nEndIf\r\nSetVar \"[a]\" \"1\"",
       "a=1", ""},
      {"a block never closed ends the script", "If \"1\" \"=\" \"2\"\r\nSetVar \"[a]\" \"1\"", "", ""},
      {"GotoLine 0 restarts",
       "SetVar \"[s]\" \"[s]x\"\r\nIf \"[s]\" \"<>\" \"xxx\"\r\nGotoLine \"0\"\r\nEndIf", "s=xxx", ""},
      {"GotoLine -5 restarts",
       "SetVar \"[s]\" \"[s]x\"\r\nIf \"[s]\" \"<>\" \"xx\"\r\nGotoLine \"-5\"\r\nEndIf", "s=xx", ""},
      {"GotoLine to a label in any case",
       "GotoLine \"again\"\r\nSetVar \"[skipped]\" \"1\"\r\n  :Again  \r\nSetVar \"[a]\" \"1\"", "a=1", ""},
      {"GotoLine past the end ends the script", "GotoLine \"99\"\r\nSetVar \"[a]\" \"1\"", "", ""},
      {"GotoLine to a missing label", "GotoLine \"Nowhere\"\r\nSetVar \"[a]\" \"1\"", "",
       Err("GotoLine", Message(244)), ae::kNoLabel},
      {"GoSub runs to Return", "GoSub \"Second\"\r\nSetVar \"[after]\" \"1\"", "trail=2;after=1", ""},
      {"a subroutine without Return runs into the next",
       "GoSub \"First\"\r\nGoSub \"Third\"", "trail=123", ""},
      {"GoSub to a missing subroutine stops the caller", "GoSub \"Missing\"\r\nSetVar \"[a]\" \"1\"", "",
       Err("GoSub", Message(240)), ae::kNoSubroutine},
      {"locals are invisible to subroutines and callers",
       "DefineVar \"[mine]\" \"String\" \"\" \"Local\" \"outer\"\r\nGoSub \"Locals\"\r\n"
       "SetVar \"[callerSees]\" \"<[sub]>\"\r\nSetVar \"[own]\" \"[mine]\"",
       "seen=<>;subSees=inner;callerSees=<>;own=outer", ""},
      {"Return ends the script", "SetVar \"[a]\" \"1\"\r\nReturn\r\nSetVar \"[b]\" \"1\"", "a=1", ""},
      {"a comment after a word without quotes", "Return // done", "", Err("Return // done", Message(247)),
       ae::kUnknownCommand},
  };
  for (const ScriptCase& c : cases) {
    vars.ClearAllVariables();
    const int stop = Run(c.script);
    EXPECT_EQ(Globals(), c.globals) << c.name;
    EXPECT_EQ(LastError(), c.lastError) << c.name;
    EXPECT_EQ(stop, c.stopCode) << c.name;
    EXPECT_EQ(engine.LiveEvaluators(), 0) << c.name;
  }
}

TEST_F(ControlFlowTest, WhileKeepsServingTheUserInterface) {
  Run("While \"[n]\" \"<>\" \"xxxx\"\r\nSetVar \"[n]\" \"[n]x\"\r\nEndWhile");
  // Every line after the first: 4 turns of 3 lines, the last While and its
  // skipped body, and the read past the end.
  EXPECT_GE(host.served, 12);
  EXPECT_EQ(host.closeChecks, 0);
}

}  // namespace
}  // namespace orv::test
