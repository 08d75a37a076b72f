#include "objects/input/ListObjects.h"

#include <algorithm>

#include "base/Ansi.h"
#include "container/DocumentValue.h"
#include "objects/input/ListItemWidths.h"
#include "objects/input/ListValueSelection.h"
#include "objects/ObjectHost.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

// Calls `line` with each line of a text as the items take them: CR LF, CR
// and LF each end one; a break at the very end adds no empty line.
template <typename Line>
void ForEachLine(std::string_view text, Line line) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    line(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

std::vector<std::string> LinesOf(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace

QString ListItemText(std::string_view ansi) {
  QString text(static_cast<qsizetype>(ansi.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char c : ansi) *out++ = QChar(static_cast<char16_t>(AnsiCharToUnicode(static_cast<unsigned char>(c))));
  return text;
}

TOrvalisListObject::TOrvalisListObject(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host) {}

TOrvalisListObject::~TOrvalisListObject() = default;

bool TOrvalisListObject::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key)) {
    ApplyObjectFont();
    return true;
  }
  if (ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") {
    txt_.SetView(key.Text());
    WatchTextVariables({Txt()});
    // The list takes the lines at once.
    SetItems(LinesOf(key.Text()));
  } else if (name == "OBJACTION=") {
    changeAction_.SetView(key.Text());
  } else if (name == "VARNAME=") {
    SetVarName(key.Text());
  } else if (name == "XPTHEME=") {
    SetUseXPTheme(key.Yes());
  } else if (name == "VARTYPE=") {
    variableType_ = key.Number() & 0xFF;
  } else if (name == "SORTED=") {
    SetSorted(key.Yes());
  } else {
    return false;
  }
  return true;
}

void TOrvalisListObject::SetVarName(std::string_view name) {
  varName_ = name;
  BindVariable(varName_);
}

void TOrvalisListObject::SetUseXPTheme(bool value) {
  if (value == useXPTheme_) return;
  useXPTheme_ = value;
  ApplyLook();
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
  ItemsChanged(before, TItemChange::Inserted, static_cast<int>(at));
}

void TOrvalisListObject::Append(const std::vector<std::string>& texts) {
  items_.reserve(items_.size() + texts.size());
  for (const std::string& text : texts) items_.push_back(Fitted(text));
  selected_.resize(items_.size(), 0);
  if (sorted_) SortNow();
}

void TOrvalisListObject::AddItems(const std::vector<std::string>& texts) {
  const std::string before = SelectionValue();
  Append(texts);
  ItemsChanged(before, TItemChange::Reset, -1);
}

void TOrvalisListObject::SetItems(const std::vector<std::string>& texts) {
  const std::string before = SelectionValue();
  items_.clear();
  selected_.clear();
  Append(texts);
  ItemsChanged(before, TItemChange::Reset, -1);
}

void TOrvalisListObject::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  const std::string before = SelectionValue();
  const int oldWidth = widths_.Width(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  selected_.erase(selected_.begin() + index);
  ItemsChanged(before, TItemChange::Removed, index, oldWidth);
}

void TOrvalisListObject::ChangeItem(int index, std::string_view text) {
  if (index < 0 || index >= ItemCount()) return;
  const std::string before = SelectionValue();
  const int oldWidth = widths_.Width(items_[static_cast<std::size_t>(index)]);
  items_[static_cast<std::size_t>(index)] = Fitted(text);
  if (sorted_) {
    SortNow();
    ItemsChanged(before, TItemChange::Reset, -1);
  } else {
    ItemsChanged(before, TItemChange::Changed, index, oldWidth);
  }
}

void TOrvalisListObject::MoveItem(int from, int to) {
  if (from < 0 || from >= ItemCount() || to < 0 || to >= ItemCount() || from == to) return;
  const std::string before = SelectionValue();
  std::string item = std::move(items_[static_cast<std::size_t>(from)]);
  const char selected = selected_[static_cast<std::size_t>(from)];
  items_.erase(items_.begin() + from);
  selected_.erase(selected_.begin() + from);
  // The control follows in two steps: out, then in.
  {
    TShowing showing(*this);
    ShowItems(TItemChange::Removed, from);
  }
  items_.insert(items_.begin() + to, std::move(item));
  selected_.insert(selected_.begin() + to, selected);
  ItemsChanged(before, TItemChange::Inserted, to);
}

void TOrvalisListObject::ClearItems() {
  const std::string before = SelectionValue();
  items_.clear();
  selected_.clear();
  ItemsChanged(before, TItemChange::Reset, -1);
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
  ItemsChanged(before, TItemChange::Reset, -1);
}

void TOrvalisListObject::SetSorted(bool on) {
  sorted_ = on;
  if (on) SortItems();
}

void TOrvalisListObject::RebuildItems() {
  std::string text(Txt());
  if (Host() != nullptr && text.find('[') != std::string::npos) text = Host()->Engine().Vars().SubstituteVars(text);
  // The items take the lines in place: a list rebuilt on every change of a
  // variable keeps reusing its strings.
  std::size_t count = 0;
  ForEachLine(text, [this, &count](std::string_view line) {
    line = line.substr(0, std::min(line.size(), MaxItemLength()));
    if (count < items_.size())
      items_[count].assign(line);
    else
      items_.emplace_back(line);
    ++count;
  });
  items_.resize(count);
  selected_.assign(count, 0);
  if (sorted_) SortNow();
  // Not the reader's change: the variable stays as it is.
  ItemsChanged(SelectionValue(), TItemChange::Reset, -1);
}

int TOrvalisListObject::MeasuredExtent(TItemChange change, int at, int oldWidth) const {
  if (change == TItemChange::Inserted || change == TItemChange::Changed) {
    const int width = widths_.Width(items_[static_cast<std::size_t>(at)]) + 4;
    if (width >= scrollExtent_ || change == TItemChange::Inserted) return std::max(scrollExtent_, width);
  }
  // The item that went, or got narrower, was not the widest: nothing
  // changes.
  if (change != TItemChange::Reset && oldWidth >= 0 && oldWidth + 4 < scrollExtent_) return scrollExtent_;
  int widest = 0;
  for (const std::string& item : items_) widest = std::max(widest, widths_.Width(item));
  return widest + 4;
}

void TOrvalisListObject::ItemsChanged(const std::string& selectionBefore, TItemChange change, int at,
                                      int oldWidth) {
  const int extent = MeasuredExtent(change, at, oldWidth);
  const bool widthChanged = extent != scrollExtent_;
  scrollExtent_ = extent;
  look_.ItemWidth = extent;
  {
    TShowing showing(*this);
    ShowItems(change, at);
    ShowSelection();
    if (widthChanged) ItemWidthChanged();
  }
  // The variable follows what the change did to the selection only: a
  // list whose selection is not built from its variable yet must not empty
  // it.
  if (SelectionValue() != selectionBefore) WriteSelection();
  update();
}

// --- Selection -------------------------------------------------------------------

bool TOrvalisListObject::ItemSelected(int index) const {
  return index >= 0 && index < ItemCount() && selected_[static_cast<std::size_t>(index)] != 0;
}

int TOrvalisListObject::SelectedIndex() const {
  for (std::size_t i = 0; i < selected_.size(); ++i)
    if (selected_[i] != 0) return static_cast<int>(i);
  return -1;
}

void TOrvalisListObject::SetItemSelected(int index, bool on) {
  if (index < 0 || index >= ItemCount()) return;
  if (on && !MultipleSelection()) std::fill(selected_.begin(), selected_.end(), 0);
  selected_[static_cast<std::size_t>(index)] = on ? 1 : 0;
  ShowModelSelection();
}

void TOrvalisListObject::ShowModelSelection() {
  TShowing showing(*this);
  ShowSelection();
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
  ItemsChanged(before, TItemChange::Reset, -1);
}

std::string TOrvalisListObject::SelectionValue() const {
  return JoinedSelection(items_, selected_, variableType_, '\r');
}

void TOrvalisListObject::SelectFromValue(std::string_view value) {
  const char decimal = Host() != nullptr ? Host()->Engine().Vars().DecimalSymbol() : '.';
  const TListSelectionRequest request{items_, selected_, variableType_, MultipleSelection(), decimal};
  std::optional<std::vector<char>> selected = SelectionForValue(request, value);
  if (!selected) return;
  selected_ = std::move(*selected);
  ShowModelSelection();
}

void TOrvalisListObject::TakeReaderSelection(std::vector<char> selected) {
  selected.resize(items_.size(), 0);
  selected_ = std::move(selected);
  WriteSelection();
}

void TOrvalisListObject::TakeReaderChoice(int index) {
  std::vector<char> selected(items_.size(), 0);
  if (index >= 0 && index < ItemCount()) selected[static_cast<std::size_t>(index)] = 1;
  TakeReaderSelection(std::move(selected));
}

void TOrvalisListObject::WriteSelection() {
  if (varName_.empty() || Host() == nullptr) return;
  TVars& vars = Host()->Engine().Vars();
  const std::string value = SelectionValue();
  if (value == vars.GetVar(varName_)) return;
  vars.SetVar(varName_, value);
  if (!Closing()) RunEventScript(ChangeAction(), evSelectionChanged);
}

std::string TOrvalisListObject::BoundValue() const {
  if (varName_.empty() || Host() == nullptr) return {};
  return Host()->Engine().Vars().GetVar(varName_);
}

void TOrvalisListObject::BoundVariableChanged(std::string_view value) { SelectFromValue(value); }

void TOrvalisListObject::WatchedVariableChanged(std::string_view, std::string_view) { RebuildItems(); }

void TOrvalisListObject::TextChanged() {
  WatchTextVariables({Txt()});
  RebuildItems();
}

// --- Find ------------------------------------------------------------------------

TFindParts TOrvalisListObject::FindParts() {
  TFindParts parts;
  parts.Items = items_;
  for (std::string_view script : {ChangeAction(), EnterAction(), ExitAction()})
    if (!script.empty()) parts.Actions.push_back(script);
  return parts;
}

}  // namespace orv
