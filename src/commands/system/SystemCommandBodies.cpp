#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "base/Ansi.h"
#include "base/NumberText.h"
#include "commands/system/DateNumbers.h"
#include "commands/system/RandomNumbers.h"
#include "commands/system/SystemCommands.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"
#include "script/Engine.h"
#include "script/WaitEnd.h"

namespace orv {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kLongestDelayMs = 2147483647.0;

double RealParam(TActionEval& eval, int n) {
  const std::optional<double> v = ReadNumber(eval.Param(n), eval.Vars().DecimalSymbol());
  return v && std::isfinite(*v) ? *v : 0.0;
}

void RandomBody(TActionEval& eval) {
  const std::int64_t maximum = NumberParam(eval.Param(1), eval.Vars().DecimalSymbol());
  eval.Vars().SetVar(eval.Param(2), FormatWholeNumber(RandomUpTo(maximum)));
}

void DateToNumBody(TActionEval& eval) {
  const int year = DecodeDateTime(eval.Vars().Host().Now()).Year;
  eval.Vars().SetVar(eval.Param(3), DateTextToNumber(eval.Param(1), eval.Param(2), eval.Vars().DateSettings(), year));
}

void NumToDateBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(3), DateNumberToText(RealParam(eval, 1), eval.Param(2), eval.Vars().DateSettings()));
}

void DelayBody(TActionEval& eval) {
  const double ms = std::nearbyint(std::fmin(std::fmax(RealParam(eval, 1), -kLongestDelayMs), kLongestDelayMs));
  if (ms == 0) return;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(static_cast<std::int64_t>(std::fabs(ms)));
  if (ms > 0) {
    ServeWhile(eval, [&deadline] { return Clock::now() < deadline; });
  } else {
    // A negative delay waits without serving events.
    while (Clock::now() < deadline && !WaitMustEnd(eval)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void SystemInfoBody(TActionEval& eval) {
  const std::string& name = eval.Param(1);
  if (name.find('%') == std::string::npos) {
    eval.Vars().SetVar(eval.Param(2), eval.Vars().GetVar(name));
    return;
  }
  std::string env;
  for (char c : name)
    if (c != '%') env.push_back(c);
  const char* value = env.empty() ? nullptr : std::getenv(AnsiToUtf8(env).c_str());
  eval.Vars().SetVar(eval.Param(2), value ? Utf8ToAnsi(value) : std::string());
}

}  // namespace

void RegisterSystemCommands(TCommandTable& table) {
  table.Bind(cmd::kRandom, RandomBody);
  table.Bind(cmd::kDateToNum, DateToNumBody);
  table.Bind(cmd::kNumToDate, NumToDateBody);
  table.Bind(cmd::kDelay, DelayBody);
  table.Bind(cmd::kSystemInfo, SystemInfoBody);
}

}  // namespace orv
