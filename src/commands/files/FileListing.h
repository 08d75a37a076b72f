#pragma once
// FileList: the names in a folder that match any of a list of masks.
#include <string>
#include <string_view>

namespace orv {

// `folderAndMasks` is a folder (the part up to the last separator) followed
// by masks separated by "|"; `options` may hold "FOLDERS", "FILES" and
// "NOEXT". `list` gets the names joined by CR (empty on failure). Returns
// the text for "[LastError]"; an invalid mask throws TInvalidMask.
std::string ListFolder(std::string_view folderAndMasks, std::string_view options, std::string& list);

}  // namespace orv
