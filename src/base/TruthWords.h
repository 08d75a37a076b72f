#pragma once
#include <string_view>

namespace orv {

// True words "True", "T", "Yes", "Checked", "OK", "1" and false words "False",
// "F", "No", "UnChecked", "Cancel", "0", in any case; only the part before a
// "+" is tested ("yes+extra" is true).
bool IsTrueWord(std::string_view text);
bool IsFalseWord(std::string_view text);
std::string_view TruthText(bool value);  // "True" / "False"

}  // namespace orv
