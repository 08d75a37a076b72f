// The evaluator: parameter preparation, action errors, options, the engine
// counters and the guard that gives back what a run took.
#include "script/ActionEvaluator.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/Messages.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/ActionEvaluatorFixture.h"
#include "script/CommandIds.h"
#include "script/ParamTypes.h"

namespace orv::test {
namespace {

class ActionEvaluatorTest : public ScriptTest {};

std::string Err(const char* word, std::string_view text) { return std::string(word) + "\r\r" + std::string(text); }

TEST_F(ActionEvaluatorTest, ParametersArePreparedByType) {
  vars.SetVar("bang", "!abc");
  vars.SetVar("dir", "C:\\pub\\");
  struct Case {
    std::string written;
    std::uint8_t type;
    std::string prepared;
    bool literal;
  } cases[] = {
      {"!2008-01-01", ptMixed, "2008-01-01", true},
      {"1.2.3", ptMixed, "1.2.3", false},
      {"007", ptNumber, "007", false},
      {"[missing]", ptNumber, "0", false},
      {"[missing]", ptMixed, "", false},
      {"[bang]", ptMixed, "abc", true},  // a value beginning with "!" makes it literal
      {"[bang]", ptText, "abc", true},
      {"!x", ptObjName, "!x", false},    // no "!" rule for names
      {"[bang]", ptVariable, "bang", false},
      {"C:\\data\\list.txt", ptDataFile, "list.txt", false},
      {"[dir]list.txt", ptDataFile, "C:\\pub\\list.txt", false},
      {" [dir]x.txt ", ptFileName, "C:\\pub\\x.txt", false},
      {"pic.png", ptFileName, "Pictures\\pic.png", false},
      {"!pic.png", ptFileName, "pic.png", true},
      {"C:pic.png", ptFileName, "C:pic.png", false},
      {"other.png", ptFileName2, "other.png", false},
  };
  std::unique_ptr<TActionEval> eval = engine.CreateEvaluator("", 0, 52, 26, "");
  ASSERT_TRUE(eval);
  for (const Case& c : cases) {
    std::string out;
    const bool literal = eval->PrepareParameter(c.written, c.type, false, true, out);
    EXPECT_EQ(out, c.prepared) << c.written << " type " << int(c.type);
    EXPECT_EQ(literal, c.literal) << c.written << " type " << int(c.type);
  }
}

TEST_F(ActionEvaluatorTest, ActionErrorsStopTheScript) {
  struct Case {
    std::string script;
    std::uint8_t options;
    std::string lastError;
    int stop;
  } cases[] = {
      {"SetVar \"[a]\" \"1\r\nSetVar \"[b]\" \"1\"", 0, Err("SetVar", Message(msg::kMissingQuotes)), ae::kMissingQuote},
      {"SetVar \"[a]\"", 0, Err("SetVar", "Questa azione richiede parametro(i) 2."), ae::kParamCount},
      {"GotoNextPage", eoNoPageChange, Err("GotoNextPage", Message(msg::kPageChangeBlocked)), ae::kPageChangeBlocked},
      {"FileWrite \"a.txt\" \"1\" \"x\"", eoRestricted,
       Err("FileWrite", "L'azione FileWrite non pu\xF2 essere originata da un collegamento del navigatore web."),
       ae::kRestricted},
  };
  for (const Case& c : cases) {
    vars.ClearAllVariables();
    EXPECT_EQ(Run(c.script, c.options), c.stop) << c.script;
    EXPECT_EQ(LastError(), c.lastError) << c.script;
    EXPECT_EQ(Var("b"), "") << c.script;
  }
}

TEST_F(ActionEvaluatorTest, RestrictedScriptsRefuseEveryFileAndProgramCommand) {
  for (const char* word : {"FileToVar", "FileList", "DownloadFile", "InternetLink", "CloseApp", "SendMenuCommand",
                           "DropFile", "FileRead", "Run", "SaveVariables", "DOSCommand"}) {
    vars.ClearAllVariables();
    const std::string script = std::string(word) + " \"1\" \"2\" \"3\" \"4\"\r\nSetVar \"[after]\" \"1\"";
    EXPECT_EQ(Run(script, eoRestricted), ae::kRestricted) << word;
    EXPECT_NE(LastError().find(std::string("L'azione ") + word + " "), std::string::npos) << LastError();
    EXPECT_EQ(Var("after"), "") << word;
  }
  // Harmless commands still run in a restricted script.
  vars.ClearAllVariables();
  EXPECT_EQ(Run("SetVar \"[a]\" \"1\"\r\nAlertBox \"x\" \"y\"\r\nSetVar \"[b]\" \"2\"", eoRestricted), 0);
  EXPECT_EQ(Globals(), "a=1;b=2");
}

TEST_F(ActionEvaluatorTest, SinglePageTestRunRefusesPageChangesFirst) {
  host.singlePage = true;
  EXPECT_EQ(Run("GotoNextPage", eoNoPageChange), ae::kSinglePageTest);
  EXPECT_EQ(LastError(), Err("GotoNextPage", Message(msg::kSinglePageNavigation)));
}

TEST_F(ActionEvaluatorTest, CommandWithoutBodyOnThisHostSetsLastErrorAndGoesOn) {
  EXPECT_EQ(Run("AlertBox \"Sum\" \"[a]+[b]\"\r\nSetVar \"[after]\" \"1\""), 0);
  EXPECT_EQ(LastError(), Message(msg::kNotOnThisPlatform));
  EXPECT_EQ(Var("after"), "1");
}

TEST_F(ActionEvaluatorTest, ErrorDisplayDecidesOnlyWhetherTheErrorIsShown) {
  Run("ShowErrors \"No\"\r\nGotoLine \"Nowhere\"");
  EXPECT_EQ(LastError(), Err("GotoLine", Message(msg::kNoLabel)));
  EXPECT_TRUE(varHost.ShownErrors().empty());
  Run("ShowErrors \"yes+more\"\r\nGotoLine \"Nowhere\"");
  ASSERT_EQ(varHost.ShownErrors().size(), 1u);
  EXPECT_EQ(varHost.ShownErrors()[0], Err("GotoLine", Message(msg::kNoLabel)));
}

TEST_F(ActionEvaluatorTest, ExclusiveRunsServeOnlyTheCloseRequest) {
  Run("SetVar \"[a]\" \"1\"\r\nSetVar \"[a]\" \"2\"\r\nSetVar \"[a]\" \"3\"", eoRunNow);
  EXPECT_EQ(host.served, 0);
  EXPECT_EQ(host.closeChecks, 3);
  EXPECT_EQ(engine.ExclusiveCount(), 0);
  Run("SetVar \"[a]\" \"1\"\r\nSetVar \"[a]\" \"2\"");
  EXPECT_EQ(host.served, 2);
  EXPECT_GE(host.idleRestarts, 5);
}

// --- Nested runs ----------------------------------------------------------

void RunTimerScript(TActionEval& eval) {
  eval.Engine().RunScript("SetVar \"[inner]\" \"[Self]\"", 0, 13, 15, "Timer1");
}

TEST_F(ActionEvaluatorTest, NestedScriptGivesBackTheOuterSelf) {
  engine.Commands().Bind(cmd::kDelay, RunTimerScript);
  Run("Delay \"10\"\r\nSetVar \"[outer]\" \"[Self]\"", 0, 1, "Button1");
  EXPECT_EQ(Var("inner"), "Timer1");
  EXPECT_EQ(Var("outer"), "Button1");
  EXPECT_EQ(vars.Self(), "");
}

void ResetAndRecord(TActionEval& eval) {
  eval.Vars().SetVar("serial", std::to_string(eval.Serial()));
  eval.Engine().ResetEngine();
}

TEST_F(ActionEvaluatorTest, ResetEngineStopsOldRunsAndKeepsCountsRight) {
  engine.Commands().Bind(cmd::kDelay, ResetAndRecord);
  engine.SetSubroutineLibrary(":Sub\r\nDelay \"1\"\r\nSetVar \"[subAfter]\" \"1\"");
  Run("GoSub \"Sub\"\r\nSetVar \"[after]\" \"1\"");
  EXPECT_EQ(Var("serial"), "2");
  EXPECT_EQ(Var("subAfter"), "");
  EXPECT_EQ(Var("after"), "");
  EXPECT_EQ(engine.LiveEvaluators(), 0);
  EXPECT_EQ(engine.NestedRuns(), 0);
  // A run of the new generation is outermost again.
  Run("Delay \"1\"");
  EXPECT_EQ(Var("serial"), "1");
  EXPECT_EQ(engine.LiveEvaluators(), 0);
}

TEST_F(ActionEvaluatorTest, EndlessRecursionStopsAtTheNestingBound) {
  engine.SetSubroutineLibrary(":Rec\r\nGoSub \"Rec\"\r\nSetVar \"[back]\" \"[back]x\"");
  EXPECT_EQ(Run("GoSub \"Rec\"\r\nSetVar \"[after]\" \"1\""), 0);
  EXPECT_EQ(LastError(), Err("GoSub", Message(msg::kTooManyNestedScripts)));
  // The innermost run stopped; every caller went on with its next line.
  EXPECT_EQ(Var("back").size(), static_cast<std::size_t>(TScriptEngine::kMaxNestedRuns - 2));
  EXPECT_EQ(Var("after"), "1");
  EXPECT_EQ(engine.NestedRuns(), 0);
}

void Throw(TActionEval&) { throw std::runtime_error("body failed"); }

TEST_F(ActionEvaluatorTest, ThrowingBodyStillGivesBackScopeSelfAndCounters) {
  engine.Commands().Bind(cmd::kDelay, Throw);
  vars.SetSelf("Outer");
  TLocalScope callerScope(vars);
  vars.DefineVar("callerLocal", "String", "", true);
  TVarStringList* callerLocals = vars.Locals();
  EXPECT_THROW(Run("DefineVar \"[mine]\" \"String\" \"\" \"Local\" \"x\"\r\nDelay \"1\"", eoRunNow, 1, "Button1"),
               std::runtime_error);
  EXPECT_EQ(vars.Self(), "Outer");
  EXPECT_EQ(vars.Locals(), callerLocals);
  EXPECT_EQ(engine.ExclusiveCount(), 0);
  EXPECT_EQ(engine.LiveEvaluators(), 0);
  EXPECT_EQ(engine.NestedRuns(), 0);
  EXPECT_EQ(engine.Current(), nullptr);
}

void Close(TActionEval& eval) { eval.Engine().SetClosing(true); }

TEST_F(ActionEvaluatorTest, ClosingEndsTheRunAfterTheCurrentLine) {
  engine.Commands().Bind(cmd::kDelay, Close);
  Run("Delay \"1\"\r\nSetVar \"[after]\" \"1\"");
  EXPECT_EQ(Var("after"), "");
  EXPECT_EQ(Run("SetVar \"[a]\" \"1\""), 0);
  EXPECT_EQ(Var("a"), "");  // no new script starts
}

// --- Debugger -----------------------------------------------------------

struct RecordingDebugger : TEngineDebugger {
  bool Attached() const override { return true; }
  void ReportLine(int serial, std::string_view text, int code) override {
    lines.push_back(std::to_string(serial) + ":" + std::to_string(code) + ":" + std::string(text));
  }
  void ReportScriptStart(int serial, std::string_view name, int, int source) override {
    starts.push_back(std::to_string(serial) + ":" + std::string(name) + ":" + std::to_string(source));
  }
  int ReportDebugError(std::string_view, std::string_view error, std::string_view, bool, int line, int) override {
    errors.push_back(std::to_string(line) + ":" + std::string(error));
    return answer;
  }
  std::vector<std::string> lines, starts, errors;
  int answer = 2;
};

TEST_F(ActionEvaluatorTest, AttachedDebuggerSeesLinesAndDecidesOnErrors) {
  RecordingDebugger debugger;
  engine.SetDebugger(&debugger);
  Run("If \"1\" \"=\" \"2\"\r\nSetVar \"[a]\" \"1\"\r\nEndIf\r\n. note\r\nGotoLine \"Nowhere\"\r\nSetVar \"[b]\" \"1\"",
      0, 1, "Btn");
  EXPECT_EQ(debugger.starts, (std::vector<std::string>{"1:Btn:1"}));
  const std::vector<std::string> expected = {
      "1:4:",       "1:1:If \"1\" \"=\" \"2\"", "1:0:SetVar \"[a]\" \"1\"", "1:1:EndIf", "1:3:. note",
      "1:1:GotoLine \"Nowhere\"", "1:1:SetVar \"[b]\" \"1\""};
  EXPECT_EQ(debugger.lines, expected);
  // Answer 2: the script went on; the error text is in "[LastError]" but
  // was not shown.
  EXPECT_EQ(debugger.errors, (std::vector<std::string>{"5:" + std::string(Message(msg::kNoLabel))}));
  EXPECT_EQ(Var("b"), "1");
  EXPECT_EQ(LastError(), Message(msg::kNoLabel));
  EXPECT_TRUE(varHost.ShownErrors().empty());

  debugger.answer = 1;
  debugger.starts.clear();
  EXPECT_EQ(Run("DebugOff\r\nGotoLine \"Nowhere\"\r\nSetVar \"[c]\" \"1\""), ae::kNoLabel);
  EXPECT_TRUE(debugger.starts.empty());
  EXPECT_EQ(Var("c"), "");
  engine.SetDebugger(nullptr);
}

}  // namespace
}  // namespace orv::test
