#pragma once
// List boxes and combo boxes: items the reader chooses from, the choice
// bound to a variable.
#include <QString>
#include <string>
#include <vector>

#include "objects/OrvalisObj.h"
#include "objects/input/ListItemLook.h"
#include "objects/input/ListItemWidths.h"

class QComboBox;
class QListWidget;

namespace orv {

class TComboControl;
class TListControl;

// What a list's bound variable holds: the item text, or its number from 1.
enum TVariableType : std::uint8_t { vtText = 0, vtIndex = 1 };

// An item's Windows-1252 text as the controls show it.
QString ListItemText(std::string_view ansi);

// What list boxes and combo boxes share: the properties, the items with
// their selection (the truth, which the list commands change and the inner
// control mirrors), the binding to a variable and the items' look. Every
// change of the items updates the scroll extent, and writes the bound
// variable when it changed what the selection gives.
class TOrvalisListObject : public TOrvalisObj {
 public:
  TOrvalisListObject(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisListObject() override;

  std::string_view ChangeAction() const { return changeAction_.View(); }
  const std::string& VarName() const { return varName_; }
  void SetVarName(std::string_view name);
  int VariableType() const { return variableType_; }
  bool Sorted() const { return sorted_; }
  bool UseXPTheme() const { return useXPTheme_; }
  void SetUseXPTheme(bool value);

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
  // The items again from `Txt`, its variables replaced. The selection goes
  // and the variable is left alone; a list box then selects from it.
  virtual void RebuildItems();

  // --- Selection --------------------------------------------------------
  virtual bool MultipleSelection() const { return false; }
  bool ItemSelected(int index) const;
  // The first selected item; -1 for none.
  int SelectedIndex() const;
  // A box of single selection keeps one item selected at most. Shown at
  // once; the variable is left alone.
  void SetItemSelected(int index, bool on);
  void DeleteSelectedItems();
  // The variable's value the selection gives: item texts (or numbers from
  // 1), separated by a carriage return.
  std::string SelectionValue() const;
  // Selects the items a value of the variable names; the variable is not
  // written and no script runs.
  void SelectFromValue(std::string_view value);
  // Writes the bound variable from the selection; when that changes its
  // value, ChangeAction runs (posted).
  void WriteSelection();
  // The widest item's text width + 4, in pixels of the object's font.
  int ScrollExtent() const { return scrollExtent_; }

  // --- Look and control ---------------------------------------------------
  // The control the reader uses (a list or a combo box).
  virtual QWidget* Control() const = 0;
  const TListItemLook& ItemLook() const { return look_; }
  // The object's font and colours again (after a font change).
  void ApplyObjectFont();

  bool TakesHoverActions() const override { return true; }
  bool TakesFocusByHotKey() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  TFindParts FindParts() override;
  void DrawShape(QPainter& painter) override;
  void PaintTo(QPainter& painter) override;
  void UpdateCursor() override;

 protected:
  // How the items changed, for the control to follow: one item inserted,
  // removed or changed at an index, or any other change.
  enum class TItemChange : std::uint8_t { Reset, Inserted, Removed, Changed };

  // The control shows the items after `change`, then the selection.
  virtual void ShowItems(TItemChange change, int at) = 0;
  virtual void ShowSelection() = 0;
  // The items' width (the scroll extent) changed.
  virtual void ItemWidthChanged() {}
  // Places the control inside the outline.
  virtual void LayoutControl() = 0;
  virtual void Loaded();

  // Takes the selection the reader made in the control (one flag per item)
  // and writes the variable from it.
  void TakeReaderSelection(std::vector<char> selected);
  // True while the object itself changes the control: what the control
  // then reports is no reader's doing.
  bool ShowingModel() const { return showing_ > 0; }
  // Marks a stretch of the object's own changes to the control.
  class TShowing {
   public:
    explicit TShowing(TOrvalisListObject& list) : list_(list) { ++list_.showing_; }
    ~TShowing() { --list_.showing_; }
    TShowing(const TShowing&) = delete;
    TShowing& operator=(const TShowing&) = delete;

   private:
    TOrvalisListObject& list_;
  };

  std::string BoundValue() const;
  // Takes `control` (a child) as the one the reader uses: in the object's
  // font and colours, the object's focus going to it, not a tab stop yet.
  void AdoptControl(QWidget& control);
  void UpdateTabStop();
  // The reader's selection of the single item `index` (-1 for none).
  void TakeReaderChoice(int index);

  void BoundVariableChanged(std::string_view value) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;
  void FillChanged() override;
  void LineChanged() override;
  void TextChanged() override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  TObjectText changeAction_;
  std::string varName_;
  int variableType_ = vtText;
  bool sorted_ = false;
  bool useXPTheme_ = true;

 private:
  std::string Fitted(std::string_view text) const;
  // Adds at the end (in place when kept sorted), without the updates.
  void Append(const std::vector<std::string>& texts);
  // The control follows, the scroll extent is measured again, and the
  // variable is written when the selection's value is no longer
  // `selectionBefore`.
  // `oldWidth`: the text width of the item removed or changed.
  void ItemsChanged(const std::string& selectionBefore, TItemChange change, int at, int oldWidth = -1);
  int MeasuredExtent(TItemChange change, int at, int oldWidth) const;
  void ShowModelSelection();
  void SortNow();
  void ApplyLook();

  std::vector<std::string> items_;
  std::vector<char> selected_;  // one flag per item
  int scrollExtent_ = 4;
  TAnsiTextWidths widths_;
  int showing_ = 0;
  TListItemLook look_;
  TObjectFont appliedFont_;  // the font the look was made from
  bool fontRecheckPosted_ = false;
};

class TOrvalisComboBox : public TOrvalisListObject {
 public:
  TOrvalisComboBox(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisComboBox() override;

  std::size_t MaxItemLength() const override { return 255; }
  QWidget* Control() const override;
  QComboBox& Combo() const;

 protected:
  void ShowItems(TItemChange change, int at) override;
  void ShowSelection() override;
  void LayoutControl() override;

 private:
  TComboControl* combo_;
};

class TOrvalisListBox : public TOrvalisListObject {
 public:
  TOrvalisListBox(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisListBox() override;

  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  std::string_view DblClickAction() const { return dblClickAction_.View(); }
  bool MultipleSelection() const override { return multiSelect_; }
  bool ApplyKey(const KeyValue& key) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  void RebuildItems() override;
  QWidget* Control() const override;
  QListWidget& List() const;

 protected:
  void ShowItems(TItemChange change, int at) override;
  void ShowSelection() override;
  void ItemWidthChanged() override;
  void LayoutControl() override;

 private:
  void ReaderChangedSelection();

  bool multiSelect_ = false;
  TObjectText dblClickAction_;
  TListControl* list_;
};

}  // namespace orv
