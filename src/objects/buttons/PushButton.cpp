#include "objects/buttons/PushButton.h"

#include "container/DocumentValue.h"

namespace orv {

TOrvalisPushBtn::TOrvalisPushBtn(int type, QWidget* parent, TObjectHost* host) : TOrvalisButton(type, parent, host) {
  useXPTheme_ = false;
  DrawingModeChanged();
}

bool TOrvalisPushBtn::ApplyKey(const KeyValue& key) {
  if (ApplyButtonKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "OBJRACTION=") rClickAction_.SetView(key.Text());
  else if (name == "IMAGESTYLE=") SetImageStyle(key.Number());
  else if (name == "UPIMAGE=") upImage_.SetView(key.Text());
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
  DrawingModeChanged();
  return true;
}

// --- Properties ----------------------------------------------------------------

void TOrvalisPushBtn::SetImageStyle(int value) {
  if (value < ovbsNone || value > ovbsIndividual || value == imageStyle_) return;
  imageStyle_ = value;
  DrawingModeChanged();
  Repaint();
}

void TOrvalisPushBtn::SetPicture(TObjectText& field, std::string_view name) {
  if (name == field.View()) return;
  field.Set(name);
  DrawingModeChanged();
  Repaint();
}

void TOrvalisPushBtn::SetColour(ColourValue& field, ColourValue value) {
  if (value == field) return;
  field = value;
  Repaint();
}

void TOrvalisPushBtn::SetOverlayText(bool value) {
  if (value == overlayText_) return;
  overlayText_ = value;
  Repaint();
}

void TOrvalisPushBtn::SetDepressEffect(bool value) {
  if (value == depressEffect_) return;
  depressEffect_ = value;
  Repaint();
}

void TOrvalisPushBtn::SetBevelWidth(int value) {
  value &= 0xFF;
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  Repaint();
}

bool TOrvalisPushBtn::GetIsTransparent() const { return TOrvalisObj::GetIsTransparent() || Themed(); }

// --- Drawing mode ----------------------------------------------------------------

bool TOrvalisPushBtn::HasPictureForStyle() const {
  switch (imageStyle_) {
    case ovbsLibrary: return !libImage_.Empty();
    case ovbsIndividual: return !upImage_.Empty();
    default: return false;
  }
}

void TOrvalisPushBtn::DrawingModeChanged() {
  const bool transparent = GetIsTransparent();
  buffered_ = !standAlone_ && (HasPictureForStyle() || transparent || Themed());
  buttonStyle_ = transparent ? bsStandardBknd : bsStandard;
  ApplyOpaqueAttribute();
}

// --- Mouse -----------------------------------------------------------------------

bool TOrvalisPushBtn::HasHotLook() const {
  return LibraryStrip() || (imageStyle_ == ovbsIndividual && !overImage_.Empty()) || Themed();
}

void TOrvalisPushBtn::HoverLook(bool inside) {
  TOrvalisButton::HoverLook(inside);
  if (inside) {
    if (!pressed_ && state_ != kButtonHot && HasHotLook()) SetState(kButtonHot);
  } else if (state_ == kButtonHot) {
    SetState(ovbsUp);
  }
}

void TOrvalisPushBtn::RightButtonReleased(bool inside) {
  if (inside) RunEventScript(RClickAction(), evRightClick);
}

}  // namespace orv
