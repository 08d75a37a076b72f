// The commands on whole files, folders and file names, run as scripts.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "commands/files/CommandScriptFixture.h"
#include "commands/files/FileMask.h"

namespace orv::test {
namespace {

std::set<std::string> Names(const std::string& list) {
  std::set<std::string> out;
  std::size_t pos = 0;
  while (!list.empty()) {
    const std::size_t cr = list.find('\r', pos);
    out.insert(list.substr(pos, cr == std::string::npos ? cr : cr - pos));
    if (cr == std::string::npos) break;
    pos = cr + 1;
  }
  return out;
}

TEST_F(CommandScriptTest, FileCopyDefaultsAndKeepsTime) {
  Put("src.txt", "content");
  ::mkdir((dir / "out").c_str(), 0777);
  const std::string src = dir / "src.txt";
  const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ::utimensat(AT_FDCWD, src.c_str(), old, 0);
  ::chmod(src.c_str(), 0444);
  vars.SetVar("Out", dir / "out/");
  Run({R"(FileCopy "src.txt" "same-folder.txt")", R"(FileCopy "src.txt" "[Out]")"});
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(File("same-folder.txt"), "content");
  EXPECT_EQ(File("out/src.txt"), "content");
  struct stat st {};
  ::stat((dir / "out/src.txt").c_str(), &st);
  EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
  EXPECT_TRUE(st.st_mode & S_IWUSR);
}

TEST_F(CommandScriptTest, FileCopyFailures) {
  Put("a.txt", "lower");
  Put("A.TXT", "upper");
  ASSERT_EQ(::link((dir / "a.txt").c_str(), (dir / "hard.txt").c_str()), 0);
  const std::pair<const char*, const char*> cases[] = {
      {R"(FileCopy "" "x.txt")", "Impossibile copiare il file."},
      {R"(FileCopy "none.txt" "x.txt")", "File non trovato!"},
      {R"(FileCopy "a.txt" "a.txt")", "Il file non pu\xF2 essere copiato su se stesso."},
      {R"(FileCopy "a.txt" "hard.txt")", "Il file non pu\xF2 essere copiato su se stesso."},
      {R"(FileCopy "a.txt" "no-such-folder\x.txt")", "Accesso negato!"},
      // Two names that differ only in case are two files here.
      {R"(FileCopy "a.txt" "A.TXT")", ""},
  };
  for (const auto& [line, error] : cases) {
    vars.SetVar("LastError", "unset");
    Run(line);
    EXPECT_EQ(LastError(), error) << line;
  }
  EXPECT_EQ(File("A.TXT"), "lower");
  EXPECT_EQ(File("a.txt"), "lower");
}

TEST_F(CommandScriptTest, FileEraseAndFileExistsAndFileSize) {
  Put("f.txt", "12345");
  ::mkdir((dir / "Sub").c_str(), 0777);
  Run({R"(FileExists "f.txt" "[E1]")", R"(FileExists "F.TXT" "[E2]")", R"(FileExists "Sub" "[E3]")",
       R"(FolderExists "  sub " "[D1]")", R"(FolderExists "f.txt" "[D2]")", R"(FolderExists "  " "[D3]")",
       R"(FileSize "f.txt" "[S1]")"});
  EXPECT_EQ(Var("E1") + Var("E2") + Var("E3"), "TrueTrueFalse");
  EXPECT_EQ(Var("D1") + Var("D2") + Var("D3"), "TrueFalseFalse");
  EXPECT_EQ(Var("S1"), "5");
  EXPECT_EQ(LastError(), "");

  Run(R"(FileSize "none.txt" "[S1]")");
  EXPECT_EQ(Var("S1"), "");
  EXPECT_EQ(LastError(), "File non trovato!");
  Run(R"(FileErase "f.txt")");
  EXPECT_EQ(LastError(), "");
  EXPECT_FALSE(PathExists(dir / "f.txt"));
  for (const char* line : {R"(FileErase "f.txt")", R"(FileErase "")", R"(FileErase "Sub")"}) {
    vars.SetVar("LastError", "unset");
    Run(line);
    EXPECT_EQ(LastError(), "File non trovato!") << line;
  }
  EXPECT_TRUE(PathExists(dir / "Sub"));
}

TEST_F(CommandScriptTest, FileExistsLeavesLastErrorAlone) {
  vars.SetVar("LastError", "earlier");
  Run(R"(FileExists "none.txt" "[E]")");
  EXPECT_EQ(Var("E"), "False");
  EXPECT_EQ(LastError(), "earlier");
}

TEST_F(CommandScriptTest, CreateAndRemoveFolders) {
  vars.SetVar("Deep", dir / "a/b/c/");
  vars.SetVar("Top", dir / "a");
  vars.SetVar("Leaf", dir / "a/b/c");
  Run(R"(CreateFolder "[Deep]")");
  EXPECT_EQ(LastError(), "");
  EXPECT_TRUE(PathExists(dir / "a/b/c"));
  Run(R"(CreateFolder "[Deep]")");
  EXPECT_EQ(LastError(), "");
  Run(R"(CreateFolder "")");
  EXPECT_EQ(LastError(), "Nome file o cartella non valido!");

  Run(R"(RemoveFolder "[Top]")");
  EXPECT_EQ(LastError(), "\"" + dir / "a" + "\"||Impossibile rimuovere la cartella.");
  Run(R"(RemoveFolder "[Leaf]")");
  EXPECT_EQ(LastError(), "");
  EXPECT_FALSE(PathExists(dir / "a/b/c"));
}

TEST_F(CommandScriptTest, ExtractFileWithoutThePackageEntryLeavesAnEmptyFile) {
  Put("x.dat", "old");
  Run(R"(ExtractFile "embedded:\\\x.dat" "x.dat")");
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(File("x.dat"), "");
  Run(R"(ExtractFile "" "y.dat")");
  EXPECT_EQ(LastError(), "File non trovato!");
}

struct ListCase {
  const char* name;
  const char* masks;
  const char* options;
  std::set<std::string> expected;
};

class FileListTest : public CommandScriptTest, public ::testing::WithParamInterface<ListCase> {
 protected:
  FileListTest() {
    for (const char* f : {"a.txt", "b.doc", "C.TXT", "data.csv", "x1", "x2.txt"}) Put(f, "");
    ::mkdir((dir / "sub.txt").c_str(), 0777);
    ::mkdir((dir / "other").c_str(), 0777);
  }
};

TEST_P(FileListTest, ListsMatchingNamesOnce) {
  const ListCase& c = GetParam();
  vars.SetVar("Masks", dir / c.masks);
  vars.SetVar("Opt", c.options);
  Run(R"(FileList "[Masks]" "[Opt]" "[L]")");
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(Names(Var("L")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileListTest,
    ::testing::Values(ListCase{"Star", "*.txt", "", {"a.txt", "C.TXT", "x2.txt"}},
                      ListCase{"TwoMasksBothMatch", "*.txt|a*", "", {"a.txt", "C.TXT", "x2.txt"}},
                      ListCase{"TwoMasks", "*.doc|*.csv", "", {"b.doc", "data.csv"}},
                      ListCase{"Question", "x?", "", {"x1"}},
                      ListCase{"Set", "[a-c]*", "", {"a.txt", "b.doc", "C.TXT"}},
                      ListCase{"NegatedSet", "[!abc]*.*", "", {"data.csv", "x2.txt"}},
                      ListCase{"NoMask", "", "", {}},
                      ListCase{"Folders", "*", "folders", {"sub.txt", "other"}},
                      ListCase{"FoldersAndFiles", "*.txt", "FOLDERS+FILES", {"a.txt", "C.TXT", "x2.txt", "sub.txt"}},
                      ListCase{"NoExtension", "*.doc|*.csv", "NoExt", {"b", "data"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandScriptTest, FileListOfAMissingFolderReports) {
  vars.SetVar("L", "old");
  vars.SetVar("Masks", dir / "none/*.txt");
  Run(R"(FileList "[Masks]" "" "[L]")");
  EXPECT_EQ(Var("L"), "");
  EXPECT_EQ(LastError(), "Nome file o cartella non valido!");
}

TEST_F(CommandScriptTest, AnInvalidMaskEscapesTheCommand) {
  vars.SetVar("Masks", dir / "*.txt|[abc");
  try {
    Run(R"(FileList "[Masks]" "" "[L]")");
    ADD_FAILURE() << "no failure escaped";
  } catch (const TInvalidMask& e) {
    EXPECT_STREQ(e.what(), "'[abc' is an invalid mask at (5)");
  }
  EXPECT_THROW(TFileMask("a[b-]"), TInvalidMask);
  EXPECT_NO_THROW(TFileMask("[!a-z]*"));
}

TEST(FileMaskTest, LongStarRunsMatchWithoutBacktrackingBlowUp) {
  const TFileMask mask("*a*a*a*a*a*a*a*a*b");
  EXPECT_FALSE(mask.Matches(std::string(200, 'a')));
  EXPECT_TRUE(mask.Matches(std::string(200, 'a') + "b"));
}

TEST_F(CommandScriptTest, FileNameCommands) {
  const std::pair<const char*, const char*> cases[] = {
      {R"(ExtractFilePath "C:\dir\f.txt" "[R]")", "C:\\dir\\"},
      {R"(ExtractFilePath "C:f.txt" "[R]")", "C:"},
      {R"(ExtractFileName "C:\dir\f.txt" "[R]")", "f.txt"},
      {R"(ExtractFileExt "C:\d.x\f.tar.gz" "[R]")", ".gz"},
      {R"(ExtractFileExt "C:\d.x\f" "[R]")", ""},
      {R"(ExtractFileDrive "C:\dir\f.txt" "[R]")", "C:"},
      {R"(ExtractFileDrive "\\srv\share\dir\f.txt" "[R]")", "\\\\srv\\share"},
      {R"(ExtractFileDrive "\dir\f.txt" "[R]")", ""},
      {R"(ChangeFileExt "C:\d.x\f.txt" ".doc" "[R]")", "C:\\d.x\\f.doc"},
      {R"(ChangeFileExt "C:\d.x\f" ".doc" "[R]")", "C:\\d.x\\f.doc"},
  };
  for (const auto& [line, expected] : cases) {
    vars.SetVar("R", "unset");
    Run(line);
    EXPECT_EQ(Var("R"), expected) << line;
  }
}

}  // namespace
}  // namespace orv::test
