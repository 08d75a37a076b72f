#pragma once
// The --play file: user input to replay, one timed line each
// ("MS VERB ARGS"), read whole before the publication opens so that a
// mistake in it ends the run before anything is shown.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class ReplayVerb { Move, Click, RightClick, DoubleClick, Press, Release, Drag, Key, Type, Shot, Quit };

// Page coordinates: relative to the current page's background.
struct ReplayPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const ReplayPoint&, const ReplayPoint&) = default;
};

struct ReplayEvent {
  int AtMs = 0;  // after the first page was shown
  int Line = 0;  // in the file, from 1
  ReplayVerb Verb = ReplayVerb::Move;
  ReplayPoint At;             // every mouse verb; where a drag starts
  ReplayPoint To;             // where a drag ends
  bool RightButton = false;   // press and release
  int KeyCombination = 0;     // key: Qt's key code with its modifier bits
  std::string Text;           // type: the UTF-8 text; shot: the picture file
  std::string Written;        // the line from its verb on, for the trace
};

struct ReplayScriptError {
  int Line = 0;  // 0: the file could not be read
  std::string Message;
};

// False with `error` at the first bad line; `events` then holds the lines
// before it.
bool ParseInputReplay(std::string_view text, std::vector<ReplayEvent>& events, ReplayScriptError& error);

// The file at `hostPath`. A relative picture file of "shot" is made absolute
// here, against the current folder of the moment: a script may change that
// folder before the shot is taken.
bool ReadInputReplayFile(const std::string& hostPath, std::vector<ReplayEvent>& events, ReplayScriptError& error);

}  // namespace orv
