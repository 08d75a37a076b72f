#pragma once
// List boxes and combo boxes: items the reader chooses from, the choice
// bound to a variable.
#include <string>
#include <vector>

#include "objects/OrvalisObj.h"

namespace orv {

// What a list's bound variable holds: the item text, or its number from 1.
enum TVariableType : std::uint8_t { vtText = 0, vtIndex = 1 };

// What list boxes and combo boxes share: the properties, and the items
// with their selection, which the list commands change. Every change
// updates the scroll extent, and writes the bound variable when it changed
// what the selection gives.
class TOrvalisListObject : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view ChangeAction() const { return changeAction_.View(); }
  const std::string& VarName() const { return varName_; }
  int VariableType() const { return variableType_; }
  bool Sorted() const { return sorted_; }
  bool UseXPTheme() const { return useXPTheme_; }

  // --- Items ------------------------------------------------------------
  // The items: the lines of "TEXT=", replaced as it is read. Indices are
  // 0-based here.
  const std::vector<std::string>& Items() const { return items_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // Before item `index`, at the end when it is beyond the last; a box kept
  // sorted puts an item added at the end in its sorted place.
  void InsertItem(int index, std::string_view text);
  void AddItems(const std::vector<std::string>& texts);
  // The items replaced; the selection is gone.
  void SetItems(const std::vector<std::string>& texts);
  // Indices outside the items change nothing.
  void DeleteItem(int index);
  void ChangeItem(int index, std::string_view text);
  // Takes the item out and puts it in at `to` of the list without it.
  void MoveItem(int from, int to);
  void ClearItems();
  // Sorts once, ignoring case; the selection moves with its items.
  void SortItems();
  // Kept sorted from now on (sorted at once), or left in the order items
  // come.
  void SetSorted(bool on);
  // The longest item a box keeps (combo boxes cut what they are given).
  virtual std::size_t MaxItemLength() const { return std::string::npos; }

  // --- Selection --------------------------------------------------------
  virtual bool MultipleSelection() const { return false; }
  bool ItemSelected(int index) const;
  // A box of single selection keeps one item selected at most.
  void SetItemSelected(int index, bool on);
  void DeleteSelectedItems();
  // The variable's value the selection gives: item texts (or numbers from
  // 1), separated by a carriage return.
  std::string SelectionValue() const;
  // Writes the bound variable from the selection; when that changes its
  // value, ChangeAction runs (posted).
  void WriteSelection();
  // The widest item's text width + 4, in pixels of the object's font.
  int ScrollExtent() const { return scrollExtent_; }

  bool TakesHoverActions() const override { return true; }
  bool TakesFocusByHotKey() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 protected:
  TObjectText changeAction_;
  std::string varName_;
  int variableType_ = vtText;
  bool sorted_ = false;
  bool useXPTheme_ = true;

 private:
  std::string Fitted(std::string_view text) const;
  // Adds at the end (in place when kept sorted), without the updates.
  void Append(const std::vector<std::string>& texts);
  // The scroll extent again, and the variable when the selection's value
  // is no longer `selectionBefore`.
  void ItemsChanged(const std::string& selectionBefore);
  void SortNow();

  std::vector<std::string> items_;
  std::vector<char> selected_;  // one flag per item
  int scrollExtent_ = 0;
};

class TOrvalisComboBox : public TOrvalisListObject {
 public:
  using TOrvalisListObject::TOrvalisListObject;
  std::size_t MaxItemLength() const override { return 255; }
};

class TOrvalisListBox : public TOrvalisListObject {
 public:
  using TOrvalisListObject::TOrvalisListObject;

  bool MultiSelect() const { return multiSelect_; }
  std::string_view DblClickAction() const { return dblClickAction_.View(); }
  bool MultipleSelection() const override { return multiSelect_; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  bool multiSelect_ = false;
  TObjectText dblClickAction_;
};

}  // namespace orv
