#include "objects/media/MediaPlayer.h"

#include "container/DocumentValue.h"
#include "objects/pictures/PictureObject.h"

namespace orv {

bool TOrvalisMediaPlayer::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") fileName_.SetView(key.Text());
  else if (name == "OBJACTION=") clickAction_.SetView(key.Text());
  else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "PICTSTYLE=") {
    if (const int mode = key.Number() & 0xFF; mode <= pLastPaintMode) paintMode_ = mode;
  } else if (name == "SHOWCONTROLS=") showControls_ = key.Yes();
  else if (name == "LOOPPLAYBACK=") loop_ = key.Yes();
  else if (name == "OBJDONEACTION=") doneAction_.SetView(key.Text());
  else if (name == "OBJCANCELACTION=") cancelAction_.SetView(key.Text());
  else if (name == "OBJPLAYACTION=") playAction_.SetView(key.Text());
  else return false;
  if (name == "OBJACTION=") UpdateCursor();
  return true;
}

}  // namespace orv
