// The control side of list and combo boxes: the look the items are drawn
// with, the control's place, focus and cursor, the notifications, and the
// object's own painting (the outline only).
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "app/CursorSlots.h"
#include "objects/ObjectHost.h"
#include "objects/buttons/ButtonCaption.h"
#include "objects/input/ListObjects.h"
#include "pages/BackgroundMessages.h"
#include "pages/Colour.h"

namespace orv {

namespace {

// The system colours items are drawn in.
constexpr int kHighlightColour = 13;
constexpr int kHighlightTextColour = 14;
constexpr int kGrayTextColour = 17;

QColor SystemColour(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }

bool SameFont(const TObjectFont& a, const TObjectFont& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Style == b.Style && a.CharSet == b.CharSet && a.Color == b.Color;
}

}  // namespace

void TOrvalisListObject::AdoptControl(QWidget& control) {
  // The reader reaches the control by the object's hot key, by the
  // FocusObject command and by clicking it; Tab only once it is loaded
  // inside the publication area.
  setFocusProxy(&control);
  control.setFocusPolicy(Qt::ClickFocus);
  ApplyLook();
  UpdateCursor();
}

void TOrvalisListObject::ApplyLook() {
  appliedFont_ = Font();
  look_.Font = CaptionFont(Font(), 1.0);
  look_.ItemHeight = std::max(1, QFontMetrics(look_.Font).height());
  look_.Fill = ResolveColour(FillColor());
  if (!look_.Fill.isValid()) look_.Fill = SystemColour(5);  // the window colour
  look_.Text = ResolveColour(Font().Color);
  if (!look_.Text.isValid()) look_.Text = Qt::black;
  look_.GrayText = SystemColour(kGrayTextColour);
  look_.Highlight = SystemColour(kHighlightColour);
  look_.HighlightText = SystemColour(kHighlightTextColour);
  look_.Themed = useXPTheme_;
  look_.Marquee = Host() != nullptr && Host()->ShowMarquee();
  widths_ = TAnsiTextWidths(look_.Font);
  int widest = 0;
  for (const std::string& item : items_) widest = std::max(widest, widths_.Width(item));
  const bool widthChanged = scrollExtent_ != widest + 4;
  scrollExtent_ = widest + 4;
  look_.ItemWidth = scrollExtent_;

  QWidget* control = Control();
  if (control == nullptr) return;
  control->setFont(look_.Font);
  QPalette palette = QApplication::palette(control);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, look_.Fill);
    palette.setColor(group, QPalette::Text, group == QPalette::Disabled ? look_.GrayText : look_.Text);
    if (!look_.Themed) {
      palette.setColor(group, QPalette::Highlight, look_.Highlight);
      palette.setColor(group, QPalette::HighlightedText, look_.HighlightText);
    }
  }
  control->setPalette(palette);
  {
    TShowing showing(*this);
    if (widthChanged) ItemWidthChanged();
  }
  LayoutControl();
  control->update();
  update();
}

void TOrvalisListObject::ApplyObjectFont() { ApplyLook(); }

void TOrvalisListObject::UpdateTabStop() {
  UpdateInnerTabStop(Control());
}

void TOrvalisListObject::UpdateCursor() {
  TOrvalisObj::UpdateCursor();
  QWidget* control = Control();
  if (control != nullptr && Host() != nullptr) control->setCursor(Host()->Cursor(csHotSpot));
}

// --- Notifications ------------------------------------------------------------------

void TOrvalisListObject::Loaded() {
  WatchTextVariables({Txt()});
  // The marquee setting is the window's, known by now.
  ApplyLook();
  RebuildItems();
  UpdateTabStop();
}

void TOrvalisListObject::Notify(int message, const std::string& text, const std::string& data) {
  switch (message) {
    case kMsgLoaded:
      Loaded();
      break;
    case kMsgMoved:
      UpdateTabStop();
      break;
    default:
      break;
  }
  TOrvalisObj::Notify(message, text, data);
}

void TOrvalisListObject::FillChanged() { ApplyLook(); }

void TOrvalisListObject::LineChanged() { LayoutControl(); }

void TOrvalisListObject::resizeEvent(QResizeEvent* event) {
  TOrvalisObj::resizeEvent(event);
  LayoutControl();
}

// --- Painting ------------------------------------------------------------------------

void TOrvalisListObject::paintEvent(QPaintEvent* event) {
  // A command that changes the font only repaints: the control takes the
  // new font once the loop is back.
  if (!SameFont(Font(), appliedFont_) && !fontRecheckPosted_) {
    fontRecheckPosted_ = true;
    QTimer::singleShot(0, this, [this] {
      fontRecheckPosted_ = false;
      if (!SameFont(Font(), appliedFont_)) ApplyObjectFont();
    });
  }
  TOrvalisObj::paintEvent(event);
}

void TOrvalisListObject::DrawShape(QPainter& painter) {
  // No fill of its own beyond what an erased window shows: the fill colour
  // where the control leaves something (a combo box's rounded corners, the
  // gaps of a dashed outline).
  painter.fillRect(rect(), look_.Fill);
  DrawObjectOutline(painter, rect(), Look());
}

void TOrvalisListObject::PaintTo(QPainter& painter) {
  if (isHidden()) return;
  painter.save();
  painter.translate(pos());
  PaintObject(painter);
  if (QWidget* control = Control(); control != nullptr && !control->isHidden())
    control->render(&painter, control->pos(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.restore();
}

}  // namespace orv
