#include "commands/files/EmbeddedFiles.h"

#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/PathNames.h"
#include "base/ReplacingFile.h"
#include "commands/files/FileErrorText.h"
#include "commands/files/SequentialReadCache.h"
#include "container/Package.h"
#include "script/ScriptHost.h"

namespace orv {

bool IsEmbeddedName(std::string_view name) { return AnsiSameText(ExtractFilePath(name), kEmbeddedPrefix); }

bool EmbeddedTestRun(TScriptHost& host) {
  const Package* package = host.PublicationPackage();
  return package && package->TestRun();
}

std::optional<std::string> EmbeddedTestFile(TScriptHost& host, std::string_view name) {
  const Package* package = host.PublicationPackage();
  if (!package || !package->TestRun()) return std::nullopt;
  std::string mapped = package->MapEmbeddedName(name);
  if (mapped == name) return std::nullopt;
  return mapped;
}

std::optional<std::int64_t> PackageEntrySize(TScriptHost& host, std::string_view name) {
  const Package* package = host.PublicationPackage();
  const LibRec* entry = package ? package->FindEntry(name) : nullptr;
  if (!entry) return std::nullopt;
  return entry->DeliveredSize();
}

std::optional<std::string> LoadPackageEntry(TScriptHost& host, std::string_view name, std::string& error) {
  error.clear();
  const Package* package = host.PublicationPackage();
  const LibRec* entry = package ? package->FindEntry(name) : nullptr;
  if (!entry) return std::nullopt;
  std::string bytes;
  if (package->LoadEntryToMemory(*entry, bytes) != pkg::kLoaded) error = FileErrorText(err::kReadFault);
  return bytes;
}

std::string ExtractPackageEntry(TScriptHost& host, std::string_view name, std::string_view destination) {
  std::string lastError;
  const std::string hostPath = HostPath(destination);
  DropReadCache(hostPath);
  if (Package* package = host.PublicationPackage()) {
    package->ExtractToFile(name, destination, true, lastError);
    return lastError;
  }
  // No package: no entry, so an empty file, as for an entry the package
  // does not hold.
  const int e = ReplaceFileContent(hostPath, {});
  return e ? FileErrnoText(e) : std::string();
}

}  // namespace orv
