#pragma once
// The media player: a sound or video with its controls.
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

class TOrvalisMediaPlayer : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view FileName() const { return fileName_.View(); }
  const std::string& VarName() const { return varName_; }
  int PaintMode() const { return paintMode_; }
  bool ShowControls() const { return showControls_; }
  bool Loop() const { return loop_; }
  std::string_view DoneAction() const { return doneAction_.View(); }
  std::string_view CancelAction() const { return cancelAction_.View(); }
  std::string_view PlayAction() const { return playAction_.View(); }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText fileName_, doneAction_, cancelAction_, playAction_;
  std::string varName_;
  int paintMode_ = 0;
  bool showControls_ = false;
  bool loop_ = false;
};

}  // namespace orv
