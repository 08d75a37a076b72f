#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Ansi.h"
#include "base/NumberText.h"
#include "base/TruthWords.h"
#include "commands/objectparams/ListIndexText.h"
#include "commands/objects/ListBoxCommands.h"
#include "commands/objects/ObjectLookup.h"
#include "objects/InputObjects.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Vars.h"

namespace orv {

std::vector<std::string> AllItemsOf(std::string_view text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '|' && c != '\r' && c != '\n') continue;
    items.emplace_back(text.substr(start, i - start));
    // A CR LF pair is one break.
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) items.emplace_back(text.substr(start));
  return items;
}

namespace {

// The list or combo box parameter 1 names; null when there is none (with
// the report) or the object is of another type.
TOrvalisListObject* FindList(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  return target ? dynamic_cast<TOrvalisListObject*>(target->Object) : nullptr;
}

ListIndex IndexParam(TActionEval& eval, int n) { return ReadListIndex(eval.Param(n), eval.Vars().DecimalSymbol()); }

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += '|';
    text += items[i];
  }
  return text;
}

void ListBoxGetItemBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const ListIndex index = IndexParam(eval, 2);
  std::string text;
  if (index.What == ListIndex::Kind::All)
    text = Joined(list->Items());
  else if (index.ValidFor(list->ItemCount()))
    text = list->Items()[static_cast<std::size_t>(index.Number - 1)];
  eval.Vars().SetVar(eval.Param(3), text);
}

void ListBoxAddItemBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const ListIndex index = IndexParam(eval, 2);
  const std::string& text = eval.Param(3);
  if (index.What == ListIndex::Kind::All && dynamic_cast<TOrvalisListBox*>(list) != nullptr)
    list->AddItems(AllItemsOf(text));
  else if (index.ValidFor(list->ItemCount()))
    list->InsertItem(index.Number - 1, text);
  else
    list->InsertItem(list->ItemCount(), text);
}

void ListBoxDeleteItemBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const ListIndex index = IndexParam(eval, 2);
  if (index.What == ListIndex::Kind::All)
    list->ClearItems();
  else if (index.What == ListIndex::Kind::Selected && list->MultipleSelection())
    list->DeleteSelectedItems();
  else if (index.ValidFor(list->ItemCount()))
    list->DeleteItem(index.Number - 1);
}

void ListBoxChangeItemBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const ListIndex index = IndexParam(eval, 2);
  if (index.ValidFor(list->ItemCount())) list->ChangeItem(index.Number - 1, eval.Param(3));
}

void ListBoxMoveItemBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const ListIndex from = IndexParam(eval, 2);
  const ListIndex to = IndexParam(eval, 3);
  if (from.ValidFor(list->ItemCount()) && to.ValidFor(list->ItemCount()) && from.Number != to.Number)
    list->MoveItem(from.Number - 1, to.Number - 1);
}

void ListBoxSizeBody(TActionEval& eval) {
  if (TOrvalisListObject* list = FindList(eval))
    eval.Vars().SetVar(eval.Param(2), FormatWholeNumber(list->ItemCount()));
}

void ListBoxFindItemBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const std::string& text = eval.Param(2);
  int found = 0;
  for (int i = 0; i < list->ItemCount(); ++i) {
    if (AnsiSameText(list->Items()[static_cast<std::size_t>(i)], text)) {
      found = i + 1;
      break;
    }
  }
  eval.Vars().SetVar(eval.Param(3), FormatWholeNumber(found));
}

void ListBoxSortBody(TActionEval& eval) {
  TOrvalisListObject* list = FindList(eval);
  if (list == nullptr) return;
  const std::string& sorted = eval.Param(2);
  if (dynamic_cast<TOrvalisListBox*>(list) != nullptr && IsTrueWord(sorted))
    list->SetSorted(true);
  else if (dynamic_cast<TOrvalisListBox*>(list) != nullptr && IsFalseWord(sorted))
    list->SetSorted(false);
  else
    list->SortItems();
}

}  // namespace

void RegisterListBoxCommands(TCommandTable& table) {
  table.Bind(cmd::kListBoxGetItem, &ListBoxGetItemBody);
  table.Bind(cmd::kListBoxAddItem, &ListBoxAddItemBody);
  table.Bind(cmd::kListBoxDeleteItem, &ListBoxDeleteItemBody);
  table.Bind(cmd::kListBoxChangeItem, &ListBoxChangeItemBody);
  table.Bind(cmd::kListBoxMoveItem, &ListBoxMoveItemBody);
  table.Bind(cmd::kListBoxSize, &ListBoxSizeBody);
  table.Bind(cmd::kListBoxFindItem, &ListBoxFindItemBody);
  table.Bind(cmd::kListBoxSort, &ListBoxSortBody);
}

}  // namespace orv
