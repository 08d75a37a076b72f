#pragma once
// The edit field: a text the reader types, bound to a variable.
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

enum TEditCase : std::uint8_t { ecNormal = 0, ecUpperCase = 1, ecLowerCase = 2 };

class TOrvalisEditField : public TOrvalisObj {
 public:
  TOrvalisEditField(int type, QWidget* parent, TObjectHost* host);

  std::string_view ChangeAction() const { return changeAction_.View(); }
  std::string_view GainFocusAction() const { return gainFocusAction_.View(); }
  std::string_view LoseFocusAction() const { return loseFocusAction_.View(); }
  const std::string& VarName() const { return varName_; }
  bool WordWrap() const { return wordWrap_; }
  bool ScrollBar() const { return scrollBar_; }
  bool MultiLine() const { return multiLine_; }
  int MaxLength() const { return maxLength_; }
  std::string_view EditMask() const { return editMask_.View(); }
  int EditCase() const { return editCase_; }
  char PasswordChar() const { return passwordChar_; }
  bool NumbersOnly() const { return numbersOnly_; }

  bool TakesHoverActions() const override { return true; }
  bool TakesFocusByHotKey() const override { return true; }
  bool IsMultiLineEdit() const override { return multiLine_; }
  bool ApplyKey(const KeyValue& key) override;
  // Text is typed here: the I-beam, not a slot's cursor.
  void UpdateCursor() override { setCursor(Qt::IBeamCursor); }

 private:
  TObjectText changeAction_, gainFocusAction_, loseFocusAction_, editMask_;
  std::string varName_;
  bool wordWrap_ = false;
  bool scrollBar_ = false;
  bool multiLine_ = false;
  int maxLength_ = 0;
  int editCase_ = ecNormal;
  char passwordChar_ = 0;
  bool numbersOnly_ = false;
};

}  // namespace orv
