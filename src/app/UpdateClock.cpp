#include "app/UpdateClock.h"

#include <cmath>
#include <string>

#include "base/Ansi.h"
#include "script/Vars.h"

namespace orv {

namespace {

constexpr SystemVar kTimeVars[] = {svTime, svTime24, svHour, svMinute, svSecond};
constexpr SystemVar kDateVars[] = {svDateShort, svDateLong, svMonth, svMonthNum, svDay, svDayNum, svYear};

}  // namespace

TUpdateClock::TUpdateClock(TVars& vars, QObject* parent) : QObject(parent), vars_(vars) {
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void TUpdateClock::Start() {
  last_.reset();
  timer_.start();
}

void TUpdateClock::Tick() {
  const TDateTime now = clock_ ? clock_() : vars_.Host().Now();
  bool newDay = false;
  if (last_) {
    const double lastDay = std::floor(*last_);
    const double day = std::floor(now);
    newDay = day != lastDay || (now - day) < (*last_ - lastDay);
  }
  last_ = now;
  std::string value;
  auto notify = [&](SystemVar var) {
    value.clear();
    vars_.AppendSystemValue(var, now, value);
    const std::string name = AnsiUpperCase("[" + std::string(SystemVarInfo(var).Name) + "]");
    vars_.Notifier().Notify(name, value);
  };
  for (const SystemVar var : kTimeVars) notify(var);
  if (newDay)
    for (const SystemVar var : kDateVars) notify(var);
}

}  // namespace orv
