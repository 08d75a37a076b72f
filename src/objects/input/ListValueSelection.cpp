#include "objects/input/ListValueSelection.h"

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {

namespace {

constexpr int kIndexType = 1;  // vtIndex

// The 0-based item a 1-based number names; -1 when it names none.
int ItemOfNumber(std::string_view text, char decimalSymbol, std::size_t count) {
  const std::int64_t number = ReadWholeNumber(text, decimalSymbol).value_or(0);
  if (number < 1 || static_cast<std::uint64_t>(number) > count) return -1;
  return static_cast<int>(number - 1);
}

int FirstEqualItem(const std::vector<std::string>& items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (AnsiSameText(items[i], text)) return static_cast<int>(i);
  return -1;
}

int FirstSelected(const std::vector<char>& selected) {
  for (std::size_t i = 0; i < selected.size(); ++i)
    if (selected[i] != 0) return static_cast<int>(i);
  return -1;
}

std::optional<std::vector<char>> SingleSelection(const TListSelectionRequest& request, std::string_view value) {
  const std::vector<std::string>& items = request.Items;
  const int current = FirstSelected(request.Selected);
  int index;
  if (request.VariableType == kIndexType)
    index = ItemOfNumber(value, request.DecimalSymbol, items.size());
  else if (current >= 0 && AnsiSameText(items[static_cast<std::size_t>(current)], value))
    index = current;
  else
    index = FirstEqualItem(items, value);
  if (index == current) return std::nullopt;
  std::vector<char> selected(items.size(), 0);
  if (index >= 0) selected[static_cast<std::size_t>(index)] = 1;
  return selected;
}

// The value with every CR LF and CR made "|".
std::string BarSeparated(std::string_view value) {
  std::string text;
  text.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\r') {
      text += value[i];
      continue;
    }
    text += '|';
    if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
  }
  return text;
}

std::optional<std::vector<char>> MultipleSelection(const TListSelectionRequest& request, std::string_view value) {
  const std::vector<std::string>& items = request.Items;
  const std::string parts = BarSeparated(value);
  if (AnsiSameText(parts, JoinedSelection(items, request.Selected, request.VariableType, '|'))) return std::nullopt;
  std::vector<char> selected(items.size(), 0);
  if (parts.empty()) return selected;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = parts.find('|', start);
    const std::string_view part =
        std::string_view(parts).substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    const int index = request.VariableType == kIndexType ? ItemOfNumber(part, request.DecimalSymbol, items.size())
                                                          : FirstEqualItem(items, part);
    if (index >= 0) selected[static_cast<std::size_t>(index)] = 1;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return selected;
}

}  // namespace

std::optional<std::vector<char>> SelectionForValue(const TListSelectionRequest& request, std::string_view value) {
  return request.Multiple ? MultipleSelection(request, value) : SingleSelection(request, value);
}

std::string JoinedSelection(const std::vector<std::string>& items, const std::vector<char>& selected,
                            int variableType, char separator) {
  std::string value;
  bool first = true;
  for (std::size_t i = 0; i < items.size() && i < selected.size(); ++i) {
    if (selected[i] == 0) continue;
    if (!first) value += separator;
    first = false;
    if (variableType == kIndexType)
      value += std::to_string(i + 1);
    else
      value += items[i];
  }
  return value;
}

}  // namespace orv
