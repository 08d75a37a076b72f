#pragma once
// Push buttons, check boxes and radio buttons: their properties as the
// document sets them. Until their own drawing exists they show the common
// frame and run their click script on a release.
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

enum TOrvalisBtnStyles : std::uint8_t { bsStandard = 0, bsStandardBknd = 1, bsToggle = 2, bsRadio = 3 };
enum TOrvalisBtnStates : std::uint8_t { ovbsUp = 0, ovbsDown = 1, ovbsGrayed = 2 };
enum TOrvalisButtonImageStyles : std::uint8_t { ovbsNone = 0, ovbsLibrary = 1, ovbsIndividual = 2 };

class TOrvalisButton : public TOrvalisObj {
 public:
  TOrvalisButton(int type, QWidget* parent, TObjectHost* host);

  int ButtonStyle() const { return buttonStyle_; }
  int InitialState() const { return initialState_; }
  int Alignment() const { return alignment_; }
  bool UseXPTheme() const { return useXPTheme_; }
  bool StandAlone() const { return standAlone_; }
  bool AutoSize() const { return autoSize_; }
  const std::string& VarName() const { return varName_; }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 protected:
  int CursorSlot() const override;
  // The keys every button takes.
  bool ApplyButtonKey(const KeyValue& key);

  int buttonStyle_ = bsStandard;
  int initialState_ = ovbsUp;
  int alignment_ = 2;
  bool useXPTheme_ = true;
  bool standAlone_ = false;
  bool autoSize_ = false;
  std::string varName_;
};

class TOrvalisPushBtn : public TOrvalisButton {
 public:
  TOrvalisPushBtn(int type, QWidget* parent, TObjectHost* host);

  bool OverlayText() const { return overlayText_; }
  bool DepressEffect() const { return depressEffect_; }
  std::string_view UpImage() const { return upImage_.View(); }
  std::string_view DownImage() const { return downImage_.View(); }
  std::string_view OverImage() const { return overImage_.View(); }
  std::string_view LibImage() const { return libImage_.View(); }
  ColourValue UpTransparentColor() const { return upTrans_; }
  ColourValue DownTransparentColor() const { return downTrans_; }
  ColourValue OverTransparentColor() const { return overTrans_; }
  int ImageStyle() const { return imageStyle_; }
  int BevelWidth() const { return bevelWidth_; }

  bool ApplyKey(const KeyValue& key) override;

 private:
  bool overlayText_ = false;
  bool depressEffect_ = true;
  TObjectText upImage_, downImage_, overImage_, libImage_;
  ColourValue upTrans_ = kAutoTransparentColour;
  ColourValue downTrans_ = kAutoTransparentColour;
  ColourValue overTrans_ = kAutoTransparentColour;
  int imageStyle_ = ovbsNone;
  int bevelWidth_ = 2;
};

class TOrvalisCheckBox : public TOrvalisButton {
 public:
  TOrvalisCheckBox(int type, QWidget* parent, TObjectHost* host);
};

class TOrvalisRadioBtn : public TOrvalisButton {
 public:
  TOrvalisRadioBtn(int type, QWidget* parent, TObjectHost* host);
};

}  // namespace orv
