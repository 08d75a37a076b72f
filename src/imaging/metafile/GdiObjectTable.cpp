#include "imaging/metafile/GdiObjectTable.h"

#include <algorithm>

namespace orv {

TGdiObjectTable::TGdiObjectTable(int size) : slots_(static_cast<std::size_t>(std::clamp(size, 0, kLargestSize))) {}

int TGdiObjectTable::Add(TGdiObject object) {
  int index;
  if (!freed_.empty()) {
    index = *freed_.begin();
    freed_.erase(freed_.begin());
  } else if (used_ < Size()) {
    index = used_++;
  } else {
    return -1;
  }
  slots_[index] = std::make_unique<TGdiObject>(std::move(object));
  return index;
}

bool TGdiObjectTable::Put(qint64 index, TGdiObject object) {
  if (!Holds(index)) return false;
  const int slot = static_cast<int>(index);
  slots_[slot] = std::make_unique<TGdiObject>(std::move(object));
  freed_.erase(slot);
  // Slots skipped over below a named one count as freed, so Add still finds
  // the lowest empty slot when both ways are mixed.
  for (; used_ < slot; ++used_) freed_.insert(used_);
  if (used_ == slot) ++used_;
  return true;
}

const TGdiObject* TGdiObjectTable::Get(qint64 index) const {
  return Holds(index) ? slots_[static_cast<std::size_t>(index)].get() : nullptr;
}

void TGdiObjectTable::Remove(qint64 index) {
  if (!Holds(index) || slots_[static_cast<std::size_t>(index)] == nullptr) return;
  slots_[static_cast<std::size_t>(index)].reset();
  freed_.insert(static_cast<int>(index));
}

}  // namespace orv
