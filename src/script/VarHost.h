#pragma once
// What the variables module asks of the program around it: the values that
// live in the publication window, its pages, the clipboard and the screen,
// the clock, and the showing of "[LastError]". The user interface answers
// with the real window; THeadlessVarHost answers without one.
#include <string>
#include <string_view>

#include "script/DateText.h"
#include "script/SystemVariables.h"

namespace orv {

struct HostPageState {
  bool HasPages = false;
  std::string Title;  // the current page's name
  int Index = 0;      // current page index; the master page is 0
  int Count = 0;      // pages, master page excluded
};

class TVarHost {
 public:
  virtual ~TVarHost() = default;

  // Read of a system variable the host holds: "Clipboard", the window and
  // client geometry, "WindowState", "PubWidth", "PubHeight", "PubTitle",
  // "MailServer", "PubAuthor", "PubColors", "PubDir", "PubDrive", the screen
  // values, "WinHandle", "OVMode", "OVType", "WindowOrder", "FocusedObject",
  // "AppTitle", "PubVersion", "PubLeft", "PubTop", and for "CommandLine" the
  // command-line text alone (the core puts the program path in front).
  virtual std::string ReadValue(SystemVar var) = 0;
  // Write of one of the writable host variables above. Numbers arrive as
  // text; the host reads them with a default of 0.
  virtual void WriteValue(SystemVar var, std::string_view value) = 0;
  virtual HostPageState Pages() = 0;
  // Local time now.
  virtual TDateTime Now() = 0;
  // A non-empty "[LastError]" was assigned. `display` is true when error
  // display is on and the assignment is not silent; the host shows the text
  // then, and hands it to an attached debugger in any case.
  virtual void LastErrorAssigned(std::string_view text, bool display) = 0;
};

// True for the system variables whose value TVarHost::ReadValue gives.
bool IsHostValue(SystemVar var);

}  // namespace orv
