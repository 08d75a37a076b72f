// orvalis-pack inspect end to end: packages made by orvalis-pack create, the
// document read as the player reads it and printed as outline or JSON.
#include <gtest/gtest.h>

#include <algorithm>

#include "container/Package.h"
#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

std::string Tool() { return BinPath("orvalis-pack"); }
std::string DocData(const std::string& name) {
  return ReadFile(std::string(ORVALIS_TEST_DATA_DIR "/container/doc/") + name);
}

class PackInspect : public ::testing::Test {
 protected:
  // A package made by the tool from `document` and a picture; `options` go
  // to create before the entries.
  std::string Make(const std::string& document, const std::string& options = "",
                   const std::string& storage = "--zlib") {
    WriteFile(dir_ / "RUNTIME.PUB", document);
    WriteFile(dir_ / "logo.png", "picture bytes");
    const std::string path = dir_ / ("book" + std::to_string(++made_) + ".exe");
    const CommandResult r = RunCommand(Tool() + " create " + Q(path) + " " + options + " " +
                                       Q(dir_ / "logo.png") + " " + Q(dir_ / "RUNTIME.PUB") + " " + storage);
    EXPECT_EQ(r.status, 0) << r.output;
    return path;
  }

  CommandResult Inspect(const std::string& path, const std::string& options = "") {
    return RunCommand(Tool() + " inspect " + options + " " + Q(path), false);
  }

  ScratchFolder dir_;
  int made_ = 0;
};

TEST_F(PackInspect, PrintsTheSampleAsOutlineAndJson) {
  struct Case {
    const char* storage;
    const char* format;
    const char* expected;
  } cases[] = {
      {"--zlib", "", "sample.outline.txt"},
      {"--raw", "", "sample.outline.txt"},
      {"--zlib", "--json", "sample.json"},
      {"--raw", "--json", "sample.json"},
  };
  for (const Case& c : cases) {
    // Run mode 2: a tray application, whose tray menu is read.
    const std::string path = Make(DocData("sample.pub"), "--run-mode 2", c.storage);
    const CommandResult r = Inspect(path, c.format);
    EXPECT_EQ(r.status, 0) << c.storage << ' ' << c.format;
    EXPECT_EQ(r.output, DocData(c.expected)) << c.storage << ' ' << c.format;
  }
}

TEST_F(PackInspect, TrayMenuOnlyInATrayApplication) {
  const std::string path = Make(DocData("sample.pub"));
  const CommandResult outline = Inspect(path);
  ASSERT_EQ(outline.status, 0);
  EXPECT_NE(outline.output.find("Menu bar\n  Item \"File\"\n"), std::string::npos) << outline.output;
  EXPECT_EQ(outline.output.find("Tray menu"), std::string::npos);
  const CommandResult json = Inspect(path, "--json");
  EXPECT_NE(json.output.find("\"traymenu\": []\n}"), std::string::npos) << json.output;
}

// Windows-1252 texts come out in UTF-8, Lines values with their CR LF in
// JSON and as written in the outline.
TEST_F(PackInspect, TextsAreUtf8) {
  const std::string path = Make("Title=Citt\xE0\r\nL_OK=S\xEC\r\nNewPage=Men\xF9\r\nObjectType=3\r\n"
                                "Name=Pi\xF9\r\nObjAction=Beep\xB6" "Exit\xB6\r\n");
  const CommandResult json = Inspect(path, "--json");
  ASSERT_EQ(json.status, 0);
  for (const char* part : {"\"TITLE\": \"Citt\xC3\xA0\"", "\"texts\": {\n    \"L_OK\": \"S\xC3\xAC\"\n  }",
                           "{\"name\": \"Men\xC3\xB9\", \"keys\": {}, \"objects\": [\n",
                           "{\"type\": 3, \"keys\": [[\"NAME\", \"Pi\xC3\xB9\"], "
                           "[\"OBJACTION\", \"Beep\\r\\nExit\\r\\n\"]], \"children\": []}"})
    EXPECT_NE(json.output.find(part), std::string::npos) << part << '\n' << json.output;
  const CommandResult outline = Inspect(path);
  EXPECT_NE(outline.output.find("Page 1 \"Men\xC3\xB9\"\n  Object 3 \"Pi\xC3\xB9\"\n"), std::string::npos)
      << outline.output;
  EXPECT_NE(outline.output.find("    OBJACTION=Beep\xC2\xB6" "Exit\xC2\xB6\n"), std::string::npos);
}

// Every failure is one line on standard error, nothing on standard output,
// and exit status 1.
TEST_F(PackInspect, FailuresAreOneLine) {
  WriteFile(dir_ / "garbage.exe", std::string(500, 'g'));
  PackageLayout noDocument;
  noDocument.Entries.push_back(Entry("C:\\logo.png", "picture"));
  SavePackage(dir_ / "nodoc.exe", noDocument);
  // A compressed document whose checksum, after the last byte of text, is
  // damaged.
  const std::string good = Make(DocData("sample.pub"));
  std::string damaged = ReadFile(good);
  {
    Package package;
    ASSERT_EQ(package.OpenPackage(good), pkg::kOpened);
    const LibRec* doc = package.FindEntry("RUNTIME.PUB");
    ASSERT_TRUE(doc && doc->IsCompressed());
    damaged[static_cast<std::size_t>(doc->Offset + doc->StoredSize - 1)] ^= 0x21;
  }
  WriteFile(dir_ / "damaged.exe", damaged);

  struct Case {
    std::string args;
    std::string says;
  } cases[] = {
      {Q(dir_ / "garbage.exe"), "cannot read a package"},
      {Q(dir_ / "absent.exe"), "cannot read a package"},
      {Q(dir_ / "nodoc.exe"), "holds no RUNTIME.PUB"},
      {"--json " + Q(dir_ / "nodoc.exe"), "holds no RUNTIME.PUB"},
      {Q(dir_ / "damaged.exe"), "is damaged"},
      {"", "no package file given"},
      {"--xml " + Q(good), "unexpected argument '--xml'"},
  };
  for (const Case& c : cases) {
    const CommandResult out = RunCommand(Tool() + " inspect " + c.args + " 2>/dev/null", false);
    EXPECT_EQ(out.status, 1) << c.args;
    EXPECT_EQ(out.output, "") << c.args;
    const CommandResult err = RunCommand(Tool() + " inspect " + c.args + " 2>&1 >/dev/null", false);
    EXPECT_EQ(err.output.rfind("orvalis-pack: ", 0), 0u) << err.output;
    EXPECT_NE(err.output.find(c.says), std::string::npos) << c.args << ": " << err.output;
    EXPECT_EQ(std::count(err.output.begin(), err.output.end(), '\n'), 1) << err.output;
  }
}

TEST_F(PackInspect, HelpDescribesTheCommand) {
  const CommandResult overview = RunCommand(Tool() + " --help");
  EXPECT_NE(overview.output.find("  inspect [--json] FILE"), std::string::npos) << overview.output;
  const CommandResult help = RunCommand(Tool() + " inspect --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.output.rfind("Usage: orvalis-pack inspect [--json] FILE\n", 0), 0u) << help.output;
}

}  // namespace
}  // namespace orv::test
