#pragma once
// The player's command line: its own options (timed runs, screenshots, the
// saved variables, the script trace, the input replay), the screen-saver run
// mode chosen by a ".SCR" program name, the stand-alone form that names the
// publication, and what the publication itself reads from it ("/B", "/K"
// and the text scripts see as "[CommandLine]").
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The command-line run mode, decided before anything else.
namespace cmdmode {
inline constexpr int kProgram = 0;          // not a ".SCR" program
inline constexpr int kSaverNoSwitch = 1;    // ".SCR" without a usable switch
inline constexpr int kSaverSettings = 2;    // "/c"
inline constexpr int kSaverRunning = 3;     // "/s" and every other letter
inline constexpr int kSaverPreview = 4;     // "/p HANDLE"
inline constexpr int kSaverPassword = 5;    // "/a HANDLE"
}  // namespace cmdmode

// Options of the player program itself, never seen by the publication.
struct PlayerOptions {
  long QuitAfter = -1;     // milliseconds; -1 for none
  std::string Screenshot;  // PNG written just before the window closes
  std::string SaveVars;    // variables file written after closing
  std::string Trace;       // every script line run, as it runs
  std::string Play;        // user input replayed from this file
  bool Help = false;
  bool Version = false;
};

// Takes the player's own options out of `args` (anywhere on the line); the
// rest stay in order. False with `error` set on a bad option or value.
bool TakePlayerOptions(std::vector<std::string>& args, PlayerOptions& options, std::string& error);

struct TPlayerCommandLine {
  int RunMode = cmdmode::kProgram;
  // The window handle after "/p" or "/a" (0 when unreadable or missing).
  std::uint64_t WindowHandle = 0;
  // Stand-alone form: the publication named by "/R FILE" or a plain FILE;
  // empty when none was named.
  std::string PublicationFile;
  // The parameters from the first one the publication sees, joined by CR.
  std::string Text;
  bool BypassPrintDialog = false;  // "/B"
  bool HasStartPage = false;       // "/K", with or without a name
  std::string StartPage;           // upper-cased; empty for a bare "/K"
};

// The run mode a program named `playerFileName` gets from `params`.
int CommandLineRunMode(std::string_view playerFileName, const std::vector<std::string>& params,
                       std::uint64_t& windowHandle);

// `params` are the parameters after the program name, player options
// removed. `standAlone`: the program carries no publication, so the first
// parameters name one ("/R FILE" or FILE).
TPlayerCommandLine ReadPlayerCommandLine(std::string_view playerFileName, const std::vector<std::string>& params,
                                         bool standAlone);

}  // namespace orv
