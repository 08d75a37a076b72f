#include "container/PackageWriter.h"

#include <zlib.h>

#include <limits>

#include "container/LittleEndian.h"
#include "container/PackageFormat.h"

namespace orv {
namespace {

constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

bool Deflate(std::string_view data, std::string& out) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  out.resize(size);
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
    return false;
  out.resize(size);
  return true;
}

void AppendString(std::string& out, std::string_view text) {
  AppendLe16(out, static_cast<std::uint16_t>(text.size()));
  out.append(text);
}

void AppendHeader(std::string& out, const PackageHeader& h) {
  AppendLe32(out, h.Builder);
  const std::uint8_t debug = h.HasStartPage ? 3 : h.Debug;
  out.push_back(static_cast<char>(debug));
  if (debug == 3) AppendLe32(out, h.StartPage);
  if (debug != 0) {
    AppendString(out, h.DebuggerFolder);
    AppendString(out, h.ProjectFolder);
    AppendString(out, h.DebugExtra);
    AppendString(out, h.IconFile);
  }
  if (h.ReloadForm) return;
  out.push_back(static_cast<char>(h.RunMode));
  out.push_back(static_cast<char>(h.SingleInstance));
  if (h.RunMode == runmode::kWindowed) {
    out.push_back(static_cast<char>(h.DisplayChange));
    if (h.DisplayChange == 1) {
      AppendLe32(out, h.DisplayWidth);
      AppendLe32(out, h.DisplayHeight);
      out.push_back(static_cast<char>(h.DisplayBitsPerPixel));
    }
  }
  AppendString(out, h.Splash);
  if (h.RunMode == runmode::kScreenSaver) AppendString(out, h.Preview);
}

bool CheckString(std::string_view text, std::string_view what, std::string& error) {
  if (text.size() <= 0xFFFF) return true;
  error = std::string(what) + " is longer than 65535 bytes";
  return false;
}

}  // namespace

bool WritePackage(const PackageLayout& layout, const PackageOutput& out, std::string& error) {
  const PackageHeader& h = layout.Header;
  for (const auto* text : {&h.DebuggerFolder, &h.ProjectFolder, &h.DebugExtra, &h.IconFile, &h.Splash, &h.Preview})
    if (!CheckString(*text, "a header text", error)) return false;

  std::string directory;
  AppendHeader(directory, h);
  std::int64_t offset = static_cast<std::int64_t>(layout.Player.size());
  if (!out(layout.Player)) {
    error = "cannot write the player";
    return false;
  }
  std::string stored;
  for (const PackageEntrySource& e : layout.Entries) {
    if (!CheckString(e.Name, "entry name '" + e.Name + "'", error)) return false;
    // An empty compressed entry would read as raw (unpacked size 0) and
    // deliver the zlib bytes themselves, so empty content is stored raw.
    const bool compress = e.Compress && !e.Data.empty();
    if (compress && !Deflate(e.Data, stored)) {
      error = "cannot compress entry '" + e.Name + "'";
      return false;
    }
    const std::string_view bytes = compress ? std::string_view(stored) : std::string_view(e.Data);
    if (offset + static_cast<std::int64_t>(bytes.size()) > kMaxOffset ||
        static_cast<std::int64_t>(e.Data.size()) > kMaxOffset) {
      error = "the package would exceed 2 GB at entry '" + e.Name + "'";
      return false;
    }
    AppendString(directory, e.Name);
    directory.push_back(static_cast<char>(e.Kind));
    AppendLe32(directory, compress ? static_cast<std::int32_t>(e.Data.size()) : 0);
    AppendLe32(directory, static_cast<std::int32_t>(offset));
    AppendLe32(directory, static_cast<std::int32_t>(bytes.size()));
    if (e.Kind == kind::kPicture) {
      AppendLe32(directory, e.Width);
      AppendLe32(directory, e.Height);
      directory.push_back(e.HasAlpha ? 1 : 0);
    }
    if (!out(bytes)) {
      error = "cannot write entry '" + e.Name + "'";
      return false;
    }
    offset += static_cast<std::int64_t>(bytes.size());
  }

  std::string tail;
  if (!Deflate(directory, stored)) {
    error = "cannot compress the directory";
    return false;
  }
  const std::int64_t sizeField = offset;
  if (sizeField + 8 + static_cast<std::int64_t>(stored.size()) > kMaxOffset) {
    error = "the package would exceed 2 GB";
    return false;
  }
  AppendLe32(tail, static_cast<std::int32_t>(directory.size()));
  tail.append(stored);
  AppendLe32(tail, static_cast<std::int32_t>(sizeField - packfmt::kDirectoryPointerBias));
  tail.append(packfmt::kMarker);
  tail.append(layout.TrailingBytes, '\0');
  if (!out(tail)) {
    error = "cannot write the directory";
    return false;
  }
  return true;
}

std::string BuildPackage(const PackageLayout& layout) {
  std::string bytes;
  std::string error;
  if (!WritePackage(layout, [&](std::string_view b) { bytes.append(b); return true; }, error)) return {};
  return bytes;
}

}  // namespace orv
