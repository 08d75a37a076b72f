#include "base/PathNames.h"

namespace orv {
namespace {

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsNameSeparator(path[i - 1])) return i - 1;
  return std::string_view::npos;
}

}  // namespace

bool IsNameSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (!out.empty() && out.back() != '\\' && out.back() != '/') out.push_back('\\');
  out.append(name);
  return out;
}

std::string_view ExtractFileName(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view ExtractFilePath(std::string_view path) {
  const std::size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? std::string_view() : path.substr(0, sep + 1);
}

std::string_view ExtractFileDir(std::string_view path) {
  std::string_view dir = ExtractFilePath(path);
  if (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/') && dir[dir.size() - 2] != ':')
    dir.remove_suffix(1);
  return dir;
}

std::string_view ExtractFileExt(std::string_view path) {
  const std::string_view name = ExtractFileName(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const std::string_view old = ExtractFileExt(path);
  std::string out(path.substr(0, path.size() - old.size()));
  out.append(ext);
  return out;
}

}  // namespace orv
