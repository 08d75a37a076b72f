#pragma once
// A publication window whose scripts run the page commands, with the slide
// show on a timer the test steps by hand.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "app/ScriptedWindowFixture.h"
#include "app/SlideShow.h"
#include "app/WorkForm.h"
#include "commands/navigation/PageCommands.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "ui/PostedWorkEvent.h"

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

class PageWindowFixture : public ScriptedWindowFixture {
 protected:
  PageWindowFixture() { RegisterPageCommands(engine.Commands()); }

  // Replaces the window with one for `document`, its slide show on a timer
  // the test steps, and shows `startPage` (the window itself stays
  // hidden); false (with a test failure) when the document does not read.
  bool Load(const std::string& document, int startPage = 1) {
    if (!Build(document)) return false;
    auto stepped = std::make_unique<SteppedTimer>();
    timer = stepped.get();
    form->SlideShow().SetTimer(std::move(stepped));
    form->ShowFirstPage(startPage);
    return true;
  }

  // Delivers the page changes posted so far.
  void DeliverPosted() { QCoreApplication::sendPostedEvents(&form->Navigator(), kPageChangeEvent); }

  std::string PageName() const { return form->Pages().Page(Page())->Name(); }
  std::vector<int> History() {
    std::vector<int> entries;
    const TPageHistory& history = form->Navigator().History();
    for (int i = 0; i < history.Count(); ++i) entries.push_back(history.At(i));
    return entries;
  }

  SteppedTimer* timer = nullptr;
};

}  // namespace orv::test
