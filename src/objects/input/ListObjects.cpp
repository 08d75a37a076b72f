#include "objects/input/ListObjects.h"

#include <QFontMetrics>
#include <algorithm>

#include "base/Ansi.h"
#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/text/TextFont.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

bool TOrvalisListObject::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "OBJACTION=") changeAction_.SetView(key.Text());
  else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "XPTHEME=") useXPTheme_ = key.Yes();
  else if (name == "VARTYPE=") variableType_ = key.Number() & 0xFF;
  else if (name == "SORTED=") sorted_ = key.Yes();
  else return false;
  if (name == "TEXT=") {
    // The list takes the lines at once.
    std::vector<std::string> lines;
    const std::string_view text = key.Text();
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find("\r\n", start);
      if (end == std::string_view::npos) end = text.size();
      lines.emplace_back(text.substr(start, end - start));
      start = end + 2;
    }
    SetItems(lines);
  }
  return true;
}

// --- Items -----------------------------------------------------------------------

std::string TOrvalisListObject::Fitted(std::string_view text) const {
  return std::string(text.substr(0, std::min(text.size(), MaxItemLength())));
}

void TOrvalisListObject::InsertItem(int index, std::string_view text) {
  const std::string before = SelectionValue();
  std::size_t at = index < 0 || index > ItemCount() ? items_.size() : static_cast<std::size_t>(index);
  std::string item = Fitted(text);
  if (sorted_ && at == items_.size()) {
    const auto place = std::upper_bound(items_.begin(), items_.end(), item,
                                        [](const std::string& a, const std::string& b) {
                                          return AnsiCompareText(a, b) < 0;
                                        });
    at = static_cast<std::size_t>(place - items_.begin());
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(at), 0);
  ItemsChanged(before);
}

void TOrvalisListObject::Append(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    items_.push_back(Fitted(text));
    selected_.push_back(0);
  }
  if (sorted_) SortNow();
}

void TOrvalisListObject::AddItems(const std::vector<std::string>& texts) {
  const std::string before = SelectionValue();
  Append(texts);
  ItemsChanged(before);
}

void TOrvalisListObject::SetItems(const std::vector<std::string>& texts) {
  const std::string before = SelectionValue();
  items_.clear();
  selected_.clear();
  Append(texts);
  ItemsChanged(before);
}

void TOrvalisListObject::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  const std::string before = SelectionValue();
  items_.erase(items_.begin() + index);
  selected_.erase(selected_.begin() + index);
  ItemsChanged(before);
}

void TOrvalisListObject::ChangeItem(int index, std::string_view text) {
  if (index < 0 || index >= ItemCount()) return;
  const std::string before = SelectionValue();
  items_[static_cast<std::size_t>(index)] = Fitted(text);
  if (sorted_) SortNow();
  ItemsChanged(before);
}

void TOrvalisListObject::MoveItem(int from, int to) {
  if (from < 0 || from >= ItemCount() || to < 0 || to >= ItemCount() || from == to) return;
  const std::string before = SelectionValue();
  std::string item = std::move(items_[static_cast<std::size_t>(from)]);
  const char selected = selected_[static_cast<std::size_t>(from)];
  items_.erase(items_.begin() + from);
  selected_.erase(selected_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  selected_.insert(selected_.begin() + to, selected);
  ItemsChanged(before);
}

void TOrvalisListObject::ClearItems() {
  const std::string before = SelectionValue();
  items_.clear();
  selected_.clear();
  ItemsChanged(before);
}

void TOrvalisListObject::SortNow() {
  std::vector<std::size_t> order(items_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return AnsiCompareText(items_[a], items_[b]) < 0;
  });
  std::vector<std::string> items;
  std::vector<char> selected;
  items.reserve(order.size());
  selected.reserve(order.size());
  for (const std::size_t i : order) {
    items.push_back(std::move(items_[i]));
    selected.push_back(selected_[i]);
  }
  items_ = std::move(items);
  selected_ = std::move(selected);
}

void TOrvalisListObject::SortItems() {
  const std::string before = SelectionValue();
  SortNow();
  ItemsChanged(before);
}

void TOrvalisListObject::SetSorted(bool on) {
  sorted_ = on;
  if (on) SortItems();
}

// --- Selection -------------------------------------------------------------------

bool TOrvalisListObject::ItemSelected(int index) const {
  return index >= 0 && index < ItemCount() && selected_[static_cast<std::size_t>(index)] != 0;
}

void TOrvalisListObject::SetItemSelected(int index, bool on) {
  if (index < 0 || index >= ItemCount()) return;
  if (on && !MultipleSelection()) std::fill(selected_.begin(), selected_.end(), 0);
  selected_[static_cast<std::size_t>(index)] = on ? 1 : 0;
}

void TOrvalisListObject::DeleteSelectedItems() {
  const std::string before = SelectionValue();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (selected_[i] != 0) continue;
    items_[kept] = std::move(items_[i]);
    selected_[kept] = 0;
    ++kept;
  }
  items_.resize(kept);
  selected_.resize(kept);
  ItemsChanged(before);
}

std::string TOrvalisListObject::SelectionValue() const {
  std::string value;
  bool first = true;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (selected_[i] == 0) continue;
    if (!first) value += '\r';
    first = false;
    value += variableType_ == vtIndex ? std::to_string(i + 1) : items_[i];
  }
  return value;
}

void TOrvalisListObject::WriteSelection() {
  if (varName_.empty() || Host() == nullptr) return;
  TVars& vars = Host()->Engine().Vars();
  const std::string value = SelectionValue();
  if (value == vars.GetVar(varName_)) return;
  vars.SetVar(varName_, value);
  if (!Closing()) RunEventScript(ChangeAction(), evSelectionChanged);
}

void TOrvalisListObject::ItemsChanged(const std::string& selectionBefore) {
  const QFontMetrics metrics(TextFontOf(Font()));
  int widest = 0;
  for (const std::string& item : items_)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(AnsiToUtf8(item))));
  scrollExtent_ = widest + 4;
  // The variable follows what the change did to the selection only: a
  // list whose selection is not built from its variable yet must not empty
  // it.
  if (SelectionValue() != selectionBefore) WriteSelection();
  update();
}

bool TOrvalisListBox::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "DBLCLICK=") {
    dblClickAction_.SetView(key.Text());
    return true;
  }
  if (name == "MULTISELECT=") {
    multiSelect_ = key.Yes();
    return true;
  }
  return TOrvalisListObject::ApplyKey(key);
}

}  // namespace orv
