#include "objects/MediaObjects.h"

#include "container/DocumentValue.h"
#include "objects/pictures/PictureObject.h"

namespace orv {

TOrvalisTimer::TOrvalisTimer(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  resize(32, 32);
  LockTransparency(true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool TOrvalisTimer::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "OBJACTION=") timerAction_.SetView(key.Text());
  else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "AUTOSTART=") autoStart_ = key.Yes();
  else if (name == "INTERVAL=") interval_ = key.Number();
  else if (name == "RUNONCE=") runOnce_ = key.Yes();
  else if (name == "AUTOSTOP=") autoStop_ = key.Yes();
  else return false;
  return true;
}

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
