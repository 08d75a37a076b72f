#include "script/VarNames.h"

namespace orv {

void NormalizeVarNameInto(std::string_view text, std::string& out) {
  out.clear();
  if (text.empty()) return;
  if (text.front() != '[') out.push_back('[');
  out.append(text);
  if (out.back() != ']' || out.size() == 1) out.push_back(']');
  int opens = 1, closes = 0;
  for (std::size_t i = 1; i < out.size(); ++i) {
    if (out[i] == '[') ++opens;
    else if (out[i] == ']') ++closes;
  }
  if (closes < opens)
    out.push_back(']');
  else if (opens < closes)
    out.insert(out.begin(), '[');
}

std::string NormalizeVarName(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  NormalizeVarNameInto(text, out);
  return out;
}

std::optional<std::string_view> SimpleVarKey(std::string_view name) {
  if (!name.empty() && name.front() == '[') name.remove_prefix(1);
  if (!name.empty() && name.back() == ']') name.remove_suffix(1);
  if (name.empty()) return std::nullopt;
  for (char c : name)
    if (c == '[' || c == ']') return std::nullopt;
  return name;
}

}  // namespace orv
