// "[#0]" puts a NUL byte into a name. The file system would stop reading the
// name there and act on another file ("victim.txt[#0].bak" is "victim.txt"),
// so every command that takes a file or folder name refuses such a name and
// leaves the files it would have missed alone.
#include <sys/stat.h>

#include "base/Messages.h"
#include "commands/files/CommandScriptFixture.h"

namespace orv::test {
namespace {

constexpr const char* kVictim = "Victim=1\r\nline 2";

// What the command puts into "[LastError]".
enum class Report { kNothing, kInvalidName, kCannotRemoveFolder };

struct NulCase {
  const char* name;
  const char* line;
  Report report;
  const char* variable;  // the value the command leaves in [R], or nullptr
};

constexpr Report kInvalid = Report::kInvalidName;
constexpr Report kNothing = Report::kNothing;

class NulInFileNamesTest : public CommandScriptTest, public ::testing::WithParamInterface<NulCase> {
 protected:
  NulInFileNamesTest() {
    Put("victim.txt", kVictim);
    Put("other.txt", "other");
    ::mkdir((dir / "folder").c_str(), 0777);
    vars.SetVar("D", dir.Path() + "/");
  }
};

TEST_P(NulInFileNamesTest, IsRefusedAndTouchesNoOtherFile) {
  const NulCase& c = GetParam();
  vars.SetVar("LastError", "unset");
  vars.SetVar("R", "unset");
  Run(c.line);
  switch (c.report) {
    case Report::kNothing: EXPECT_EQ(LastError(), "unset"); break;
    case Report::kInvalidName: EXPECT_EQ(LastError(), Message(msg::kInvalidFileName)); break;
    case Report::kCannotRemoveFolder:
      EXPECT_TRUE(LastError().ends_with("\"||Impossibile rimuovere la cartella.")) << LastError();
      break;
  }
  EXPECT_EQ(Var("R"), c.variable ? c.variable : "unset");
  EXPECT_EQ(File("victim.txt"), kVictim);
  EXPECT_TRUE(PathExists(dir / "folder"));
  EXPECT_FALSE(PathExists(dir / "made"));
  EXPECT_EQ(Var("Victim"), "");  // LoadVariables read nothing
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, NulInFileNamesTest,
    ::testing::Values(
        NulCase{"FileErase", R"(FileErase "victim.txt[#0].bak")", kInvalid, nullptr},
        NulCase{"FileExists", R"(FileExists "victim.txt[#0].bak" "[R]")", kNothing, "False"},
        NulCase{"FileSize", R"(FileSize "victim.txt[#0].bak" "[R]")", kInvalid, ""},
        NulCase{"FolderExists", R"(FolderExists "folder[#0]x" "[R]")", kNothing, "False"},
        NulCase{"CopyFrom", R"(FileCopy "victim.txt[#0].bak" "made")", kInvalid, nullptr},
        NulCase{"CopyOnto", R"(FileCopy "other.txt" "victim.txt[#0].bak")", kInvalid, nullptr},
        NulCase{"CreateFolder", R"(CreateFolder "[D]made[#0]x")", kInvalid, nullptr},
        NulCase{"RemoveFolder", R"(RemoveFolder "[D]folder[#0]x")", Report::kCannotRemoveFolder, nullptr},
        NulCase{"FileList", R"(FileList "[D]folder[#0]x\*.*" "" "[R]")", kInvalid, ""},
        NulCase{"ExtractFile", R"(ExtractFile "embedded:\\\x.dat" "victim.txt[#0].bak")", kInvalid, nullptr},
        NulCase{"FileRead", R"(FileRead "victim.txt[#0].bak" "1" "[R]")", kInvalid, ""},
        NulCase{"FileReadAll", R"(FileRead "victim.txt[#0].bak" "ALL" "[R]")", kInvalid, ""},
        NulCase{"FileWriteAppend", R"(FileWrite "victim.txt[#0].bak" "APPEND" "x")", kInvalid, nullptr},
        NulCase{"FileWriteAll", R"(FileWrite "victim.txt[#0].bak" "ALL" "x")", kInvalid, nullptr},
        NulCase{"FileWriteLine", R"(FileWrite "victim.txt[#0].bak" "1" "x")", kInvalid, nullptr},
        NulCase{"FileInsLine", R"(FileInsLine "victim.txt[#0].bak" "1")", kInvalid, nullptr},
        NulCase{"FileDelLine", R"(FileDelLine "victim.txt[#0].bak" "1")", kInvalid, nullptr},
        NulCase{"FileLen", R"(FileLen "victim.txt[#0].bak" "[R]")", kNothing, "0"},
        NulCase{"FileToVar", R"(FileToVar "[D]victim.txt[#0].bak" "[R]")", kInvalid, "unset"},
        NulCase{"SaveVariables", R"(SaveVariables "[D]victim.txt[#0].bak")", kInvalid, nullptr},
        NulCase{"LoadVariables", R"(LoadVariables "[D]victim.txt[#0].bak")", kInvalid, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orv::test
