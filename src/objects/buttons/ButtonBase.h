#pragma once
// TOrvalisButton: what push buttons, check boxes and radio buttons share:
// the press-and-release state machine, the caption, the hover look, the
// keyboard (tab stop, focus marquee, Enter and Space) and the click.
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "objects/OrvalisObj.h"

class QFont;

namespace orv {

enum TOrvalisBtnStyles : std::uint8_t { bsStandard = 0, bsStandardBknd = 1, bsToggle = 2, bsRadio = 3 };
enum TOrvalisBtnStates : std::uint8_t { ovbsUp = 0, ovbsDown = 1, ovbsGrayed = 2 };

// The current state of a button: up, down, and 2, which is "hot" for a push
// button under the mouse and "held" for a check box or radio button.
inline constexpr int kButtonHot = 2;
inline constexpr int kButtonHeld = 2;

class TOrvalisButton : public TOrvalisObj {
 public:
  TOrvalisButton(int type, QWidget* parent, TObjectHost* host);

  // --- Properties ----------------------------------------------------------
  int ButtonStyle() const { return buttonStyle_; }
  int InitialState() const { return initialState_; }
  void SetInitialState(int value);  // above 2 counts as up
  int Alignment() const { return alignment_; }
  void SetAlignment(int value);
  bool UseXPTheme() const { return useXPTheme_; }
  virtual void SetUseXPTheme(bool value);
  // Drawn with the application's style: the theme is always switched on.
  bool Themed() const { return useXPTheme_; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  const std::string& VarName() const { return varName_; }
  void SetVarName(std::string_view name);

  // Stand-alone: the button is part of another control; a click calls
  // `handler` instead of running the click script.
  bool StandAlone() const { return standAlone_; }
  void SetStandAlone(bool value, std::function<void()> handler = {});

  // --- State -----------------------------------------------------------------
  int State() const { return state_; }
  // Repaints when it changes.
  void SetState(int value);
  int StateAtPress() const { return stateAtPress_; }
  bool MousePressed() const { return pressed_; }

  // The caption ready to show (Windows-1252), variables replaced.
  std::string PreparedCaption() const;
  // The caption's text has changed, or its font: repaint and, with
  // AutoSize, re-size.
  void CaptionChanged();
  // Where the focus marquee goes, as the last paint on screen placed it.
  QRect FocusRect() const { return focusRect_; }

  // The click: the stand-alone handler, or the click script (posted).
  virtual void Click();
  // Draws the button into `rect` of any painter. On screen: the client
  // rectangle, no printing, 96 and 1.0. Printing scales every size in
  // pixels by `scale`, uses no theme and records no focus rectangle.
  virtual void PaintButton(QPainter& painter, const QRect& rect, bool printing, int pixelsPerInch,
                           double scale) = 0;

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  // The caption as shown, then the click, enter, exit and right-click
  // scripts.
  TFindParts FindParts() override;
  bool ApplyKey(const KeyValue& key) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  void DrawShape(QPainter& painter) override;

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void TextChanged() override { CaptionChanged(); }
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;
  int CursorSlot() const override;

  // The keys every button takes.
  bool ApplyButtonKey(const KeyValue& key);
  // The loaded notification: the tab stop, the size, and (check and radio)
  // the initial state.
  virtual void Loaded();
  // The pointer came in (true) or went out: the hover look.
  virtual void HoverLook(bool inside);
  // A right-button release; `inside` the client rectangle.
  virtual void RightButtonReleased(bool /*inside*/) {}
  // A variable the caption names changed (after the repaint).
  virtual void CaptionVariableChanged(std::string_view /*bracketName*/) {}
  // The drawing mode depends on the theme (push buttons).
  virtual void DrawingModeChanged() {}

  // The caption's font, its height multiplied by PaintButton's scale.
  QFont ButtonFont(double scale) const;
  // Disabled here or through a disabled group or container.
  bool Disabled() const { return !EnabledState() || !isEnabled(); }
  // Records the focus rectangle and draws the marquee when focused (on
  // screen only).
  void FinishFocus(QPainter& painter, const QRect& focusRect, bool printing, bool drawMarquee);
  void SetBoundVariable(std::string_view value);
  // The bound variable's value now. A change made while an earlier one is
  // still being delivered leaves that earlier value stale.
  std::string BoundValue() const;

  int buttonStyle_ = bsStandard;
  int initialState_ = ovbsUp;
  int alignment_ = 2;
  bool useXPTheme_ = true;
  bool standAlone_ = false;
  bool autoSize_ = false;
  std::string varName_;
  int state_ = ovbsUp;
  int stateAtPress_ = ovbsUp;

 private:
  // The value the state takes while the left button holds it down.
  int HeldState() const;
  // The press comes to nothing: back to the state at press, no click.
  void CancelPress();
  // Presses with the left button now and lets go `ms` later.
  void PressAndRelease(int ms);
  void UpdateTabStop();
  void ApplyAutoSize();
  bool WillMarkEntered() const;

  std::function<void()> clickHandler_;
  QRect focusRect_;
};

}  // namespace orv
