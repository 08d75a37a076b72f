#include "commands/variables/VariablesFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "script/HeadlessVarHost.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class VariablesFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("orv-varsfile-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Last() { return vars.GetVar("LastError"); }

  fs::path dir;
  THeadlessVarHost host;
  TVars vars{host};
};

TEST_F(VariablesFileTest, SaveWritesGlobalsAndLoadRestoresLineBreaks) {
  vars.SetVar("Name", "a\r\nb");
  vars.SetVar("Eq", "x=y");
  vars.SetVar("Zero", std::string("p\0q", 3));
  vars.DefineVar("n", "Integer", "", false);
  {
    TLocalScope scope(vars);
    vars.DefineVar("local", "String", "", true);
    vars.SetVar("local", "not saved");
    SaveVariablesCommand(vars, (dir / "vars.txt").string());
  }
  EXPECT_EQ(Last(), "");
  const std::string expected = std::string("Name=a[#13][#10]b\r\nEq=x=y\r\nZero=p\0q\r\n", 37) + "n=0\r\n";
  EXPECT_EQ(ReadFile(dir / "vars.txt"), expected);

  vars.ClearAllVariables();
  vars.DefineVar("n", "Boolean", "", false);  // typed variables are honoured on load
  LoadVariablesCommand(vars, (dir / "vars.txt").string());
  EXPECT_EQ(vars.GetVar("Name"), "a\r\nb");
  EXPECT_EQ(vars.GetVar("Eq"), "x=y");
  EXPECT_EQ(vars.GetVar("Zero"), std::string("p\0q", 3));
  EXPECT_EQ(vars.GetVar("n"), "False");  // "0" converted
  EXPECT_EQ(vars.GetVar("local"), "");
  EXPECT_EQ(Last(), "");
}

TEST_F(VariablesFileTest, LineBreaksInNamesStayInsideTheirLine) {
  vars.SetVar("e\r\nf", "1");
  vars.SetVar("f", "mine");
  vars.SetVar("g\rh\ni", "a\r\nb");
  SaveVariablesCommand(vars, (dir / "vars.txt").string());
  EXPECT_EQ(ReadFile(dir / "vars.txt"), "e[#13][#10]f=1\r\nf=mine\r\ng[#13]h[#10]i=a[#13][#10]b\r\n");

  vars.ClearAllVariables();
  LoadVariablesCommand(vars, (dir / "vars.txt").string());
  EXPECT_EQ(vars.GetVar("e\r\nf"), "1");
  EXPECT_EQ(vars.GetVar("f"), "mine");
  EXPECT_EQ(vars.GetVar("g\rh\ni"), "a\r\nb");
  EXPECT_EQ(vars.Globals().Count(), 3u);  // no stray variable from a broken line
}

TEST_F(VariablesFileTest, LoadUsesTheFirstValueOfARepeatedNameAndSkipsBadLines) {
  std::ofstream(dir / "in.txt", std::ios::binary) << "a=1\r\nnoequals\r\n=orphan\r\nA=2\nb=[#13]x\n";
  vars.SetVar("LastError", "old");
  LoadVariablesCommand(vars, (dir / "in.txt").string());
  EXPECT_EQ(vars.GetVar("a"), "1");
  EXPECT_EQ(vars.GetVar("b"), "\rx");
  EXPECT_EQ(vars.Globals().Count(), 2u);  // a and b; LastError cleared and gone
  EXPECT_EQ(Last(), "");
}

TEST_F(VariablesFileTest, ReadAndWriteFailuresReportTheirText) {
  LoadVariablesCommand(vars, (dir / "missing.txt").string());
  EXPECT_FALSE(Last().empty());
  vars.ClearLastError();
  SaveVariablesCommand(vars, (dir / "no-such-folder" / "v.txt").string());
  EXPECT_FALSE(Last().empty());
  EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

TEST_F(VariablesFileTest, LoadReadsThroughTheGivenReader) {
  std::string asked;
  LoadVariablesCommand(vars, "embedded:\\\\\\vars.txt",
                       [&](std::string_view name, std::string& content, std::string&) {
                         asked = name;
                         content = "k=v\r\n";
                         return true;
                       });
  EXPECT_EQ(asked, "embedded:\\\\\\vars.txt");
  EXPECT_EQ(vars.GetVar("k"), "v");
}

TEST_F(VariablesFileTest, FailedSaveLeavesTheOldFileWhole) {
  const fs::path target = dir / "keep.txt";
  std::ofstream(target, std::ios::binary) << "Old=1\r\n";
  vars.SetVar("Big", std::string(64 * 1024, 'x'));
  // A file-size limit makes the write fail half way, as a full disk would.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  SaveVariablesCommand(vars, target.string());
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(Last().empty());
  EXPECT_EQ(ReadFile(target), "Old=1\r\n");
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 1);  // no temporary file left behind
}

}  // namespace
}  // namespace orv
