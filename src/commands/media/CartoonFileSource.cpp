#include "commands/media/CartoonFileSource.h"

#include "base/Ansi.h"
#include "base/HostPath.h"
#include "commands/files/PublicationPath.h"
#include "commands/media/CartoonFile.h"
#include "container/LibRec.h"
#include "container/Package.h"
#include "container/RegularFile.h"
#include "imaging/PictureFile.h"

namespace orv {

namespace {

constexpr std::int64_t kLargestCartoonFile = kLargestPictureFile + kCartoonHeaderSize;

}  // namespace

std::optional<std::string> ReadCartoonFileBytes(const Package* package, TVars& vars, std::string_view name) {
  if (name.empty()) return std::nullopt;
  const bool embedded = AnsiStartsWithText(name, kEmbeddedPrefix);
  if (package != nullptr) {
    const std::string entryName = package->ResolveEntryName(embedded ? name.substr(kEmbeddedPrefix.size()) : name);
    if (const LibRec* entry = package->FindEntry(entryName)) {
      std::string bytes;
      if (entry->DeliveredSize() > kLargestCartoonFile || package->LoadEntryToMemory(*entry, bytes) != pkg::kLoaded)
        return std::nullopt;
      return bytes;
    }
  }
  if (embedded) return std::nullopt;
  std::string bytes;
  if (!ReadRegularFile(HostPath(ResolvePublicationPath(vars, name)), kLargestCartoonFile, bytes)) return std::nullopt;
  return bytes;
}

}  // namespace orv
