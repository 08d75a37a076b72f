// The file commands on files embedded in an open package, and on the files
// a test run's list names in their place.
#include <algorithm>

#include "base/ErrorText.h"
#include "commands/files/CommandScriptFixture.h"
#include "commands/files/FileErrorText.h"

namespace orv::test {
namespace {

class EmbeddedFileTest : public CommandScriptTest {
 protected:
  void Open(std::uint8_t debug = 0) {
    WriteBytes(dir / "pub.exe", PublicationWith({{.Name = "embedded:\\\\\\data.txt", .Data = "l1\r\nl2"},
                                                 {.Name = "C:\\author\\notes.txt", .Data = "notes", .Compress = false}},
                                                debug));
    ASSERT_EQ(package.OpenPackage(dir / "pub.exe"), pkg::kOpened);
    host.package = &package;
  }
  Package package;
};

TEST_F(EmbeddedFileTest, ExistsSizeAndContentComeFromThePackage) {
  Open();
  vars.SetVar("Notes", "C:\\author\\notes.txt");
  Run({R"(FileExists "embedded:\\\DATA.TXT" "[E1]")", R"(FileExists "[Embedded]none.txt" "[E2]")",
       R"(FileSize "[Embedded]data.txt" "[S]")", R"(FileToVar "[Embedded]data.txt" "[V]")",
       R"(FileToVar "[Notes]" "[N]")"});
  EXPECT_EQ(Var("E1") + Var("E2"), "TrueFalse");
  EXPECT_EQ(Var("S"), "6");
  EXPECT_EQ(Var("V"), "l1\r\nl2");
  EXPECT_EQ(Var("N"), "notes");
  EXPECT_EQ(LastError(), "");
  Run(R"(FileSize "[Embedded]none.txt" "[S]")");
  EXPECT_EQ(Var("S"), "");
  EXPECT_EQ(LastError(), "File non trovato!");
}

TEST_F(EmbeddedFileTest, ExtractFileWritesTheEntry) {
  Open();
  std::filesystem::create_directories(dir / "sub");
  vars.SetVar("Sub", dir / "sub/");
  Put("out.txt", "old content");
  Run({R"(ExtractFile "[Embedded]data.txt" "out.txt")", R"(ExtractFile "[Embedded]data.txt" "[Sub]")",
       R"(ExtractFile "notes.txt" "n.txt")"});
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(File("out.txt"), "l1\r\nl2");
  EXPECT_EQ(File("sub/data.txt"), "l1\r\nl2");
  EXPECT_EQ(File("n.txt"), "notes");
}

TEST_F(EmbeddedFileTest, ADamagedEntryLeavesTheDestinationAsItWas) {
  std::string content;
  for (int i = 0; i < 5000; ++i) content += std::to_string(i * 7919 % 10007) + ",";
  std::string bytes = PublicationWith({{.Name = "big.dat", .Data = content}});
  WriteBytes(dir / "good.exe", bytes);
  ASSERT_EQ(package.OpenPackage(dir / "good.exe"), pkg::kOpened);
  const LibRec& entry = *package.FindEntry("big.dat");
  bytes[static_cast<std::size_t>(entry.Offset + entry.StoredSize / 2)] ^= 0x55;
  package.ClosePackage(false);
  WriteBytes(dir / "bad.exe", bytes);
  ASSERT_EQ(package.OpenPackage(dir / "bad.exe"), pkg::kOpened);
  host.package = &package;
  Put("out.dat", "the user's own file");

  Run(R"(ExtractFile "big.dat" "out.dat")");
  EXPECT_EQ(LastError(), FileErrorText(err::kReadFault));
  EXPECT_EQ(File("out.dat"), "the user's own file");
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"bad.exe", "good.exe", "out.dat"}));  // no copy left behind
}

TEST_F(EmbeddedFileTest, ATestRunUsesTheFilesItsListNames) {
  Put("real.txt", "real file");
  Open(1);
  package.SetEmbeddedFiles({{"data.txt", dir / "real.txt"}});
  Run({R"(FileExists "embedded:\\\data.txt" "[E1]")", R"(FileExists "embedded:\\\other.txt" "[E2]")",
       R"(FileSize "embedded:\\\data.txt" "[S]")", R"(ExtractFile "[Embedded]data.txt" "copy.txt")"});
  EXPECT_EQ(Var("E1") + Var("E2"), "TrueFalse");
  EXPECT_EQ(Var("S"), "9");
  EXPECT_EQ(File("copy.txt"), "real file");
  Run(R"(FileSize "embedded:\\\other.txt" "[S]")");
  EXPECT_EQ(LastError(), "File non trovato!");
}

}  // namespace
}  // namespace orv::test
