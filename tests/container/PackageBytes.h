#pragma once
// Package files written byte by byte, for the lies the writer never tells: a
// hand-made directory, a wrong size field or pointer, and directories that
// repeat one record many times behind a few deflated bytes. Shared by the
// package tests, the tool tests and the package fuzz target, so it needs
// nothing but zlib.
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "container/LittleEndian.h"
#include "container/PackageFormat.h"

namespace orv::test {

// `head` followed by `unit` `count` times, as one zlib stream, without ever
// holding the whole inflated text.
inline std::string DeflateRepeated(std::string_view head, std::string_view unit, std::size_t count,
                                   int level = Z_BEST_SPEED) {
  z_stream z{};
  if (deflateInit(&z, level) != Z_OK) return {};
  std::string out;
  const auto feed = [&](std::string_view in, int flush) {
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    Bytef room[16384];
    do {
      z.next_out = room;
      z.avail_out = sizeof room;
      deflate(&z, flush);
      out.append(reinterpret_cast<const char*>(room), sizeof room - z.avail_out);
    } while (z.avail_out == 0);
  };
  feed(head, Z_NO_FLUSH);
  if (!unit.empty()) {
    // Whole units per call keep the calls few for millions of short records.
    const std::size_t perBlock = std::max<std::size_t>(1, 65536 / unit.size());
    std::string block;
    for (std::size_t i = 0; i < std::min(perBlock, count); ++i) block += unit;
    for (std::size_t left = count; left > 0;) {
      const std::size_t now = std::min(perBlock, left);
      feed(std::string_view(block).substr(0, now * unit.size()), Z_NO_FLUSH);
      left -= now;
    }
  }
  feed({}, Z_FINISH);
  deflateEnd(&z);
  return out;
}

// A package file: `front` (the player and the entry data), the directory
// size field, the deflated directory, the pointer to the size field and the
// marker. `pointer` replaces the true pointer value.
inline std::string PackageAround(std::string front, std::int32_t directorySize, std::string_view deflated,
                                 std::optional<std::int32_t> pointer = std::nullopt) {
  const auto sizeField = static_cast<std::int32_t>(front.size());
  std::string out = std::move(front);
  AppendLe32(out, directorySize);
  out += deflated;
  AppendLe32(out, pointer.value_or(static_cast<std::int32_t>(sizeField - packfmt::kDirectoryPointerBias)));
  out += packfmt::kMarker;
  return out;
}

// A package whose directory is `head` and then `record` `count` times.
inline std::string RepeatedRecordsPackage(std::string front, std::string_view head, std::string_view record,
                                          std::size_t count) {
  const std::size_t size = head.size() + record.size() * count;
  return PackageAround(std::move(front), static_cast<std::int32_t>(size), DeflateRepeated(head, record, count));
}

// The directory header of a plain windowed publication.
inline std::string DirectoryHeaderBytes() {
  std::string h;
  AppendLe32(h, 1);           // builder
  h += std::string(3, '\0');  // debug 0, run mode 0, single instance 0
  h += '\0';                  // no display change
  AppendLe16(h, 0);           // no splash
  return h;
}

// One directory record of any kind but a picture.
inline std::string RecordBytes(std::string_view name, std::uint8_t kind, std::int32_t unpacked, std::int32_t offset,
                               std::int32_t stored) {
  std::string r;
  AppendLe16(r, static_cast<std::uint16_t>(name.size()));
  r += name;
  r += static_cast<char>(kind);
  AppendLe32(r, unpacked);
  AppendLe32(r, offset);
  AppendLe32(r, stored);
  return r;
}

}  // namespace orv::test
