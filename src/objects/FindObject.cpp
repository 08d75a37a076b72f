#include "objects/FindObject.h"

#include <algorithm>

#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {

namespace {

// What page `index` answers for the name, given the index's hits, which
// come grouped by page in page order.
TFoundObject FindOn(const TOVPageList& pages, int index, std::span<const TObjectNameIndex::Hit> hits,
                    std::string_view name) {
  const auto [from, to] = std::equal_range(hits.begin(), hits.end(), TObjectNameIndex::Hit{index, nullptr},
                                           [](const auto& a, const auto& b) { return a.PageIndex < b.PageIndex; });
  if (from == to) return {};
  TOrvalisBackground& page = pages.Page(index)->Background();
  // Only the page's own order tells which of several comes first.
  TBackgroundObject* first = to - from == 1 ? from->Object : page.FindObjectOnPage(name);
  if (auto* object = dynamic_cast<TOrvalisObj*>(first)) return {object, &page};
  return {};
}

}  // namespace

TFoundObject FindPageObject(const TOVPageList& pages, std::string_view name) {
  const std::span<const TObjectNameIndex::Hit> hits = pages.ObjectsNamed(name);
  if (hits.empty()) return {};
  const int current = pages.PageIndex();
  if (pages.IsValidIndex(current))
    if (TFoundObject found = FindOn(pages, current, hits, name); found.Object != nullptr) return found;
  int tried = -1;
  for (const TObjectNameIndex::Hit& hit : hits) {
    if (hit.PageIndex == current || hit.PageIndex == tried) continue;
    tried = hit.PageIndex;
    if (TFoundObject found = FindOn(pages, tried, hits, name); found.Object != nullptr) return found;
  }
  return {};
}

}  // namespace orv
