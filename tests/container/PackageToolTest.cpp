// The orvalis-pack program end to end: packages it creates open in the
// reader, and list, extract and verify report what is in them.
#include "container/Package.h"
#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

std::string Tool() { return BinPath("orvalis-pack"); }

class PackageTool : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_ / "RUNTIME.PUB", "NewPage=Uno\r\n");
    WriteFile(dir_ / "pic.png", "picture bytes");
    WriteFile(dir_ / "player", "PLAYER-PROGRAM");
  }
  ScratchFolder dir_;
};

TEST_F(PackageTool, CreatedPackagesOpenInTheReader) {
  const CommandResult r = RunCommand(
      Tool() + " create " + Q(dir_ / "book.exe") + " --player " + Q(dir_ / "player") +
      " --builder 77 --single-instance --display 800 600 16 --splash " + Q("C:\\art\\pic.png") + " --trailing 300 " +
      Q(dir_ / "pic.png") + " --name " + Q("C:\\art\\pic.png") + " --picture 64 32 --alpha --raw " +
      Q(dir_ / "RUNTIME.PUB"));
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(ReadFile(dir_ / "book.exe").substr(0, 14), "PLAYER-PROGRAM");
  Package p;
  ASSERT_EQ(p.OpenPackage(dir_ / "book.exe"), pkg::kOpened);
  EXPECT_EQ(p.Header().Builder, 77);
  EXPECT_TRUE(p.Header().IsSingleInstance());
  EXPECT_EQ(p.Header().DisplayWidth, 800);
  EXPECT_EQ(p.Header().Splash, "C:\\art\\pic.png");
  ASSERT_EQ(p.Entries().size(), 2u);
  const LibRec& doc = p.Entries()[0];
  EXPECT_EQ(doc.Name, "RUNTIME.PUB");
  EXPECT_EQ(doc.Kind, kind::kDocument);
  EXPECT_TRUE(doc.IsCompressed());
  const LibRec& pic = p.Entries()[1];
  EXPECT_EQ(pic.Kind, kind::kPicture);
  EXPECT_EQ(pic.Width, 64);
  EXPECT_TRUE(pic.HasAlpha);
  EXPECT_FALSE(pic.IsCompressed());
  std::string bytes;
  EXPECT_EQ(p.LoadEntryToMemory("c:/ART/pic.png", bytes), pkg::kLoaded);
  EXPECT_EQ(bytes, "picture bytes");
}

TEST_F(PackageTool, ListJsonDescribesHeaderAndEntriesInUtf8) {
  ASSERT_EQ(RunCommand(Tool() + " create " + Q(dir_ / "next.pkg") + " --start-page 4 --icon " + Q("C:\\Ícone.ico") +
                       " " + Q(dir_ / "pic.png") + " --name " + Q("C:\\Café\\pic.png") + " --picture 5 6 " +
                       Q(dir_ / "RUNTIME.PUB"))
                .status,
            0);
  const CommandResult r = RunCommand(Tool() + " list --json " + Q(dir_ / "next.pkg"), false);
  ASSERT_EQ(r.status, 0) << r.output;
  for (const char* part :
       {"\"debug\":2", "\"start_page\":4", "\"debug_strings\":[\"\",\"\",\"\",\"C:\\\\Ícone.ico\"]", "\"run_mode\":3",
        "\"single_instance\":false", "\"display\":null", "\"entries\":[{\"name\":\"RUNTIME.PUB\",\"kind\":1",
        "{\"name\":\"C:\\\\Café\\\\pic.png\",\"kind\":3,\"unpacked_size\":13,\"offset\":0,",
        "\"width\":5,\"height\":6,\"alpha\":false}]}"})
    EXPECT_NE(r.output.find(part), std::string::npos) << part << "\n" << r.output;
}

TEST_F(PackageTool, ExtractLooksNamesUpLikeThePlayer) {
  ASSERT_EQ(RunCommand(Tool() + " create " + Q(dir_ / "b.exe") + " " + Q(dir_ / "pic.png") + " --name " +
                       Q("C:\\Café\\Pic.png") + " " + Q(dir_ / "RUNTIME.PUB") + " --name " + Q("..\\..\\evil.txt"))
                .status,
            0);
  CommandResult r = RunCommand(Tool() + " extract " + Q(dir_ / "b.exe") + " " + Q("c:/CAFÉ/pic.png"), false);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "picture bytes");
  r = RunCommand(Tool() + " extract " + Q(dir_ / "b.exe") + " " + Q("C:\\Café\\Pic.png") + " -o " + Q(dir_ / "o.png"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(ReadFile(dir_ / "o.png"), "picture bytes");

  r = RunCommand(Tool() + " extract " + Q(dir_ / "b.exe") + " missing.png");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "orvalis-pack: no entry named 'missing.png' in '" + dir_ / "b.exe" + "'\n");

  r = RunCommand(Tool() + " extract --all " + Q(dir_ / "b.exe") + " " + Q(dir_ / "all"));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(ReadFile(dir_ / "all/C/Café/Pic.png"), "picture bytes");
  EXPECT_EQ(ReadFile(dir_ / "all/evil.txt"), "NewPage=Uno\r\n");
}

TEST_F(PackageTool, VerifyNamesDamagedEntries) {
  std::string content;
  for (int i = 0; i < 3000; ++i) content += std::to_string(i * 31 % 977) + " ";
  WriteFile(dir_ / "big.txt", content);
  ASSERT_EQ(RunCommand(Tool() + " create " + Q(dir_ / "v.exe") + " " + Q(dir_ / "big.txt") + " " +
                       Q(dir_ / "RUNTIME.PUB"))
                .status,
            0);
  CommandResult r = RunCommand(Tool() + " verify " + Q(dir_ / "v.exe"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "ok: 2 entries\n");

  Package p;
  ASSERT_EQ(p.OpenPackage(dir_ / "v.exe"), pkg::kOpened);
  const LibRec big = *p.FindEntry("big.txt");
  std::string bytes = ReadFile(dir_ / "v.exe");
  bytes[static_cast<std::size_t>(big.Offset + big.StoredSize / 2)] ^= 0x21;
  WriteFile(dir_ / "v.exe", bytes);
  r = RunCommand(Tool() + " verify " + Q(dir_ / "v.exe"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("bad entry \"big.txt\""), std::string::npos) << r.output;
  EXPECT_EQ(r.output.find("RUNTIME.PUB"), std::string::npos) << r.output;
}

TEST_F(PackageTool, FailuresAreOneLineAndExitOne) {
  WriteFile(dir_ / "junk.exe", std::string(5000, 'j'));
  const std::string cases[] = {
      " list " + Q(dir_ / "junk.exe"),
      " list " + Q(dir_ / "absent.exe"),
      " verify " + Q(dir_ / "junk.exe"),
      " extract " + Q(dir_ / "junk.exe") + " a",
      " extract " + Q(dir_ / "junk.exe"),
      " create " + Q(dir_ / "x.exe"),
      " create " + Q(dir_ / "x.exe") + " " + Q(dir_ / "absent.txt"),
      " create " + Q(dir_ / "x.exe") + " --display 1 2",
      " create " + Q(dir_ / "x.exe") + " --name orphan",
      " create " + Q(dir_ / "x.exe") + " --kind 300 " + Q(dir_ / "pic.png"),
      " frobnicate",
  };
  for (const std::string& c : cases) {
    const CommandResult r = RunCommand(Tool() + c);
    EXPECT_EQ(r.status, 1) << c << "\n" << r.output;
    EXPECT_EQ(r.output.rfind("orvalis-pack: ", 0), 0u) << r.output;
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
  }
  EXPECT_FALSE(FileThere(dir_ / "x.exe"));
}

TEST_F(PackageTool, EverySubcommandHasHelp) {
  for (const char* command : {"list", "extract", "verify", "create"}) {
    const CommandResult r = RunCommand(Tool() + " " + command + " --help");
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_NE(r.output.find(std::string("Usage: orvalis-pack ") + command), std::string::npos) << r.output;
  }
}

}  // namespace
}  // namespace orv::test
