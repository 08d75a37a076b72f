#include "objects/media/Timer.h"

#include "container/DocumentValue.h"

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

}  // namespace orv
