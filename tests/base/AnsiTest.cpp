#include "base/Ansi.h"

#include <gtest/gtest.h>

#include <unordered_map>

namespace orv {
namespace {

TEST(AnsiCase, FoldsWindows1252Letters) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"\xC8", "\xE8", true},          // È è
      {"\x8A", "\x9A", true},          // Š š
      {"\x8C", "\x9C", true},          // Œ œ
      {"\x9F", "\xFF", true},          // Ÿ ÿ
      {"\xD7", "\xF7", false},         // × ÷ are not letters
      {"\xDF", "\xDF", true},          // ß has no capital here
      {"Intro", "iNTRO", true},
      {"Page", "Pages", false},
      {"a\0b", "A\0B", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiSameText(c.a, c.b), c.same) << c.a << " vs " << c.b;
    if (c.same) {
      EXPECT_EQ(AnsiHashText(c.a), AnsiHashText(c.b));
    }
  }
  EXPECT_EQ(AnsiUpperCase("\xE0\xFE\xF7\xFFz"), "\xC0\xDE\xF7\x9FZ");
  EXPECT_EQ(AnsiLowerCase("\xC0\xDE\xD7\x9FZ"), "\xE0\xFE\xD7\xFFz");
}

TEST(AnsiCase, OrdersByUpperCasedBytes) {
  EXPECT_LT(AnsiCompareText("apple", "BANANA"), 0);
  EXPECT_GT(AnsiCompareText("b", "A"), 0);
  EXPECT_LT(AnsiCompareText("ab", "ABC"), 0);
  EXPECT_EQ(AnsiCompareText("\xE8t\xE9", "\xC8T\xC9"), 0);
  // '_' (0x5F) sorts after upper-case letters once both are folded up.
  EXPECT_LT(AnsiCompareText("a", "_"), 0);
}

TEST(AnsiCase, FindsWithoutCase) {
  EXPECT_EQ(AnsiFindText("Show Hide", "hide"), 5u);
  EXPECT_EQ(AnsiFindText("abc", "x"), std::string_view::npos);
  EXPECT_EQ(AnsiFindText("aAa", "A", 1), 1u);
  EXPECT_TRUE(AnsiStartsWithText("embedded:\\\\\\x", "EMBEDDED:"));
}

TEST(AnsiCase, ServesAsHashMapKey) {
  std::unordered_map<std::string, int, AnsiCaseHash, AnsiCaseEqual> m;
  m["[Score]"] = 1;
  m["[SCORE]"] = 2;
  EXPECT_EQ(m.size(), 1u);
  EXPECT_EQ(m.find(std::string_view("[score]"))->second, 2);
}

TEST(AnsiCodePage, ConvertsEveryByteBothWays) {
  for (int b = 1; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(one)), one) << "byte " << b;
  }
  std::string nul(1, '\0');
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(nul)), nul);
}

TEST(AnsiCodePage, MapsTheWindowsRangeNotLatin1) {
  struct Case {
    const char* ansi;
    const char* utf8;
  } cases[] = {
      {"\x80", "\u20AC"}, {"\x85", "\u2026"}, {"\x99", "\u2122"}, {"\x9F", "\u0178"},
      {"\xB6", "\u00B6"}, {"\xE8", "\u00E8"}, {"a\x93q\x94", "a\u201Cq\u201D"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8);
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi);
  }
}

TEST(AnsiCodePage, ReplacesWhatItCannotHold) {
  EXPECT_EQ(Utf8ToAnsi("\u4E2D!"), "?!");          // CJK
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80x"), "?x");  // emoji
  EXPECT_EQ(Utf8ToAnsi("\xC3"), "?");                // cut sequence
  EXPECT_EQ(Utf8ToAnsi("\xFFz"), "?z");              // not UTF-8 at all
}

}  // namespace
}  // namespace orv
