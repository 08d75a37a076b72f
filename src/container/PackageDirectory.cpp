#include "container/PackageDirectory.h"

#include <algorithm>
#include <string>

#include "container/LittleEndian.h"
#include "container/PackageFormat.h"

namespace orv {
namespace {

// Reads little-endian fields from the inflated directory; any read past the
// end sets `ok` false and yields zeros, so a parse can check once at the end
// of each record.
class DirectoryCursor {
 public:
  explicit DirectoryCursor(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  bool ok() const { return ok_; }

  std::uint8_t Byte() {
    const unsigned char* p = Take(1);
    return p ? p[0] : 0;
  }
  std::int32_t Int32() {
    const unsigned char* p = Take(4);
    return p ? ReadLe32(p) : 0;
  }
  std::string String() {
    const unsigned char* lengthBytes = Take(2);
    if (!lengthBytes) return {};
    const std::size_t length = ReadLe16(lengthBytes);
    const unsigned char* p = Take(length);
    return p ? std::string(reinterpret_cast<const char*>(p), length) : std::string();
  }
  void SkipString() {
    const unsigned char* lengthBytes = Take(2);
    if (lengthBytes) Take(ReadLe16(lengthBytes));
  }

 private:
  const unsigned char* Take(std::size_t n) {
    if (!ok_ || bytes_.size() - pos_ < n) {
      ok_ = false;
      return nullptr;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    pos_ += n;
    return p;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

bool ReadHeader(DirectoryCursor& in, bool reloadForm, const DirectoryParseHooks& hooks, PackageHeader& h) {
  h = PackageHeader();
  h.Builder = in.Int32();
  const std::uint8_t storedDebug = in.Byte();
  h.Debug = storedDebug == 3 ? 2 : storedDebug;
  if (storedDebug == 3) {
    h.HasStartPage = true;
    h.StartPage = in.Int32();
  }
  if (storedDebug != 0) {
    h.DebuggerFolder = in.String();
    h.ProjectFolder = in.String();
    h.DebugExtra = in.String();
    h.IconFile = in.String();
  }
  if (!in.ok()) return false;
  if (reloadForm) {
    h.ReloadForm = true;
    h.RunMode = runmode::kReloaded;
    return true;
  }
  h.RunMode = in.Byte();
  h.SingleInstance = in.Byte();
  if (!in.ok()) return false;
  if (h.IsSingleInstance() && hooks.SingleInstance) hooks.SingleInstance();
  if (h.RunMode == runmode::kWindowed) {
    h.DisplayChange = in.Byte();
    if (h.DisplayChange == 1) {
      h.DisplayWidth = in.Int32();
      h.DisplayHeight = in.Int32();
      h.DisplayBitsPerPixel = in.Byte();
    }
    if (!in.ok()) return false;
    if (h.WantsDisplayChange() && hooks.DisplayChange) hooks.DisplayChange(h);
  }
  h.Splash = in.String();
  if (h.RunMode == runmode::kScreenSaver) h.Preview = in.String();
  return in.ok();
}

// One record; its name only when `withName`, so records can be counted
// without allocating anything.
void ReadRecord(DirectoryCursor& in, bool withName, LibRec& e) {
  if (withName)
    e.Name = in.String();
  else
    in.SkipString();
  e.Kind = in.Byte();
  e.UnpackedSize = in.Int32();
  e.Offset = in.Int32();
  e.StoredSize = in.Int32();
  if (e.Kind == kind::kPicture) {
    e.Width = in.Int32();
    e.Height = in.Int32();
    e.HasAlpha = in.Byte() == 1;
  }
}

// The records from `in` on, counted up to one past `limit`; -1 when one is
// malformed.
std::int64_t CountRecords(DirectoryCursor in, std::int64_t limit) {
  std::int64_t count = 0;
  LibRec scratch;
  for (; !in.AtEnd() && count <= limit; ++count) {
    ReadRecord(in, false, scratch);
    if (!in.ok()) return -1;
  }
  return count;
}

}  // namespace

bool EntryFitsData(const LibRec& e, std::int64_t dataEnd) {
  if (e.StoredSize < 0) return false;
  if (e.IsCompressed() && e.UnpackedSize > packfmt::MaxInflatedSize(e.StoredSize)) return false;
  // A record with nothing stored (a plug-in left outside the package) reads
  // no bytes, so its offset does not matter.
  if (e.StoredSize == 0) return true;
  return e.Offset >= 0 && static_cast<std::int64_t>(e.Offset) + e.StoredSize <= dataEnd;
}

bool ParsePackageDirectory(std::string_view bytes, bool reloadForm, const DirectoryParseHooks& hooks,
                           std::int64_t maxRecords, PackageHeader& header, std::vector<LibRec>& entries) {
  entries.clear();
  DirectoryCursor in(bytes);
  if (!ReadHeader(in, reloadForm, hooks, header)) return false;
  const std::int64_t count = CountRecords(in, maxRecords);
  if (count < 0 || count > maxRecords) return false;
  entries.reserve(static_cast<std::size_t>(count));
  while (!in.AtEnd()) {
    LibRec e;
    ReadRecord(in, true, e);
    if (!in.ok()) return false;
    entries.push_back(std::move(e));
  }
  // Lookups meet the record read last first.
  std::reverse(entries.begin(), entries.end());
  return true;
}

}  // namespace orv
