#pragma once
// The index parameter of the list-box commands: a 1-based number, or the
// words "ALL" and "SELECTED" in any case.
#include <string_view>

namespace orv {

struct ListIndex {
  enum class Kind { Number, All, Selected, Invalid };
  Kind What = Kind::Invalid;
  int Number = 0;  // 1-based, when What is Number

  // A number between 1 and `count`.
  bool ValidFor(int count) const { return What == Kind::Number && Number >= 1 && Number <= count; }
};

// A text that is not a whole number (nor one of the words) is Invalid.
ListIndex ReadListIndex(std::string_view text, char decimalSymbol);

}  // namespace orv
