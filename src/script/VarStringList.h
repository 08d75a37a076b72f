#pragma once
// A variable store: Name=Value entries in insertion order, found by name
// without regard to case through a hash index. Assignments keep an entry's
// place; new variables are appended.
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>

#include "script/VarEntry.h"
#include "script/VarNameIndex.h"

namespace orv {

class TVarStringList {
 public:
  using iterator = std::list<VarEntry>::iterator;
  using const_iterator = std::list<VarEntry>::const_iterator;

  TVarStringList() = default;
  TVarStringList(const TVarStringList&) = delete;
  TVarStringList& operator=(const TVarStringList&) = delete;

  VarEntry* Find(std::string_view name);
  const VarEntry* Find(std::string_view name) const;
  // Appends a new entry; the name must not be present yet.
  VarEntry& Append(std::string_view name, std::string_view value,
                   std::unique_ptr<TGenericVarInfo> info = nullptr);
  // Removes the entry (found by its own name) and its info.
  void Erase(const VarEntry& entry);
  iterator Erase(iterator it);
  void Clear();

  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  iterator begin() { return entries_.begin(); }
  iterator end() { return entries_.end(); }
  const_iterator begin() const { return entries_.begin(); }
  const_iterator end() const { return entries_.end(); }

  // Set by the last typed assignment whose value failed to convert.
  bool ConversionFailed = false;

 private:
  std::list<VarEntry> entries_;
  // Slots refer to the entries' own names: list nodes never move.
  TVarNameIndex index_;
};

}  // namespace orv
