// The publication document read straight from a package, raw or compressed.
#include "container/PackageDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "container/PackageFixture.h"
#include "container/PublicationOutline.h"

namespace orv::test {
namespace {

std::string SampleDocument() { return ReadFile(ORVALIS_TEST_DATA_DIR "/container/doc/sample.pub"); }

std::string Outline(const Publication& publication) {
  std::string out;
  WritePublicationOutline(publication, out);
  return out;
}

// A document of many lines, far longer than the source's block and the
// reader's chunk: `pages` pages of ten objects each.
std::string LargeDocument(int pages) {
  std::string doc = "Title=Large\r\n";
  for (int p = 1; p <= pages; ++p) {
    doc += "NewPage=Page " + std::to_string(p) + "\r\nPageColor=" + std::to_string(p) + "\r\n";
    for (int o = 0; o < 10; ++o)
      doc += "ObjectType=5\r\nName=R" + std::to_string(p) + "_" + std::to_string(o) +
             "\r\nX=" + std::to_string(o) + "\r\nObjAction=Beep\xB6" "Beep\xB6\r\n";
  }
  return doc;
}

class PackageDocumentTest : public ::testing::Test {
 protected:
  // Writes a package holding `document` (when given) and a picture, opens it.
  void Open(const std::string* document, bool compress, std::uint8_t runMode = runmode::kWindowed,
            std::uint8_t debug = 0) {
    PackageLayout layout;
    layout.Header.RunMode = runMode;
    layout.Header.Debug = debug;
    layout.Entries.push_back(Picture("C:\\art\\logo.png", 10, 10, false));
    if (document) layout.Entries.push_back(Entry("RUNTIME.PUB", *document, compress, kind::kDocument));
    bytes_ = SavePackage(dir_ / "book.exe", layout);
    Reopen(dir_ / "book.exe");
  }

  void Reopen(const std::string& path) {
    package_ = std::make_unique<Package>();
    ASSERT_EQ(package_->OpenPackage(path), pkg::kOpened);
  }

  PackageDocumentStatus Read(Publication& publication, std::vector<int>* progress = nullptr) {
    DocumentReadOptions options = DocumentReadOptionsFor(*package_);
    if (progress) options.progress = [progress](int percent) { progress->push_back(percent); };
    return ReadPackageDocument(*package_, options, publication, error_);
  }

  ScratchFolder dir_;
  std::string bytes_;
  std::unique_ptr<Package> package_;
  std::string error_;
};

TEST_F(PackageDocumentTest, RawAndCompressedEntriesReadLikeTheDocumentInMemory) {
  const std::string document = SampleDocument();
  ASSERT_FALSE(document.empty());
  Publication expected;
  std::string error;
  DocumentReadOptions options;
  ASSERT_TRUE(ReadPublicationDocument(document, false, 0, options, expected, error)) << error;

  for (const bool compress : {false, true}) {
    Open(&document, compress);
    ASSERT_EQ(package_->FindEntry("runtime.pub")->IsCompressed(), compress);
    Publication publication;
    EXPECT_EQ(Read(publication), PackageDocumentStatus::Read) << error_;
    EXPECT_EQ(error_, "");
    EXPECT_EQ(Outline(publication), Outline(expected)) << "compressed " << compress;
    // Once read, scripts cannot reach the document by name.
    EXPECT_EQ(package_->FindEntry("RUNTIME.PUB"), nullptr);
  }
}

TEST_F(PackageDocumentTest, LargeDocumentsArriveWholeWithProgressPerChunk) {
  const std::string document = LargeDocument(400);
  ASSERT_GT(document.size(), 3 * 64 * 1024u);
  for (const bool compress : {false, true}) {
    Open(&document, compress);
    Publication publication;
    std::vector<int> progress;
    ASSERT_EQ(Read(publication, &progress), PackageDocumentStatus::Read) << error_;
    ASSERT_EQ(publication.pages.size(), 401u);
    EXPECT_EQ(publication.pages.back().name, "Page 400");
    ASSERT_EQ(publication.pages.back().objects.size(), 10u);
    EXPECT_EQ(publication.ObjectKeys(publication.pages.back().objects.back()).back().Text(),
              "Beep\r\nBeep\r\n");
    const std::size_t chunks =
        (document.size() + DocumentLineReader::kChunkSize - 1) / DocumentLineReader::kChunkSize;
    EXPECT_EQ(progress.size(), chunks);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
  }
}

TEST_F(PackageDocumentTest, MissingDocumentIsReported) {
  Open(nullptr, true);
  Publication publication;
  EXPECT_EQ(Read(publication), PackageDocumentStatus::Missing);
  EXPECT_NE(error_, "");
  EXPECT_EQ(publication.pages.size(), 1u);
}

// Damage anywhere in a compressed document fails the read, even damage only
// to the checksum after the last byte of text, and even when that byte
// arrives in the reader's very last chunk.
TEST_F(PackageDocumentTest, DamagedCompressedDocumentsFail) {
  const std::string large = LargeDocument(50);
  std::string lastChunkShort = "Title=" + std::string(64 * 1024 - 8, 't') + "\r\n";
  lastChunkShort += "NewPage=" + std::string(100, 'p') + "\r\n";
  struct Case {
    const char* what;
    const std::string& document;
    double where;  // position in the stored bytes, as a fraction
  } cases[] = {
      {"middle", large, 0.5},
      {"checksum", large, 1.0},
      {"checksum, short last chunk", lastChunkShort, 1.0},
  };
  for (const Case& c : cases) {
    Open(&c.document, true);
    const LibRec entry = *package_->FindEntry("RUNTIME.PUB");
    std::string damaged = bytes_;
    const auto at = static_cast<std::size_t>(entry.Offset) +
                    std::min<std::size_t>(static_cast<std::size_t>(entry.StoredSize * c.where),
                                          static_cast<std::size_t>(entry.StoredSize) - 1);
    damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
    WriteFile(dir_ / "damaged.exe", damaged);
    Reopen(dir_ / "damaged.exe");
    Publication publication;
    EXPECT_EQ(Read(publication), PackageDocumentStatus::Damaged) << c.what;
    EXPECT_NE(error_, "") << c.what;
  }
}

TEST_F(PackageDocumentTest, HeaderDecidesTrayMenuAndTestRunKeys) {
  const std::string document =
      "EmbeddedFiles=a.txt=C:\\a.txt\r\nTrayMenuBegin\r\nMenuName=Show\r\nMenuEnd\r\n";
  struct Case {
    std::uint8_t runMode, debug;
    bool tray, embedded;
  } cases[] = {
      {runmode::kWindowed, 0, false, false},
      {runmode::kTray, 0, true, false},
      {runmode::kWindowed, 2, false, true},
  };
  for (const Case& c : cases) {
    Open(&document, true, c.runMode, c.debug);
    Publication publication;
    ASSERT_EQ(Read(publication), PackageDocumentStatus::Read) << error_;
    EXPECT_EQ(publication.hasTrayMenu, c.tray) << int(c.runMode);
    EXPECT_EQ(publication.settings.Given("EMBEDDEDFILES="), c.embedded) << int(c.debug);
  }
}

}  // namespace
}  // namespace orv::test
