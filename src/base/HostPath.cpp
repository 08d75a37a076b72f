#include "base/HostPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <climits>

#include "base/Ansi.h"

namespace orv {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// The entry of `folder` whose name equals `name` without regard to case
// (names on disk compared through the publication's code page).
bool FindWithoutCase(const std::string& folder, std::string_view name, std::string& found) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return false;
  const std::string wanted = Utf8ToAnsi(name);
  bool hit = false;
  while (dirent* e = ::readdir(dir)) {
    const std::string_view entry(e->d_name);
    if (entry == "." || entry == "..") continue;
    if (AnsiSameText(Utf8ToAnsi(entry), wanted)) {
      found.assign(entry);
      hit = true;
      break;
    }
  }
  ::closedir(dir);
  return hit;
}

// One component with no separator, so that no caller taking the path apart
// finds a real folder in it, and PATH_MAX bytes long, which the system
// refuses before any file system sees it.
std::string RefusedPath() { return std::string(PATH_MAX, '?'); }

bool HoldsNul(std::string_view name) { return name.find('\0') != std::string_view::npos; }

}  // namespace

std::string DirectHostPath(std::string_view ansiName) {
  if (HoldsNul(ansiName)) return RefusedPath();
  std::string name(ansiName);
  // A drive ("C:") has no meaning here: the path continues from the root.
  if (name.size() >= 2 && name[1] == ':' &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
    name.erase(0, 2);
  for (char& c : name)
    if (c == '\\') c = '/';
  return AnsiToUtf8(name);
}

std::string HostPath(std::string_view ansiName) {
  std::string direct = DirectHostPath(ansiName);
  if (direct.empty() || HoldsNul(ansiName) || Exists(direct)) return direct;

  // Walk the components, correcting the case of each one that exists only in
  // another case; the first one that does not exist at all ends the search.
  std::string out;
  std::size_t pos = 0;
  if (direct[0] == '/') {
    out = "/";
    pos = 1;
  }
  bool searching = true;
  while (pos <= direct.size()) {
    std::size_t slash = direct.find('/', pos);
    if (slash == std::string::npos) slash = direct.size();
    const std::string part = direct.substr(pos, slash - pos);
    if (!part.empty()) {
      std::string candidate = out + part;
      if (searching && !Exists(candidate) && part != "." && part != "..") {
        std::string found;
        if (FindWithoutCase(out, part, found))
          candidate = out + found;
        else
          searching = false;
      }
      out = candidate;
    }
    if (slash < direct.size()) out.push_back('/');
    pos = slash + 1;
  }
  return out;
}

std::string AnsiFromHostPath(std::string_view hostPath) { return Utf8ToAnsi(hostPath); }

std::string ScriptFolder(std::string_view hostFolder) {
  std::string out = AnsiFromHostPath(hostFolder);
  if (out.empty() || out.back() != '/') out.push_back('/');
  return out;
}

}  // namespace orv
