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

}  // namespace orv
