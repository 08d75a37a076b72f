#pragma once
// Finds the entries of a variable store by name without regard to case.
// Every variable lookup of every script comes through here, so it is an
// open-addressed table of (hash, entry) kept at most half full and probed
// linearly: a lookup is one hash of the name and, nearly always, one slot.
// A removal shifts the entries behind it back, so no markers of removed
// entries pile up.
#include <cstddef>
#include <limits>
#include <list>
#include <string_view>
#include <vector>

#include "base/Ansi.h"
#include "script/VarEntry.h"

namespace orv {

class TVarNameIndex {
 public:
  using Position = std::list<VarEntry>::iterator;

  // The entry registered under `name` (any case), or nullptr.
  const Position* Find(std::string_view name) const {
    if (count_ == 0) return nullptr;
    const std::size_t hash = AnsiHashText(name);
    for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (!slot.used) return nullptr;
      if (slot.hash == hash && AnsiSameText(slot.at->Name, name)) return &slot.at;
    }
  }
  // Registers the entry at `at` under its own name; a name already
  // registered keeps its entry.
  void Insert(Position at);
  // Removes the registration of `name`; with `only`, just when it is that
  // entry's. True when one was removed.
  bool Erase(std::string_view name, const VarEntry* only = nullptr);
  void Clear();
  std::size_t Count() const { return count_; }

 private:
  struct Slot {
    std::size_t hash = 0;
    Position at{};
    bool used = false;
  };

  // The low bits of the hash pick the slot; the high bits are folded in so
  // that names differing only in their first letters spread as well.
  std::size_t Home(std::size_t hash) const {
    return (hash ^ (hash >> (std::numeric_limits<std::size_t>::digits / 2))) & mask_;
  }
  void Grow();
  void RemoveSlot(std::size_t hole);

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
};

}  // namespace orv
