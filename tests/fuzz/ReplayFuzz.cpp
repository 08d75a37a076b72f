// Feeds arbitrary bytes to the --play file reader. What it accepts must hold
// together (times in order, points in range, lines counted right) and read
// back the same when written out again from the times and the lines as
// written; what it refuses must name a line of the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/InputReplayScript.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

int LineCount(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

bool InRange(orv::ReplayPoint p) { return p.X >= -32767 && p.X <= 32767 && p.Y >= -32767 && p.Y <= 32767; }

bool SameEvent(const orv::ReplayEvent& a, const orv::ReplayEvent& b) {
  return a.AtMs == b.AtMs && a.Verb == b.Verb && a.At == b.At && a.To == b.To && a.RightButton == b.RightButton &&
         a.KeyCombination == b.KeyCombination && a.Text == b.Text && a.Written == b.Written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<orv::ReplayEvent> events;
  orv::ReplayScriptError error;
  const bool read = orv::ParseInputReplay(text, events, error);
  const int lines = LineCount(text);
  if (!read) {
    Check(error.Line >= 1 && error.Line <= lines && !error.Message.empty());
    for (const orv::ReplayEvent& event : events) Check(event.Line < error.Line);
    return 0;
  }
  int lastLine = 0;
  int lastTime = 0;
  std::string again;
  for (const orv::ReplayEvent& event : events) {
    Check(event.Line > lastLine && event.Line <= lines);
    Check(event.AtMs >= lastTime);
    Check(InRange(event.At) && InRange(event.To));
    Check(!event.Written.empty());
    if (event.Verb == orv::ReplayVerb::Key) Check(event.KeyCombination != 0);
    if (event.Verb == orv::ReplayVerb::Type || event.Verb == orv::ReplayVerb::Shot) Check(!event.Text.empty());
    lastLine = event.Line;
    lastTime = event.AtMs;
    again += std::to_string(event.AtMs) + " " + event.Written + "\n";
  }
  std::vector<orv::ReplayEvent> reread;
  Check(orv::ParseInputReplay(again, reread, error));
  Check(reread.size() == events.size());
  for (std::size_t i = 0; i < events.size(); ++i) Check(SameEvent(events[i], reread[i]));
  return 0;
}
