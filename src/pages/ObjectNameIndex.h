#pragma once
// Every named page object of a page list by name, so that a script's
// lookup costs the same on the last of 500 pages as on a single page.
// Whatever changes which objects exist, where they sit or what they are
// called calls ObjectsChanged(); the next lookup then rebuilds. The index
// only narrows the search to the pages holding the name: where one page
// holds it more than once (a group's child may share a name with a page
// object), that page is searched in its current stacking order.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Ansi.h"

namespace orv {

class TBackgroundObject;
class TOVPageList;

class TObjectNameIndex {
 public:
  struct Hit {
    int PageIndex = 0;
    TBackgroundObject* Object = nullptr;
  };

  // Any index built before this call is stale.
  static void ObjectsChanged();

  // The objects named `name` (letter case aside), by page in page order;
  // empty for an empty name.
  std::span<const Hit> Find(const TOVPageList& pages, std::string_view name);

 private:
  void Rebuild(const TOVPageList& pages);
  void Add(int pageIndex, const std::vector<TBackgroundObject*>& objects);

  std::uint64_t builtAt_ = 0;
  const TOVPageList* builtFor_ = nullptr;
  std::unordered_map<std::string, std::vector<Hit>, AnsiCaseHash, AnsiCaseEqual> byName_;
};

}  // namespace orv
