#include "container/KeyValueStore.h"

#include <algorithm>
#include <memory>

namespace orv {

void KeyValueStore::AppendMoving(KeyList& list, const KeyValue& value) {
  // A run longer than a block gets a block of its own, twice its size.
  const std::size_t records = std::max(kBlockRecords, 2 * (list.size() + 1));
  auto* block = static_cast<KeyValue*>(::operator new(records * sizeof(KeyValue)));
  blocks_.emplace_back(block);
  // The records left behind stay unused; copying constructs the new ones.
  KeyValue* out = std::uninitialized_copy(list.begin(), list.end(), block);
  std::construct_at(out, value);
  list = KeyList(block, list.size() + 1);
  free_ = out + 1;
  limit_ = block + records;
}

}  // namespace orv
