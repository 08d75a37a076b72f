#pragma once
// Which items a value of a list's variable selects.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct TListSelectionRequest {
  const std::vector<std::string>& Items;
  const std::vector<char>& Selected;  // one flag per item, as it stands
  int VariableType = 0;               // vtText or vtIndex
  bool Multiple = false;
  char DecimalSymbol = '.';
};

// The selection `value` gives, one flag per item; nothing when the
// selection is to stay as it is.
// Single selection: the item of that number (vtIndex: a number outside the
// items, or no number, selects none), or the selected item when it equals
// the value, else the first item equal to it (vtText), ignoring case.
// Multiple selection: CR LF, CR and "|" all separate parts; a value equal
// to the present selection joined by "|" leaves it; otherwise each part
// selects one item and parts that name none are passed over.
std::optional<std::vector<char>> SelectionForValue(const TListSelectionRequest& request, std::string_view value);

// The selection's value: item texts (vtText) or numbers from 1 (vtIndex),
// in list order, joined by `separator`.
std::string JoinedSelection(const std::vector<std::string>& items, const std::vector<char>& selected,
                            int variableType, char separator);

}  // namespace orv
