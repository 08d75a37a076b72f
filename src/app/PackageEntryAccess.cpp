#include "app/PackageEntryAccess.h"

#include "container/Package.h"

namespace orv {

PackageEntryFacts LookUpPackageEntry(const Package& package, std::string_view name) {
  PackageEntryFacts facts;
  const LibRec* entry = package.FindEntry(name);
  if (entry == nullptr) return facts;
  facts.exists = true;
  facts.picture = entry->Kind == kind::kPicture;
  facts.width = entry->Width;
  facts.height = entry->Height;
  facts.hasAlpha = entry->HasAlpha;
  return facts;
}

bool ReadPackageEntry(const Package& package, std::string_view name, std::string& bytes, bool& exists) {
  const LibRec* entry = package.FindEntry(name);
  exists = entry != nullptr;
  if (!exists) return false;
  std::string content;
  const bool copied = package.CopyEntry(*entry, [&content](const char* data, std::size_t size) {
    content.append(data, size);
    return true;
  });
  if (!copied) return false;
  bytes = std::move(content);
  return true;
}

}  // namespace orv
