#pragma once
// The object table of a metafile: a fixed number of slots, announced in the
// file's header, that create records fill, select records read and delete
// records empty. A WMF fills the lowest empty slot; an EMF names the slot.
#include <memory>
#include <set>
#include <vector>

#include "imaging/metafile/GdiObjects.h"

namespace orv {

class TGdiObjectTable {
 public:
  // More slots than any real picture needs; larger counts are cut to it.
  static constexpr int kLargestSize = 65535;

  explicit TGdiObjectTable(int size);

  int Size() const { return static_cast<int>(slots_.size()); }
  bool Holds(qint64 index) const { return index >= 0 && index < Size(); }

  // Puts the object in the lowest empty slot; -1 when the table is full.
  int Add(TGdiObject object);
  // Puts the object in slot `index`, replacing what was there; false when
  // the slot is outside the table.
  bool Put(qint64 index, TGdiObject object);
  // The object in slot `index`; null when the slot is empty or outside.
  const TGdiObject* Get(qint64 index) const;
  void Remove(qint64 index);

 private:
  std::vector<std::unique_ptr<TGdiObject>> slots_;
  // Empty slots below `used_`; every slot from `used_` on is empty.
  std::set<int> freed_;
  int used_ = 0;
};

}  // namespace orv
