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
      {"loop without a variable", "Loop \"1\" \"2\" \"\"", "", Err("Loop", Message(msg::kLoopNeedsVariable)), ae::kLoopVariable},
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
       "", Err("SetVra", Message(msg::kUnknownCommand)), ae::kUnknownCommand},
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
      {"ExitWhile outside a loop", "ExitWhile", "", Err("ExitWhile", Message(msg::kExitOutsideLoop)), ae::kExitOutsideLoop},
      {"ExitLoop outside a loop", "While \"1\" \"=\" \"1\"\r\nExitLoop\r\nEndWhile", "",
       Err("ExitLoop", Message(msg::kExitOutsideLoop)), ae::kExitOutsideLoop},
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
       Err("GotoLine", Message(msg::kNoLabel)), ae::kNoLabel},
      {"GoSub runs to Return", "GoSub \"Second\"\r\nSetVar \"[after]\" \"1\"", "trail=2;after=1", ""},
      {"a subroutine without Return runs into the next",
       "GoSub \"First\"\r\nGoSub \"Third\"", "trail=123", ""},
      {"GoSub to a missing subroutine stops the caller", "GoSub \"Missing\"\r\nSetVar \"[a]\" \"1\"", "",
       Err("GoSub", Message(msg::kNoSubroutine)), ae::kNoSubroutine},
      {"locals are invisible to subroutines and callers",
       "DefineVar \"[mine]\" \"String\" \"\" \"Local\" \"outer\"\r\nGoSub \"Locals\"\r\n"
       "SetVar \"[callerSees]\" \"<[sub]>\"\r\nSetVar \"[own]\" \"[mine]\"",
       "seen=<>;subSees=inner;callerSees=<>;own=outer", ""},
      {"Return ends the script", "SetVar \"[a]\" \"1\"\r\nReturn\r\nSetVar \"[b]\" \"1\"", "a=1", ""},
      {"a comment after a word without quotes", "Return // done", "", Err("Return // done", Message(msg::kUnknownCommand)),
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

// Passes every line over one by one, as the evaluator does while a
// debugger watches.
struct WatchingDebugger : TEngineDebugger {
  bool Attached() const override { return true; }
};

TEST_F(ControlFlowTest, NestedBlocksAreSkippedAlikeWithAndWithoutADebugger) {
  const std::string F = "\"1\" \"=\" \"2\"", T = "\"1\" \"=\" \"1\"";
  auto set = [](const char* name) { return "SetVar \"[s]\" \"[s]" + std::string(name) + "\"\r\n"; };
  const struct {
    const char* name;
    std::string script;
    const char* trail;  // expected "[s]"
  } cases[] = {
      {"false If over every kind of block",
       "If " + F + "\r\nWhile " + T + "\r\nIf " + T + "\r\n" + set("a") + "Else\r\n" + set("b") +
           "EndIf\r\nEndWhile\r\nLoop \"1\" \"2\" \"[i]\"\r\n" + set("c") + "EndLoop\r\nElse\r\n" + set("d") +
           "EndIf\r\n" + set("e"),
       "de"},
      {"Else part holding an If with its own Else",
       "If " + T + "\r\n" + set("a") + "Else\r\nIf " + F + "\r\n" + set("b") + "Else\r\n" + set("c") +
           "EndIf\r\n" + set("d") + "EndIf\r\n" + set("e"),
       "ae"},
      {"a false While ignores the keywords of other blocks",
       "While " + F + "\r\nEndIf\r\nElse\r\nEndLoop\r\nWhileEx \"1 = 1\"\r\n" + set("a") + "EndWhile\r\n" +
           set("b") + "EndWhile\r\n" + set("c"),
       "c"},
      {"a skipped While inside a Loop, every turn",
       "Loop \"1\" \"3\" \"[i]\"\r\nWhile \"[i]\" \"=\" \"9\"\r\nWhile " + T + "\r\n" + set("x") +
           "EndWhile\r\nEndWhile\r\n" + set("[i]") + "EndLoop",
       "123"},
      {"ExitLoop leaves the inner of two loops",
       "Loop \"1\" \"2\" \"[a]\"\r\nLoop \"1\" \"3\" \"[b]\"\r\nIf \"[b]\" \"=\" \"2\"\r\nExitLoop\r\nEndIf\r\n" +
           set("[a][b]") + "Loop \"1\" \"2\" \"[c]\"\r\nEndLoop\r\nEndLoop\r\nEndLoop",
       "1121"},
      {"ExitWhile from an If inside nested Whiles",
       "While \"[s]\" \"<>\" \"xy\"\r\n" + set("x") + "While " + T + "\r\nIf " + T +
           "\r\nExitWhile\r\nEndIf\r\nEndWhile\r\n" + set("y") + "EndWhile",
       "xy"},
      {"the first Else of a false If ends the skip",
       "If " + F + "\r\n" + set("a") + "Else\r\n" + set("b") + "Else\r\n" + set("c") + "EndIf",
       "b"},
      {"a block never closed passes over the rest",
       "If " + T + "\r\nWhile " + F + "\r\nEndIf\r\n" + set("a") + "EndLoop", ""},
      {"closers without openers inside a skip",
       "EndWhile\r\nWhile " + F + "\r\nEndLoop\r\nEndWhile\r\n" + set("a") + "EndWhile\r\n" + set("b"), "ab"},
      {"a word not registered deep in a skipped block",
       set("a") + "If " + F + "\r\nWhile " + T + "\r\nSetVra \"[x]\"\r\nEndWhile\r\nEndIf\r\n" + set("b"), "a"},
  };
  WatchingDebugger debugger;
  for (const auto& c : cases) {
    vars.ClearAllVariables();
    const int stop = Run(c.script);
    EXPECT_EQ(Var("s"), c.trail) << c.name;
    const std::string globals = Globals();
    vars.ClearAllVariables();
    engine.SetDebugger(&debugger);
    EXPECT_EQ(Run(c.script), stop) << c.name;
    engine.SetDebugger(nullptr);
    EXPECT_EQ(Globals(), globals) << c.name;
  }
}

TEST_F(ControlFlowTest, ABlockThatIsSkippedAgainAndAgainCostsLinesInProportionToTheScript) {
  // Every "EndWhile" jumps back to a While that is false, whose body holds
  // all the blocks skipped before: walked line by line that is n*n/2 lines.
  constexpr int kDepth = 400;
  std::string script = "GotoLine \"Start\"\r\n";
  for (int i = 0; i < kDepth; ++i) script += "While \"1\" \"=\" \"2\"\r\n";
  script += ":Start\r\n";
  for (int i = 0; i < kDepth; ++i) script += "EndWhile\r\n";
  script += "SetVar \"[done]\" \"1\"";
  EXPECT_EQ(Run(script), 0);
  EXPECT_EQ(Var("done"), "1");
  // The UI is served once before every line the evaluator reads.
  EXPECT_LT(host.served, 4 * kDepth);
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
