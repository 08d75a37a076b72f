// What a value of a list's variable selects: numbers or texts, one item or
// several, and the values that leave the selection as it stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "objects/input/ListObjects.h"
#include "objects/input/ListValueSelection.h"

namespace orv {
namespace {

// Items from "A,B,C"; flags from "-x-" (x selected).
std::vector<std::string> ItemsOf(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return items;
}

std::vector<char> FlagsOf(const std::string& marks) {
  std::vector<char> flags;
  for (const char c : marks) flags.push_back(c == 'x' ? 1 : 0);
  return flags;
}

std::string MarksOf(const std::vector<char>& flags) {
  std::string marks;
  for (const char f : flags) marks += f != 0 ? 'x' : '-';
  return marks;
}

TEST(ListValueSelection, AValueSelectsItsItemsOrLeavesTheSelection) {
  struct Case {
    int type;
    bool multiple;
    const char* items;
    const char* before;
    const char* value;
    const char* after;  // "same": left as it is
  } cases[] = {
      // One item by number: truncated, blanks allowed; anything outside the
      // items or no number at all selects none.
      {vtIndex, false, "A,B,C", "---", "2", "-x-"},
      {vtIndex, false, "A,B,C", "---", " 3 ", "--x"},
      {vtIndex, false, "A,B,C", "---", "2.9", "-x-"},
      {vtIndex, false, "A,B,C", "-x-", "0", "---"},
      {vtIndex, false, "A,B,C", "-x-", "99", "---"},
      {vtIndex, false, "A,B,C", "-x-", "-5", "---"},
      {vtIndex, false, "A,B,C", "-x-", "two", "---"},
      {vtIndex, false, "A,B,C", "-x-", "", "---"},
      {vtIndex, false, "A,B,C", "-x-", "99999999999999999999999", "---"},
      {vtIndex, false, "A,B,C", "-x-", "2", "same"},
      {vtIndex, false, "A,B,C", "---", "x", "same"},
      // One item by text, ignoring case; the selected one wins over an
      // earlier equal one.
      {vtText, false, "A,B,C", "---", "b", "-x-"},
      {vtText, false, "A,B,C", "-x-", "D", "---"},
      {vtText, false, "A,B,a", "--x", "A", "same"},
      {vtText, false, "A,B,a", "---", "a", "x--"},
      {vtText, false, "A,,C", "x--", "", "-x-"},
      {vtText, false, "A,B,C", "---", "", "same"},
      // Several: CR LF, CR and "|" separate; parts naming nothing are
      // passed over; a value equal to the selection leaves it.
      {vtText, true, "A,B,C", "---", "C|A", "x-x"},
      {vtText, true, "A,B,C", "-x-", "A\r\nC", "x-x"},
      {vtText, true, "A,B,C", "---", "a\rc", "x-x"},
      {vtText, true, "A,B,C", "---", "A\nC", "---"},
      {vtText, true, "A,B,C", "---", "x|b|y", "-x-"},
      {vtText, true, "A,B,C", "x-x", "a|c", "same"},
      {vtText, true, "A,B,C", "x-x", "A\r\nc", "same"},
      {vtText, true, "A,B,C", "x-x", "C|A", "x-x"},
      {vtText, true, "A,B,C", "x-x", "", "---"},
      {vtText, true, "A,B,C", "---", "", "same"},
      {vtIndex, true, "A,B,C", "---", "1|3", "x-x"},
      {vtIndex, true, "A,B,C", "---", "3\r9\rx\r0", "--x"},
      {vtIndex, true, "A,B,C", "xx-", "1\r\n2", "same"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> items = ItemsOf(c.items);
    const std::vector<char> before = FlagsOf(c.before);
    const TListSelectionRequest request{items, before, c.type, c.multiple, '.'};
    const auto after = SelectionForValue(request, c.value);
    const std::string got = after ? MarksOf(*after) : "same";
    EXPECT_EQ(got, c.after) << (c.multiple ? "multiple " : "single ") << (c.type == vtIndex ? "index" : "text")
                            << " [" << c.items << "] " << c.before << " <- \"" << c.value << '"';
  }
}

TEST(ListValueSelection, TheSelectionJoinsTextsOrNumbersInListOrder) {
  const std::vector<std::string> items = ItemsOf("A,B,C");
  EXPECT_EQ(JoinedSelection(items, FlagsOf("x-x"), vtText, '\r'), "A\rC");
  EXPECT_EQ(JoinedSelection(items, FlagsOf("-xx"), vtIndex, '|'), "2|3");
  EXPECT_EQ(JoinedSelection(items, FlagsOf("---"), vtText, '\r'), "");
}

}  // namespace
}  // namespace orv
