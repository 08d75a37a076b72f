#include "script/VarStringList.h"

namespace orv {

VarEntry* TVarStringList::Find(std::string_view name) {
  const auto* at = index_.Find(name);
  return at ? &**at : nullptr;
}

const VarEntry* TVarStringList::Find(std::string_view name) const {
  const auto* at = index_.Find(name);
  return at ? &**at : nullptr;
}

VarEntry& TVarStringList::Append(std::string_view name, std::string_view value,
                                 std::unique_ptr<TGenericVarInfo> info) {
  VarEntry& entry = entries_.emplace_back();
  entry.Name = name;
  entry.Value = value;
  entry.Info = std::move(info);
  index_.Insert(std::prev(entries_.end()));
  return entry;
}

void TVarStringList::Erase(const VarEntry& entry) {
  const auto* at = index_.Find(entry.Name);
  if (!at || &**at != &entry) return;
  const iterator node = *at;
  index_.Erase(entry.Name, &entry);
  entries_.erase(node);
}

TVarStringList::iterator TVarStringList::Erase(iterator it) {
  index_.Erase(it->Name);
  return entries_.erase(it);
}

void TVarStringList::Clear() {
  index_.Clear();
  entries_.clear();
}

}  // namespace orv
