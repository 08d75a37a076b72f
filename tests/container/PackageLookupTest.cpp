// Name lookup in the directory: case, "/" for "\", shadowing, the hidden
// document, bare-name resolution and the test run's embedded files.
#include "container/Package.h"
#include "container/PackageFixture.h"

namespace orv::test {
namespace {

class PackageLookup : public ::testing::Test {
 protected:
  void Open(std::vector<PackageEntrySource> entries, std::uint8_t debug = 0) {
    SavePackage(dir_ / "pub.exe", PlayerLayout(std::move(entries), debug));
    ASSERT_EQ(package_.OpenPackage(dir_ / "pub.exe"), pkg::kOpened);
  }
  std::string Content(std::string_view name) {
    std::string bytes;
    return package_.LoadEntryToMemory(name, bytes) == pkg::kLoaded ? bytes : "<none>";
  }

  ScratchFolder dir_;
  Package package_;
};

TEST_F(PackageLookup, ListHeadIsTheRecordReadLast) {
  Open({Entry("first", "1"), Entry("second", "2"), Entry("third", "3")});
  std::vector<std::string> names;
  for (const LibRec& e : package_.Entries()) names.push_back(e.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"third", "second", "first"}));
}

TEST_F(PackageLookup, FindsWholeNamesWithoutCaseAndSlashesAsBackslashes) {
  Open({Entry("C:\\Pics\\Cover.JPG", "cover"), Entry("C:\\Pics\\\xC9t\xE9.png", "accent"),
        Entry("a/b.txt", "stored with slash")});
  struct Case {
    const char* name;
    const char* content;
  };
  const Case cases[] = {
      {"C:\\Pics\\Cover.JPG", "cover"},
      {"c:\\pics\\cover.jpg", "cover"},
      {"C:/Pics/Cover.jpg", "cover"},
      {"C:\\Pics/cover.jpg", "cover"},
      {"c:\\pics\\\xE9T\xC9.PNG", "accent"},  // Windows-1252 letters fold too
      {"a/b.txt", "stored with slash"},
      {"a\\b.txt", "<none>"},                 // only "/" is retried, not "\"
      {"Cover.JPG", "<none>"},                // whole names only
      {"C:\\Pics\\Cover.JPG ", "<none>"},
      {"", "<none>"},
  };
  for (const Case& c : cases) EXPECT_EQ(Content(c.name), c.content) << c.name;
}

TEST_F(PackageLookup, LaterRecordsShadowEarlierOnes) {
  Open({Entry("logo.png", "old"), Entry("other", "x"), Entry("LOGO.PNG", "new")});
  EXPECT_EQ(Content("logo.png"), "new");
  EXPECT_EQ(package_.FindEntry("Logo.png")->Name, "LOGO.PNG");
}

TEST_F(PackageLookup, DocumentIsHiddenOnceLocated) {
  Open({Entry("RUNTIME.PUB", "NewPage=1\r\n", true, kind::kDocument), Entry("a", "a")});
  EXPECT_NE(package_.FindEntry("runtime.pub"), nullptr);  // before: reachable
  const LibRec* document = package_.LocateDocument();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(document->Kind, kind::kDocument);
  EXPECT_TRUE(package_.DocumentLocated());
  EXPECT_EQ(package_.FindEntry("RUNTIME.PUB"), nullptr);
  EXPECT_EQ(Content("Runtime.Pub"), "<none>");
  char buffer[4];
  EXPECT_EQ(package_.ReadEntryPart("RUNTIME.PUB", 0, buffer, 4), pkg::kPartNoEntry);
  // Locating again (after a reload) still finds it.
  EXPECT_EQ(package_.LocateDocument(), document);
}

TEST_F(PackageLookup, ResolveEntryNameStopsAtTheFirstDifferingMatch) {
  Open({Entry("D:\\other\\song.mp3", "1"), Entry("song.mp3", "2"), Entry(":intro.wav", "3"),
        Entry("C:\\Media\\Song.MP3", "4"), Entry("C:\\Media\\intro.wav", "5"), Entry("x\\:odd", "6")});
  // List order: x\:odd, C:\Media\intro.wav, C:\Media\Song.MP3, :intro.wav, song.mp3, D:\other\song.mp3
  struct Case {
    const char* given;
    const char* resolved;
  };
  const Case cases[] = {
      {"song.mp3", "C:\\Media\\Song.MP3"},
      {"SONG.MP3", "C:\\Media\\Song.MP3"},
      {"intro.wav", "C:\\Media\\intro.wav"},
      {":intro.wav", ":intro.wav"},         // stored ":" names match only ":" + given name
      {"missing.gif", "missing.gif"},
      {"odd", "x\\:odd"},                   // ":" separates the file-name part too
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(package_.ResolveEntryName(c.given), c.resolved) << c.given;
}

TEST_F(PackageLookup, ResolveEntryNameWalksPastIdenticalMatches) {
  Open({Entry("C:\\a\\pic.gif", "deep"), Entry("pic.gif", "bare"), Entry(":pic.gif", "colon")});
  // List order: ":pic.gif", "pic.gif", "C:\a\pic.gif". The colon name matches
  // and differs: it wins. Without it, the identical bare name is passed over.
  EXPECT_EQ(package_.ResolveEntryName("pic.gif"), ":pic.gif");
  EXPECT_EQ(package_.ResolveEntryName("PIC.gif"), ":pic.gif");
}

TEST_F(PackageLookup, ResolveEntryNameIdenticalMatchDoesNotStop) {
  Open({Entry("C:\\a\\pic.gif", "deep"), Entry("pic.gif", "bare")});
  EXPECT_EQ(package_.ResolveEntryName("pic.gif"), "C:\\a\\pic.gif");
  EXPECT_EQ(package_.ResolveEntryName("Pic.gif"), "pic.gif");
}

TEST_F(PackageLookup, EmbeddedNamesMapToDiskOnlyInATestRun) {
  const Package::EmbeddedFileMap files = {{"data.txt", "C:\\Projects\\data.txt"}};
  const std::string prefix(kEmbeddedPrefix);
  struct Case {
    std::uint8_t debug;
    std::string name;
    std::string mapped;
  };
  const Case cases[] = {
      {2, prefix + "data.txt", "C:\\Projects\\data.txt"},
      {1, "EMBEDDED:\\\\\\DATA.TXT", "C:\\Projects\\data.txt"},
      {2, prefix + "other.txt", prefix + "other.txt"},
      {2, "embedded:\\\\data.txt", "embedded:\\\\data.txt"},  // two backslashes: not the prefix
      {2, "C:\\data.txt", "C:\\data.txt"},
      {0, prefix + "data.txt", prefix + "data.txt"},            // not a test run
  };
  for (const Case& c : cases) {
    Package p;
    PackageLayout l;
    l.Header.Debug = c.debug;
    SavePackage(dir_ / "t.exe", l);
    ASSERT_EQ(p.OpenPackage(dir_ / "t.exe"), pkg::kOpened);
    p.SetEmbeddedFiles(files);
    EXPECT_EQ(p.MapEmbeddedName(c.name), c.mapped) << c.name;
  }
  EXPECT_EQ(kEmbeddedPrefix.size(), 12u);
}

}  // namespace
}  // namespace orv::test
