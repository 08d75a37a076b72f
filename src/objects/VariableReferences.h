#pragma once
// The "[NAME]" references a text holds, and which variables they show. A
// reference "[ITEM[I]]" shows the variable its inner reference names now:
// it changes when I changes and when the item I names changes.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TVars;

// Calls `each` with every outermost reference of `text`, brackets included,
// left to right; an unbalanced "[" ends the search.
void ForEachReference(std::string_view text, const std::function<void(std::string_view reference)>& each);

// Adds to `names` every "[NAME]" (upper-cased, each once) the references in
// `text` refer to now, inner ones included.
void AddReferencedVariables(std::string_view text, TVars& vars, std::vector<std::string>& names);

}  // namespace orv
