#pragma once
// Helpers for the package tests: a scratch folder and packages written into it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "container/PackageWriter.h"

namespace orv::test {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvpkgXXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool FileThere(const std::string& path) { return std::filesystem::exists(path); }

inline PackageEntrySource Entry(std::string name, std::string data, bool compress = true,
                                std::uint8_t kind = kind::kMedia) {
  PackageEntrySource e;
  e.Name = std::move(name);
  e.Data = std::move(data);
  e.Compress = compress;
  e.Kind = kind;
  return e;
}

inline PackageEntrySource Picture(std::string name, std::int32_t w, std::int32_t h, bool alpha) {
  PackageEntrySource e = Entry(std::move(name), std::string(50, 'p'), true, kind::kPicture);
  e.Width = w;
  e.Height = h;
  e.HasAlpha = alpha;
  return e;
}

// Writes the package to `path` and returns its bytes.
inline std::string SavePackage(const std::string& path, const PackageLayout& layout) {
  const std::string bytes = BuildPackage(layout);
  WriteFile(path, bytes);
  return bytes;
}

// A publication program: a stand-in player, the given debug byte, entries.
inline PackageLayout PlayerLayout(std::vector<PackageEntrySource> entries, std::uint8_t debug = 0) {
  PackageLayout l;
  l.Player = "player";
  l.Header.Debug = debug;
  l.Entries = std::move(entries);
  return l;
}

}  // namespace orv::test
