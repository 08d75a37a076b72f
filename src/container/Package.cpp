#include "container/Package.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <string>

#include "base/HostPath.h"
#include "base/PathNames.h"
#include "container/EntryStream.h"
#include "container/PackageDirectory.h"
#include "container/PackageFormat.h"
#include "container/PackageTrailer.h"

namespace orv {
namespace {

bool IsReloadForm(std::string_view fileName, bool reload) {
  return reload && AnsiSameText(ExtractFileExt(fileName), ".pkg");
}

}  // namespace

Package::Package(TPackageHost* host) : host_(host) {}

TPackageHost& Package::Host() const {
  static TPackageHost headless;
  return host_ ? *host_ : headless;
}

Package::~Package() = default;

void Package::Reset() {
  file_.Close();
  fileName_.clear();
  header_ = PackageHeader();
  entries_.clear();
}

int Package::OpenPackage(const std::string& hostPath, bool reload) {
  if (IsOpen()) ClosePackage(false);
  Reset();
  if (!file_.Open(hostPath)) return pkg::kOpenFailed;
  fileName_ = hostPath;
  return ReadDirectory(IsReloadForm(hostPath, reload));
}

int Package::OpenPackageDescriptor(int fd, std::string_view fileName, bool reload) {
  if (IsOpen()) ClosePackage(false);
  Reset();
  if (!file_.Adopt(fd)) return pkg::kOpenFailed;
  fileName_ = std::string(fileName);
  return ReadDirectory(IsReloadForm(fileName, reload));
}

int Package::ReadDirectory(bool reloadForm) {
  DirectoryLocation where;
  std::string bytes;
  DirectoryParseHooks parseHooks;
  parseHooks.SingleInstance = [this] { Host().SingleInstanceTest(); };
  parseHooks.DisplayChange = [this](const PackageHeader& h) {
    if (Host().ChangeDisplay(h.DisplayWidth, h.DisplayHeight, h.DisplayBitsPerPixel))
      displayChanged_ = true;
  };
  bool ok = false;
  try {
    ok = LocateDirectory(file_, where) && InflateDirectory(file_, where, bytes) &&
         ParsePackageDirectory(bytes, reloadForm, parseHooks, packfmt::MaxDirectoryRecords(file_.Size()), header_,
                               entries_);
  } catch (const std::bad_alloc&) {
    // A directory can claim a thousand times its stored size; when that
    // does not fit in memory the package cannot be read, like any other.
    ok = false;
  }
  if (ok)
    ok = std::all_of(entries_.begin(), entries_.end(),
                     [&](const LibRec& e) { return EntryFitsData(e, where.SizeField); });
  if (!ok) {
    Reset();
    return pkg::kOpenFailed;
  }
  return pkg::kOpened;
}

void Package::ClosePackage(bool deleteExtracted) {
  file_.Close();
  bool fontRemoved = false;
  for (LibRec& e : entries_) {
    if (!e.Extracted) continue;
    const std::string hostPath = HostPath(e.ExtractedPath);
    if (e.Kind == kind::kFont) {
      // Fonts never outlive the run, whatever the publication asked.
      Host().RemoveFont(hostPath);
      ::unlink(hostPath.c_str());
      fontRemoved = true;
    } else if (deleteExtracted && (extractOp_ & pkg::kExtractOpDeleteAtExit)) {
      ::unlink(hostPath.c_str());
    }
    e.Extracted = false;
  }
  entries_.clear();
  if (fontRemoved) Host().FontsChanged();
  if (displayChanged_) Host().RestoreDisplay();
  displayChanged_ = false;
  Reset();
}

const LibRec* Package::FindEntry(std::string_view name) const {
  auto lookup = [this](std::string_view wanted) -> const LibRec* {
    for (const LibRec& e : entries_)
      if (AnsiSameText(e.Name, wanted)) return &e;
    return nullptr;
  };
  const LibRec* found = lookup(name);
  if (!found && name.find('/') != std::string_view::npos) {
    std::string back(name);
    std::replace(back.begin(), back.end(), '/', '\\');
    found = lookup(back);
  }
  if (found && documentLocated_ && AnsiSameText(found->Name, kDocumentEntryName)) return nullptr;
  return found;
}

LibRec* Package::FindEntry(std::string_view name) {
  return const_cast<LibRec*>(static_cast<const Package*>(this)->FindEntry(name));
}

const LibRec* Package::LocateDocument() {
  documentLocated_ = false;
  const LibRec* document = FindEntry(kDocumentEntryName);
  documentLocated_ = true;
  return document;
}

std::string Package::ResolveEntryName(std::string_view name) const {
  for (const LibRec& e : entries_) {
    const bool matches = !e.Name.empty() && e.Name[0] == ':'
                             ? e.Name.size() == name.size() + 1 && AnsiSameText(std::string_view(e.Name).substr(1), name)
                             : AnsiSameText(ExtractFileName(e.Name), name);
    // A stored name identical to the given one changes nothing: keep looking
    // for one that does.
    if (matches && e.Name != name) return e.Name;
  }
  return std::string(name);
}

std::string Package::MapEmbeddedName(std::string_view name) const {
  if (!TestRun() || embeddedFiles_.empty()) return std::string(name);
  if (!AnsiSameText(ExtractFilePath(name), kEmbeddedPrefix)) return std::string(name);
  const auto it = embeddedFiles_.find(ExtractFileName(name));
  return it == embeddedFiles_.end() ? std::string(name) : it->second;
}

bool Package::CopyEntry(const LibRec& entry, const ByteSink& sink) const {
  EntryStream stream(file_, entry);
  std::string buffer(64 * 1024, '\0');
  for (;;) {
    const std::int64_t n = stream.Read(buffer.data(), buffer.size());
    if (n < 0) return false;
    if (n == 0) return stream.Delivered() == stream.Size();
    if (!sink(buffer.data(), static_cast<std::size_t>(n))) return false;
  }
}

EntryStream Package::OpenEntryStream(const LibRec& entry) const { return EntryStream(file_, entry); }

bool Package::ReadStoredBytes(const LibRec& entry, std::string& bytes) const {
  bytes.clear();
  EntryStream stream(file_, entry.Offset, entry.StoredSize, 0);
  bytes.resize(static_cast<std::size_t>(std::max(entry.StoredSize, 0)));
  if (!bytes.empty() && stream.Read(bytes.data(), bytes.size()) != static_cast<std::int64_t>(bytes.size())) {
    bytes.clear();
    return false;
  }
  return true;
}

int Package::LoadEntryToMemory(const LibRec& entry, std::string& bytes) const {
  bytes.clear();
  // The size was checked against the stored bytes when the directory was
  // read, so this allocation is bounded by the file.
  std::string content(static_cast<std::size_t>(std::max<std::int64_t>(entry.DeliveredSize(), 0)), '\0');
  EntryStream stream(file_, entry);
  std::size_t filled = 0;
  while (filled < content.size()) {
    const std::int64_t n = stream.Read(content.data() + filled, content.size() - filled);
    if (n <= 0) return pkg::kCopyFailed;
    filled += static_cast<std::size_t>(n);
  }
  if (stream.Read(nullptr, 0) != 0) return pkg::kCopyFailed;
  bytes = std::move(content);
  return pkg::kLoaded;
}

int Package::LoadEntryToMemory(std::string_view name, std::string& bytes) const {
  const LibRec* entry = FindEntry(name);
  if (!entry) {
    bytes.clear();
    return pkg::kNoEntry;
  }
  return LoadEntryToMemory(*entry, bytes);
}

std::int64_t Package::ReadEntryPart(std::string_view name, std::int64_t position, char* buffer,
                                    std::int64_t count) const {
  const LibRec* entry = FindEntry(name);
  if (!entry) return pkg::kPartNoEntry;
  // A negative position would read the bytes of whatever lies before.
  if (position < 0 || count <= 0 || position >= entry->StoredSize) return 0;
  const std::int64_t want = std::min(count, static_cast<std::int64_t>(entry->StoredSize) - position);
  const std::int64_t got = file_.ReadAt(entry->Offset + position, buffer, static_cast<std::size_t>(want));
  return got == want ? got : pkg::kPartReadFailed;
}

bool Package::EntryPictureInfo(std::string_view name, PictureInfo& info) const {
  info = PictureInfo();
  if (const LibRec* entry = FindEntry(name); entry && entry->Kind == kind::kPicture) {
    info.Width = entry->Width;
    info.Height = entry->Height;
    info.HasAlpha = entry->HasAlpha;
    return true;
  }
  const std::string hostPath = HostPath(name);
  if (::access(hostPath.c_str(), R_OK) == 0) return Host().ReadPictureHeader(hostPath, info);
  return false;
}

}  // namespace orv
