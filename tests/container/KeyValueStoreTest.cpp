#include "container/KeyValueStore.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "container/DocumentKeys.h"

namespace orv {
namespace {

// A record whose value is the number's digits, kept by the test.
KeyValue Numbered(std::int32_t number) {
  static std::deque<std::string> texts;
  texts.push_back(std::to_string(number));
  KeyValue value;
  value.key = FindDocumentKey("X=");
  value.SetRaw(texts.back());
  return value;
}

std::vector<std::int32_t> NumbersOf(KeyList list) {
  std::vector<std::int32_t> out;
  for (const KeyValue& value : list) out.push_back(value.Number());
  return out;
}

// Runs appended in turn, the way group children interleave with nothing but
// fresh objects, and one run taken up again after another grew: each keeps
// its own records in order, also when it has to move.
TEST(KeyValueStoreTest, RunsKeepTheirRecordsWhenOthersGrow) {
  KeyValueStore store;
  KeyList first, second, third;
  store.Append(first, Numbered(1));
  store.Append(first, Numbered(2));
  store.Append(second, Numbered(10));
  const KeyValue* secondRecords = second.data();
  store.Append(first, Numbered(3));  // no longer at the end: moves
  store.Append(third, Numbered(20));
  EXPECT_EQ(NumbersOf(first), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(NumbersOf(second), (std::vector<std::int32_t>{10}));
  EXPECT_EQ(second.data(), secondRecords);
  EXPECT_EQ(NumbersOf(third), (std::vector<std::int32_t>{20}));
}

// Far more records than one block holds, in one run and across many.
TEST(KeyValueStoreTest, RunsLongerThanABlockStayWhole) {
  KeyValueStore store;
  KeyList longRun;
  std::vector<KeyList> shortRuns(3000);
  std::vector<std::int32_t> expected;
  for (std::int32_t i = 0; i < 5000; ++i) {
    store.Append(longRun, Numbered(i));
    expected.push_back(i);
  }
  for (std::size_t r = 0; r < shortRuns.size(); ++r)
    for (std::int32_t k = 0; k < 3; ++k) store.Append(shortRuns[r], Numbered(static_cast<std::int32_t>(r) * 3 + k));
  EXPECT_EQ(NumbersOf(longRun), expected);
  for (std::size_t r = 0; r < shortRuns.size(); ++r) {
    const auto base = static_cast<std::int32_t>(r) * 3;
    ASSERT_EQ(NumbersOf(shortRuns[r]), (std::vector<std::int32_t>{base, base + 1, base + 2})) << r;
  }
}

}  // namespace
}  // namespace orv
