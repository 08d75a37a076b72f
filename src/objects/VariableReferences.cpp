#include "objects/VariableReferences.h"

#include <algorithm>

#include "base/Ansi.h"
#include "script/Vars.h"

namespace orv {

namespace {

void AddOnce(std::string name, std::vector<std::string>& names) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
}

}  // namespace

void ForEachReference(std::string_view text, const std::function<void(std::string_view reference)>& each) {
  std::size_t at = 0;
  while ((at = text.find('[', at)) != std::string_view::npos) {
    int depth = 0;
    std::size_t end = at;
    for (; end < text.size(); ++end) {
      if (text[end] == '[') ++depth;
      else if (text[end] == ']' && --depth == 0) break;
    }
    if (end >= text.size()) return;
    each(text.substr(at, end - at + 1));
    at = end + 1;
  }
}

void AddReferencedVariables(std::string_view text, TVars& vars, std::vector<std::string>& names) {
  ForEachReference(text, [&](std::string_view reference) {
    const std::string_view inner = reference.substr(1, reference.size() - 2);
    if (inner.find('[') == std::string_view::npos) {
      AddOnce(AnsiUpperCase(reference), names);
      return;
    }
    AddReferencedVariables(inner, vars, names);
    AddOnce(AnsiUpperCase("[" + vars.SubstituteVars(inner) + "]"), names);
  });
}

}  // namespace orv
