#pragma once
// The track bar: a value the reader drags between a minimum and a maximum,
// drawn by the object itself.
#include <climits>
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

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
