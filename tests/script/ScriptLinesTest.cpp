#include "script/ScriptLines.h"

#include <gtest/gtest.h>

#include "base/Ansi.h"

namespace orv {
namespace {

TEST(ScriptLines, LinesEndAtCrLfCrOrLf) {
  const auto lines = SplitScriptLines("a\r\nb\rc\nd\r\n");
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitScriptLines("x\n\ny"), (std::vector<std::string_view>{"x", "", "y"}));
  EXPECT_TRUE(SplitScriptLines("").empty());
}

TEST(ScriptLines, CommandWordAndKind) {
  struct Case {
    const char* line;
    const char* word;
    LineKind kind;
  } cases[] = {
      {"  SetVar\"[a]\" \"5\"", "SetVar", LineKind::lkCommand},  // quote comes before the space
      {"GotoPage\"Intro\"", "GotoPage\"Intro\"", LineKind::lkCommand},  // no space: whole line
      {"Return // done", "Return // done", LineKind::lkCommand},       // no quote: whole line
      {"  endif  ", "endif", LineKind::lkEndIf},
      {"EndIf", "EndIf", LineKind::lkEndIf},
      {"End If", "End If", LineKind::lkCommand},
      {"Else", "Else", LineKind::lkElse},
      {"ENDWHILE", "ENDWHILE", LineKind::lkEndWhile},
      {"endloop", "endloop", LineKind::lkEndLoop},
      {"DebugOff", "DebugOff", LineKind::lkDebugOff},
      {"debugon", "debugon", LineKind::lkDebugOn},
      {".comment \"x\"", ".comment", LineKind::lkComment},
      {":Again", ":Again", LineKind::lkLabel},
      {"   ", "", LineKind::lkEmpty},
      {"\"x\" y", "", LineKind::lkEmpty},
      {"\tAlertBox \"a\" \"b\"", "AlertBox", LineKind::lkCommand},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandWord(c.line), c.word) << c.line;
    EXPECT_EQ(ClassifyCommandWord(AnsiUpperCase(CommandWord(c.line))), c.kind) << c.line;
  }
}

TEST(ScriptLines, ParametersPairQuotesFromTheLeft) {
  struct Case {
    const char* line;
    bool ok;
    std::vector<std::string_view> params;
  } cases[] = {
      {R"(AlertBox "Say ""hi""" "x")", true, {"Say ", "hi", "", "x"}},
      {R"(MoveObjectAlongPath "Picture11" "543,441,839,628" "10" "Normal+Center" "")", true,
       {"Picture11", "543,441,839,628", "10", "Normal+Center", ""}},
      {R"(SetVar "[A]" "5)", false, {"[A]"}},
      {R"(Call "Lib.txt" "1" "2" "3" "4" "5" "6" "7" "8" "9" "10")", true,
       {"Lib.txt", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {R"(Call "a" "b" "c" "d" "e" "f" "g" "h" "i" "j" "unclosed)", true,
       {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
      {"GotoNextPage", true, {}},
      {R"(x junk "a" more "b")", true, {"a", "b"}},
  };
  for (const Case& c : cases) {
    const SplitParams split = SplitParameters(c.line);
    EXPECT_EQ(split.Ok, c.ok) << c.line;
    ASSERT_EQ(split.Count, static_cast<int>(c.params.size())) << c.line;
    for (std::size_t i = 0; i < c.params.size(); ++i) EXPECT_EQ(split.Params[i], c.params[i]) << c.line;
  }
}

TEST(ScriptLines, PlainNumbers) {
  struct Case {
    const char* text;
    char symbol;
    bool plain;
  } cases[] = {
      {"1.2.3", '.', true}, {"007", '.', true},    {"-5", '.', true},  {" 4", '.', true},
      {"2008-01-01", '.', false}, {"1+1", '.', false}, {"", '.', false}, {"3,5", ',', true},
      {"3,5", '.', false},  {"a", '.', false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPlainNumber(c.text, c.symbol), c.plain) << c.text;
}

}  // namespace
}  // namespace orv
