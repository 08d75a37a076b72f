#pragma once
// The animated picture: a GIF or other animation played on the page.
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

class TOrvalisAnimator : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view ImageFile() const { return imageFile_.View(); }
  std::string_view DoneAction() const { return doneAction_.View(); }
  bool AutoSizing() const { return autoSizing_; }
  bool AutoStart() const { return autoStart_; }
  bool AutoRewind() const { return autoRewind_; }
  int LoopCount() const { return loopCount_; }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText imageFile_, doneAction_;
  bool autoSizing_ = true;
  bool autoStart_ = true;
  bool autoRewind_ = true;
  int loopCount_ = 0;
};

}  // namespace orv
