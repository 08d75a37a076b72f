// The string commands run as scripts.
#include "commands/files/CommandScriptFixture.h"
#include "commands/strings/StringEditing.h"

namespace orv::test {
namespace {

struct StringCase {
  const char* line;
  const char* expected;  // the value of [R]
};

class StringCommandTest : public CommandScriptTest, public ::testing::WithParamInterface<StringCase> {};

TEST_P(StringCommandTest, GivesTheExpectedText) {
  vars.SetVar("R", "unset");
  EXPECT_EQ(Run(GetParam().line), 0);
  EXPECT_EQ(Var("R"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringCommandTest,
    ::testing::Values(StringCase{R"(StrIns "XY" "abcd" "3" "[R]")", "abXYcd"},
                      StringCase{R"(StrIns "XY" "abcd" "-4" "[R]")", "XYabcd"},
                      StringCase{R"(StrIns "XY" "abcd" "99" "[R]")", "abcdXY"},
                      StringCase{R"(StrIns "XY" "abcd" "2.9" "[R]")", "aXYbcd"},
                      StringCase{R"(StrDel "abcdef" "2" "3" "[R]")", "aef"},
                      StringCase{R"(StrDel "abcdef" "5" "99" "[R]")", "abcd"},
                      StringCase{R"(StrDel "abcdef" "0" "2" "[R]")", "abcdef"},
                      StringCase{R"(StrDel "abcdef" "7" "2" "[R]")", "abcdef"},
                      StringCase{"StrLen \"ab\xE8 d\" \"[R]\"", "5"},
                      StringCase{R"(StrLen "" "[R]")", "0"},
                      StringCase{R"(SubStr "abcdef" "2" "3" "[R]")", "bcd"},
                      StringCase{R"(SubStr "abcdef" "-1" "2" "[R]")", "ab"},
                      StringCase{R"(SubStr "abcdef" "5" "9" "[R]")", "ef"},
                      StringCase{R"(SubStr "abcdef" "2" "0" "[R]")", ""},
                      StringCase{R"(SubStr "abcdef" "9" "2" "[R]")", ""},
                      StringCase{R"(SearchStr "CD" "abcdcd" "[R]")", "3"},
                      StringCase{R"(SearchStr "CD" "abcdcd" "[R]" "CaseSensitive")", "0"},
                      StringCase{R"(SearchStr "!cd" "abcdcd" "[R]")", "0"},
                      StringCase{R"(SearchStr "!CD" "abCDcd" "[R]")", "3"},
                      StringCase{"SearchStr \"\xE8\" \"perch\xC8\" \"[R]\"", "6"},
                      StringCase{R"(SearchStr "x" "abc" "[R]")", "0"},
                      StringCase{R"(SearchStr "" "abc" "[R]")", "0"},
                      StringCase{"StrUpper \"ab\xE8\xFF z\" \"[R]\"", "AB\xC8\x9F Z"},
                      StringCase{"StrLower \"AB\xC8 Z\" \"[R]\"", "ab\xE8 z"},
                      StringCase{R"(StrReplace "aXbxc" "x" "--" "[R]")", "a--b--c"},
                      StringCase{R"(StrReplace "aXbxc" "x" "--" "[R]" "CaseSensitive")", "aXb--c"},
                      StringCase{R"(StrReplace "aXbxc" "!x" "--" "[R]")", "aXb--c"},
                      StringCase{R"(StrReplace "aaa" "a" "aa" "[R]")", "aaaaaa"},
                      StringCase{R"(StrReplace "abc" "" "z" "[R]")", "abc"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(CommandScriptTest, StrParseStoresPiecesAndCount) {
  const struct {
    const char* line;
    const char* pieces;  // Item1..ItemN joined by ","
    const char* count;
  } cases[] = {
      {R"(StrParse "a||b|" "|" "[Item]" "[N]")", "a,,b", "3"},
      {R"(StrParse "a<>b" "<>" "[Item]" "[N]")", "a,b", "2"},
      {R"(StrParse "aXbxc" "x" "[Item]" "[N]")", "aXb,c", "2"},
      {R"(StrParse "" "|" "[Item]" "[N]")", "", "0"},
      {R"(StrParse "whole" "" "[Item]" "[N]")", "whole", "1"},
  };
  for (const auto& c : cases) {
    vars.ClearAllVariables();
    Run(c.line);
    std::string pieces;
    const int n = std::stoi(Var("N"));
    for (int k = 1; k <= n; ++k) pieces += (k > 1 ? "," : "") + Var("Item" + std::to_string(k));
    EXPECT_EQ(Var("N"), c.count) << c.line;
    EXPECT_EQ(pieces, c.pieces) << c.line;
  }
}

TEST(StringEditingTest, EmptySearchTextsEndAtOnce) {
  EXPECT_EQ(SearchText("", "abc", true), 0);
  EXPECT_EQ(ReplaceText("abc", "", "x", true), "abc");
  EXPECT_EQ(ReplaceText("abc", "", "x", false), "abc");
  EXPECT_EQ(ParseText("a|b", ""), std::vector<std::string>{"a|b"});
  EXPECT_TRUE(ParseText("", "").empty());
}

}  // namespace
}  // namespace orv::test
