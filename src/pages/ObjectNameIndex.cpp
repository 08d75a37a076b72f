#include "pages/ObjectNameIndex.h"

#include "pages/BackgroundObject.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {

namespace {

// Starts above every index's initial zero, so a new index always builds.
std::uint64_t generation = 1;

}  // namespace

void TObjectNameIndex::ObjectsChanged() { ++generation; }

std::span<const TObjectNameIndex::Hit> TObjectNameIndex::Find(const TOVPageList& pages, std::string_view name) {
  if (name.empty()) return {};
  if (builtAt_ != generation || builtFor_ != &pages) Rebuild(pages);
  const auto found = byName_.find(name);
  if (found == byName_.end()) return {};
  return found->second;
}

void TObjectNameIndex::Rebuild(const TOVPageList& pages) {
  byName_.clear();
  for (int i = 0; i < pages.Count(); ++i) Add(i, pages.Page(i)->Background().Objects());
  builtAt_ = generation;
  builtFor_ = &pages;
}

void TObjectNameIndex::Add(int pageIndex, const std::vector<TBackgroundObject*>& objects) {
  for (TBackgroundObject* object : objects) {
    if (!object->ObjectName().empty()) byName_[object->ObjectName()].push_back({pageIndex, object});
    Add(pageIndex, object->ChildObjects());
  }
}

}  // namespace orv
