#pragma once
// One run of the player: the variables and the script engine, which live as
// long as the process, and the publication of the moment (its package, its
// document, its window), which an in-place reload replaces. Creation,
// showing, the close query's own steps and the clean-up after the window
// closed follow the order the publication expects.
#include <QObject>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/PlayerCommandLine.h"
#include "app/SingleInstance.h"
#include "app/SplashScreenForm.h"
#include "script/Engine.h"
#include "app/WindowVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace orv {

class Package;
class TWorkForm;
struct LoadedPublication;

class TPublicationSession : public QObject {
 public:
  enum class StartResult {
    Started,     // the window is shown and the first page is up
    HandedOver,  // another instance took the command line; end quietly
    Failed,      // FailureText() says why; end with an error
    Refused,     // the start password was not given; end quietly
  };

  explicit TPublicationSession(TPlayerCommandLine commandLine);
  ~TPublicationSession() override;

  // Creates, shows and first-paints the publication in `hostFile` (a path
  // for this system, UTF-8).
  StartResult Start(const std::string& hostFile);
  // Message 236 and the reason, Windows-1252.
  const std::string& FailureText() const { return failure_; }

  // After the window closed for good: variables cleared, picture cache
  // emptied, package closed (extracted files deleted as the publication
  // asked, fonts always).
  void Finish();

  // The "RunOrvalis" body: finds `ansiFile` and replaces the running
  // publication once no script is running any more. False (and
  // "[LastError]" set) when the file cannot be found. A file that cannot be
  // opened or read leaves the running publication as it is and sets
  // "[LastError]" when the reload is attempted.
  bool RequestReload(std::string_view ansiFile, bool clearVars, bool closeWindows);
  int Reloads() const { return reloads_; }

  // A command line handed over by a later start: replaces "[CommandLine]"'s
  // text and posts "CommandLine_OnChange" when the subroutine library has it.
  void CommandLineChanged(const std::string& text);

  // An exception caught in a window callback, in the player's message box
  // captioned with the publication's title.
  void ReportException(const std::exception& error);

  TWorkForm* Window() const;
  Package* CurrentPackage() const;
  const std::string& PublicationFile() const;  // Windows-1252
  const std::string& ExtractionFolder() const;
  bool BypassPrintDialog() const { return commandLine_.BypassPrintDialog; }
  TScriptEngine& Engine() { return engine_; }
  TVars& Vars() { return vars_; }
  TWindowVarHost& VarHost() { return varHost_; }
  TQtScriptHost& ScriptHost() { return scriptHost_; }
  const TSingleInstance& SingleInstance() const { return singleInstance_; }

  // Asked for the start and exit passwords; the dialog unless replaced.
  std::function<bool(const std::string& password)> AskPassword;
  // Runs as the window accepts its close, after the closing notification.
  std::function<void(TWorkForm&)> OnBeforeClose;
  // The window closed for good (not for a reload).
  std::function<void()> OnClosed;
  // The first page is up and its enter action has run (not after a reload).
  std::function<void(TWorkForm&)> OnFirstPageShown;
  SplashTimings Splash;

 protected:
  bool event(QEvent* event) override;

 private:
  class SessionScriptHost;
  struct Reload;

  int Prepare(const std::string& hostFile, bool reload, LoadedPublication& loaded, std::string& detail);
  StartResult Install(LoadedPublication& loaded);
  void ShowAndPaint(LoadedPublication& loaded);
  void Teardown(bool clearVariables);
  void RunReload(const Reload& reload);
  bool AskFor(std::string_view password);
  bool HasSubroutine(std::string_view label);

  TPlayerCommandLine commandLine_;
  TWindowVarHost varHost_;
  TVars vars_;
  std::unique_ptr<SessionScriptHost> scriptHostImpl_;
  TQtScriptHost& scriptHost_;
  TScriptEngine engine_;
  TSingleInstance singleInstance_;
  std::unique_ptr<LoadedPublication> current_;
  std::string failure_;
  bool reloading_ = false;
  int reloads_ = 0;
};

}  // namespace orv
