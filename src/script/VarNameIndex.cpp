#include "script/VarNameIndex.h"

#include <utility>

namespace orv {
namespace {

constexpr std::size_t kFirstSize = 16;

}  // namespace

void TVarNameIndex::Insert(Position at) {
  if ((count_ + 1) * 2 > slots_.size()) Grow();
  const std::size_t hash = AnsiHashText(at->Name);
  std::size_t i = Home(hash);
  for (; slots_[i].used; i = (i + 1) & mask_)
    if (slots_[i].hash == hash && AnsiSameText(slots_[i].at->Name, at->Name)) return;
  slots_[i] = Slot{hash, at, true};
  ++count_;
}

void TVarNameIndex::Grow() {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots_.empty() ? kFirstSize : 2 * slots_.size()));
  mask_ = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.used) continue;
    std::size_t i = Home(slot.hash);
    while (slots_[i].used) i = (i + 1) & mask_;
    slots_[i] = slot;
  }
}

bool TVarNameIndex::Erase(std::string_view name, const VarEntry* only) {
  if (count_ == 0) return false;
  const std::size_t hash = AnsiHashText(name);
  for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
    const Slot& slot = slots_[i];
    if (!slot.used) return false;
    if (slot.hash == hash && AnsiSameText(slot.at->Name, name)) {
      if (only && &*slot.at != only) return false;
      RemoveSlot(i);
      return true;
    }
  }
}

// Every entry after the hole up to the next free slot moves into the hole
// unless its home lies cyclically after the hole and not after the entry:
// probing from its home must still reach it without crossing a free slot.
void TVarNameIndex::RemoveSlot(std::size_t hole) {
  slots_[hole].used = false;
  --count_;
  for (std::size_t j = (hole + 1) & mask_; slots_[j].used; j = (j + 1) & mask_) {
    const std::size_t home = Home(slots_[j].hash);
    const bool reachable = hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
    if (reachable) continue;
    slots_[hole] = slots_[j];
    slots_[j].used = false;
    hole = j;
  }
}

void TVarNameIndex::Clear() {
  slots_.clear();
  mask_ = 0;
  count_ = 0;
}

}  // namespace orv
