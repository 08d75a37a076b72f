#include "richtext/RtfTableBuilder.h"

#include <QTextTable>
#include <algorithm>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {
// Wider rows are folded into the last column: a hostile \cellx list must not
// build a table with millions of cells.
constexpr int kMaxColumns = 64;
constexpr std::size_t kMaxBoundaries = kMaxColumns;
}  // namespace

void RtfTableBuilder::DefineRow() {
  boundaries_.clear();
  rowLeft_ = 0;
  cellGap_ = 0;
  bordered_ = false;
}

void RtfTableBuilder::AddCellBoundary(int twips) {
  if (boundaries_.size() < kMaxBoundaries) boundaries_.push_back(twips);
}

bool RtfTableBuilder::EnterCell() {
  if (!table_) {
    const int columns = std::max<int>(1, static_cast<int>(boundaries_.size()));
    QTextTableFormat format;
    format.setCellPadding(std::clamp(cellGap_ / kTwipsPerPixel, 0.0, 50.0));
    format.setCellSpacing(0);
    format.setBorder(bordered_ ? 1 : 0);
    format.setBorderCollapse(true);
    table_ = cursor_.insertTable(1, columns, format);
    ApplyColumnWidths();
    row_ = column_ = 0;
    state_ = State::kInCell;
    MoveToCell();
    return true;
  }
  switch (state_) {
    case State::kInCell: return false;
    case State::kRowEnded:
      table_->appendRows(1);
      ++row_;
      column_ = 0;
      if (static_cast<int>(boundaries_.size()) > table_->columns()) {
        table_->appendColumns(std::min<int>(static_cast<int>(boundaries_.size()), kMaxColumns) - table_->columns());
      }
      break;
    case State::kCellEnded:
      ++column_;
      if (column_ >= table_->columns()) {
        if (table_->columns() < kMaxColumns) {
          table_->appendColumns(1);
        } else {
          column_ = table_->columns() - 1;
        }
      }
      break;
  }
  state_ = State::kInCell;
  MoveToCell();
  return true;
}

void RtfTableBuilder::EndCell() {
  if (table_) state_ = State::kCellEnded;
}

void RtfTableBuilder::EndRow() {
  if (table_) state_ = State::kRowEnded;
}

void RtfTableBuilder::Leave() {
  if (!table_) return;
  cursor_.setPosition(table_->lastPosition() + 1);
  table_ = nullptr;
  state_ = State::kInCell;
}

void RtfTableBuilder::MoveToCell() {
  const QTextTableCell cell = table_->cellAt(row_, column_);
  if (cell.isValid()) cursor_ = cell.lastCursorPosition();
}

void RtfTableBuilder::ApplyColumnWidths() {
  if (boundaries_.empty()) return;
  QVector<QTextLength> widths;
  int left = rowLeft_;
  for (int edge : boundaries_) {
    widths.append(QTextLength(QTextLength::FixedLength, std::max(8, edge - left) / kTwipsPerPixel));
    left = edge;
  }
  QTextTableFormat format = table_->format();
  format.setColumnWidthConstraints(widths);
  table_->setFormat(format);
}

}  // namespace orv::rt
