#pragma once
// A publication window built in-process from a small document, whose
// scripts find it through the player's script host, with the core commands
// bound and alerts answered silently. Fixtures for command groups bind
// their own commands and build on Build, NotifyLoaded and ShowWindow.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QWindow>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectWindowFixture.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace orv::test {

class ScriptedWindowFixture : public ::testing::Test {
 protected:
  ScriptedWindowFixture() {
    RegisterCoreCommands(engine.Commands());
    host.OnAlert = [](const std::string&, const std::string&) {};
  }
  ~ScriptedWindowFixture() override {
    host.SetWindow(nullptr);
    form.reset();
  }

  // Replaces the window with one for `document`, not shown yet, with the
  // global variables emptied; false (with a test failure) when the
  // document does not read.
  bool Build(const std::string& document) {
    host.SetWindow(nullptr);
    form.reset();
    publication = Publication();
    vars.Globals().Clear();
    engine.SetClosing(false);
    std::string error;
    const bool read = ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    EXPECT_TRUE(read) << error;
    if (!read) return false;
    form = std::make_unique<TWorkForm>(publication, engine);
    host.SetWindow(form.get());
    return true;
  }

  // Tells the pages they are loaded as the session does: the pages, then
  // the master page.
  void NotifyLoaded() {
    TOVPageList& list = form->Pages();
    for (int i = 1; i < list.Count(); ++i) list.Page(i)->Background().Notify(kMsgLoaded, "", "", false);
    if (list.Count() > 0) list.Page(0)->Background().Notify(kMsgLoaded, "", "", false);
  }

  // Shows the window, with the mouse far from it, and waits until the
  // window system has put it up.
  bool ShowWindow() {
    QCursor::setPos(-10000, -10000);
    form->show();
    const bool up = WaitUntil([this] {
      const QWindow* window = form->windowHandle();
      return window != nullptr && window->isExposed();
    });
    EXPECT_TRUE(up) << "the window never came up";
    return up;
  }

  // The lines as one script of a button; returns its stop code.
  int Run(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script.append(line).append("\r\n");
    return engine.RunScript(script, 0, 1, 26, "Button");
  }
  int Run(std::initializer_list<std::string> lines) { return Run(std::vector<std::string>(lines)); }
  int Run(const std::string& line) { return Run(std::vector<std::string>{line}); }

  std::string Var(const std::string& name) { return vars.GetVar(name); }
  int Page() const { return form->Pages().PageIndex(); }

  Publication publication;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  TQtScriptHost host;
  TScriptEngine engine{vars, host};
  std::unique_ptr<TWorkForm> form;
};

}  // namespace orv::test
