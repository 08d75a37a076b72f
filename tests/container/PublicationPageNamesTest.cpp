#include "container/PublicationPageNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

// The names the pages get, in the order claimed, joined with "|".
std::string Claimed(const std::vector<std::string>& wanted) {
  PublicationPageNames names;
  std::string out;
  for (const std::string& name : wanted) {
    if (!out.empty()) out += '|';
    out += names.Claim(name);
  }
  return out;
}

TEST(PublicationPageNamesTest, GivesEachPageAFreeName) {
  const struct {
    const char* what;
    std::vector<std::string> wanted;
    std::string given;
  } cases[] = {
      {"free names kept", {"Intro", "Page 2", "intro page"}, "Intro|Page 2|intro page"},
      {"repeats numbered from 1", {"Intro", "Intro", "Intro"}, "Intro|Intro1|Intro2"},
      {"taken in another case", {"Intro", "INTRO", "intro1"}, "Intro|INTRO1|intro2"},
      {"Windows-1252 letters fold too", {"\xE9t\xE9", "\xC9T\xC9"}, "\xE9t\xE9|\xC9T\xC9" "1"},
      {"trailing digits dropped from the stem", {"Page 2", "Page 2", "Page 2"}, "Page 2|Page1|Page2"},
      {"a blank inside the stem keeps one before the number",
       {"My Page 2", "My Page 2", "My Page 2"}, "My Page 2|My Page 1|My Page 3"},
      {"trailing blanks and digits mixed", {"Page 1 2", "Page 1 2", "A B  ", "A B  "},
       "Page 1 2|Page1|A B  |A B 1"},
      {"digits inside the stem stay", {"Room 1 B", "Room 1 B", "A1B", "A1B"},
       "Room 1 B|Room 1 B 1|A1B|A1B1"},
      {"leading zeros are digits like any", {"P007", "P007", "P1"}, "P007|P1|P2"},
      {"a later page wants a generated name", {"A", "A", "A1", "A"}, "A|A1|A2|A3"},
      {"a later page takes a number ahead", {"B", "B", "B3", "B", "B", "B"}, "B|B1|B3|B2|B4|B5"},
      {"a number taken before its stem", {"Z1", "Z", "Z", "Z"}, "Z1|Z|Z2|Z3"},
      {"generated in one case, wanted in another", {"a", "A", "A1", "a"}, "a|A1|A2|a3"},
      {"stems counted apart", {"X", "Y", "X", "Y", "X1", "Y"}, "X|Y|X1|Y1|X2|Y2"},
      {"a number far ahead is passed only when reached", {"Q", "Q10", "Q", "Q"}, "Q|Q10|Q1|Q2"},
      {"the master page holds the empty name", {"", "", "1"}, "1|2|3"},
      {"a blank name", {" ", " ", "  "}, " |1|  "},
      {"digits only", {"7", "7", "1", "1"}, "7|1|2|3"},
  };
  for (const auto& c : cases) EXPECT_EQ(Claimed(c.wanted), c.given) << c.what;
}

// However many pages share a stem, each new one is named with a few
// look-ups, so a document of many repeated names reads in linear time.
TEST(PublicationPageNamesTest, RepeatedNamesTakeAFewLookupsEach) {
  PublicationPageNames names;
  const std::size_t rounds = 1000;
  std::size_t claims = 0;
  std::string last;
  for (std::size_t i = 0; i < rounds; ++i) {
    for (const char* wanted : {"P", "P 3", "p", "Q"}) {
      last = names.Claim(wanted);
      ++claims;
    }
  }
  EXPECT_LE(names.Lookups(), 3 * claims);
  EXPECT_EQ(last, "Q" + std::to_string(rounds - 1));
  // "P", "P 3" and "p" share the stem "P"; only the first two claims keep
  // their names.
  EXPECT_EQ(names.Claim("P"), "P" + std::to_string(3 * rounds - 1));
}

}  // namespace
}  // namespace orv
