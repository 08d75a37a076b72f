#include "base/HostPath.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orv {
namespace {

namespace fs = std::filesystem;

class HostPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("orvalis-hostpath-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Data" / "Sub Dir");
    std::ofstream(root_ / "Data" / "Sub Dir" / "Read Me.TXT") << "x";
    std::ofstream(root_ / "Data" / "caf\xC3\xA9.txt") << "y";  // UTF-8 on disk
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Root() const { return root_.string(); }
  fs::path root_;
};

TEST_F(HostPathTest, MatchesComponentsWithoutCase) {
  struct Case {
    std::string stored;
    std::string expected;
  } cases[] = {
      {Root() + "\\data\\SUB DIR\\read me.txt", Root() + "/Data/Sub Dir/Read Me.TXT"},
      {Root() + "/Data/Sub Dir/Read Me.TXT", Root() + "/Data/Sub Dir/Read Me.TXT"},
      {"C:" + Root() + "\\DATA\\sub dir", Root() + "/Data/Sub Dir"},
      {Root() + "\\DATA\\CAF\xC9.TXT", Root() + "/Data/caf\xC3\xA9.txt"},  // É folds to é
      // A file about to be created keeps its own spelling under the matched folder.
      {Root() + "\\data\\New.txt", Root() + "/Data/New.txt"},
      {Root() + "\\nothing\\data\\x", Root() + "/nothing/data/x"},
  };
  for (const auto& c : cases) EXPECT_EQ(HostPath(c.stored), c.expected) << c.stored;
}

TEST_F(HostPathTest, ANameWithANulNamesNoFile) {
  // The system would read each of these only up to the NUL.
  const std::string names[] = {
      Root() + "\\Data\\Sub Dir\\Read Me.TXT" + std::string(1, '\0') + ".bak",
      Root() + "\\Data" + std::string(1, '\0') + "\\x",
      std::string(1, '\0'),
  };
  for (const std::string& name : names) {
    for (const std::string& path : {HostPath(name), DirectHostPath(name)}) {
      errno = 0;
      EXPECT_LT(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666), 0);
      EXPECT_EQ(errno, ENAMETOOLONG);
      EXPECT_NE(::mkdir(path.c_str(), 0777), 0);
    }
  }
  std::ifstream in(root_ / "Data" / "Sub Dir" / "Read Me.TXT");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "x");
}

TEST_F(HostPathTest, FoldersForScriptsEndWithSlash) {
  EXPECT_EQ(ScriptFolder("/tmp/pub"), "/tmp/pub/");
  EXPECT_EQ(ScriptFolder("/tmp/pub/"), "/tmp/pub/");
  EXPECT_EQ(ScriptFolder("/tmp/caf\xC3\xA9"), "/tmp/caf\xE9/");
}

}  // namespace
}  // namespace orv
