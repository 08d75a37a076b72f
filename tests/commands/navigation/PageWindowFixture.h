#pragma once
// A publication window built in-process from a small document, found by
// the page commands through the player's script host, with the slide show
// on a timer the test steps by hand.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "app/SlideShow.h"
#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "commands/navigation/PageCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/PostedWorkEvent.h"
#include "ui/QtScriptHost.h"

namespace orv::test {

// Runs only when stepped.
class SteppedTimer : public TSlideShowTimer {
 public:
  void Start(int intervalMs) override {
    active_ = true;
    interval_ = intervalMs;
  }
  void Stop() override { active_ = false; }
  bool Active() const override { return active_; }
  int Interval() const override { return interval_; }
  // One tick, as when the interval has passed; false when the timer does
  // not run.
  bool Step() {
    if (!active_) return false;
    if (OnTimer) OnTimer();
    return true;
  }

 private:
  bool active_ = false;
  int interval_ = 0;
};

class PageWindowFixture : public ::testing::Test {
 protected:
  PageWindowFixture() {
    RegisterCoreCommands(engine.Commands());
    RegisterPageCommands(engine.Commands());
    host.OnAlert = [](const std::string&, const std::string&) {};
  }
  ~PageWindowFixture() override {
    host.SetWindow(nullptr);
    form.reset();
  }

  // Replaces the window with one for `document` and shows `startPage`;
  // false (with a test failure) when the document does not read.
  bool Load(const std::string& document, int startPage = 1) {
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
    auto stepped = std::make_unique<SteppedTimer>();
    timer = stepped.get();
    form->SlideShow().SetTimer(std::move(stepped));
    form->ShowFirstPage(startPage);
    return true;
  }

  // The lines as one script of a button; returns its stop code.
  int Run(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script.append(line).append("\r\n");
    return engine.RunScript(script, 0, 1, 26, "Button");
  }
  int Run(const std::string& line) { return Run(std::vector<std::string>{line}); }
  // Delivers the page changes posted so far.
  void DeliverPosted() { QCoreApplication::sendPostedEvents(&form->Navigator(), kPageChangeEvent); }

  int Page() const { return form->Pages().PageIndex(); }
  std::string PageName() const { return form->Pages().Page(Page())->Name(); }
  std::string Var(const std::string& name) { return vars.GetVar(name); }
  std::vector<int> History() {
    std::vector<int> entries;
    const TPageHistory& history = form->Navigator().History();
    for (int i = 0; i < history.Count(); ++i) entries.push_back(history.At(i));
    return entries;
  }

  Publication publication;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  TQtScriptHost host;
  TScriptEngine engine{vars, host};
  std::unique_ptr<TWorkForm> form;
  SteppedTimer* timer = nullptr;
};

}  // namespace orv::test
