#include "objects/pictures/PictureScrollView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>

namespace orv {

TOrvalisPictureBox::TOrvalisPictureBox(TPictureBoxClient& client, TPictureScrollView& view)
    : client_(client), view_(view) {
  // The box paints every pixel itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TOrvalisPictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  client_.PaintBox(painter, *this);
}

void TOrvalisPictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  if (event->button() == Qt::LeftButton && client_.DragScrolls()) {
    dragging_ = true;
    lastGlobal_ = event->globalPosition().toPoint();
  }
  event->accept();
}

void TOrvalisPictureBox::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    // The box moves as it scrolls, so the mouse is followed on the screen.
    const QPoint at = event->globalPosition().toPoint();
    view_.ScrollBy(lastGlobal_ - at);
    lastGlobal_ = at;
  }
  event->accept();
}

void TOrvalisPictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  const bool wasPressed = pressed_;
  pressed_ = false;
  event->accept();
  // Last: the script posted may come to free the box, never while here.
  if (wasPressed) client_.BoxReleased(event->button(), event->position().toPoint(), *this);
}

TPictureScrollView::TPictureScrollView(TPictureBoxClient& client, QWidget* parent)
    : QScrollArea(parent), box_(new TOrvalisPictureBox(client, *this)), corner_(new QWidget) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  corner_->setAutoFillBackground(true);
  setCornerWidget(corner_);
  // The box is sized by the area: at least the view, at least the picture.
  setWidgetResizable(true);
  setWidget(box_);
}

void TPictureScrollView::SetContentSize(QSize size) {
  box_->setMinimumSize(size.expandedTo(QSize(0, 0)).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
  // Makes the area size the box and its bars for the new minimum now.
  setWidgetResizable(true);
}

QPoint TPictureScrollView::Positions() const {
  return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void TPictureScrollView::SetPositions(QPoint positions) {
  horizontalScrollBar()->setValue(positions.x());
  verticalScrollBar()->setValue(positions.y());
}

void TPictureScrollView::ScrollBy(QPoint delta) { SetPositions(Positions() + delta); }

void TPictureScrollView::SetCornerColour(const QColor& colour) {
  QPalette palette = corner_->palette();
  palette.setColor(QPalette::Window, colour);
  corner_->setPalette(palette);
}

}  // namespace orv
