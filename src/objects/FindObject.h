#pragma once
// Finding a page object by name, as scripts address objects: the current
// page first, then every other page in page order (the master page first),
// each page depth first in creation order through groups and containers;
// letter case does not count and an empty name finds nothing.
#include <string_view>

namespace orv {

class TOVPageList;
class TOrvalisBackground;
class TOrvalisObj;

struct TFoundObject {
  TOrvalisObj* Object = nullptr;
  TOrvalisBackground* Page = nullptr;
};

TFoundObject FindPageObject(const TOVPageList& pages, std::string_view name);

}  // namespace orv
