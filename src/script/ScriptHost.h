#pragma once
// What a running script asks of the program around it, between lines and at
// the edges of a run: serving queued events, counting as activity for the
// idle timer, the Esc close request of an exclusive run, showing an error
// text, package names for file parameters, plug-in commands, and closing the
// publication. The user interface answers with its window and event loop;
// THeadlessScriptHost answers for a run without a window.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TActionEval;
class Package;

class TScriptHost {
 public:
  virtual ~TScriptHost() = default;

  // A script line is about to run: the idle-return timer starts over.
  virtual void RestartIdleTimer() {}
  // Between two lines of a run that is not exclusive: handle every pending
  // event, then one more without waiting for it. Never blocks.
  virtual void ServeUserInterface() {}
  // Between two lines while a run is exclusive: when Esc may close the
  // publication and an Esc key press is waiting, handle pending events so
  // the close request goes through; otherwise nothing.
  virtual void ServeCloseRequest() {}
  // An error text the user is to see (error display on), in the alert
  // dialog captioned with the publication's error title.
  virtual void ShowAlert(std::string_view text) = 0;

  // True in a single-page test run: page changes are action errors.
  virtual bool SinglePageTestRun() { return false; }
  // The test-run list of embedded files maps a name beginning with the
  // embedded prefix to the file it stands for; `name` is changed in place.
  virtual void MapEmbeddedTestName(std::string& /*name*/) {}
  // The stored name of the package entry whose file name is `name`; false
  // when there is no package or no such entry.
  virtual bool ResolveEntryName(std::string_view /*name*/, std::string& /*entry*/) { return false; }
  // The open publication package, or nullptr when there is none (file
  // commands read embedded files through it).
  virtual Package* PublicationPackage() { return nullptr; }
  // The input lock of waiting commands: while it is held no user input
  // reaches the publication's windows and menus. Takes and releases nest.
  virtual void TakeInputLock() {}
  virtual void ReleaseInputLock() {}
  // A command of a plug-in group, its parameters prepared. A host without
  // plug-ins reports the command as unavailable.
  virtual void ExecutePluginCommand(TActionEval& eval);
  // Every page is told to suspend (true) or resume (false) around a
  // debugger's report.
  virtual void SuspendPages(bool /*suspend*/) {}
  // The program is ending: the application quits, or a timed run's time is
  // up. Waits end then even when they serve no events.
  virtual bool ApplicationEnding() { return false; }
  // The debugger asked to end the publication (the closing flag is already
  // set); `closeWindow` is false while the shutdown action runs.
  virtual void CloseRequested(bool /*closeWindow*/) {}
};

// No window: nothing to serve, shown errors go to standard error (and are
// kept for tests).
class THeadlessScriptHost : public TScriptHost {
 public:
  explicit THeadlessScriptHost(std::FILE* errors = stderr) : errors_(errors) {}
  void ShowAlert(std::string_view text) override;
  const std::vector<std::string>& Alerts() const { return alerts_; }

 private:
  std::FILE* errors_;
  std::vector<std::string> alerts_;
};

}  // namespace orv
