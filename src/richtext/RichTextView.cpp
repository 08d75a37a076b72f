#include "richtext/RichTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include "richtext/RichTextDocument.h"
#include "richtext/RichTextFormat.h"

namespace orv::rt {

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent), normalCursor_(Qt::ArrowCursor) {
  setReadOnly(true);
  setFrameStyle(QFrame::NoFrame);
  setTabChangesFocus(true);
  setFocusPolicy(Qt::ClickFocus);
  setUndoRedoEnabled(false);
  QPalette p = palette();
  p.setColor(QPalette::Base, Qt::transparent);
  setPalette(p);
  viewport()->setAutoFillBackground(false);
  setAutoFillBackground(false);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  SetSelectionEnabled(false);
  viewport()->setCursor(normalCursor_);
}

void RichTextView::SetRichText(RichTextDocument* document) {
  richText_ = document;
  disconnect(shownDestroyed_);
  if (document) {
    QTextDocument* shown = &document->Document();
    setDocument(shown);
    SetDefaultTextColor(document->DefaultTextColor());
    // Loading replaces the rich text's QTextDocument and frees the old one:
    // the view lets go of it first, so it never paints or touches a freed
    // document, even when nobody shows it the new one.
    shownDestroyed_ = connect(shown, &QObject::destroyed, this, [this, shown] {
      if (this->document() == shown) setDocument(nullptr);
    });
  }
}

void RichTextView::SetBackgroundPicture(const QPixmap& picture) {
  background_ = picture;
  viewport()->update();
}

void RichTextView::SetSelectionEnabled(bool on) {
  selectable_ = on;
  setTextInteractionFlags(on ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard : Qt::NoTextInteraction);
  viewport()->setCursor(on ? QCursor(Qt::IBeamCursor) : normalCursor_);
}

void RichTextView::SetWordWrap(bool on) { setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap); }

void RichTextView::SetScrollBars(bool on) {
  const Qt::ScrollBarPolicy policy = on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  setVerticalScrollBarPolicy(policy);
  setHorizontalScrollBarPolicy(policy);
}

void RichTextView::SetLeftOffset(int pixels) { setViewportMargins(std::max(0, pixels), 0, 0, 0); }

void RichTextView::SetDefaultTextColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Text, color);
  setPalette(p);
}

void RichTextView::SetNormalCursor(const QCursor& cursor) {
  normalCursor_ = cursor;
  if (!selectable_) viewport()->setCursor(cursor);
}

bool RichTextView::ScrollToBookmark(std::string_view name) {
  if (!richText_) return false;
  const std::optional<int> position = richText_->BookmarkPosition(name);
  if (!position) return false;
  QTextCursor c(document());
  c.setPosition(*position);
  setTextCursor(c);
  const QTextBlock block = document()->findBlock(*position);
  const QRectF rect = document()->documentLayout()->blockBoundingRect(block);
  const QTextLine line = block.layout()->lineForTextPosition(*position - block.position());
  const qreal top = rect.top() + (line.isValid() ? line.y() : 0);
  verticalScrollBar()->setValue(static_cast<int>(top));
  return true;
}

bool RichTextView::FindAndSelect(std::string_view pattern, int from) {
  if (!richText_) return false;
  const std::optional<TextRange> found = richText_->Find(pattern, from);
  if (!found) return false;
  QTextCursor c(document());
  c.setPosition(found->start);
  c.setPosition(found->start + found->length, QTextCursor::KeepAnchor);
  setTextCursor(c);
  ensureCursorVisible();
  return true;
}

int RichTextView::VerticalScrollPosition() const { return verticalScrollBar()->value(); }
void RichTextView::SetVerticalScrollPosition(int value) { verticalScrollBar()->setValue(value); }

int RichTextView::LinkPositionAt(const QPoint& viewportPoint) const {
  if (!richText_) return -1;
  const QPointF docPoint(viewportPoint.x() + horizontalScrollBar()->value(),
                         viewportPoint.y() + verticalScrollBar()->value());
  const int position = document()->documentLayout()->hitTest(docPoint, Qt::ExactHit);
  if (position < 0) return -1;
  QTextCursor c(document());
  c.setPosition(position + 1);
  return IsLink(c.charFormat()) ? position : -1;
}

void RichTextView::paintEvent(QPaintEvent* event) {
  if (!background_.isNull()) {
    QPainter p(viewport());
    p.drawPixmap(0, 0, background_);
  }
  QTextEdit::paintEvent(event);
}

void RichTextView::mousePressEvent(QMouseEvent* event) {
  pressedLink_ = event->button() == Qt::LeftButton ? LinkPositionAt(event->position().toPoint()) : -1;
  QTextEdit::mousePressEvent(event);
}

void RichTextView::mouseMoveEvent(QMouseEvent* event) {
  if (LinkPositionAt(event->position().toPoint()) >= 0) {
    viewport()->setCursor(Qt::PointingHandCursor);
  } else {
    viewport()->setCursor(selectable_ ? QCursor(Qt::IBeamCursor) : normalCursor_);
  }
  QTextEdit::mouseMoveEvent(event);
}

void RichTextView::mouseReleaseEvent(QMouseEvent* event) {
  QTextEdit::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || pressedLink_ < 0 || !richText_) return;
  const int released = LinkPositionAt(event->position().toPoint());
  const std::optional<LinkInfo> pressed = richText_->LinkAt(pressedLink_);
  pressedLink_ = -1;
  if (released < 0 || !pressed || released < pressed->position || released >= pressed->position + pressed->length) return;
  emit LinkClicked(pressed->text, pressed->target);
}

void RichTextView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
      const bool down = event->key() == Qt::Key_PageDown;
      verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
      QTextCursor c = cursorForPosition(QPoint(0, down ? viewport()->height() / 2 : 0));
      setTextCursor(c);
      event->accept();
      return;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab: event->ignore(); return;
    default: QTextEdit::keyPressEvent(event);
  }
}

void RichTextView::enterEvent(QEnterEvent* event) {
  QTextEdit::enterEvent(event);
  emit MouseEntered();
}

void RichTextView::leaveEvent(QEvent* event) {
  QTextEdit::leaveEvent(event);
  emit MouseLeft();
}

}  // namespace orv::rt
