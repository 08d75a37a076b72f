// The cartoon file reader: the header, the strip decoded through the
// picture cache and cut into frames, its transparent background, the ways
// the bytes arrive (package entries stored either way, files on disk), and
// files that are no cartoon.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "commands/media/CartoonFile.h"
#include "commands/media/CartoonFileSource.h"
#include "commands/media/CartoonTestFiles.h"
#include "container/Package.h"
#include "container/PackageFixture.h"
#include "pages/PictureCache.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"

namespace orv::test {
namespace {

TEST(CartoonFile, CutsTheStripIntoFramesWithATransparentBackground) {
  TPictureCache cache;
  const std::optional<TCartoonStrip> strip = ReadCartoonStrip(CartoonFileBytes(3, 20, 16), "WALK.CAR", cache);
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->Frames(), 3);
  EXPECT_EQ(strip->FrameWidth(), 20);
  EXPECT_EQ(strip->FrameHeight(), 16);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const QRect frame = strip->FrameRect(i);
    EXPECT_EQ(strip->Picture().pixelColor(frame.center()), FrameColour(i));
    // Only the square shows: the magenta margin is transparent.
    const std::optional<QRegion> shows = strip->FrameRegion(i);
    ASSERT_TRUE(shows);
    EXPECT_EQ(shows->boundingRect(), QRect(kFrameMargin, kFrameMargin, 20 - 2 * kFrameMargin, 16 - 2 * kFrameMargin));
  }
  // The cache keeps the picture but no hold on it, so it can still go.
  ASSERT_EQ(cache.Count(), 1);
  EXPECT_EQ(cache.HoldCount(cache.AcquirePictureUnheld(cache.Names().front()).picture.get()), 0);
}

TEST(CartoonFile, ColumnsLeftOverOnTheRightAreNoFrame) {
  // 3 frames of a 62-pixel strip: 20 columns each, 2 left over.
  TPictureCache cache;
  const std::optional<TCartoonStrip> strip =
      ReadCartoonStrip(CartoonFileBytes(CartoonStripImage(3, 20, 10).copy(0, 0, 62, 10), 3), "ODD.CAR", cache);
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->FrameWidth(), 20);
  EXPECT_EQ(strip->FrameRect(2), QRect(40, 0, 20, 10));
}

TEST(CartoonFile, AFileEditedOnDiskIsNotTakenForItsCachedStrip) {
  TPictureCache cache;
  ASSERT_EQ(ReadCartoonStrip(CartoonFileBytes(2), "SAME.CAR", cache)->Frames(), 2);
  const std::optional<TCartoonStrip> edited = ReadCartoonStrip(CartoonFileBytes(4), "SAME.CAR", cache);
  ASSERT_TRUE(edited);
  EXPECT_EQ(edited->Frames(), 4);
  EXPECT_EQ(edited->FrameWidth(), 20);
}

struct NotACartoon {
  const char* name;
  std::string bytes;
};

std::string WithOffset(std::int32_t offset) {
  return CartoonHeader(offset, 2) + PngBytes(CartoonStripImage(2, 10, 10));
}

TEST(CartoonFile, WhatIsNoCartoonReadsAsNone) {
  const std::string good = CartoonFileBytes(2, 10, 10);
  const NotACartoon cases[] = {
      {"empty", ""},
      {"short header", good.substr(0, 11)},
      {"wrong signature", "NS" + good.substr(2)},
      {"no frames", CartoonFileBytes(CartoonStripImage(2, 10, 10), 0)},
      {"more frames than columns", CartoonFileBytes(CartoonStripImage(2, 10, 10), 21)},
      {"negative picture offset", WithOffset(-4)},
      {"smallest picture offset", WithOffset(INT32_MIN)},
      {"picture offset at the end", WithOffset(static_cast<std::int32_t>(good.size()))},
      {"picture offset beyond the file", WithOffset(1 << 30)},
      {"header only", good.substr(0, 12)},
      {"picture cut short", good.substr(0, 60)},
      {"picture of no format", CartoonHeader(12, 2) + std::string(200, 'x')},
  };
  TPictureCache cache;
  for (const NotACartoon& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ReadCartoonStrip(c.bytes, "BAD.CAR", cache));
  }
}

TEST(CartoonFile, HeaderFields) {
  const std::optional<TCartoonHeader> header = ReadCartoonHeader(CartoonHeader(-1, 65535) + "rest");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->pictureOffset, -1);
  EXPECT_EQ(header->frames, 65535);  // unsigned
}

TEST(CartoonFileSource, ReadsPackageEntriesStoredEitherWayAndFilesOnDisk) {
  const std::string cartoon = CartoonFileBytes(3);
  ScratchFolder dir;
  PackageLayout layout = PlayerLayout({Entry("raw.car", cartoon, false), Entry("zip.car", cartoon, true)});
  SavePackage(dir / "pub.exe", layout);
  Package package;
  ASSERT_EQ(package.OpenPackage(dir / "pub.exe"), pkg::kOpened);
  WriteFile(dir / "disk.car", cartoon);
  THeadlessVarHost host;
  TVars vars(host);

  struct Source {
    const char* name;
    std::string file;
  } const sources[] = {
      {"raw entry", "RAW.CAR"},
      {"compressed entry", "zip.car"},
      {"embedded name", std::string(kEmbeddedPrefix) + "zip.car"},
      {"disk file", dir / "disk.car"},
  };
  TPictureCache cache;
  for (const Source& s : sources) {
    SCOPED_TRACE(s.name);
    const std::optional<std::string> bytes = ReadCartoonFileBytes(&package, vars, s.file);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, cartoon);
    const std::optional<TCartoonStrip> strip = ReadCartoonStrip(*bytes, s.file, cache);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->Frames(), 3);
  }
  EXPECT_FALSE(ReadCartoonFileBytes(&package, vars, std::string(kEmbeddedPrefix) + "disk.car"));
  EXPECT_FALSE(ReadCartoonFileBytes(&package, vars, dir / "missing.car"));
  EXPECT_FALSE(ReadCartoonFileBytes(&package, vars, dir.Path()));  // a folder
  EXPECT_FALSE(ReadCartoonFileBytes(nullptr, vars, ""));
}

}  // namespace
}  // namespace orv::test
