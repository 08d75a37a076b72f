// Files a publication's settings name (cursor files, say): package entries by
// their embedded or bare names, and files on disk.
#include <gtest/gtest.h>

#include "app/PublicationFileReader.h"
#include "container/Package.h"
#include "container/PackageFixture.h"

namespace orv::test {
namespace {

TEST(PublicationFileReader, EntriesByEmbeddedOrBareNameAndFilesOnDisk) {
  ScratchFolder dir;
  SavePackage(dir / "pub.exe", PlayerLayout({Entry("C:\\Cursors\\Hand.cur", "hand bytes"), Entry("plain.cur", "plain")}));
  Package package;
  ASSERT_EQ(package.OpenPackage(dir / "pub.exe"), pkg::kOpened);
  WriteFile(dir / "disk.cur", "disk bytes");
  const struct {
    std::string name;
    std::optional<std::string> content;
  } cases[] = {
      {"embedded:\\\\\\Hand.cur", "hand bytes"},  // the bare name inside the embedded one
      {"EMBEDDED:\\\\\\hand.CUR", "hand bytes"},
      {"plain.cur", "plain"},
      {dir / "disk.cur", "disk bytes"},
      {"embedded:\\\\\\disk.cur", std::nullopt},  // embedded names never fall back to disk
      {"embedded:\\\\\\", std::nullopt},
      {dir / "missing.cur", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadPublicationFile(&package, c.name), c.content) << c.name;
  // Without a package only the disk answers.
  EXPECT_EQ(ReadPublicationFile(nullptr, dir / "disk.cur"), std::optional<std::string>("disk bytes"));
  EXPECT_EQ(ReadPublicationFile(nullptr, "plain.cur"), std::nullopt);
}

}  // namespace
}  // namespace orv::test
