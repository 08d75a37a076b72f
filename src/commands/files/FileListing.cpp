#include "commands/files/FileListing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/NumberText.h"
#include "base/PathNames.h"
#include "commands/files/FileErrorText.h"
#include "commands/files/FileMask.h"

namespace orv {
namespace {

std::vector<TFileMask> ReadMasks(std::string_view text) {
  std::vector<TFileMask> masks;
  if (text.empty()) return masks;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t bar = text.find('|', pos);
    const std::string_view item = text.substr(pos, bar == std::string_view::npos ? bar : bar - pos);
    if (!item.empty()) masks.emplace_back(item);
    if (bar == std::string_view::npos) break;
    pos = bar + 1;
  }
  return masks;
}

}  // namespace

std::string ListFolder(std::string_view folderAndMasks, std::string_view options, std::string& list) {
  list.clear();
  const std::string_view folder = ExtractFilePath(folderAndMasks);
  const std::vector<TFileMask> masks = ReadMasks(folderAndMasks.substr(folder.size()));
  const bool folders = HasOptionWord(options, "FOLDERS");
  const bool files = !folders || HasOptionWord(options, "FILES");
  const bool noExt = HasOptionWord(options, "NOEXT");

  std::string host = folder.empty() ? std::string(".") : HostPath(folder);
  if (host.empty()) host = "/";
  DIR* dir = ::opendir(host.c_str());
  if (!dir) {
    // A folder that is not there is a bad path, not an empty result.
    const int e = errno;
    return FileErrorText(e == ENOENT ? err::kPathNotFound : ErrorCodeFromErrno(e));
  }
  bool first = true;
  while (dirent* e = ::readdir(dir)) {
    const std::string_view hostName(e->d_name);
    if (hostName == "." || hostName == "..") continue;
    bool isFolder = e->d_type == DT_DIR;
    if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
      struct stat st {};
      const std::string full = host + "/" + std::string(hostName);
      isFolder = ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    if (isFolder ? !folders : !files) continue;
    const std::string name = AnsiFromHostPath(hostName);
    for (const TFileMask& mask : masks) {
      if (!mask.Matches(name)) continue;
      if (!first) list.push_back('\r');
      first = false;
      list.append(noExt ? ChangeFileExt(name, "") : name);
      break;
    }
  }
  ::closedir(dir);
  return {};
}

}  // namespace orv
