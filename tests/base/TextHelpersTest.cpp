#include <gtest/gtest.h>

#include "base/PathNames.h"
#include "base/TextForms.h"
#include "base/TruthWords.h"

namespace orv {
namespace {

TEST(TextForms, LineBreakStandIns) {
  EXPECT_EQ(PilcrowsToCrLf("a\xB6" "b\xB6"), "a\r\nb\r\n");
  EXPECT_EQ(CrLfToPilcrows("a\r\nb"), "a\xB6" "b");
  EXPECT_EQ(BarsToLineBreaks("one|two||"), "one\r\ntwo\r\n\r\n");
  EXPECT_EQ(BarsToLineBreaks("x|y", "\n"), "x\ny");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(PathNames, JoinsWithOneBackslash) {
  struct Case {
    const char* folder;
    const char* name;
    const char* joined;
  } cases[] = {
      {"C:\\Data", "a.txt", "C:\\Data\\a.txt"},
      {"C:\\Data\\", "a.txt", "C:\\Data\\a.txt"},
      {"/tmp/pub/", "a.txt", "/tmp/pub/a.txt"},
      {"", "a.txt", "a.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinPath(c.folder, c.name), c.joined);
}

TEST(PathNames, TakesNamesApart) {
  struct Case {
    const char* path;
    const char* name;
    const char* folder;
    const char* dir;
    const char* ext;
  } cases[] = {
      {"C:\\Data\\a.b.txt", "a.b.txt", "C:\\Data\\", "C:\\Data", ".txt"},
      {"C:a.txt", "a.txt", "C:", "C:", ".txt"},
      {"C:\\a", "a", "C:\\", "C:\\", ""},
      {"sub/dir/file", "file", "sub/dir/", "sub/dir", ""},
      {"a\\..\\..\\x.dat", "x.dat", "a\\..\\..\\", "a\\..\\..", ".dat"},
      {"dir.d\\noext", "noext", "dir.d\\", "dir.d", ""},
      {"plain", "plain", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
  }
  EXPECT_EQ(ChangeFileExt("d.x\\a.txt", ".bak"), "d.x\\a.bak");
  EXPECT_EQ(ChangeFileExt("d.x\\a", ".bak"), "d.x\\a.bak");
}

TEST(TruthWords, ReadsEveryWordInAnyCase) {
  struct Case {
    const char* text;
    bool isTrue;
    bool isFalse;
  } cases[] = {
      {"True", true, false},     {"t", true, false},       {"YES", true, false},
      {"checked", true, false},  {"Ok", true, false},      {"1", true, false},
      {"yes+x", true, false},    {"False", false, true},   {"f", false, true},
      {"no", false, true},       {"UNCHECKED", false, true}, {"cancel", false, true},
      {"0", false, true},        {"no+yes", false, true},  {"", false, false},
      {"maybe", false, false},   {"2", false, false},      {" yes", false, false},
      {"+yes", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTrueWord(c.text), c.isTrue) << c.text;
    EXPECT_EQ(IsFalseWord(c.text), c.isFalse) << c.text;
  }
  EXPECT_EQ(TruthText(true), "True");
  EXPECT_EQ(TruthText(false), "False");
}

}  // namespace
}  // namespace orv
