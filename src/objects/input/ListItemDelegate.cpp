#include "objects/input/ListItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace orv {

namespace {

// Item texts start this far from the item's left edge.
constexpr int kTextIndent = 2;

}  // namespace

void DrawClassicListItem(QPainter& painter, const QRect& rect, const QString& text, const TListItemLook& look,
                         bool selected, bool enabled, bool focused) {
  painter.save();
  painter.fillRect(rect, selected ? look.Highlight : look.Fill);
  painter.setFont(look.Font);
  painter.setPen(selected ? look.HighlightText : enabled ? look.Text : look.GrayText);
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.drawText(rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  if (focused && look.Marquee) {
    // The dotted rectangle drawn by inverting, as focus rectangles are.
    QPen dots(Qt::white, 1, Qt::DotLine);
    painter.setPen(dots);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
  painter.restore();
}

void TListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  if (look_.Themed) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const bool enabled = option.state & QStyle::State_Enabled;
  DrawClassicListItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), look_,
                      option.state & QStyle::State_Selected, enabled, option.state & QStyle::State_HasFocus);
}

QSize TListItemDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return QSize(look_.ItemWidth, look_.ItemHeight);
}

}  // namespace orv
