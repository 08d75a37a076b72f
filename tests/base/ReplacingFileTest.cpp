#include "base/ReplacingFile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace orv {
namespace {

namespace fs = std::filesystem;

class ReplacingFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orv-replace-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "sub");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Path(const std::string& name) const { return (root_ / name).string(); }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool IsLink(const std::string& name) const { return fs::is_symlink(root_ / name); }
  // No temporary file is left in either folder.
  int TemporaryFiles() const {
    int count = 0;
    for (const auto& e : fs::recursive_directory_iterator(root_))
      if (e.path().filename().string().starts_with(".orvtmp")) ++count;
    return count;
  }

  fs::path root_;
};

TEST_F(ReplacingFileTest, LinksStayLinksAndTheFileTheyNameIsReplaced) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // where, pointing at
    const char* target;                                     // the file that gets the content
  };
  const Case cases[] = {
      {"PlainFile", {}, "real"},
      {"MissingFile", {}, "new"},
      {"AbsoluteLink", {{"link", "@/real"}}, "real"},
      {"RelativeLinkInAnotherFolder", {{"sub/link", "../real"}}, "real"},
      {"ChainOfLinks", {{"first", "second"}, {"second", "sub/third"}, {"sub/third", "../real"}}, "real"},
      {"DanglingLink", {{"link", "sub/made"}}, "sub/made"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Put("real", "old");
    std::string written = c.links.empty() ? c.target : c.links.front().first;
    for (const auto& [where, to] : c.links) {
      const std::string target = to.starts_with("@") ? Path(to.substr(2)) : to;
      ASSERT_EQ(::symlink(target.c_str(), Path(where).c_str()), 0);
    }
    EXPECT_EQ(ReplaceFileContent(Path(written), "new content"), 0);
    EXPECT_EQ(Read(c.target), "new content");
    for (const auto& link : c.links) EXPECT_TRUE(IsLink(link.first)) << link.first;
    EXPECT_EQ(TemporaryFiles(), 0);
    for (const auto& link : c.links) fs::remove(root_ / link.first);
    fs::remove(root_ / c.target);
  }
}

TEST_F(ReplacingFileTest, TheReplacedFileKeepsItsPermissions) {
  Put("private", "old");
  ::chmod(Path("private").c_str(), 0600);
  ASSERT_EQ(ReplaceFileContent(Path("private"), "new"), 0);
  struct stat st {};
  ASSERT_EQ(::stat(Path("private").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST_F(ReplacingFileTest, ANameAsLongAsNamesMayBeIsReplaced) {
  const std::string name(255, 'n');
  Put(name, "old");
  EXPECT_EQ(ReplaceFileContent(Path(name), "new"), 0);
  EXPECT_EQ(Read(name), "new");
}

TEST_F(ReplacingFileTest, AnUnfinishedReplacementLeavesTheOldFile) {
  Put("real", "old");
  {
    TReplacingFile file(Path("real"));
    ASSERT_EQ(file.Open(), 0);
    ASSERT_EQ(file.Write("half of the new"), 0);
  }
  EXPECT_EQ(Read("real"), "old");
  EXPECT_EQ(TemporaryFiles(), 0);

  // Links that lead round in a circle name no file: nothing is written.
  ASSERT_EQ(::symlink("loop-b", Path("loop-a").c_str()), 0);
  ASSERT_EQ(::symlink("loop-a", Path("loop-b").c_str()), 0);
  EXPECT_EQ(ReplaceFileContent(Path("loop-a"), "x"), ELOOP);
  EXPECT_TRUE(IsLink("loop-a"));
  EXPECT_TRUE(IsLink("loop-b"));
  EXPECT_EQ(TemporaryFiles(), 0);
}

// A pipe (as "/dev/stdout" may be) and a device are written into; they are
// never swapped for a regular file. A folder is refused.
TEST_F(ReplacingFileTest, PipesAndDevicesAreWrittenIntoAndFoldersRefused) {
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  const int reader = ::open(Path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(ReplaceFileContent(Path("pipe"), "through"), 0);
  char got[16] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 7);
  EXPECT_EQ(std::string(got), "through");
  ::close(reader);
  EXPECT_TRUE(fs::is_fifo(root_ / "pipe"));

  EXPECT_EQ(ReplaceFileContent("/dev/null", "nothing"), 0);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  EXPECT_EQ(ReplaceFileContent(Path("sub"), "x"), EISDIR);
  EXPECT_TRUE(fs::is_directory(root_ / "sub"));
  EXPECT_EQ(TemporaryFiles(), 0);
}

}  // namespace
}  // namespace orv
