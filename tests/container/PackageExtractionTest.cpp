// Entries written to disk: plain and unique names, names that try to leave
// the extraction folder, short copies, finding files beside the publication,
// the "ExtractFile" body, fonts, plug-ins and clean-up at close.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

#include "base/Messages.h"
#include "base/PathNames.h"
#include "container/RecordingPackageHost.h"
#include "container/Package.h"
#include "container/PackageFixture.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

class PackageExtraction : public ::testing::Test {
 protected:
  void Open(std::vector<PackageEntrySource> entries, std::uint8_t debug = 0) {
    bytes_ = SavePackage(dir_ / "pub.exe", PlayerLayout(std::move(entries), debug));
    package_.SetHost(&host_);
    ASSERT_EQ(package_.OpenPackage(dir_ / "pub.exe"), pkg::kOpened);
    fs::create_directory(dir_ / "out");
    package_.SetExtractionFolder(dir_ / "out");
    package_.SetPublicationPath(dir_ / "pub.exe");
  }
  std::vector<std::string> OutFiles() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_ / "out")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScratchFolder dir_;
  TRecordingPackageHost host_;
  Package package_;
  std::string bytes_;
};

TEST_F(PackageExtraction, FirstExtractionWritesThenTheFileIsLeftAlone) {
  Open({Entry("C:\\docs\\Read Me.txt", "first content")});
  LibRec& e = *package_.FindEntry("C:\\docs\\Read Me.txt");
  const ExtractResult first = package_.ExtractEntry(e, false);
  EXPECT_EQ(first.Code, pkg::kWritten);
  EXPECT_EQ(first.Path, dir_ / "out\\Read Me.txt");
  EXPECT_EQ(ReadFile(dir_ / "out/Read Me.txt"), "first content");
  EXPECT_TRUE(e.Extracted);

  WriteFile(dir_ / "out/Read Me.txt", "changed by the user");
  const ExtractResult second = package_.ExtractEntry(e, false);
  EXPECT_EQ(second.Code, pkg::kAlreadyThere);
  EXPECT_EQ(second.Path, first.Path);
  EXPECT_EQ(ReadFile(dir_ / "out/Read Me.txt"), "changed by the user");
}

TEST_F(PackageExtraction, AFileThatWasAlreadyThereIsNotDeletedAtClose) {
  Open({Entry("keep.txt", "packaged")});
  WriteFile(dir_ / "out/keep.txt", "the user's own");
  LibRec& e = *package_.FindEntry("keep.txt");
  EXPECT_EQ(package_.ExtractEntry(e, false).Code, pkg::kAlreadyThere);
  EXPECT_FALSE(e.Extracted);
  package_.SetExtractOptions(pkg::kExtractOpDeleteAtExit);
  package_.ClosePackage(true);
  EXPECT_EQ(ReadFile(dir_ / "out/keep.txt"), "the user's own");
}

TEST_F(PackageExtraction, UniqueNamesAreEightHexDigitsAndTheExtension) {
  Open({Entry("C:\\fonts\\Arial.TTF", "font"), Entry("archive.tar.gz", "gz"), Entry("C:\\bin\\noext", "n"),
        Entry("odd.", "dot")});
  struct Case {
    const char* entry;
    const char* pattern;
  };
  const Case cases[] = {{"C:\\fonts\\Arial.TTF", "^[0-9A-F]{8}\\.TTF$"},
                        {"archive.tar.gz", "^[0-9A-F]{8}\\.gz$"},
                        {"C:\\bin\\noext", "^[0-9A-F]{8}$"},
                        {"odd.", "^[0-9A-F]{8}$"}};
  for (const Case& c : cases) {
    LibRec& e = *package_.FindEntry(c.entry);
    const ExtractResult a = package_.ExtractEntry(e, true);
    const ExtractResult b = package_.ExtractEntry(e, true);
    ASSERT_EQ(a.Code, pkg::kWritten) << c.entry;
    ASSERT_EQ(b.Code, pkg::kWritten) << c.entry;
    const std::string nameA(ExtractFileName(a.Path)), nameB(ExtractFileName(b.Path));
    EXPECT_TRUE(std::regex_match(nameA, std::regex(c.pattern))) << nameA;
    EXPECT_TRUE(std::regex_match(nameB, std::regex(c.pattern))) << nameB;
    EXPECT_NE(nameA, nameB) << "a second copy never meets the first";
    EXPECT_EQ(ReadFile(dir_ / "out/" + nameB), e.Name == "odd." ? "dot" : ReadFile(dir_ / "out/" + nameA));
  }
}

TEST_F(PackageExtraction, NamesNeverLeaveTheExtractionFolder) {
  struct Case {
    const char* entry;
    int code;
    const char* landsAs;  // file name inside out/, when written
  };
  const Case cases[] = {
      {"a/../../escape1.txt", pkg::kWritten, "escape1.txt"},
      {"..\\..\\escape2.txt", pkg::kWritten, "escape2.txt"},
      {"/etc/escape3.txt", pkg::kWritten, "escape3.txt"},
      {"C:..\\escape4.txt", pkg::kWritten, "escape4.txt"},
      {"..", pkg::kExtractError, nullptr},
      {"sub/..", pkg::kExtractError, nullptr},
      {"sub\\.", pkg::kExtractError, nullptr},
      {"folder\\", pkg::kExtractError, nullptr},
      {"", pkg::kExtractError, nullptr},
  };
  std::vector<PackageEntrySource> entries;
  for (const Case& c : cases) entries.push_back(Entry(c.entry, "x"));
  Open(entries);
  for (const Case& c : cases) {
    LibRec& e = *package_.FindEntry(c.entry);
    for (bool unique : {false, true}) {
      const ExtractResult r = package_.ExtractEntry(e, unique);
      EXPECT_EQ(r.Code, unique && c.code == pkg::kWritten ? pkg::kWritten : c.code) << c.entry;
    }
    if (c.landsAs) {
      EXPECT_TRUE(FileThere(dir_ / "out/" + c.landsAs)) << c.entry;
    }
  }
  // Nothing appeared beside the folder or above it.
  for (const auto& e : fs::directory_iterator(dir_.Path()))
    EXPECT_TRUE(e.path().filename() == "out" || e.path().filename() == "pub.exe") << e.path();
  EXPECT_EQ(OutFiles().size(), 8u);  // four plain and four unique copies
}

TEST_F(PackageExtraction, AShortCopyLeavesNoFileBehind) {
  std::string content;
  for (int i = 0; i < 5000; ++i) content += std::to_string(i * 7919 % 10007) + ",";
  Open({Entry("big.dat", content, true)});
  // Damage the entry in the file after opening: the copy comes out short.
  const LibRec& e = *package_.FindEntry("big.dat");
  std::string damaged = bytes_;
  damaged[static_cast<std::size_t>(e.Offset + e.StoredSize / 2)] ^= 0x55;
  WriteFile(dir_ / "bad.exe", damaged);
  Package bad;
  ASSERT_EQ(bad.OpenPackage(dir_ / "bad.exe"), pkg::kOpened);
  bad.SetExtractionFolder(dir_ / "out");
  const ExtractResult r = bad.ExtractEntry(*bad.FindEntry("big.dat"), false);
  EXPECT_EQ(r.Code, pkg::kShortCopy);
  EXPECT_FALSE(FileThere(dir_ / "out/big.dat"));
  EXPECT_FALSE(bad.FindEntry("big.dat")->Extracted);
  // The next run is not fooled into serving a truncated file.
  EXPECT_EQ(package_.ExtractEntry(*package_.FindEntry("big.dat"), false).Code, pkg::kWritten);
}

TEST_F(PackageExtraction, UnwritableFolderGivesAnErrorAndNoFile) {
  Open({Entry("a.txt", "a")});
  package_.SetExtractionFolder(dir_ / "missing-folder");
  for (bool unique : {false, true}) {
    const ExtractResult r = package_.ExtractEntry(*package_.FindEntry("a.txt"), unique);
    EXPECT_EQ(r.Code, pkg::kExtractError);
    EXPECT_NE(r.Error, 0);
  }
}

TEST_F(PackageExtraction, ResolveFileFollowsItsOrder) {
  Open({Entry("C:\\author\\inside.txt", "packaged")});
  fs::create_directories(dir_ / "media/deeper");
  fs::create_directories(dir_ / ".hidden");
  WriteFile(dir_ / "beside.txt", "beside");
  WriteFile(dir_ / "media/deeper/Found.TXT", "deep");
  WriteFile(dir_ / ".hidden/secret.txt", "hidden");
  fs::create_directory_symlink(dir_.Path(), dir_ / "media/loop");  // must not be followed
  ScratchFolder elsewhere;
  WriteFile(elsewhere / "outside.txt", "outside");

  struct Case {
    std::string name;
    int code;
    std::string path;
    int error;
  };
  const Case cases[] = {
      {"C:\\author\\inside.txt", pkg::kWritten, dir_ / "out\\inside.txt", 0},
      {"c:\\AUTHOR\\inside.txt", pkg::kAlreadyThere, dir_ / "out\\inside.txt", 0},
      {dir_ / "beside.txt", pkg::kAlreadyThere, dir_ / "beside.txt", 0},
      {"C:\\somewhere\\found.txt", pkg::kAlreadyThere, dir_ / "media/deeper/Found.TXT", 0},
      {"C:\\x\\secret.txt", 0, "", 2},
      {elsewhere / "outside.txt", pkg::kAlreadyThere, elsewhere / "outside.txt", 0},
      {"C:\\nowhere\\none.txt", 0, "", 2},
      {dir_ / "media", 0, "", 2},  // a folder is not a file
  };
  for (const Case& c : cases) {
    const ResolveResult r = package_.ResolveFile(c.name);
    EXPECT_EQ(r.Code, c.code) << c.name;
    EXPECT_EQ(r.Path, c.path) << c.name;
    EXPECT_EQ(r.Error, c.error) << c.name;
  }
}

TEST_F(PackageExtraction, ResolveFileReportsAFailedExtractionAsUnusable) {
  Open({Entry("C:\\a\\b.txt", "b")});
  package_.SetExtractionFolder(dir_ / "missing-folder");
  const ResolveResult r = package_.ResolveFile("C:\\a\\b.txt");
  EXPECT_EQ(r.Code, 0);
  EXPECT_NE(r.Error, 0);
}

TEST_F(PackageExtraction, DeleteExtractedCopyOnlyDeletesWhatThisRunWrote) {
  Open({Entry("mine.txt", "m"), Entry("theirs.txt", "t")});
  WriteFile(dir_ / "out/theirs.txt", "user");
  package_.ExtractEntry(*package_.FindEntry("mine.txt"), false);
  package_.ExtractEntry(*package_.FindEntry("theirs.txt"), false);
  package_.DeleteExtractedCopy("MINE.TXT");
  package_.DeleteExtractedCopy("theirs.txt");
  package_.DeleteExtractedCopy("absent.txt");
  EXPECT_FALSE(FileThere(dir_ / "out/mine.txt"));
  EXPECT_FALSE(package_.FindEntry("mine.txt")->Extracted);
  EXPECT_EQ(ReadFile(dir_ / "out/theirs.txt"), "user");
}

TEST_F(PackageExtraction, ExtractToFileCases) {
  Open({Entry("data.csv", "1;2;3")});
  std::string lastError = "stale";
  EXPECT_TRUE(package_.ExtractToFile("DATA.csv", dir_ / "copy.csv", false, lastError));
  EXPECT_EQ(lastError, "");
  EXPECT_EQ(ReadFile(dir_ / "copy.csv"), "1;2;3");
  WriteFile(dir_ / "copy.csv", "a much longer previous content");
  EXPECT_TRUE(package_.ExtractToFile("data.csv", dir_ / "copy.csv", false, lastError));
  EXPECT_EQ(ReadFile(dir_ / "copy.csv"), "1;2;3");  // replaced, not overlaid

  EXPECT_TRUE(package_.ExtractToFile("none.csv", dir_ / "empty.csv", true, lastError));
  EXPECT_TRUE(FileThere(dir_ / "empty.csv"));
  EXPECT_EQ(ReadFile(dir_ / "empty.csv"), "");

  EXPECT_FALSE(package_.ExtractToFile("none.csv", dir_ / "never.csv", false, lastError));
  EXPECT_EQ(lastError, Message(msg::kFileMissing));
  EXPECT_EQ(lastError, "File inesistente.");
  EXPECT_FALSE(FileThere(dir_ / "never.csv"));

  EXPECT_FALSE(package_.ExtractToFile("data.csv", dir_ / "no/such/dir.csv", false, lastError));
  EXPECT_FALSE(lastError.empty());
}

TEST_F(PackageExtraction, FontsAreRegisteredAndAlwaysRemovedAtClose) {
  const std::vector<std::string>& added = host_.FontsAdded;
  Open({Entry("Fancy.ttf", "font-1", true, kind::kFont), Entry("C:\\f\\Plain.TTF", "font-2", false, kind::kFont),
        Entry("note.txt", "n")});
  package_.RegisterPackageFonts();
  ASSERT_EQ(added.size(), 2u);
  EXPECT_EQ(host_.FontChanges, 1);
  for (const std::string& path : added) {
    EXPECT_TRUE(std::regex_match(std::string(ExtractFileName(path)), std::regex("^[0-9A-F]{8}\\.(ttf|TTF)$")));
    EXPECT_TRUE(FileThere(path));
  }
  // The record now names its copy.
  EXPECT_EQ(package_.FindEntry("Fancy.ttf"), nullptr);
  package_.ExtractEntry(*package_.FindEntry("note.txt"), false);

  package_.SetExtractOptions(0);  // no bit 0x80
  package_.ClosePackage(true);
  EXPECT_EQ(host_.FontsRemoved, added);
  EXPECT_EQ(host_.FontChanges, 2);
  for (const std::string& path : added) EXPECT_FALSE(FileThere(path));
  EXPECT_TRUE(FileThere(dir_ / "out/note.txt"));
}

TEST_F(PackageExtraction, CloseDeletesOtherCopiesOnlyWhenAskedTwice) {
  struct Case {
    bool deleteExtracted;
    int extractOp;
    bool deleted;
  };
  const Case cases[] = {{true, 0x80, true}, {true, 0xC0, true}, {true, 0x40, false}, {false, 0x80, false}, {false, 0, false}};
  for (const Case& c : cases) {
    Package p;
    PackageLayout l;
    l.Entries = {Entry("copy.bin", "c")};
    SavePackage(dir_ / "p.exe", l);
    ASSERT_EQ(p.OpenPackage(dir_ / "p.exe"), pkg::kOpened);
    fs::create_directory(dir_ / "out");
    p.SetExtractionFolder(dir_ / "out");
    p.SetExtractOptions(c.extractOp);
    ASSERT_EQ(p.ExtractEntry(*p.FindEntry("copy.bin"), false).Code, pkg::kWritten);
    p.ClosePackage(c.deleteExtracted);
    EXPECT_EQ(FileThere(dir_ / "out/copy.bin"), !c.deleted) << c.deleteExtracted << " " << c.extractOp;
    fs::remove(dir_ / "out/copy.bin");
  }
}

TEST_F(PackageExtraction, PlugInsAndSupportFilesAtStart) {
  host_.PlugInFailures["bad.dll"] = 7;
  const std::vector<std::string>& loaded = host_.PlugInsLoaded;
  const std::vector<std::pair<std::string, int>>& failed = host_.PlugInsFailed;
  Open({Entry("C:\\dev\\support.dat", "support", true, kind::kSupportFile),
        Entry("C:\\dev\\empty.dat", "", true, kind::kSupportFile),
        Entry("C:\\dev\\fx.dll", "library", true, kind::kPlugIn),
        Entry("C:\\dev\\bad.dll", "", false, kind::kPlugInSecondForm)});
  package_.LoadPackagePlugIns();
  EXPECT_EQ(ReadFile(dir_ / "out/support.dat"), "support");
  EXPECT_FALSE(FileThere(dir_ / "out/empty.dat"));
  ASSERT_EQ(loaded.size(), 2u);
  // List order: the not-embedded library (beside the publication) comes first.
  EXPECT_EQ(loaded[0], dir_ / "bad.dll");
  EXPECT_TRUE(std::regex_match(std::string(ExtractFileName(loaded[1])), std::regex("^[0-9A-F]{8}\\.dll$")));
  EXPECT_EQ(ReadFile(loaded[1]), "library");
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].first, dir_ / "bad.dll");
  EXPECT_EQ(failed[0].second, 7);
}

TEST_F(PackageExtraction, TestRunLoadsPlugInsFromTheirOwnPaths) {
  Open({Entry(dir_ / "lib\\fx.dll", "library", true, kind::kPlugIn)}, 2);
  package_.LoadPackagePlugIns();
  EXPECT_EQ(host_.PlugInsLoaded, std::vector<std::string>{dir_ / "lib/fx.dll"});
  EXPECT_TRUE(OutFiles().empty());
}

}  // namespace
}  // namespace orv::test
