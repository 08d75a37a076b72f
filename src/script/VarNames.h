#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The bracketed form of a variable reference: "Count" -> "[Count]",
// "[Arr[i]" -> "[Arr[i]]". Brackets are balanced by adding one at the end or
// the front; an empty text stays empty.
std::string NormalizeVarName(std::string_view text);
// The same into `out` (replaced), reusing its storage.
void NormalizeVarNameInto(std::string_view text, std::string& out);

// The variable a name designates when it names no other variable inside:
// "Count", "[Count]", "[Count" and "Count]" all give "Count". Nothing for
// names with nested references or no name at all, which take the long way
// through NormalizeVarName and substitution.
std::optional<std::string_view> SimpleVarKey(std::string_view name);

}  // namespace orv
