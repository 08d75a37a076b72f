#include "objects/FindObject.h"

#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {

namespace {

TFoundObject FindOn(TOrvalisBackground& page, std::string_view name) {
  if (auto* object = dynamic_cast<TOrvalisObj*>(page.FindObjectOnPage(name))) return {object, &page};
  return {};
}

}  // namespace

TFoundObject FindPageObject(const TOVPageList& pages, std::string_view name) {
  if (name.empty()) return {};
  const int current = pages.PageIndex();
  if (const TOVPage* page = pages.Page(current))
    if (TFoundObject found = FindOn(page->Background(), name); found.Object != nullptr) return found;
  for (int i = 0; i < pages.Count(); ++i) {
    if (i == current) continue;
    if (TFoundObject found = FindOn(pages.Page(i)->Background(), name); found.Object != nullptr) return found;
  }
  return {};
}

}  // namespace orv
