// Every command that writes a file anew replaces it the same way: a symbolic
// link in its place stays a link, and the file it points at gets the new
// content, as a write in place would give it.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "commands/files/CommandScriptFixture.h"

namespace orv::test {
namespace {

struct LinkCase {
  const char* name;
  const char* line;
  const char* link;      // where the link stands, in the scratch folder
  const char* linkText;  // what it points at, relative to its own folder
  const char* written;   // what the file it points at holds afterwards (a part of it)
};

class ReplacedThroughLinksTest : public CommandScriptTest, public ::testing::WithParamInterface<LinkCase> {
 protected:
  ReplacedThroughLinksTest() {
    std::filesystem::create_directories(dir / "elsewhere");
    std::filesystem::create_directories(dir / "orvalis/registry");
    Put("elsewhere/real", "old\r\nfile");
    Put("src.txt", "source");
    vars.SetVar("D", dir.Path() + "/");
    WriteBytes(dir / "pub.exe", PublicationWith({{.Name = "data.txt", .Data = "packaged"}}));
    if (package_.OpenPackage(dir / "pub.exe") == pkg::kOpened) host.package = &package_;
  }

 private:
  ConfigFolderOverride config_{dir.Path()};
  Package package_;
};

TEST_P(ReplacedThroughLinksTest, TheLinkStaysAndItsTargetChanges) {
  const LinkCase& c = GetParam();
  ASSERT_NE(host.package, nullptr);
  ASSERT_EQ(::symlink(c.linkText, (dir / c.link).c_str()), 0);
  Run(c.line);
  EXPECT_EQ(LastError(), "");
  struct stat st {};
  ASSERT_EQ(::lstat((dir / c.link).c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  const std::string target = std::filesystem::path(dir / c.link).parent_path() / c.linkText;
  if (c.written[0] == '\0') {
    EXPECT_EQ(ReadBytes(target), "");
  } else {
    EXPECT_NE(ReadBytes(target).find(c.written), std::string::npos) << ReadBytes(target);
  }
  // Nothing but the target changed beside it.
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir / "elsewhere")) ++files;
  EXPECT_EQ(files, PathExists(dir / "elsewhere/new") ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryReplacingCommand, ReplacedThroughLinksTest,
    ::testing::Values(
        LinkCase{"FileWriteAll", R"(FileWrite "l.txt" "ALL" "new")", "l.txt", "elsewhere/real", "new"},
        LinkCase{"FileWriteLine", R"(FileWrite "l.txt" "2" "B")", "l.txt", "elsewhere/real", "old\r\nB"},
        LinkCase{"FileDelLine", R"(FileDelLine "l.txt" "1")", "l.txt", "elsewhere/real", "file"},
        LinkCase{"FileCopy", R"(FileCopy "src.txt" "l.txt")", "l.txt", "elsewhere/real", "source"},
        LinkCase{"ExtractFile", R"(ExtractFile "data.txt" "l.txt")", "l.txt", "elsewhere/real", "packaged"},
        LinkCase{"ExtractFileOfNoEntry", R"(ExtractFile "none.txt" "l.txt")", "l.txt", "elsewhere/real", ""},
        LinkCase{"SaveVariables", R"(SaveVariables "[D]l.txt")", "l.txt", "elsewhere/real", "D="},
        LinkCase{"SaveVariablesDangling", R"(SaveVariables "[D]l.txt")", "l.txt", "elsewhere/new", "D="},
        LinkCase{"RegistryWrite", R"(RegistryWrite "HKEY_CURRENT_USER" "Soft\Name" "v")",
                 "orvalis/registry/HKEY_CURRENT_USER.reg", "../../elsewhere/real", "\"Name\"=\"v\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orv::test
