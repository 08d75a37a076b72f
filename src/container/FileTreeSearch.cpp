#include "container/FileTreeSearch.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "base/Ansi.h"

namespace orv {
namespace {

struct Search {
  std::string_view wanted;
  FileTreeLimits limits;
  int folders = 0;

  std::optional<std::string> In(const std::string& folder, int depth) {
    if (++folders > limits.MaxFolders) return std::nullopt;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return std::nullopt;
    std::vector<std::string> names;
    while (dirent* e = ::readdir(dir))
      if (e->d_name[0] != '.') names.emplace_back(e->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());

    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    std::vector<std::string> subfolders;
    for (const std::string& name : names) {
      const std::string path = base + name;
      struct stat link;
      if (::lstat(path.c_str(), &link) != 0) continue;
      if (S_ISDIR(link.st_mode)) {
        subfolders.push_back(path);
        continue;
      }
      if (!AnsiSameText(Utf8ToAnsi(name), wanted)) continue;
      // A link counts as a file when what it names is not a folder.
      struct stat target;
      if (S_ISLNK(link.st_mode) && (::stat(path.c_str(), &target) != 0 || S_ISDIR(target.st_mode))) continue;
      return path;
    }
    if (depth >= limits.MaxDepth) return std::nullopt;
    for (const std::string& sub : subfolders)
      if (auto hit = In(sub, depth + 1)) return hit;
    return std::nullopt;
  }
};

}  // namespace

std::optional<std::string> FindFileInTree(const std::string& hostFolder, std::string_view ansiFileName,
                                          FileTreeLimits limits) {
  if (ansiFileName.empty()) return std::nullopt;
  Search search{ansiFileName, limits};
  return search.In(hostFolder, 0);
}

}  // namespace orv
