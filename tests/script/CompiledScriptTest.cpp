#include "script/CompiledScript.h"

#include <gtest/gtest.h>

#include "script/CommandIds.h"

namespace orv {
namespace {

class CompiledScriptTest : public ::testing::Test {
 protected:
  CompiledScriptTest() { registry.RegisterBuiltInCommands(); }
  TActionRegistry registry;
};

TEST_F(CompiledScriptTest, ClassifiesEachLineOnce) {
  const TCompiledScript s(
      "  SetVar \"[n]\" \"[a]+1\"\r\n"
      ".note\r\n"
      ":Start\r\n"
      "AlertBox \"a\" \"b\" \"c\"\n"
      "Misspelled \"x\"\r"
      "SetVar \"[A]\" \"5\n"
      "Else",
      registry);
  ASSERT_EQ(s.LineCount(), 7);
  const ScriptLineRec& set = s.Line(1);
  EXPECT_EQ(set.Kind, LineKind::lkCommand);
  EXPECT_EQ(set.Text, "SetVar \"[n]\" \"[a]+1\"");
  EXPECT_EQ(set.CommandWordUpper, "SETVAR");
  ASSERT_NE(set.Action, nullptr);
  EXPECT_EQ(set.Action->Id, cmd::kSetVar);
  EXPECT_EQ(set.ParamCount, 2);
  EXPECT_EQ(set.Params[1], "[a]+1");
  EXPECT_TRUE(set.HasReference(1) && set.HasReference(2));
  EXPECT_TRUE(set.CountOk && set.QuotesOk);
  EXPECT_EQ(s.Line(2).Kind, LineKind::lkComment);
  EXPECT_EQ(s.Line(3).Kind, LineKind::lkLabel);
  EXPECT_FALSE(s.Line(4).CountOk);  // three parameters for AlertBox
  EXPECT_EQ(s.Line(5).Action, nullptr);
  EXPECT_FALSE(s.Line(6).QuotesOk);
  EXPECT_EQ(s.Line(7).Kind, LineKind::lkElse);
  EXPECT_EQ(s.CurrentLine(8), "");
  EXPECT_EQ(s.CurrentLine(0), "");
}

TEST_F(CompiledScriptTest, MarksPlainNumberParameters) {
  const TCompiledScript s("SetVar \"[v]\" \"1.2.3\"\nSetVar \"[d]\" \"2008-01-01\"", registry);
  EXPECT_TRUE(s.Line(1).IsPlainNumberWithDot(2));
  EXPECT_FALSE(s.Line(1).IsPlainNumberWithDot(1));
  EXPECT_FALSE(s.Line(2).IsPlainNumberWithDot(2));
}

TEST_F(CompiledScriptTest, LabelsAreFoundTrimmedAndWithoutCase) {
  const TCompiledScript s("GotoLine \"again\"\n  :Again  \n:Other\n:again", registry);
  EXPECT_EQ(s.FindLabel("again"), 2);
  EXPECT_EQ(s.FindLabel(" :AGAIN "), 2);
  EXPECT_EQ(s.FindLabel("other"), 3);
  EXPECT_EQ(s.FindLabel("missing"), 0);
}

TEST_F(CompiledScriptTest, ClosersKnowTheirOpeners) {
  const TCompiledScript s(
      "While \"1\" \"=\" \"1\"\n"   // 1
      "  Loop \"1\" \"3\" \"[i]\"\n" // 2
      "    WhileEx \"x\"\n"          // 3
      "    ExitWhile\n"              // 4
      "    EndWhile\n"               // 5
      "    ExitLoop\n"               // 6
      "  EndLoop\n"                  // 7
      "  ExitWhile\n"                // 8
      "EndWhile\n"                   // 9
      "EndLoop\n"                    // 10
      "EndWhile\n",                  // 11
      registry);
  EXPECT_EQ(s.Line(4).WhileOpener, 3);
  EXPECT_EQ(s.Line(5).WhileOpener, 3);
  EXPECT_EQ(s.Line(6).LoopOpener, 2);
  EXPECT_EQ(s.Line(7).LoopOpener, 2);
  EXPECT_EQ(s.Line(8).WhileOpener, 1);
  EXPECT_EQ(s.Line(9).WhileOpener, 1);
  EXPECT_EQ(s.Line(10).LoopOpener, 0);
  EXPECT_EQ(s.Line(11).WhileOpener, 0);
  // An unmatched closer absorbs the opener before it, as a backward search does.
  const TCompiledScript t("Loop \"1\" \"2\" \"[i]\"\nEndLoop\nEndLoop\nExitLoop", registry);
  EXPECT_EQ(t.Line(4).LoopOpener, 0);
}

TEST_F(CompiledScriptTest, CacheParsesOnceAndForgetsAfterRegistryChanges) {
  TScriptCache cache(registry);
  const std::string text = "Shout \"x\"";
  const auto first = cache.Get(text);
  EXPECT_EQ(cache.Get(text), first);
  EXPECT_EQ(first->Line(1).Action, nullptr);
  ActionGroupRec* plugin = registry.NewActionGroup("P", "p.so", nullptr, agkPlugIn);
  const std::uint8_t t[] = {1};
  registry.AddAction(plugin, 7, "Shout", t, 1, 1);
  const auto second = cache.Get(text);
  EXPECT_NE(second, first);
  ASSERT_NE(second->Line(1).Action, nullptr);
  EXPECT_EQ(second->Line(1).Group, plugin);
}

TEST_F(CompiledScriptTest, CacheStaysBounded) {
  TScriptCache cache(registry, 4);
  for (int i = 0; i < 10; ++i) cache.Get("SetVar \"[x]\" \"" + std::to_string(i) + "\"");
  EXPECT_LE(cache.Size(), 4u);
}

}  // namespace
}  // namespace orv
