// The start-up decisions that need no window: the run mode and command-line
// text, the start page, the extraction folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/ExtractionFolder.h"
#include "app/PlayerCommandLine.h"
#include "app/StartPage.h"
#include "container/PackageFixture.h"

namespace orv::test {
namespace {

TEST(PlayerCommandLine, RunModeFromTheProgramNameAndFirstParameter) {
  struct Case {
    const char* program;
    std::vector<std::string> params;
    int mode;
    std::uint64_t handle;
  } cases[] = {
      {"book.exe", {"/s"}, cmdmode::kProgram, 0},
      {"BOOK.SCR", {}, cmdmode::kSaverNoSwitch, 0},
      {"book.scr", {"/"}, cmdmode::kSaverNoSwitch, 0},
      {"book.scr", {"/c"}, cmdmode::kSaverSettings, 0},
      {"book.scr", {"-C:123"}, cmdmode::kSaverSettings, 0},
      {"book.scr", {"/S"}, cmdmode::kSaverRunning, 0},
      {"book.scr", {"/x"}, cmdmode::kSaverRunning, 0},
      {"book.scr", {"/p", "4711"}, cmdmode::kSaverPreview, 4711},
      {"book.scr", {"/P", "junk"}, cmdmode::kSaverPreview, 0},
      {"book.scr", {"/a", "12"}, cmdmode::kSaverPassword, 12},
  };
  for (const Case& c : cases) {
    std::uint64_t handle = 99;
    EXPECT_EQ(CommandLineRunMode(c.program, c.params, handle), c.mode) << c.program;
    EXPECT_EQ(handle, c.handle) << c.program;
  }
}

TEST(PlayerCommandLine, PublicationFileTextAndSwitches) {
  struct Case {
    std::vector<std::string> params;
    bool standAlone;
    const char* file;
    const char* text;
    bool bypass;
    bool hasK;
    const char* page;
  } cases[] = {
      {{"A", "B"}, false, "", "A\rB", false, false, ""},
      {{"/r", "pub.exe", "A", "B"}, true, "pub.exe", "A\rB", false, false, ""},
      {{"pub.exe", "/B", "/Kintro"}, true, "pub.exe", "/B\r/Kintro", true, true, "INTRO"},
      {{"-b", "-K"}, false, "", "-b\r-K", true, true, ""},
      {{"/Bx"}, false, "", "/Bx", false, false, ""},
      {{"/B"}, true, "", "/B", true, false, ""},
  };
  for (const Case& c : cases) {
    const TPlayerCommandLine line = ReadPlayerCommandLine("orvalis", c.params, c.standAlone);
    EXPECT_EQ(line.PublicationFile, c.file) << c.text;
    EXPECT_EQ(line.Text, c.text);
    EXPECT_EQ(line.BypassPrintDialog, c.bypass) << c.text;
    EXPECT_EQ(line.HasStartPage, c.hasK) << c.text;
    EXPECT_EQ(line.StartPage, c.page) << c.text;
  }
}

TEST(PlayerCommandLine, PlayerOptionsAreTakenOutAnywhere) {
  std::vector<std::string> args = {"--quit-after", "50", "pub.exe", "--trace", "t.txt", "A", "--play", "in.txt"};
  PlayerOptions options;
  std::string error;
  ASSERT_TRUE(TakePlayerOptions(args, options, error)) << error;
  EXPECT_EQ(options.QuitAfter, 50);
  EXPECT_EQ(options.Trace, "t.txt");
  EXPECT_EQ(options.Play, "in.txt");
  EXPECT_EQ(args, (std::vector<std::string>{"pub.exe", "A"}));
  for (std::vector<std::string> bad : {std::vector<std::string>{"--quit-after", "soon"},
                                       std::vector<std::string>{"--nonsense"}, std::vector<std::string>{"--play"}}) {
    EXPECT_FALSE(TakePlayerOptions(bad, options, error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(StartPage, ChosenByRunModeAndSwitch) {
  const std::vector<std::string> pages = {"", "One", "Two", "CONFIG"};
  const std::vector<std::string> noConfig = {"", "One", "Two"};
  auto line = [](int mode, bool hasK, std::string page) {
    TPlayerCommandLine l;
    l.RunMode = mode;
    l.HasStartPage = hasK;
    l.StartPage = std::move(page);
    return l;
  };
  struct Case {
    const std::vector<std::string>* names;
    TPlayerCommandLine line;
    int packageStart;
    int expected;
  } cases[] = {
      {&pages, line(cmdmode::kProgram, false, ""), 1, 1},
      {&pages, line(cmdmode::kProgram, false, ""), 2, 2},   // a test run's page
      {&pages, line(cmdmode::kProgram, true, "TWO"), 1, 2},
      {&pages, line(cmdmode::kProgram, true, ""), 2, 2},    // bare /K: the package's
      {&pages, line(cmdmode::kProgram, true, "NOPE"), 2, 1},
      {&pages, line(cmdmode::kSaverSettings, true, "TWO"), 1, 3},
      {&pages, line(cmdmode::kSaverNoSwitch, false, ""), 1, 3},
      {&noConfig, line(cmdmode::kSaverSettings, false, ""), 2, 1},
      {&pages, line(cmdmode::kSaverRunning, false, ""), 1, 1},
      {&pages, line(cmdmode::kProgram, false, ""), 9, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseStartPage(*c.names, c.line, c.packageStart), c.expected);
  EXPECT_EQ(ChooseStartPage({""}, line(cmdmode::kProgram, false, ""), 1), 0);
}

TEST(ExtractionFolder, FirstMatchingBitAndTheFallbacks) {
  ScratchFolder dir;
  const std::string temp = dir / "temp";
  const std::string pubFolder = dir / "pub";
  const std::string readOnly = dir / "readonly";
  for (const std::string& f : {temp, pubFolder, readOnly}) std::filesystem::create_directory(f);
  ::chmod(readOnly.c_str(), 0555);
  WriteFile(dir / "plainfile", "x");
  const bool rootIgnoresModes = ::geteuid() == 0;
  struct Case {
    int op;
    std::string dir;
    std::string expected;
  } cases[] = {
      {4, "", temp},
      {2 | 1, "", temp},  // the system folder stands in as the temporary one
      {1, "", pubFolder},
      {1 | 8, dir / "given", pubFolder},
      {8, dir / "given/deep/er", dir / "given/deep/er"},  // created with its parents
      {8, "", temp},
      {0, dir / "given", temp},
      {8, dir / "plainfile", temp},         // not a folder
      {8, dir / "plainfile/inside", temp},  // cannot be created
  };
  for (const Case& c : cases) {
    ExtractionFolderInputs in;
    in.ExtractOp = c.op;
    in.ExtractDir = c.dir;
    in.PublicationFile = pubFolder + "/book.exe";
    in.TemporaryFolder = temp;
    EXPECT_EQ(ChooseExtractionFolder(in), c.expected) << c.op << ' ' << c.dir;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / "given/deep/er"));
  // A folder nothing can be written into falls back, as a CD-ROM would.
  if (!rootIgnoresModes) {
    ExtractionFolderInputs in;
    in.ExtractOp = 8;
    in.ExtractDir = readOnly;
    in.TemporaryFolder = temp;
    EXPECT_EQ(ChooseExtractionFolder(in), temp);
    in.ExtractDir = readOnly + "/inside";
    EXPECT_EQ(ChooseExtractionFolder(in), temp);
  }
  ::chmod(readOnly.c_str(), 0755);
}

}  // namespace
}  // namespace orv::test
