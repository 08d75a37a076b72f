#pragma once
// A stand-in for variable substitution in tests of code that takes a
// substitution callback: "[name]" is replaced by the map's value, unknown
// names by nothing; no nesting.
#include <map>
#include <string>
#include <string_view>

namespace orv::test {

using VariableMap = std::map<std::string, std::string, std::less<>>;

inline std::string SubstituteFromMap(std::string_view text, const VariableMap& values) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t close = text[i] == '[' ? text.find(']', i) : std::string_view::npos;
    if (close == std::string_view::npos) {
      out.push_back(text[i++]);
      continue;
    }
    const auto it = values.find(text.substr(i + 1, close - i - 1));
    if (it != values.end()) out += it->second;
    i = close + 1;
  }
  return out;
}

}  // namespace orv::test
