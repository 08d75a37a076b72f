// FileRead, FileWrite, FileInsLine, FileDelLine, FileLen and FileToVar run as
// scripts on files in a scratch publication folder.
#include <fcntl.h>
#include <sys/stat.h>

#include "commands/files/CommandScriptFixture.h"
#include "commands/files/DataFile.h"
#include "commands/files/SequentialReadCache.h"

namespace orv::test {
namespace {

struct ChangeCase {
  const char* name;
  const char* before;  // nullptr: the file does not exist
  const char* line;    // the script line
  const char* after;
};

class DataFileChangeTest : public CommandScriptTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(DataFileChangeTest, LeavesTheExpectedContent) {
  const ChangeCase& c = GetParam();
  if (c.before) Put("d.txt", c.before);
  EXPECT_EQ(Run(c.line), 0);
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(File("d.txt"), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileChangeTest,
    ::testing::Values(
        ChangeCase{"AppendToEmpty", "", R"(FileWrite "d.txt" "APPEND" "c")", "c"},
        ChangeCase{"AppendToOneByte", "a", R"(FileWrite "d.txt" "append" "c")", "a\r\nc"},
        ChangeCase{"AppendAfterBreak", "a\r\n", R"(FileWrite "d.txt" "APPEND" "c")", "a\r\nc"},
        ChangeCase{"AppendAfterLoneLf", "ab\n", R"(FileWrite "d.txt" "APPEND" "c")", "ab\n\r\nc"},
        ChangeCase{"AppendCreates", nullptr, R"(FileWrite "d.txt" "0" "c")", "c"},
        ChangeCase{"WritePastEndPads", "a\r\nb", R"(FileWrite "d.txt" "5" "T")", "a\r\nb\r\n\r\n\r\nT"},
        ChangeCase{"WriteReplacesLine", "a\r\nb\r\nc\r\n", R"(FileWrite "d.txt" "2" "B")", "a\r\nB\r\nc"},
        ChangeCase{"AnyBreakSplitsLines", "a\nb\rc", R"(FileWrite "d.txt" "2" "X")", "a\r\nX\r\nc"},
        ChangeCase{"WholeFileBarsBreak", "old", R"(FileWrite "d.txt" "ALL" "a|b")", "a\r\nb"},
        ChangeCase{"WholeFileLiteral", "old", R"(FileWrite "d.txt" "ALL" "!a|b")", "a|b"},
        ChangeCase{"InsertOneIntoEmpty", "", R"(FileInsLine "d.txt" "1")", "\r\n"},
        ChangeCase{"InsertMovesDown", "a\r\nb", R"(FileInsLine "d.txt" "2")", "a\r\n\r\nb"},
        ChangeCase{"DeleteLine", "a\r\nb\r\n", R"(FileDelLine "d.txt" "1")", "b"},
        ChangeCase{"DeletePastEnd", "a\r\nb\r\n", R"(FileDelLine "d.txt" "3")", "a\r\nb\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandScriptTest, LineBreaksAreStoredAsBarsAndRestoredOnRead) {
  vars.SetVar("T", "x\r\ny");
  Run({R"(FileWrite "d.txt" "1" "[T]")", R"(FileWrite "d.txt" "2" "z")", R"(FileRead "d.txt" "1" "[R]")"});
  EXPECT_EQ(File("d.txt"), "x|y\r\nz");
  EXPECT_EQ(Var("R"), "x\r\ny");
}

TEST_F(CommandScriptTest, ALinkKeepsPointingAtTheRewrittenFile) {
  Put("real.txt", "a\r\nb");
  ASSERT_EQ(::symlink((dir / "real.txt").c_str(), (dir / "d.txt").c_str()), 0);
  Run(R"(FileWrite "d.txt" "2" "B")");
  EXPECT_EQ(File("real.txt"), "a\r\nB");
  struct stat st {};
  ASSERT_EQ(::lstat((dir / "d.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(CommandScriptTest, ALineFarPastTheEndIsRefusedNotPadded) {
  Put("d.txt", "a");
  Run(R"(FileWrite "d.txt" "99999999999" "x")");
  EXPECT_EQ(LastError(), "Memoria insufficiente!");
  EXPECT_EQ(File("d.txt"), "a");
}

TEST_F(CommandScriptTest, DeletePastEndDoesNotRewriteTheFile) {
  Put("d.txt", "a\r\nb");
  struct stat before {}, after {};
  ::stat((dir / "d.txt").c_str(), &before);
  Run(R"(FileDelLine "d.txt" "7")");
  ::stat((dir / "d.txt").c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(CommandScriptTest, FileReadLinesWholeFileAndFailures) {
  Put("d.txt", std::string("one\r\ntwo\nthree\r\0x", 17));
  vars.SetVar("Gone", "old");
  Run({R"(FileRead "d.txt" "2" "[A]")", R"(FileRead "d.txt" "ALL" "[All]")", R"(FileRead "d.txt" "9" "[Past]")"});
  EXPECT_EQ(Var("A"), "two");
  EXPECT_EQ(Var("All"), std::string("one\r\ntwo\nthree\r\0x", 17));
  EXPECT_EQ(Var("Past"), "");
  EXPECT_EQ(LastError(), "");
  Run(R"(FileRead "missing.txt" "1" "[Gone]")");
  EXPECT_EQ(Var("Gone"), "");
  EXPECT_EQ(LastError(), "File non trovato!");
}

class ReadCacheTest : public CommandScriptTest {
 protected:
  ReadCacheTest() { ClearReadCache(); }
  ~ReadCacheTest() override { ClearReadCache(); }
};

TEST_F(ReadCacheTest, NextLineContinuesWhereTheLastReadStopped) {
  Put("d.txt", "l1\r\nl2\r\nl3\r\nl4\r\nl5");
  Run(R"(FileRead "d.txt" "3" "[A]")");
  EXPECT_EQ(ReadCacheState().NextLine, 4);
  EXPECT_EQ(ReadCacheState().Offset, 12);
  Run(R"(FileRead "d.txt" "4" "[B]")");
  EXPECT_EQ(Var("A"), "l3");
  EXPECT_EQ(Var("B"), "l4");
  EXPECT_EQ(ReadCacheState().NextLine, 5);
  // The last line ends the file: nothing left to continue.
  Run(R"(FileRead "d.txt" "5" "[C]")");
  EXPECT_EQ(Var("C"), "l5");
  EXPECT_EQ(ReadCacheState().NextLine, 0);
}

TEST_F(ReadCacheTest, EveryChangeOfTheFileDropsTheCache) {
  for (const char* change : {R"(FileWrite "d.txt" "1" "X")", R"(FileWrite "d.txt" "APPEND" "X")",
                             R"(FileInsLine "d.txt" "1")", R"(FileDelLine "d.txt" "1")",
                             R"(FileCopy "src.txt" "d.txt")", R"(FileErase "d.txt")"}) {
    Put("d.txt", "a\r\nb\r\nc\r\nd");
    Put("src.txt", "s1\r\ns2\r\ns3");
    Run(R"(FileRead "d.txt" "2" "[A]")");
    ASSERT_EQ(ReadCacheState().NextLine, 3);
    Run(change);
    EXPECT_EQ(ReadCacheState().NextLine, 0) << change;
  }
}

TEST_F(ReadCacheTest, AnEditKeepingTheModificationTimeIsNoticed) {
  // Another program rewrites the file within the same clock tick, so the
  // modification time stays. A new size tells; at the same size the cache,
  // which keeps the file open with what it read ahead, still sees the
  // change time move.
  for (const std::string line : {"XYZ", "XY"}) {
    const std::string path = dir / "d.txt";
    Put("d.txt", "aa\r\nbb\r\ncc");
    struct stat st {};
    ::stat(path.c_str(), &st);
    Run(R"(FileRead "d.txt" "1" "[A]")");
    ASSERT_EQ(ReadCacheState().NextLine, 2) << line;
    WriteBytes(path, "aa\r\n" + line + "\r\ncc");
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    Run(R"(FileRead "d.txt" "2" "[B]")");
    EXPECT_EQ(Var("B"), line);
  }
}

TEST_F(ReadCacheTest, AFileRenamedOverTheReadOneIsReadAfresh) {
  Put("d.txt", "a1\r\na2\r\na3");
  Put("new.txt", "b1\r\nb2\r\nb3");
  Run(R"(FileRead "d.txt" "1" "[A]")");
  ASSERT_EQ(ReadCacheState().NextLine, 2);
  ASSERT_EQ(::rename((dir / "new.txt").c_str(), (dir / "d.txt").c_str()), 0);
  Run(R"(FileRead "d.txt" "2" "[B]")");
  EXPECT_EQ(Var("B"), "b2");
  Run(R"(FileRead "d.txt" "3" "[C]")");
  EXPECT_EQ(Var("C"), "b3");
}

TEST_F(ReadCacheTest, TheNameIsMappedAgainWhenItsFileMovesToAnotherCase) {
  // Reading on skips mapping the name only while the path it gave exists.
  Put("d.txt", "a1\r\na2\r\na3\r\na4");
  Run(R"(FileRead "d.txt" "1" "[A]")");
  ASSERT_EQ(ReadCacheState().NextLine, 2);
  ASSERT_EQ(::rename((dir / "d.txt").c_str(), (dir / "D.TXT").c_str()), 0);
  Run(R"(FileRead "d.txt" "2" "[B]")");
  EXPECT_EQ(Var("B"), "a2");
  EXPECT_EQ(LastError(), "");
  // Found through another case: every read maps the name again.
  Run(R"(FileRead "d.txt" "3" "[C]")");
  EXPECT_EQ(Var("C"), "a3");
  Put("d.txt", "n1\r\nn2\r\nn3\r\nn4");
  Run(R"(FileRead "d.txt" "4" "[D]")");
  EXPECT_EQ(Var("D"), "n4");
}

TEST_F(CommandScriptTest, FileLenCountsLines) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "0"}, {"a", "1"}, {"a\r\n", "1"}, {"a\r\n\r\n", "2"}, {"a\rb\nc", "3"}};
  for (const auto& [content, count] : cases) {
    Put("d.txt", content);
    Run(R"(FileLen "d.txt" "[N]")");
    EXPECT_EQ(Var("N"), count) << content;
  }
  Run(R"(FileLen "missing.txt" "[N]")");
  EXPECT_EQ(Var("N"), "0");
}

TEST_F(CommandScriptTest, FileToVarTakesBytesUnchangedAndKeepsTheVariableOnFailure) {
  const std::string bytes("a\r\n\0|b", 6);
  Put("d.txt", bytes);
  vars.SetVar("PubFile", dir / "d.txt");
  Run(R"(FileToVar "[PubFile]" "[V]")");
  EXPECT_EQ(Var("V"), bytes);
  EXPECT_EQ(LastError(), "");
  vars.SetVar("Missing", dir / "none.txt");
  Run(R"(FileToVar "[Missing]" "[V]")");
  EXPECT_EQ(Var("V"), bytes);
  EXPECT_EQ(LastError(), "File non trovato!");
}

TEST_F(CommandScriptTest, MissingPortIsReportedAndNoPlainFileAppears) {
  if (PathExists("/dev/lp3")) GTEST_SKIP() << "this machine has the port";
  Run(R"(FileWrite "LPT4" "1" "hello")");
  EXPECT_EQ(LastError(), "Funzione non disponibile su questa piattaforma.");
  EXPECT_FALSE(PathExists(dir / "LPT4"));
}

TEST_F(CommandScriptTest, AFailedRewriteLeavesTheOldFile) {
  // FileCopy reports every failure to write as access denied.
  const std::pair<const char*, const char*> cases[] = {
      {R"(FileWrite "d.txt" "ALL" "a long new content")", "Disco pieno!"},
      {R"(FileWrite "d.txt" "2" "a long line")", "Disco pieno!"},
      {R"(FileInsLine "d.txt" "9")", "Disco pieno!"},
      {R"(FileCopy "big.txt" "d.txt")", "Accesso negato!"}};
  for (const auto& [line, error] : cases) {
    Put("d.txt", "old\r\nfile");
    Put("big.txt", "a source longer than the limit");
    {
      FileSizeLimit limit;
      Run(line);
    }
    EXPECT_EQ(LastError(), error) << line;
    EXPECT_EQ(File("d.txt"), "old\r\nfile") << line;
  }
}

}  // namespace
}  // namespace orv::test
