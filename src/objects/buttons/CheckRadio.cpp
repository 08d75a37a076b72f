#include "objects/buttons/CheckRadio.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

#include "base/Ansi.h"
#include "base/TruthWords.h"
#include "objects/buttons/ButtonCaption.h"
#include "objects/buttons/ClassicIndicators.h"

namespace orv {

namespace {

constexpr int kBoxSize = 13;
constexpr int kGap = 4;

int Scaled(int pixels, double scale) { return static_cast<int>(std::nearbyint(pixels * scale)); }

}  // namespace

TOrvalisIndicatorButton::TOrvalisIndicatorButton(int type, QWidget* parent, TObjectHost* host, int style)
    : TOrvalisButton(type, parent, host) {
  buttonStyle_ = style;
  alignment_ = 1;
  LockTransparency(true);
}

void TOrvalisIndicatorButton::Loaded() {
  TOrvalisButton::Loaded();
  SetState(initialState_);
  // An unchecked box leaves a value the variable may already have alone.
  if (!varName_.empty() && state_ == ovbsDown) SetBoundVariable(LoadedValue());
}

void TOrvalisIndicatorButton::DrawIndicator(QPainter& painter, const QRect& box, bool printing) {
  const bool checked = state_ == ovbsDown || (state_ == kButtonHeld && pressed_ && stateAtPress_ == ovbsDown);
  if (Themed() && !printing) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = box;
    option.state = QStyle::State_None;
    if (!Disabled()) option.state |= QStyle::State_Enabled;
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    if (!Disabled()) {
      if (state_ == kButtonHeld)
        option.state |= QStyle::State_Sunken;
      else if (MouseInside())
        option.state |= QStyle::State_MouseOver;
    }
    style()->drawPrimitive(IsRadio() ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &option,
                           &painter, this);
    return;
  }
  TIndicatorLook look;
  look.Checked = checked;
  look.Pushed = state_ == kButtonHeld;
  look.Inactive = Disabled();
  if (IsRadio())
    DrawClassicRadio(painter, box, look);
  else
    DrawClassicCheckBox(painter, box, look);
}

void TOrvalisIndicatorButton::PaintButton(QPainter& painter, const QRect& rect, bool printing,
                                          int /*pixelsPerInch*/, double scale) {
  const QFont font = ButtonFont(scale);
  const QString caption = CaptionText(PreparedCaption());
  const QSize text = MeasureCaption(font, caption);
  const int box = Scaled(kBoxSize, scale);
  const int gap = caption.isEmpty() ? 0 : Scaled(kGap, scale);

  QRect boxRect, textRect;
  switch (alignment_) {
    case 2: {
      const int top = rect.top() + (rect.height() - (box + gap + text.height())) / 2;
      boxRect = QRect(rect.left() + (rect.width() - box) / 2, top, box, box);
      textRect = QRect(rect.left() + (rect.width() - text.width()) / 2, top + box + gap, text.width(), text.height());
      break;
    }
    case 4:
      boxRect = QRect(rect.right() + 1 - box, rect.top() + (rect.height() - box) / 2, box, box);
      textRect = QRect(boxRect.left() - gap - text.width(), rect.top() + (rect.height() - text.height()) / 2,
                       text.width(), text.height());
      break;
    default:
      boxRect = QRect(rect.left(), rect.top() + (rect.height() - box) / 2, box, box);
      textRect = QRect(boxRect.right() + 1 + gap, rect.top() + (rect.height() - text.height()) / 2, text.width(),
                       text.height());
      break;
  }

  DrawIndicator(painter, boxRect, printing);
  TCaptionLook look;
  look.Colour = ResolveColour(Font().Color);
  look.Grayed = Disabled();
  DrawCaption(painter, textRect, font, caption, look);
  FinishFocus(painter, textRect.adjusted(-1, -1, 1, 1), printing, true);
}

// --- Check box -------------------------------------------------------------------

TOrvalisCheckBox::TOrvalisCheckBox(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisIndicatorButton(type, parent, host, bsToggle) {}

void TOrvalisCheckBox::Click() {
  if (!varName_.empty()) SetBoundVariable(state_ == ovbsDown ? "Checked" : "");
  TOrvalisButton::Click();
}

void TOrvalisCheckBox::BoundVariableChanged(std::string_view) {
  SetState(IsTrueWord(BoundValue()) ? ovbsDown : ovbsUp);
}

// --- Radio button ----------------------------------------------------------------

TOrvalisRadioBtn::TOrvalisRadioBtn(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisIndicatorButton(type, parent, host, bsRadio) {}

void TOrvalisRadioBtn::Click() {
  // The group's other members follow through the variable's change.
  if (!varName_.empty()) SetBoundVariable(PreparedCaption());
  TOrvalisButton::Click();
}

void TOrvalisRadioBtn::BoundVariableChanged(std::string_view) {
  SetState(AnsiSameText(BoundValue(), PreparedCaption()) ? ovbsDown : ovbsUp);
}

void TOrvalisRadioBtn::CaptionVariableChanged(std::string_view bracketName) {
  // The chosen button keeps its group's value equal to what its caption
  // shows now.
  if (varName_.empty() || AnsiSameText(bracketName, varName_) || state_ != ovbsDown || resetting_) return;
  resetting_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{resetting_};
  SetBoundVariable(PreparedCaption());
}

}  // namespace orv
