#pragma once
#include <string>
#include <string_view>

namespace orv {

// The bracketed form of a variable reference: "Count" -> "[Count]",
// "[Arr[i]" -> "[Arr[i]]". Brackets are balanced by adding one at the end or
// the front; an empty text stays empty.
std::string NormalizeVarName(std::string_view text);
// The same into `out` (replaced), reusing its storage.
void NormalizeVarNameInto(std::string_view text, std::string& out);

}  // namespace orv
