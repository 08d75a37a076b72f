#pragma once
// How the core reaches the screen. The core (container, script engine,
// command bodies) never sees a window; where it needs the program around it,
// it asks a host interface, and every host interface has one shape:
//
// - an abstract class named T...Host with virtual member functions, handed
//   to the core by pointer or reference (never a global, never a table of
//   callbacks);
// - a member has a default body when a run without a window has a natural
//   answer (nothing to serve, no package, nothing registered), and is pure
//   only where every host must decide (an alert to show, a value to give);
// - the answers of a run without a window live in THeadless...Host classes
//   beside their interface, or are the defaults themselves.
//
// The interfaces and their answers:
//   TScriptHost   script/ScriptHost.h   headless: script/HeadlessScriptHost.h
//                                       windowed: ui/QtScriptHost.h
//   TVarHost      script/VarHost.h      headless: script/HeadlessVarHost.h
//                                       windowed: app/WindowVarHost.h
//   TPackageHost  container/PackageHost.h  headless: its defaults
//                                       windowed: the publication session
//
// TScriptHost: what a running script asks of the program around it, between
// lines and at the edges of a run: serving queued events, counting as
// activity for the idle timer, the Esc close request of an exclusive run,
// showing an error text, package names for file parameters, plug-in
// commands, and closing the publication.
#include <string>
#include <string_view>

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

}  // namespace orv
