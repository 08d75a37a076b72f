#pragma once
// Edit fields, list boxes, combo boxes and track bars: their properties as
// the document sets them. Their inner controls come with their own
// behaviour; until then they show the common frame, and the three text
// inputs take the keyboard focus for their hot key.
#include <climits>
#include <string>
#include <vector>

#include "objects/OrvalisObj.h"

namespace orv {

enum TVariableType : std::uint8_t { vtText = 0 };
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

// What list boxes and combo boxes share.
class TOrvalisListObject : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view ChangeAction() const { return changeAction_.View(); }
  const std::string& VarName() const { return varName_; }
  int VariableType() const { return variableType_; }
  bool Sorted() const { return sorted_; }
  bool UseXPTheme() const { return useXPTheme_; }

  bool TakesHoverActions() const override { return true; }
  bool TakesFocusByHotKey() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 protected:
  TObjectText changeAction_;
  std::string varName_;
  int variableType_ = vtText;
  bool sorted_ = false;
  bool useXPTheme_ = true;
};

class TOrvalisComboBox : public TOrvalisListObject {
 public:
  using TOrvalisListObject::TOrvalisListObject;
};

class TOrvalisListBox : public TOrvalisListObject {
 public:
  using TOrvalisListObject::TOrvalisListObject;

  bool MultiSelect() const { return multiSelect_; }
  std::string_view DblClickAction() const { return dblClickAction_.View(); }
  // The items: the lines of "TEXT=", replaced as it is read.
  const std::vector<std::string>& Items() const { return items_; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  bool multiSelect_ = false;
  TObjectText dblClickAction_;
  std::vector<std::string> items_;
};

enum TTrackBarOrientation : std::uint8_t { tbHorizontal = 0, tbVertical = 1 };

class TOrvalisTrackBar : public TOrvalisObj {
 public:
  TOrvalisTrackBar(int type, QWidget* parent, TObjectHost* host);

  std::string_view ChangeAction() const { return changeAction_.View(); }
  std::string_view ChangingAction() const { return changingAction_.View(); }
  const std::string& VarName() const { return varName_; }
  int Orientation() const { return orientation_; }
  int InitialValue() const { return initialValue_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Value() const { return value_; }
  int ThumbWidth() const { return thumbWidth_; }
  int ThumbHeight() const { return thumbHeight_; }
  int TrackWidth() const { return trackWidth_; }
  int TrackHeight() const { return trackHeight_; }
  std::string_view ThumbImageFile() const { return thumbImage_.View(); }
  std::string_view TrackImageFile() const { return trackImage_.View(); }
  ColourValue ThumbTransColor() const { return thumbTrans_; }
  ColourValue TrackTransColor() const { return trackTrans_; }

  // A maximum below the new minimum becomes minimum + 1, and the other way
  // round; at the 32-bit limits the other end gives way instead.
  void SetMinimum(int value);
  void SetMaximum(int value);

  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 protected:
  int CursorSlot() const override;

 private:
  TObjectText changeAction_, changingAction_, thumbImage_, trackImage_;
  std::string varName_;
  int orientation_ = tbHorizontal;
  int initialValue_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
  int value_ = 0;
  int thumbWidth_ = 10;
  int thumbHeight_ = 10;
  int trackWidth_ = 3;
  int trackHeight_ = 3;
  ColourValue thumbTrans_ = kAutoTransparentColour;
  ColourValue trackTrans_ = kAutoTransparentColour;
};

}  // namespace orv
