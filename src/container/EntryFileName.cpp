#include "container/EntryFileName.h"

#include <algorithm>

#include "base/PathNames.h"

namespace orv {

std::optional<std::string> ExtractableFileName(std::string_view entryName) {
  if (entryName.find('\0') != std::string_view::npos) return std::nullopt;
  const std::string_view name = ExtractFileName(entryName);
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  return std::string(name);
}

std::string UniqueNameExtension(std::string_view entryName) {
  std::string ext(ExtractFileExt(entryName));
  ext.erase(std::remove(ext.begin(), ext.end(), '.'), ext.end());
  ext.erase(std::remove(ext.begin(), ext.end(), '\0'), ext.end());
  return ext;
}

}  // namespace orv
