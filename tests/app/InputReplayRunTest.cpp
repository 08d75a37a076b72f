// The player run headless with --play: a good file drives the publication
// and shows in the trace among the script lines; a bad one ends the run with
// status 2 before the publication opens.
#include <gtest/gtest.h>

#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

class InputReplayRun : public ::testing::Test {
 protected:
  void SetUp() override {
    // The start-up action leaves a file: the sign that the publication opened.
    WriteFile(dir_ / "RUNTIME.PUB",
              "ScreenWidth=320\r\nScreenHeight=200\r\nAllowPageUpDn=Yes\r\n"
              "StartupAction=SaveVariables \"" + Started() + "\"\r\n"
              "ShutdownAction=SetVar \"[Trail]\" \"[Trail]Q\"\r\n"
              "NewPage=One\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]1\"\r\n"
              "NewPage=Two\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]2\"\r\n");
    const CommandResult r = RunCommand(BinPath("orvalis-pack") + " create " + Q(Book()) + " " +
                                       Q(dir_ / "RUNTIME.PUB"));
    ASSERT_EQ(r.status, 0) << r.output;
  }

  std::string Book() { return dir_ / "book.exe"; }
  std::string Started() { return dir_ / "started.txt"; }

  // The time limit only keeps a broken replay from hanging the test.
  CommandResult Play(const std::string& replayFile) {
    return RunCommand("QT_QPA_PLATFORM=offscreen " + BinPath("orvalis") + " --quit-after 20000 --play " +
                          Q(replayFile) + " --trace " + Q(dir_ / "trace.txt") + " --save-vars " +
                          Q(dir_ / "vars.txt") + " " + Q(Book()) + " 2>" + Q(dir_ / "stderr.txt"),
                      false);
  }
  std::string Errors() { return ReadFile(dir_ / "stderr.txt"); }

  ScratchFolder dir_;
};

TEST_F(InputReplayRun, ReplayedLinesDriveThePublicationAndAreTracedInOrder) {
  const std::string input = dir_ / "input.txt";
  WriteFile(input, "# next page, then close\n0 key End\n\n0 quit\n");
  const CommandResult r = Play(input);
  ASSERT_EQ(r.status, 0) << Errors();
  EXPECT_TRUE(FileThere(Started()));
  EXPECT_NE(ReadFile(dir_ / "vars.txt").find("Trail=12Q"), std::string::npos) << ReadFile(dir_ / "vars.txt");
  const std::string trace = ReadFile(dir_ / "trace.txt");
  const std::size_t key = trace.find("replay " + input + ":2: key End\n");
  const std::size_t pageTwo = trace.find("[Trail]2");
  const std::size_t quit = trace.find("replay " + input + ":4: quit\n");
  const std::size_t shutdown = trace.find("[Trail]Q");
  ASSERT_NE(key, std::string::npos) << trace;
  ASSERT_NE(quit, std::string::npos) << trace;
  EXPECT_LT(trace.find("[Trail]1"), key) << trace;
  EXPECT_LT(key, pageTwo) << trace;
  EXPECT_LT(pageTwo, quit) << trace;
  EXPECT_LT(quit, shutdown) << trace;
}

TEST_F(InputReplayRun, BadFileEndsWithStatus2BeforeThePublicationOpens) {
  const std::string input = dir_ / "input.txt";
  WriteFile(input, "0 move 1,1\n\n5 clik 1,1\n");
  struct Case {
    std::string file;
    std::string message;
  } cases[] = {
      {input, input + ":3: unknown verb 'clik'"},
      {dir_ / "missing.txt", "orvalis: cannot read " + dir_ / "missing.txt"},
  };
  for (const Case& c : cases) {
    const CommandResult r = Play(c.file);
    EXPECT_EQ(r.status, 2) << c.file;
    EXPECT_EQ(Errors().rfind(c.message, 0), 0u) << Errors();
    EXPECT_EQ(Errors().find('\n'), Errors().size() - 1) << Errors();  // one line
    EXPECT_FALSE(FileThere(Started())) << c.file;
    EXPECT_FALSE(FileThere(dir_ / "trace.txt")) << c.file;
  }
}

}  // namespace
}  // namespace orv::test
