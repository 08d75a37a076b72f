#pragma once
// Holds the key records of all pages and objects of one publication in
// large blocks, so a document of thousands of objects does not allocate a
// list for each. A page's or an object's keys are one run of records; the run grows at the end of the
// block and moves to a fresh block when that one is full. Records handed
// out stay where they are until the store is destroyed, except that a run
// being appended to may move as a whole.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <type_traits>
#include <vector>

#include "container/DocumentValue.h"

namespace orv {

using KeyList = std::span<const KeyValue>;

class KeyValueStore {
 public:
  KeyValueStore() = default;
  KeyValueStore(const KeyValueStore&) = delete;
  KeyValueStore& operator=(const KeyValueStore&) = delete;

  // `value` added to the end of `list`, which this store handed out (or is
  // empty). Appending to the run made last is the usual case and only
  // stores the record.
  void Append(KeyList& list, const KeyValue& value) {
    if (free_ != limit_ && (list.empty() ? true : list.data() + list.size() == free_)) {
      std::construct_at(free_, value);
      list = KeyList(list.empty() ? free_ : list.data(), list.size() + 1);
      ++free_;
      return;
    }
    AppendMoving(list, value);
  }

 private:
  static_assert(std::is_trivially_copyable_v<KeyValue> && std::is_trivially_destructible_v<KeyValue>);
  // 4,096 records of 24 bytes: below the size the C library maps pages for.
  static constexpr std::size_t kBlockRecords = 4096;

  struct Free {
    void operator()(KeyValue* block) const { ::operator delete(block); }
  };

  // Starts a fresh block, copies the run there and appends.
  void AppendMoving(KeyList& list, const KeyValue& value);

  std::vector<std::unique_ptr<KeyValue, Free>> blocks_;
  KeyValue* free_ = nullptr;
  KeyValue* limit_ = nullptr;
};

}  // namespace orv
