// The wildcard matcher behind Find: which match it picks (the leftmost,
// shortest there; a leading "*" starts at the search's start), checked
// against trying every span of short texts; patterns of many "*" over a long
// paragraph; positions outside the text.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <cctype>
#include <optional>
#include <random>
#include <string>

#include "richtext/RichTextDocument.h"
#include "richtext/TextFinder.h"

namespace orv::rt {
namespace {

// Whether the whole of `text` matches `pattern` ("*" any run, "?" one).
bool WholeMatch(const std::string& pattern, const std::string& text) {
  std::vector<std::vector<bool>> m(pattern.size() + 1, std::vector<bool>(text.size() + 1, false));
  m[0][0] = true;
  for (std::size_t i = 1; i <= pattern.size(); ++i) {
    m[i][0] = m[i - 1][0] && pattern[i - 1] == '*';
    for (std::size_t j = 1; j <= text.size(); ++j) {
      const char p = pattern[i - 1];
      m[i][j] = p == '*' ? (m[i - 1][j] || m[i][j - 1]) : (m[i - 1][j - 1] && (p == '?' || p == text[j - 1]));
    }
  }
  return m[pattern.size()][text.size()];
}

// Every span tried: the leftmost start, the shortest span there; with a
// leading "*" the start is `from`.
std::optional<TextRange> Expected(const std::string& pattern, const std::string& text, int from) {
  if (pattern.find_first_not_of('*') == std::string::npos) return std::nullopt;
  const int n = static_cast<int>(text.size());
  const int lastStart = pattern.front() == '*' ? from : n - 1;
  for (int s = from; s <= lastStart; ++s)
    for (int e = s + 1; e <= n; ++e)
      if (WholeMatch(pattern, text.substr(s, e - s))) return TextRange{s, e - s};
  return std::nullopt;
}

TEST(FindingWildcards, AgreeWithEverySpanTriedOnShortTexts) {
  std::mt19937 random(20);
  const std::string textLetters = "abA";
  const std::string patternLetters = "ab?**";
  for (int round = 0; round < 3000; ++round) {
    std::string text, pattern;
    for (int i = 1 + static_cast<int>(random() % 12); i > 0; --i) text += textLetters[random() % textLetters.size()];
    for (int i = 1 + static_cast<int>(random() % 6); i > 0; --i)
      pattern += patternLetters[random() % patternLetters.size()];
    const int from = static_cast<int>(random() % text.size());
    RichTextDocument doc;
    doc.LoadPlainText(text);
    // Letter case does not count.
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::optional<TextRange> want = Expected(pattern, lower, from);
    const std::optional<TextRange> got = doc.Find(pattern, from);
    SCOPED_TRACE(pattern + " in " + text + " from " + std::to_string(from));
    ASSERT_EQ(got.has_value(), want.has_value());
    if (want) {
      EXPECT_EQ(got->start, want->start);
      EXPECT_EQ(got->length, want->length);
    }
  }
}

// Each "*" could stand for any of the runs of a long paragraph: the search
// still ends, found or not.
TEST(FindingWildcards, ManyStarsOverALongParagraph) {
  std::string pattern;
  for (int i = 0; i < 40; ++i) pattern += "a*";
  const std::string run(20000, 'a');
  RichTextDocument without;
  without.LoadPlainText(run);
  EXPECT_FALSE(without.Find(pattern + "b", 0).has_value());
  RichTextDocument with;
  with.LoadPlainText(run + "b");
  const std::optional<TextRange> r = with.Find(pattern + "b", 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->start, 0);
  EXPECT_EQ(r->length, 20001);
  EXPECT_FALSE(with.Find("*?*?*?*?*?*?*?*?*?*?*c", 0).has_value());
}

TEST(FindingWildcards, PositionsOutsideTheTextAreClamped) {
  RichTextDocument doc;
  doc.LoadPlainText("one two");
  const std::optional<TextRange> before = doc.Find("one", -40);
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(before->start, 0);
  EXPECT_FALSE(doc.Find("one", 1000).has_value());
  EXPECT_FALSE(doc.Find("o", 1000).has_value());
}

TEST(FindingWildcards, AccentedLettersIgnoreCase) {
  RichTextDocument doc;
  doc.Load("{\\rtf1\\ansi Caf\\'c9 cr\\'e8me}");
  const std::optional<TextRange> r = doc.Find("caf\xe9 CR\xc8ME", 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->start, 0);
  EXPECT_EQ(r->length, 10);
}

}  // namespace
}  // namespace orv::rt
