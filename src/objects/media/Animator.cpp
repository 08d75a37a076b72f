#include "objects/media/Animator.h"

#include "container/DocumentValue.h"

namespace orv {

bool TOrvalisAnimator::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") imageFile_.SetView(key.Text());
  else if (name == "OBJACTION=") clickAction_.SetView(key.Text());
  else if (name == "AUTOSTART=") autoStart_ = key.Yes();
  else if (name == "OBJDONEACTION=") doneAction_.SetView(key.Text());
  else if (name == "LOOPTIMES=") loopCount_ = key.Number();
  else if (name == "AUTOSIZE=") autoSizing_ = key.Yes();
  else if (name == "AUTOREWIND=") autoRewind_ = key.Yes();
  else return false;
  if (name == "OBJACTION=") UpdateCursor();
  return true;
}

}  // namespace orv
