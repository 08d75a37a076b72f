#pragma once
// The edit field: a text the reader types into a borderless control inside
// the object (one line, or several), bound to a variable. The variable
// holds line breaks as CR LF; a masked field gives it the text with or
// without the mask's literals.
#include <memory>
#include <string>

#include "objects/OrvalisObj.h"
#include "objects/input/EditInputRules.h"
#include "objects/input/EditMask.h"

namespace orv {

class TEditControl;
class TEditPasswordStyle;

class TOrvalisEditField : public TOrvalisObj {
 public:
  TOrvalisEditField(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisEditField() override;

  std::string_view ChangeAction() const { return changeAction_.View(); }
  std::string_view GainFocusAction() const { return gainFocusAction_.View(); }
  std::string_view LoseFocusAction() const { return loseFocusAction_.View(); }
  const std::string& VarName() const { return varName_; }
  bool WordWrap() const { return wordWrap_; }
  bool ScrollBar() const { return scrollBar_; }
  bool MultiLine() const { return rules_.MultiLine; }
  int MaxLength() const { return maxLength_; }
  std::string_view EditMask() const { return editMask_.View(); }
  int EditCase() const { return rules_.LetterCase; }
  char PasswordChar() const { return passwordChar_; }
  bool NumbersOnly() const { return rules_.NumbersOnly; }

  // --- The inner control's setters --------------------------------------
  // A mask and a password character exclude each other: setting one clears
  // the other. Changing MultiLine, WordWrap, ScrollBar or NumbersOnly
  // builds the control anew, keeping its text.
  void SetEditMask(std::string_view mask);
  void SetMaxLength(int length);  // 0 or less: the largest, 60,000
  void SetEditCase(int letterCase);  // outside 0 to 2: ignored
  void SetPasswordChar(char shown);  // 0: none
  void SetMultiLine(bool value);
  void SetWordWrap(bool value);
  void SetScrollBar(bool value);
  void SetNumbersOnly(bool value);
  // The object's font changed: the control takes it and is placed anew.
  void FontChanged();

  // --- Text ---------------------------------------------------------------
  // The text as the variable holds it.
  std::string Text() const;
  // Sets the text as a program does (in the field's letter case, cut to its
  // maximum); the caret goes to the start. The change writes the variable.
  void SetText(std::string_view text);
  // The selection, counted in the variable's characters.
  int SelectionStart() const;
  int SelectionLength() const;
  std::string SelectedText() const;
  // Selects in the variable's characters, as Find shows a match.
  void SelectText(int start, int length);
  // Find searches the text, unless it is a password, and the scripts.
  TFindParts FindParts() override;
  // Whether the text fills the mask as it requires; true without a mask.
  bool SatisfiesMask() const;
  // The longest text a field holds when no maximum is set.
  static constexpr int kLargestLength = 60000;

  // The control inside, and where the field puts it.
  QWidget* InnerControl() const;
  QRect ControlRect() const;

  bool TakesHoverActions() const override { return true; }
  bool TakesFocusByHotKey() const override { return true; }
  bool IsMultiLineEdit() const override { return rules_.MultiLine; }
  bool ApplyKey(const KeyValue& key) override;
  // Text is typed here: the I-beam, not a slot's cursor.
  void UpdateCursor() override { setCursor(Qt::IBeamCursor); }
  bool TakeEscape() override;
  void SetEnabledState(bool value) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  void PageEntering() override;
  void PageLeaving() override;
  void PaintTo(QPainter& painter) override;

 protected:
  void BoundVariableChanged(std::string_view value) override;
  void FillChanged() override { ApplyColours(); }
  void LineChanged() override { PlaceControl(); }
  void TextChanged() override { SetText(Txt()); }
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControl();
  void DropControl();
  void ApplyMask();
  void ApplyPassword();
  void ApplyColours();
  void PlaceControl();
  void UpdateTabStop();
  QFont ControlFont() const;
  int EffectiveMaxLength() const { return maxLength_ > 0 ? maxLength_ : kLargestLength; }
  bool Masked() const;
  // A variable's or a program's text as the control shows it.
  QString ShownForm(std::string_view text) const;
  // Runs `change` on the control without it counting as a change of text:
  // nothing is written and nothing runs.
  template <typename Change>
  void Quietly(Change change);
  // The control's text changed, whoever changed it.
  void ControlTextChanged();
  void FocusGained(Qt::FocusReason reason);
  void FocusLost(Qt::FocusReason reason);
  void TakeFocusBack();

  TObjectText changeAction_, gainFocusAction_, loseFocusAction_, editMask_;
  std::string varName_;
  bool wordWrap_ = true;
  bool scrollBar_ = true;
  int maxLength_ = 0;
  char passwordChar_ = 0;
  TEditInputRules rules_;
  TEditMaskForm mask_;

  TEditControl* control_ = nullptr;  // a child widget
  std::unique_ptr<TEditPasswordStyle> passwordStyle_;
  bool acceptDrops_ = false;

  // The text as the variable form last seen, so that only real changes
  // count.
  std::string shownValue_;
  bool programmatic_ = false;  // the field itself sets the text
  bool quiet_ = false;         // ... and nothing is written or run

  // The mask's focus rule: the text at the focus gain, whether the reader
  // changed it since, and a take-back waiting in the event loop.
  QString textAtFocus_;
  bool changedSinceFocus_ = false;
  bool takeBackPosted_ = false;
};

}  // namespace orv
