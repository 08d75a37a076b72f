// The file commands on files embedded in an open package, and on the files
// a test run's list names in their place.
#include "commands/files/CommandScriptFixture.h"
#include "container/PackageWriter.h"

namespace orv::test {
namespace {

class EmbeddedFileTest : public CommandScriptTest {
 protected:
  void Open(std::uint8_t debug = 0) {
    PackageLayout layout;
    layout.Player = "player";
    layout.Header.Debug = debug;
    PackageEntrySource data;
    data.Name = "embedded:\\\\\\data.txt";
    data.Data = "l1\r\nl2";
    layout.Entries.push_back(data);
    data.Name = "C:\\author\\notes.txt";
    data.Data = "notes";
    data.Compress = false;
    layout.Entries.push_back(data);
    WriteBytes(dir / "pub.exe", BuildPackage(layout));
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
