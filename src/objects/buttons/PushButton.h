#pragma once
// TOrvalisPushBtn: a momentary button with a caption and, by its image
// style, no picture, a library strip of three frames (up, hot, pressed) or
// a picture for each state; a bevel, the pressed shift and a hot look.
#include <string_view>

#include "objects/buttons/ButtonBase.h"
#include "pages/Colour.h"

namespace orv {

enum TOrvalisButtonImageStyles : std::uint8_t { ovbsNone = 0, ovbsLibrary = 1, ovbsIndividual = 2 };

class TPictureHold;

class TOrvalisPushBtn : public TOrvalisButton {
 public:
  TOrvalisPushBtn(int type, QWidget* parent, TObjectHost* host);

  // --- Properties ----------------------------------------------------------
  int ImageStyle() const { return imageStyle_; }
  void SetImageStyle(int value);  // outside 0 to 2: ignored
  std::string_view UpImage() const { return upImage_.View(); }
  std::string_view DownImage() const { return downImage_.View(); }
  std::string_view OverImage() const { return overImage_.View(); }
  std::string_view LibImage() const { return libImage_.View(); }
  void SetUpImage(std::string_view name) { SetPicture(upImage_, name); }
  void SetDownImage(std::string_view name) { SetPicture(downImage_, name); }
  void SetOverImage(std::string_view name) { SetPicture(overImage_, name); }
  void SetLibImage(std::string_view name) { SetPicture(libImage_, name); }
  ColourValue UpTransparentColor() const { return upTrans_; }
  ColourValue DownTransparentColor() const { return downTrans_; }
  ColourValue OverTransparentColor() const { return overTrans_; }
  void SetUpTransparentColor(ColourValue value) { SetColour(upTrans_, value); }
  void SetDownTransparentColor(ColourValue value) { SetColour(downTrans_, value); }
  void SetOverTransparentColor(ColourValue value) { SetColour(overTrans_, value); }
  bool OverlayText() const { return overlayText_; }
  void SetOverlayText(bool value);
  bool DepressEffect() const { return depressEffect_; }
  void SetDepressEffect(bool value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);  // 0 to 255

  // The base rule, or drawn themed (the theme's shape lets the page show).
  bool GetIsTransparent() const override;
  // Drawn through an off-screen picture first: never stand-alone; with a
  // picture, transparent or themed.
  bool OffScreenBuffered() const { return buffered_; }

  // Printing paints a button's background first with the caption left out.
  void SetCaptionSuppressed(bool value) { captionSuppressed_ = value; }

  bool ApplyKey(const KeyValue& key) override;
  void DrawShape(QPainter& painter) override;
  void PaintButton(QPainter& painter, const QRect& rect, bool printing, int pixelsPerInch, double scale) override;

 protected:
  void HoverLook(bool inside) override;
  void RightButtonReleased(bool inside) override;
  void FillChanged() override { DrawingModeChanged(); }
  void DrawingModeChanged() override;

 private:
  // The picture the state shows; the hold is empty when there is none.
  struct TStatePicture;
  TStatePicture ChoosePicture(bool printing, double scale) const;
  bool HasPictureForStyle() const;
  // Something to show when hot: a library strip, an over picture, the theme.
  bool HasHotLook() const;
  bool LibraryStrip() const { return imageStyle_ == ovbsLibrary && !libImage_.Empty(); }
  void SetPicture(TObjectText& field, std::string_view name);
  void SetColour(ColourValue& field, ColourValue value);

  bool overlayText_ = false;
  bool depressEffect_ = true;
  TObjectText upImage_, downImage_, overImage_, libImage_;
  ColourValue upTrans_ = kAutoTransparentColour;
  ColourValue downTrans_ = kAutoTransparentColour;
  ColourValue overTrans_ = kAutoTransparentColour;
  int imageStyle_ = ovbsNone;
  int bevelWidth_ = 2;
  bool buffered_ = false;
  bool captionSuppressed_ = false;
};

}  // namespace orv
