#include "objects/WebObjects.h"

#include "container/DocumentValue.h"

namespace orv {

TOrvalisWebBrowser::TOrvalisWebBrowser(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host) {
  LockTransparency(false);
}

bool TOrvalisWebBrowser::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") defaultUrl_.SetView(key.Text());
  else if (name == "OBJACTION=") beforeAction_.SetView(key.Text());
  else if (name == "NAVCOMPACTION=") afterAction_.SetView(key.Text());
  else if (name == "OBJENTERACTION=") downloadBegin_.SetView(key.Text());
  else if (name == "OBJEXITACTION=") downloadComplete_.SetView(key.Text());
  else if (name == "VARNAME=") statusVar_ = key.Text();
  else if (name == "TITLEVARNAME=") titleVar_ = key.Text();
  else if (name == "URLVARNAME=") urlVar_ = key.Text();
  else if (name == "SCROLLBAR=") hideScrollBars_ = key.Yes();
  else if (name == "CONTEXTMENU=") allowContextMenu_ = key.Yes();
  else if (name == "SILENTMODE=") silentMode_ = key.Yes();
  else if (name == "TRAPPOPUPS=") trapPopups_ = key.Yes();
  else if (name == "SHOWTOOLBAR=") showToolBar_ = key.Yes();
  else if (name == "SHOWSTATUSBAR=") showStatusBar_ = key.Yes();
  else if (name == "ENHSECURITY=") enhancedSecurity_ = key.Yes();
  else return false;
  return true;
}

TOrvalisFlash::TOrvalisFlash(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(false);
}

void TOrvalisFlash::DrawShape(QPainter& painter) {
  TOrvalisObj::DrawShape(painter);
  DrawPlaceholderText(painter, "Requires Flash Player");
}

bool TOrvalisFlash::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "FILENAME=") fileName_.SetView(key.Text());
  else if (name == "AUTOSTART=") autoStart_ = key.Yes();
  else if (name == "IMAGESTYLE=") scaleMode_ = key.Number();
  else if (name == "CONTEXTMENU=") allowContextMenu_ = key.Yes();
  else if (name == "NAVCOMPACTION=") loadedAction_.SetView(key.Text());
  else if (name == "ENHSECURITY=") allowScriptAccess_ = !key.Yes();
  else if (name == "LOOPPLAYBACK=") loop_ = key.Yes();
  else if (name == "OBJDONEACTION=") doneAction_.SetView(key.Text());
  else if (name == "OBJCANCELACTION=") cancelAction_.SetView(key.Text());
  else if (name == "AUTOREWIND=") autoRewind_ = key.Yes();
  else if (name == "USEBKNDCOLOR=") useBackgroundColor_ = key.Yes();
  else if (name == "USEINTERNALLOOP=") useFlashLoop_ = key.Yes();
  else return false;
  return true;
}

}  // namespace orv
