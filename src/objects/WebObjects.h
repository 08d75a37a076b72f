#pragma once
// The web browser and the Flash movie: their properties as the document
// sets them. No Flash player exists here, so a Flash movie always shows
// that one is needed.
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

class TOrvalisWebBrowser : public TOrvalisObj {
 public:
  TOrvalisWebBrowser(int type, QWidget* parent, TObjectHost* host);

  std::string_view DefaultURL() const { return defaultUrl_.View(); }
  std::string_view BeforeAction() const { return beforeAction_.View(); }
  std::string_view AfterAction() const { return afterAction_.View(); }
  std::string_view DownloadBeginAction() const { return downloadBegin_.View(); }
  std::string_view DownloadCompleteAction() const { return downloadComplete_.View(); }
  const std::string& StatusVarName() const { return statusVar_; }
  const std::string& TitleVarName() const { return titleVar_; }
  const std::string& URLVarName() const { return urlVar_; }
  bool HideScrollBars() const { return hideScrollBars_; }
  bool AllowContextMenu() const { return allowContextMenu_; }
  bool SilentMode() const { return silentMode_; }
  bool TrapPopupWindows() const { return trapPopups_; }
  bool ShowToolBar() const { return showToolBar_; }
  bool ShowStatusBar() const { return showStatusBar_; }
  bool EnhancedSecurity() const { return enhancedSecurity_; }

  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText defaultUrl_, beforeAction_, afterAction_, downloadBegin_, downloadComplete_;
  std::string statusVar_, titleVar_, urlVar_;
  bool hideScrollBars_ = false;
  bool allowContextMenu_ = true;
  bool silentMode_ = false;
  bool trapPopups_ = false;
  bool showToolBar_ = false;
  bool showStatusBar_ = false;
  bool enhancedSecurity_ = true;
};

class TOrvalisFlash : public TOrvalisObj {
 public:
  TOrvalisFlash(int type, QWidget* parent, TObjectHost* host);

  std::string_view FileName() const { return fileName_.View(); }
  int ScaleMode() const { return scaleMode_; }
  bool UseBackgroundColor() const { return useBackgroundColor_; }
  bool AllowContextMenu() const { return allowContextMenu_; }
  bool AllowScriptAccess() const { return allowScriptAccess_; }
  bool AutoStart() const { return autoStart_; }
  bool AutoRewind() const { return autoRewind_; }
  bool Loop() const { return loop_; }
  bool UseFlashLoopSettings() const { return useFlashLoop_; }
  std::string_view LoadedAction() const { return loadedAction_.View(); }
  std::string_view DoneAction() const { return doneAction_.View(); }
  std::string_view CancelAction() const { return cancelAction_.View(); }

  void DrawShape(QPainter& painter) override;
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText fileName_, loadedAction_, doneAction_, cancelAction_;
  int scaleMode_ = 0;
  bool useBackgroundColor_ = false;
  bool allowContextMenu_ = false;
  bool allowScriptAccess_ = true;
  bool autoStart_ = true;
  bool autoRewind_ = true;
  bool loop_ = false;
  bool useFlashLoop_ = false;
};

}  // namespace orv
