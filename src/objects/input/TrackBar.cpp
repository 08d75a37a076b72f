#include "objects/input/TrackBar.h"

#include "app/CursorSlots.h"
#include "container/DocumentValue.h"

namespace orv {

TOrvalisTrackBar::TOrvalisTrackBar(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
  UpdateCursor();
}

int TOrvalisTrackBar::CursorSlot() const { return csHotSpot; }

void TOrvalisTrackBar::SetMinimum(int value) {
  minimum_ = value;
  if (maximum_ < minimum_) {
    if (minimum_ == INT_MAX) minimum_ = INT_MAX - 1;
    maximum_ = minimum_ + 1;
  }
}

void TOrvalisTrackBar::SetMaximum(int value) {
  maximum_ = value;
  if (minimum_ > maximum_) {
    if (maximum_ == INT_MIN) maximum_ = INT_MIN + 1;
    minimum_ = maximum_ - 1;
  }
}

bool TOrvalisTrackBar::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "OBJACTION=") changeAction_.SetView(key.Text());
  else if (name == "CHANGINGACTION=") changingAction_.SetView(key.Text());
  else if (name == "ALIGN=") {
    if (const int orientation = key.Number(); orientation == tbHorizontal || orientation == tbVertical)
      orientation_ = orientation;
  } else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "INITSTATE=") initialValue_ = key.Number();
  else if (name == "MIN=") SetMinimum(key.Number());
  else if (name == "MAX=") SetMaximum(key.Number());
  else if (name == "THUMBSIZE=") thumbHeight_ = key.Number();
  else if (name == "TRACKSIZE=") trackWidth_ = key.Number();
  else if (name == "THUMBIMAGE=") thumbImage_.SetView(key.Text());
  else if (name == "TRACKIMAGE=") trackImage_.SetView(key.Text());
  else if (name == "THUMBTRANSCOLOR=") thumbTrans_ = static_cast<ColourValue>(key.Number());
  else if (name == "TRACKTRANSCOLOR=") trackTrans_ = static_cast<ColourValue>(key.Number());
  else return false;
  return true;
}

}  // namespace orv
