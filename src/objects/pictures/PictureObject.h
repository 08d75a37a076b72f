#pragma once
// The picture object: its properties as the document sets them.
#include "objects/OrvalisObj.h"

namespace orv {

enum TPicturePaintMode : std::uint8_t { pNormal = 0, pLastPaintMode = 6 };

class TOrvalisPicture : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view ImageFile() const { return imageFile_.View(); }
  int PaintMode() const { return paintMode_; }
  ColourValue TransColor() const { return transColor_; }
  int ZoomFactor() const { return zoomFactor_; }
  int Opacity() const { return opacity_; }
  bool ScrollBars() const { return scrollBars_; }
  bool MouseScrollable() const { return mouseScrollable_; }
  bool Centered() const { return centered_; }
  bool ResampleMode() const { return resampleMode_; }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText imageFile_;
  int paintMode_ = pNormal;
  ColourValue transColor_ = kNoTransparentColour;
  int zoomFactor_ = 100;
  int opacity_ = 255;
  bool scrollBars_ = false;
  bool mouseScrollable_ = false;
  bool centered_ = false;
  bool resampleMode_ = false;
};

}  // namespace orv
