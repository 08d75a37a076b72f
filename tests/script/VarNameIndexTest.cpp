// The variable index against a plain model of what it must hold, through
// long runs of insertions and removals that wrap around the table, collide
// and grow it.
#include "script/VarNameIndex.h"

#include <gtest/gtest.h>

#include <list>
#include <map>
#include <random>
#include <string>

namespace orv {
namespace {

std::string Upper(std::string_view name) { return AnsiUpperCase(name); }

TEST(VarNameIndex, FindsWithoutCaseAndKeepsTheFirstEntryOfAName) {
  std::list<VarEntry> entries;
  TVarNameIndex index;
  EXPECT_EQ(index.Find("x"), nullptr);
  entries.push_back(VarEntry{"Count", "1", nullptr});
  index.Insert(std::prev(entries.end()));
  entries.push_back(VarEntry{"COUNT", "2", nullptr});
  index.Insert(std::prev(entries.end()));  // already registered: stays the first
  entries.push_back(VarEntry{"\xE9t\xE9", "3", nullptr});  // accented letters fold too
  index.Insert(std::prev(entries.end()));
  ASSERT_NE(index.Find("count"), nullptr);
  EXPECT_EQ((*index.Find("count"))->Value, "1");
  ASSERT_NE(index.Find("\xC9T\xC9"), nullptr);
  EXPECT_EQ((*index.Find("\xC9T\xC9"))->Value, "3");
  EXPECT_EQ(index.Count(), 2u);
  EXPECT_FALSE(index.Erase("count", &entries.back()));  // not that entry's name
  EXPECT_TRUE(index.Erase("COUNT", &entries.front()));
  EXPECT_EQ(index.Find("Count"), nullptr);
  EXPECT_FALSE(index.Erase("Count"));
}

TEST(VarNameIndex, AgreesWithAModelThroughRandomInsertionsAndRemovals) {
  std::mt19937 rng(20261210);
  std::list<VarEntry> entries;
  TVarNameIndex index;
  std::map<std::string, TVarNameIndex::Position> model;  // upper-cased name -> entry
  auto randomName = [&rng] {
    static const char kLetters[] = "abcXYZ_1";
    std::string name;
    const int length = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < length; ++i) name.push_back(kLetters[rng() % 8]);
    return name;
  };
  for (int step = 0; step < 20000; ++step) {
    const std::string name = randomName();
    const std::string key = Upper(name);
    const unsigned what = rng() % 10;
    if (what < 5) {
      entries.push_back(VarEntry{name, std::to_string(step), nullptr});
      index.Insert(std::prev(entries.end()));
      model.emplace(key, std::prev(entries.end()));  // keeps the first as well
    } else if (what < 8) {
      const bool removed = index.Erase(name);
      EXPECT_EQ(removed, model.erase(key) == 1) << name;
    } else if (what == 8 && step % 997 == 0) {
      index.Clear();
      model.clear();
    }
    const auto* found = index.Find(name);
    const auto expected = model.find(key);
    ASSERT_EQ(found != nullptr, expected != model.end()) << name << " at step " << step;
    if (found) {
      EXPECT_EQ(&**found, &*expected->second) << name;
    }
  }
  EXPECT_EQ(index.Count(), model.size());
  for (const auto& [key, at] : model) {
    const auto* found = index.Find(key);
    ASSERT_NE(found, nullptr) << key;
    EXPECT_EQ(&**found, &*at) << key;
  }
}

}  // namespace
}  // namespace orv
