#include "objects/InputObjects.h"

#include "app/CursorSlots.h"
#include "container/DocumentValue.h"

namespace orv {

TOrvalisEditField::TOrvalisEditField(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host) {
  UpdateCursor();
}

bool TOrvalisEditField::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "OBJACTION=") changeAction_.SetView(key.Text());
  else if (name == "OBJSETFOCUSACTION=") gainFocusAction_.SetView(key.Text());
  else if (name == "OBJLOSEFOCUSACTION=") loseFocusAction_.SetView(key.Text());
  else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "WORDWRAP=") wordWrap_ = key.Yes();
  else if (name == "SCROLLBAR=") scrollBar_ = key.Yes();
  else if (name == "EDITMULTILINE=") multiLine_ = key.Yes();
  else if (name == "EDITLEN=") maxLength_ = key.Number();
  else if (name == "EDITMASK=") editMask_.SetView(key.Text());
  else if (name == "EDITCASE=") {
    if (const int letterCase = key.Number(); letterCase >= ecNormal && letterCase <= ecLowerCase)
      editCase_ = letterCase;
  } else if (name == "EDITPASSWORD=") {
    if (key.Yes()) {
      editMask_.SetView({});
      passwordChar_ = '*';
    }
  } else if (name == "EDITNUMBER=") {
    if (key.Yes()) {
      editMask_.SetView({});
      passwordChar_ = 0;
      numbersOnly_ = true;
    }
  } else {
    return false;
  }
  return true;
}

bool TOrvalisListObject::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "OBJACTION=") changeAction_.SetView(key.Text());
  else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "XPTHEME=") useXPTheme_ = key.Yes();
  else if (name == "VARTYPE=") variableType_ = key.Number() & 0xFF;
  else if (name == "SORTED=") sorted_ = key.Yes();
  else return false;
  return true;
}

bool TOrvalisListBox::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "DBLCLICK=") {
    dblClickAction_.SetView(key.Text());
    return true;
  }
  if (name == "MULTISELECT=") {
    multiSelect_ = key.Yes();
    return true;
  }
  if (!TOrvalisListObject::ApplyKey(key)) return false;
  if (name == "TEXT=") {
    // The list takes the lines at once.
    items_.clear();
    const std::string_view text = key.Text();
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find("\r\n", start);
      if (end == std::string_view::npos) end = text.size();
      items_.emplace_back(text.substr(start, end - start));
      start = end + 2;
    }
  }
  return true;
}

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
