#include "script/VarNames.h"

namespace orv {

std::string NormalizeVarName(std::string_view text) {
  if (text.empty()) return {};
  std::string out;
  out.reserve(text.size() + 2);
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
  return out;
}

}  // namespace orv
