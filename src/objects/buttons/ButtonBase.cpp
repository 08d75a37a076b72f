#include "objects/buttons/ButtonBase.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "app/CursorSlots.h"
#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/buttons/ButtonAutoSize.h"
#include "objects/buttons/ButtonCaption.h"
#include "objects/buttons/ButtonFrames.h"
#include "pages/BackgroundMessages.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

// Enter or Space holds a focused button down this long.
constexpr int kKeyPressMs = 100;

}  // namespace

TOrvalisButton::TOrvalisButton(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  UpdateCursor();
}

int TOrvalisButton::CursorSlot() const { return csHotSpot; }

// --- Document keys -------------------------------------------------------------

bool TOrvalisButton::ApplyButtonKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") {
    txt_.SetView(key.Text());
    WatchTextVariables({txt_.View()});
  } else if (name == "ALIGN=") {
    alignment_ = key.Number() & 0xFF;
  } else if (name == "OBJACTION=") {
    clickAction_.SetView(key.Text());
  } else if (name == "XPTHEME=") {
    SetUseXPTheme(key.Yes());
  } else {
    return false;
  }
  return true;
}

bool TOrvalisButton::ApplyKey(const KeyValue& key) {
  if (ApplyButtonKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "VARNAME=") SetVarName(key.Text());
  else if (name == "INITSTATE=") SetInitialState(key.Number() & 0xFF);
  else if (name == "AUTOSIZE=") autoSize_ = key.Yes();
  else return false;
  return true;
}

// --- Properties ----------------------------------------------------------------

void TOrvalisButton::SetInitialState(int value) {
  // A state no button has reads as up.
  initialState_ = value >= ovbsUp && value <= ovbsGrayed ? value : ovbsUp;
}

void TOrvalisButton::SetAlignment(int value) {
  if (value == alignment_) return;
  alignment_ = value;
  Repaint();
  if (autoSize_) ApplyAutoSize();
}

void TOrvalisButton::SetUseXPTheme(bool value) {
  if (value == useXPTheme_) return;
  useXPTheme_ = value;
  DrawingModeChanged();
  Repaint();
}

void TOrvalisButton::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  if (autoSize_) ApplyAutoSize();
}

void TOrvalisButton::SetVarName(std::string_view name) {
  if (name == varName_) return;
  varName_ = name;
  BindVariable(varName_);
}

void TOrvalisButton::SetStandAlone(bool value, std::function<void()> handler) {
  clickHandler_ = std::move(handler);
  if (value == standAlone_) return;
  standAlone_ = value;
  DrawingModeChanged();
}

void TOrvalisButton::SetState(int value) {
  if (value == state_) return;
  state_ = value;
  Repaint();
}

void TOrvalisButton::SetBoundVariable(std::string_view value) {
  if (varName_.empty() || Host() == nullptr) return;
  Host()->Engine().Vars().SetVar(varName_, value);
}

std::string TOrvalisButton::BoundValue() const {
  if (varName_.empty() || Host() == nullptr) return {};
  return Host()->Engine().Vars().GetVar(varName_);
}

// --- Caption -------------------------------------------------------------------

std::string TOrvalisButton::PreparedCaption() const {
  return PrepareButtonCaption(Txt(), Host() != nullptr ? &Host()->Engine().Vars() : nullptr);
}

TFindParts TOrvalisButton::FindParts() {
  TFindParts parts = TOrvalisObj::FindParts();
  // The text the caption shows: variables replaced, the "^" that marks the
  // underlined letter gone.
  parts.Caption = Host() != nullptr ? Host()->Engine().Vars().SubstituteVars(Txt()) : std::string(Txt());
  std::erase(parts.Caption, '^');
  return parts;
}

QFont TOrvalisButton::ButtonFont(double scale) const {
  return CaptionFont(Font(), scale);
}

void TOrvalisButton::CaptionChanged() {
  WatchTextVariables({Txt()});
  Repaint();
  if (autoSize_) ApplyAutoSize();
}

void TOrvalisButton::ApplyAutoSize() {
  resize(AutoSizeFor(ButtonFont(1.0), CaptionText(PreparedCaption()), alignment_));
}

void TOrvalisButton::WatchedVariableChanged(std::string_view bracketName, std::string_view) {
  Repaint();
  if (autoSize_) ApplyAutoSize();
  CaptionVariableChanged(bracketName);
}

// --- Notifications ----------------------------------------------------------------

void TOrvalisButton::Loaded() {
  UpdateTabStop();
  if (autoSize_) ApplyAutoSize();
}

void TOrvalisButton::UpdateTabStop() {
  const bool tabStop = Host() != nullptr && Host()->ShowMarquee() && InPublicationArea();
  setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TOrvalisButton::Notify(int message, const std::string& text, const std::string& data) {
  switch (message) {
    case kMsgLoaded:
      Loaded();
      break;
    case kMsgMoved:
      UpdateTabStop();
      break;
    case kMsgPageLeaving:
      CancelPress();
      break;
    default:
      break;
  }
  TOrvalisObj::Notify(message, text, data);
  // Leaving the page ended the hover without a leave.
  if (message == kMsgPageLeaving) HoverLook(false);
}

// --- Mouse -----------------------------------------------------------------------

int TOrvalisButton::HeldState() const {
  return buttonStyle_ == bsToggle || buttonStyle_ == bsRadio ? kButtonHeld : ovbsDown;
}

void TOrvalisButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || Disabled() || pressed_) return;
  pressed_ = true;
  stateAtPress_ = state_;
  SetState(HeldState());
}

void TOrvalisButton::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!pressed_) return;
  SetState(rect().contains(event->position().toPoint()) ? HeldState() : stateAtPress_);
}

void TOrvalisButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const bool inside = rect().contains(event->position().toPoint());
  if (event->button() == Qt::RightButton) {
    if (!Disabled()) RightButtonReleased(inside);
    return;
  }
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  int next = stateAtPress_;
  switch (buttonStyle_) {
    case bsToggle:
      if (inside) next = stateAtPress_ == ovbsDown ? ovbsUp : ovbsDown;
      break;
    case bsRadio:
      if (inside) next = ovbsDown;
      break;
    default:
      if (!inside) next = ovbsUp;
      break;
  }
  SetState(next);
  // Choosing the radio button already chosen is no click.
  if (inside && !(buttonStyle_ == bsRadio && stateAtPress_ == ovbsDown)) Click();
}

void TOrvalisButton::CancelPress() {
  if (!pressed_) return;
  pressed_ = false;
  SetState(stateAtPress_);
}

void TOrvalisButton::changeEvent(QEvent* event) {
  // Qt delivers no release to a disabled widget: the press ends here.
  if (event->type() == QEvent::EnabledChange && !isEnabled()) CancelPress();
  TOrvalisObj::changeEvent(event);
}

void TOrvalisButton::hideEvent(QHideEvent* event) {
  // Nor to a hidden one.
  CancelPress();
  TOrvalisObj::hideEvent(event);
}

void TOrvalisButton::Click() {
  if (standAlone_ && clickHandler_) {
    clickHandler_();
    return;
  }
  RunEventScript(ClickAction(), evClick);
}

// --- Hover -----------------------------------------------------------------------

bool TOrvalisButton::WillMarkEntered() const {
  return !MouseInside() && !Disabled() && !Closing() && !(Host() != nullptr && Host()->PageSwitching());
}

void TOrvalisButton::HoverLook(bool) {
  if (Themed() && (buttonStyle_ == bsToggle || buttonStyle_ == bsRadio)) Repaint();
}

bool TOrvalisButton::event(QEvent* event) {
  const bool wasInside = MouseInside();
  // The hover look comes before the enter or exit script runs.
  if (event->type() == QEvent::Enter && WillMarkEntered())
    HoverLook(true);
  else if (event->type() == QEvent::Leave && wasInside && !(Host() != nullptr && Host()->PageSwitching()))
    HoverLook(false);
  const bool handled = TOrvalisObj::event(event);
  // Enter and leave put off during a page switch are handled later.
  if (MouseInside() != wasInside) HoverLook(MouseInside());
  return handled;
}

// --- Keyboard --------------------------------------------------------------------

void TOrvalisButton::PressAndRelease(int ms) {
  const QPointF centre = QRectF(rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(this, &press);
  QTimer::singleShot(ms, this, [this, centre] {
    // The press may have ended meanwhile (hidden, disabled, page left).
    if (!pressed_) return;
    QMouseEvent release(QEvent::MouseButtonRelease, centre, mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
  });
}

void TOrvalisButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool pressKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (pressKey && Host() != nullptr && Host()->ShowMarquee()) {
    event->accept();
    if (!event->isAutoRepeat()) PressAndRelease(kKeyPressMs);
    return;
  }
  TOrvalisObj::keyPressEvent(event);
}

void TOrvalisButton::focusInEvent(QFocusEvent* event) {
  TOrvalisObj::focusInEvent(event);
  Repaint();
}

void TOrvalisButton::focusOutEvent(QFocusEvent* event) {
  TOrvalisObj::focusOutEvent(event);
  Repaint();
}

// --- Painting --------------------------------------------------------------------

void TOrvalisButton::DrawShape(QPainter& painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  PaintButton(painter, rect(), false, 96, 1.0);
  painter.restore();
}

void TOrvalisButton::FinishFocus(QPainter& painter, const QRect& focusRect, bool printing, bool drawMarquee) {
  if (printing) return;
  focusRect_ = focusRect;
  if (drawMarquee && hasFocus()) DrawFocusMarquee(painter, focusRect_);
}

}  // namespace orv
