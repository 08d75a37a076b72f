#pragma once
// How the evaluator prepares a parameter before a command's body sees it. The
// numbers are the ones stored in command tables and declared by plug-ins.
#include <cstdint>

namespace orv {

enum ParamType : std::uint8_t {
  ptNone = 0,      // the command has no parameter at this position
  ptText = 1,      // substituted; a leading "!" marks it literal
  ptShownText = 2, // as ptText; texts shown to the user
  ptNumber = 3,    // substituted with empty values as "0", then computed
  ptMixed = 4,     // as ptNumber, but an empty value stays empty
  ptFileName = 5,  // substituted, or resolved to a package entry
  ptVariable = 6,  // names a variable: "[Name]" gives Name
  ptDataFile = 7,  // as ptFileName with references; else its file-name part
  ptObjName = 8,   // substituted; names a page object
  ptMenuItem = 9,  // substituted; names a menu item
  ptFileName2 = 10 // treated as ptFileName (plug-ins only)
};

}  // namespace orv
