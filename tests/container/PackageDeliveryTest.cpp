// Delivering entry bytes: whole, chunked, partial and as stored, raw and
// compressed alike, and failing cleanly on damaged data.
#include "container/RecordingPackageHost.h"
#include "container/EntryStream.h"
#include "container/Package.h"
#include "container/PackageFixture.h"

namespace orv::test {
namespace {

std::string Varied(std::size_t size) {
  std::string s(size, '\0');
  unsigned v = 12345;
  for (char& c : s) {
    v = v * 1103515245u + 12345u;
    c = static_cast<char>((v >> 16) % 7 == 0 ? (v >> 8) : 'a' + (v >> 20) % 4);
  }
  return s;
}

class PackageDelivery : public ::testing::Test {
 protected:
  void SetUp() override {
    PackageLayout l;
    l.Player = std::string(1000, 'P');
    l.Entries = {Entry("raw.bin", content_, false), Entry("zip.bin", content_, true),
                 Entry("empty-raw", "", false), Entry("empty-zip", "", true),
                 Entry("nul\0name", std::string("a\0b", 3), true), Picture("C:\\p\\pic.png", 640, 480, true),
                 Picture("C:\\p\\flat.bmp", 20, 10, false)};
    l.Entries[4].Name = std::string("nul\0name", 8);
    SavePackage(dir_ / "pub.exe", l);
    ASSERT_EQ(package_.OpenPackage(dir_ / "pub.exe"), pkg::kOpened);
  }

  const std::string content_ = Varied(70000);
  ScratchFolder dir_;
  Package package_;
};

TEST_F(PackageDelivery, RawAndCompressedDeliverIdenticalBytes) {
  for (const char* name : {"raw.bin", "zip.bin"}) {
    std::string bytes;
    ASSERT_EQ(package_.LoadEntryToMemory(name, bytes), pkg::kLoaded) << name;
    EXPECT_EQ(bytes, content_) << name;
    std::string copied;
    EXPECT_TRUE(package_.CopyEntry(*package_.FindEntry(name), [&](const char* d, std::size_t n) {
      copied.append(d, n);
      return true;
    }));
    EXPECT_EQ(copied, content_) << name;
  }
  EXPECT_TRUE(package_.FindEntry("zip.bin")->IsCompressed());
  EXPECT_FALSE(package_.FindEntry("raw.bin")->IsCompressed());
  EXPECT_LT(package_.FindEntry("zip.bin")->StoredSize, package_.FindEntry("raw.bin")->StoredSize);
}

TEST_F(PackageDelivery, EmptyAndBinaryNamedEntries) {
  for (const char* name : {"empty-raw", "empty-zip"}) {
    std::string bytes = "junk";
    EXPECT_EQ(package_.LoadEntryToMemory(name, bytes), pkg::kLoaded) << name;
    EXPECT_EQ(bytes, "") << name;
  }
  std::string bytes;
  EXPECT_EQ(package_.LoadEntryToMemory(std::string("NUL\0NAME", 8), bytes), pkg::kLoaded);
  EXPECT_EQ(bytes, std::string("a\0b", 3));
  EXPECT_EQ(package_.LoadEntryToMemory("nul", bytes), pkg::kNoEntry);
  EXPECT_EQ(bytes, "");
}

TEST_F(PackageDelivery, ChunkedStreamMatchesWholeLoad) {
  for (const char* name : {"raw.bin", "zip.bin"}) {
    EntryStream stream = package_.OpenEntryStream(*package_.FindEntry(name));
    EXPECT_EQ(stream.Size(), static_cast<std::int64_t>(content_.size()));
    std::string out;
    char chunk[333];
    std::int64_t n;
    while ((n = stream.Read(chunk, sizeof chunk)) > 0) out.append(chunk, static_cast<std::size_t>(n));
    EXPECT_EQ(n, 0) << name;
    EXPECT_EQ(out, content_) << name;
    EXPECT_EQ(stream.Read(chunk, sizeof chunk), 0);  // stays at the end
  }
}

TEST_F(PackageDelivery, StoredBytesOfACompressedEntryAreItsZlibStream) {
  const LibRec& zip = *package_.FindEntry("zip.bin");
  std::string stored;
  ASSERT_TRUE(package_.ReadStoredBytes(zip, stored));
  ASSERT_EQ(stored.size(), static_cast<std::size_t>(zip.StoredSize));
  EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0x78);  // zlib header
  EXPECT_EQ(zip.UnpackedSize, static_cast<std::int32_t>(content_.size()));
}

TEST_F(PackageDelivery, ReadEntryPartTable) {
  struct Case {
    const char* name;
    std::int64_t position;
    std::int64_t count;
    std::int64_t result;
  };
  const auto size = static_cast<std::int64_t>(content_.size());
  const Case cases[] = {
      {"raw.bin", 0, 10, 10},
      {"raw.bin", 1000, 64, 64},
      {"raw.bin", size - 5, 64, 5},     // clipped at the entry's end
      {"raw.bin", size, 64, 0},
      {"raw.bin", size + 100, 64, 0},
      {"raw.bin", -1, 64, 0},           // never reads before the entry
      {"raw.bin", 10, 0, 0},
      {"missing", 0, 10, pkg::kPartNoEntry},
  };
  for (const Case& c : cases) {
    std::string buffer(static_cast<std::size_t>(std::max<std::int64_t>(c.count, 1)), '\0');
    const std::int64_t got = package_.ReadEntryPart(c.name, c.position, buffer.data(), c.count);
    EXPECT_EQ(got, c.result) << c.name << " @" << c.position;
    if (got > 0) {
      EXPECT_EQ(buffer.substr(0, got), content_.substr(c.position, got));
    }
  }
}

TEST_F(PackageDelivery, PictureInfoComesFromTheDirectory) {
  PictureInfo info;
  ASSERT_TRUE(package_.EntryPictureInfo("c:\\p\\PIC.png", info));
  EXPECT_EQ(info.Width, 640);
  EXPECT_EQ(info.Height, 480);
  EXPECT_TRUE(info.HasAlpha);
  ASSERT_TRUE(package_.EntryPictureInfo("C:\\p\\flat.bmp", info));
  EXPECT_EQ(info.Width, 20);
  EXPECT_FALSE(info.HasAlpha);
  EXPECT_FALSE(package_.EntryPictureInfo("raw.bin", info));  // not a picture, not on disk
}

TEST_F(PackageDelivery, PictureInfoOfFilesOnDiskAsksTheDecoder) {
  WriteFile(dir_ / "disk.png", "png");
  TRecordingPackageHost host;
  host.Picture.Width = 3;
  package_.SetHost(&host);
  PictureInfo info;
  EXPECT_TRUE(package_.EntryPictureInfo(dir_ / "disk.png", info));
  EXPECT_EQ(host.PictureHeadersRead, std::vector<std::string>{dir_ / "disk.png"});
  EXPECT_EQ(info.Width, 3);
  EXPECT_FALSE(package_.EntryPictureInfo(dir_ / "absent.png", info));
  EXPECT_EQ(host.PictureHeadersRead.size(), 1u);  // a missing file is not asked about
  package_.SetHost(nullptr);
}

TEST(PackageDamage, DamagedCompressedEntryFailsWithoutBytes) {
  ScratchFolder dir;
  PackageLayout l;
  l.Entries = {Entry("a.txt", std::string(5000, 'z') + "tail", true)};
  std::string bytes = BuildPackage(l);
  Package probe;
  SavePackage(dir / "good.exe", l);
  ASSERT_EQ(probe.OpenPackage(dir / "good.exe"), pkg::kOpened);
  const LibRec entry = probe.Entries()[0];
  // Damage the middle of the stream and, separately, its checksum.
  for (std::int64_t at : {entry.Offset + entry.StoredSize / 2, entry.Offset + entry.StoredSize - 1}) {
    std::string damaged = bytes;
    damaged[static_cast<std::size_t>(at)] ^= 0x10;
    WriteFile(dir / "bad.exe", damaged);
    Package p;
    ASSERT_EQ(p.OpenPackage(dir / "bad.exe"), pkg::kOpened);
    std::string out = "previous";
    EXPECT_EQ(p.LoadEntryToMemory("a.txt", out), pkg::kCopyFailed) << at;
    EXPECT_EQ(out, "");
  }
}

}  // namespace
}  // namespace orv::test
