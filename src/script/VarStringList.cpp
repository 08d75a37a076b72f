#include "script/VarStringList.h"

namespace orv {

VarEntry* TVarStringList::Find(std::string_view name) {
  const auto it = index_.find(name);
  return it == index_.end() ? nullptr : &*it->second;
}

const VarEntry* TVarStringList::Find(std::string_view name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? nullptr : &*it->second;
}

VarEntry& TVarStringList::Append(std::string_view name, std::string_view value,
                                 std::unique_ptr<TGenericVarInfo> info) {
  VarEntry& entry = entries_.emplace_back();
  entry.Name = name;
  entry.Value = value;
  entry.Info = std::move(info);
  index_.emplace(std::string_view(entry.Name), std::prev(entries_.end()));
  return entry;
}

void TVarStringList::Erase(const VarEntry& entry) {
  const auto it = index_.find(std::string_view(entry.Name));
  if (it == index_.end() || &*it->second != &entry) return;
  const iterator node = it->second;
  index_.erase(it);
  entries_.erase(node);
}

TVarStringList::iterator TVarStringList::Erase(iterator it) {
  index_.erase(std::string_view(it->Name));
  return entries_.erase(it);
}

void TVarStringList::Clear() {
  index_.clear();
  entries_.clear();
}

}  // namespace orv
