#include "objects/buttons/Buttons.h"

#include "app/CursorSlots.h"
#include "container/DocumentValue.h"

namespace orv {

TOrvalisButton::TOrvalisButton(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  UpdateCursor();
}

int TOrvalisButton::CursorSlot() const { return csHotSpot; }

bool TOrvalisButton::ApplyButtonKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "ALIGN=") alignment_ = key.Number();
  else if (name == "OBJACTION=") clickAction_.SetView(key.Text());
  else if (name == "XPTHEME=") useXPTheme_ = key.Yes();
  else return false;
  return true;
}

bool TOrvalisButton::ApplyKey(const KeyValue& key) {
  if (ApplyButtonKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "INITSTATE=") initialState_ = key.Number() & 0xFF;
  else if (name == "AUTOSIZE=") autoSize_ = key.Yes();
  else return false;
  return true;
}

TOrvalisPushBtn::TOrvalisPushBtn(int type, QWidget* parent, TObjectHost* host) : TOrvalisButton(type, parent, host) {
  useXPTheme_ = false;
}

bool TOrvalisPushBtn::ApplyKey(const KeyValue& key) {
  if (ApplyButtonKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "OBJRACTION=") rClickAction_.SetView(key.Text());
  else if (name == "IMAGESTYLE=") {
    if (const int style = key.Number(); style >= ovbsNone && style <= ovbsIndividual) imageStyle_ = style;
  } else if (name == "UPIMAGE=") upImage_.SetView(key.Text());
  else if (name == "DOWNIMAGE=") downImage_.SetView(key.Text());
  else if (name == "OVERIMAGE=") overImage_.SetView(key.Text());
  else if (name == "LIBIMAGE=") libImage_.SetView(key.Text());
  else if (name == "UPTRANSCOLOR=") upTrans_ = static_cast<ColourValue>(key.Number());
  else if (name == "DOWNTRANSCOLOR=") downTrans_ = static_cast<ColourValue>(key.Number());
  else if (name == "OVERTRANSCOLOR=") overTrans_ = static_cast<ColourValue>(key.Number());
  else if (name == "OVERLAYTEXT=") overlayText_ = key.Yes();
  else if (name == "BEVELWIDTH=") bevelWidth_ = key.Number() & 0xFF;
  else if (name == "DEPRESSEFFECT=") depressEffect_ = key.Yes();
  else return false;
  return true;
}

TOrvalisCheckBox::TOrvalisCheckBox(int type, QWidget* parent, TObjectHost* host) : TOrvalisButton(type, parent, host) {
  buttonStyle_ = bsToggle;
  alignment_ = 1;
  LockTransparency(true);
}

TOrvalisRadioBtn::TOrvalisRadioBtn(int type, QWidget* parent, TObjectHost* host) : TOrvalisButton(type, parent, host) {
  buttonStyle_ = bsRadio;
  alignment_ = 1;
  LockTransparency(true);
}

}  // namespace orv
