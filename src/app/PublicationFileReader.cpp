#include "app/PublicationFileReader.h"

#include <fstream>
#include <sstream>

#include "base/Ansi.h"
#include "base/HostPath.h"
#include "container/LibRec.h"
#include "container/Package.h"

namespace orv {

namespace {

std::optional<std::string> ReadDiskFile(std::string_view ansiName) {
  std::ifstream in(HostPath(ansiName), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

}  // namespace

std::optional<std::string> ReadPublicationFile(const Package* package, std::string_view name) {
  if (name.empty()) return std::nullopt;
  const bool embedded = name.size() > kEmbeddedPrefix.size() && AnsiStartsWithText(name, kEmbeddedPrefix);
  if (package != nullptr) {
    if (embedded && package->TestRun()) {
      const std::string mapped = package->MapEmbeddedName(name);
      if (mapped != name) return ReadDiskFile(mapped);
    }
    const std::string_view entryName = embedded ? name.substr(kEmbeddedPrefix.size()) : name;
    std::string bytes;
    if (package->LoadEntryToMemory(package->ResolveEntryName(entryName), bytes) == pkg::kLoaded) return bytes;
  }
  if (embedded) return std::nullopt;
  return ReadDiskFile(name);
}

}  // namespace orv
