#pragma once
// Finding a file by name under a folder, as a publication finds files that
// travel beside it in subfolders.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct FileTreeLimits {
  int MaxDepth = 16;          // subfolder levels below the start
  int MaxFolders = 10000;     // folders listed in all
};

// Searches `hostFolder` and then, depth first in name order, its subfolders
// for a non-folder whose name equals `ansiFileName` without regard to case.
// Names beginning with "." are skipped and symbolic links to folders are
// never entered. Returns the host path of the first hit.
std::optional<std::string> FindFileInTree(const std::string& hostFolder, std::string_view ansiFileName,
                                          FileTreeLimits limits = {});

}  // namespace orv
