#pragma once
// SaveVariables and LoadVariables: the global variables as a plain text
// file, one Name=Value line each, CR and LF inside names and values written
// as "[#13]" and "[#10]".
#include <functional>
#include <string>
#include <string_view>

#include "script/Vars.h"

namespace orv {

// Reads a whole file for LoadVariables: true with the content, or false with
// the failure's text. The evaluator passes one that maps embedded names and
// reads package entries; without one the disk is read.
using VariablesFileReader = std::function<bool(std::string_view fileName, std::string& content, std::string& error)>;

// The text SaveVariables writes for the global store.
std::string VariablesFileText(const TVarStringList& globals);

// Replaces the file whole (TReplacingFile), so a failed write leaves the old
// file as it was.
void SaveVariablesCommand(TVars& vars, std::string_view fileName);
void LoadVariablesCommand(TVars& vars, std::string_view fileName,
                          const VariablesFileReader& reader = nullptr);

}  // namespace orv
