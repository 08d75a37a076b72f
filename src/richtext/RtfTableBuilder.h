#pragma once
// Builds QTextTables from RTF's row-by-row table description: \trowd and
// \cellx define a row, \intbl paragraphs fill its cells, \cell and \row end
// them. Moves the reader's cursor into, across and out of the table.
#include <QTextCursor>
#include <vector>

class QTextTable;

namespace orv::rt {

class RtfTableBuilder {
 public:
  explicit RtfTableBuilder(QTextCursor& cursor) : cursor_(cursor) {}

  void DefineRow();
  void AddCellBoundary(int twips);
  void SetRowLeft(int twips) { rowLeft_ = twips; }
  void SetCellGap(int twips) { cellGap_ = twips; }
  void SetBordered() { bordered_ = true; }

  bool InTable() const { return table_ != nullptr; }
  // Puts the cursor into the cell that takes the next content, starting the
  // table or a row when needed. True when the cursor moved to a new cell.
  bool EnterCell();
  void EndCell();
  void EndRow();
  // Cursor to the paragraph after the table.
  void Leave();

 private:
  void MoveToCell();
  void ApplyColumnWidths();

  enum class State { kInCell, kCellEnded, kRowEnded };

  QTextCursor& cursor_;
  QTextTable* table_ = nullptr;
  State state_ = State::kInCell;
  int row_ = 0, column_ = 0;
  std::vector<int> boundaries_;  // right edges of the defined row's cells, twips
  int rowLeft_ = 0, cellGap_ = 0;
  bool bordered_ = false;
};

}  // namespace orv::rt
