// The headless runner end to end: options, exit status, outputs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <vector>

#include "support/RunCommand.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

class OrvalisScriptTest : public ::testing::Test {
 protected:
  OrvalisScriptTest() {
    dir_ = fs::temp_directory_path() / ("orvalis-script-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  ~OrvalisScriptTest() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }
  CommandResult Script(const std::string& args, bool mergeStderr = true) {
    return RunCommand(BinPath("orvalis-script") + " " + args, mergeStderr);
  }

  fs::path dir_;
};

TEST_F(OrvalisScriptTest, RunsToTheEndAndSavesTheVariables) {
  // CR LF, CR and LF line ends in one file.
  const std::string script = Write("a.ovs",
                                   "SetVar \"[x]\" \"0\"\r\nLoop \"1\" \"4\" \"[i]\"\rSetVar \"[x]\" \"[x]+[i]\"\n"
                                   "EndLoop\r\nSetVar \"[two]\" \"a[#13][#10]b\"\r\n");
  const CommandResult r = Script("--save-vars - " + script, false);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "x=10\r\ni=4\r\ntwo=a[#13][#10]b\r\n");
}

TEST_F(OrvalisScriptTest, ActionErrorStopsWithStatusOneAndSavesAnyway) {
  const std::string script = Write("b.ovs", "SetVar \"[a]\" \"1\"\nGotoLine \"Nowhere\"\nSetVar \"[b]\" \"1\"\n");
  const std::string vars = (dir_ / "out.vars").string();
  const CommandResult r = Script("--save-vars " + vars + " " + script);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("b.ovs:2: GotoLine: Etichetta inesistente!"), std::string::npos) << r.output;
  std::ifstream in(vars, std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(saved, "a=1\r\nLastError=GotoLine[#13][#13]Etichetta inesistente!\r\n");
}

TEST_F(OrvalisScriptTest, ReturnEndsWithSuccessAndSetsSubroutinesWork) {
  const std::string subs = Write("subs.ovs", ":Greet\r\nSetVar \"[out]\" \"Hello [who]\"\r\nReturn\r\n");
  const std::string script = Write("c.ovs", "GoSub \"Greet\"\r\nReturn\r\nSetVar \"[never]\" \"1\"\r\n");
  const CommandResult r = Script("--set who=World --set \"[n]=5\" --subroutines " + subs + " --save-vars - " + script);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "who=World\r\nn=5\r\nout=Hello World\r\n");
}

TEST_F(OrvalisScriptTest, AFailureInTheSubroutineLibraryNamesTheLibraryAndItsLine) {
  const std::string subs = Write("lib.ovs",
                                 ":Other\r\nReturn\r\n:Broken\r\nSetVar \"[a]\" \"1\"\r\nGotoLine \"Nowhere\"\r\n"
                                 ":Hidden\r\nShowErrors \"Off\"\r\nGotoLine \"Nowhere\"\r\n");
  const std::string script = Write("main.ovs", "GoSub \"Broken\"\r\nGoSub \"Hidden\"\r\nGotoLine \"Gone\"\r\n");
  const CommandResult r = Script("--subroutines " + subs + " " + script);
  EXPECT_EQ(r.status, 1);
  // Shown where it happens; the error that stopped the main script, hidden
  // by ShowErrors, is reported at the end with its own place.
  EXPECT_EQ(r.output, subs + ":5: GotoLine: Etichetta inesistente!\n" + script +
                          ":3: GotoLine: Etichetta inesistente!\n");
}

TEST_F(OrvalisScriptTest, ReadsStandardInputAndTracesLines) {
  const CommandResult r = Script("--trace - < " + Write("d.ovs", "SetVar \"[a]\" \"1\"\n. note\nIf \"1\" \"=\" \"2\"\n"
                                                                   "SetVar \"[b]\" \"1\"\nEndIf\n"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.output, "1:1: SetVar \"[a]\" \"1\"\n1:3: If \"1\" \"=\" \"2\"\n");
}

TEST_F(OrvalisScriptTest, PublicationFolderIsTheCurrentFolderOfTheRun) {
  fs::create_directories(dir_ / "pub");
  const std::string script = Write("e.ovs", "SetVar \"[dir]\" \"[PubDir]\"\r\nSaveVariables \"saved.txt\"\r\n");
  const CommandResult r = Script("--pub-dir " + (dir_ / "pub").string() + " " + script);
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(fs::exists(dir_ / "pub" / "saved.txt"));
}

TEST_F(OrvalisScriptTest, CheckReportsEveryFaultWithoutRunning) {
  const std::string script = Write("f.ovs",
                                   "SetVar \"[a]\" \"1\"\nSetVra \"[b]\" \"2\"\nSetVar \"[c]\nSetVar \"[d]\"\n"
                                   "Else\nEndIf\nEndWhile\nEndLoop\nGotoLine \"Missing\"\nGotoLine \"There\"\n:There\n"
                                   "GotoLine \"[v]\"\nLoop \"1\" \"2\" \"[i]\"\n");
  const std::string vars = (dir_ / "never.vars").string();
  const CommandResult r = Script("--check --save-vars " + vars + " " + script);
  EXPECT_EQ(r.status, 1);
  const std::string expected =
      script + ":2: Non capisco questo comando! (SetVra \"[b]\" \"2\")\n" + script +
      ":3: In questa espressione mancano le virgolette.\n" + script + ":4: Questa azione richiede parametro(i) 2.\n" +
      script + ":5: Else without If\n" + script + ":6: EndIf without If\n" + script + ":7: EndWhile without While\n" +
      script + ":8: EndLoop without Loop\n" + script + ":9: Etichetta inesistente! (Missing)\n" + script +
      ":13: Loop never closed\n";
  EXPECT_EQ(r.output, expected);
  EXPECT_FALSE(fs::exists(vars));
  EXPECT_EQ(Script("--check " + Write("g.ovs", "If \"1\" \"=\" \"1\"\nElse\nEndIf\n")).status, 0);
}

TEST_F(OrvalisScriptTest, OpensAPackageFirst) {
  Write("pic.png", "png");
  Write("RUNTIME.PUB", "x");
  const std::string pkg = (dir_ / "t.pkg").string();
  ASSERT_EQ(RunCommand("cd " + dir_.string() + " && " + BinPath("orvalis-pack") + " create t.pkg pic.png RUNTIME.PUB")
                .status,
            0);
  const std::string script = Write("p.ovs", "SetVar \"[a]\" \"1\"\r\n");
  const CommandResult r = Script("--package " + pkg + " --save-vars - " + script);
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output, "a=1\r\n");
  const CommandResult bad = Script("--package " + script + " " + script);
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("cannot open the package"), std::string::npos) << bad.output;
}

TEST_F(OrvalisScriptTest, UsageAndFileErrorsAreStatusTwo) {
  for (const std::string& args : std::vector<std::string>{"", "--bogus x.ovs", "--set novalue x.ovs", "--save-vars", "a.ovs b.ovs",
                                 (dir_ / "missing.ovs").string()}) {
    const CommandResult r = Script(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.output.rfind("orvalis-script: ", 0), 0u) << r.output;
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
  }
}

}  // namespace
}  // namespace orv::test
