#include "objects/input/EditField.h"

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

}  // namespace orv
