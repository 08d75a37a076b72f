// The real player run headless on publications packed by orvalis-pack: the
// start-up order, the window as grabbed, and the failures that end a run.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdio>
#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {


class PlayerRun : public ::testing::Test {
 protected:
  // A publication program made by the tool from `document`.
  std::string Pack(const std::string& document) {
    WriteFile(dir_ / "RUNTIME.PUB", document);
    const std::string path = dir_ / "book.exe";
    const CommandResult r =
        RunCommand(BinPath("orvalis-pack") + " create " + Q(path) + " " + Q(dir_ / "RUNTIME.PUB"));
    EXPECT_EQ(r.status, 0) << r.output;
    return path;
  }

  // Runs the player headless; standard error stays apart from the output.
  CommandResult Play(const std::string& arguments) {
    return RunCommand("QT_QPA_PLATFORM=offscreen timeout 120 " + BinPath("orvalis") + " " + arguments + " 2>" +
                      Q(dir_ / "stderr.txt"), false);
  }
  std::string Errors() { return ReadFile(dir_ / "stderr.txt"); }

  ScratchFolder dir_;
};

// Every action adds its letter to one trail, so the saved variable shows
// what ran, how often and in which order.
const std::string kTrailDocument =
    "Title=Trail\r\n"
    "ScreenWidth=320\r\n"
    "ScreenHeight=200\r\n"
    "StartupAction=SetVar \"[Trail]\" \"[Trail]S\"\r\n"
    "ShutdownAction=SetVar \"[Trail]\" \"[Trail]Q\"\r\n"
    "NewPage=One\r\n"
    "PageColor=$FF\r\n"
    "PgEnterAction=SetVar \"[Trail]\" \"[Trail]E\"\r\n"
    "NewPage=Two\r\n"
    "PageColor=$FF00\r\n"
    "PgEnterAction=SetVar \"[Trail]\" \"[Trail]2\"\r\n";

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos ||
         ("\n" + text).find("\n" + line + "\r\n") != std::string::npos;
}

TEST_F(PlayerRun, StartupOnceBeforeTheFirstEnterActionAndShutdownBeforeVariablesAreSaved) {
  const std::string package = Pack(kTrailDocument);
  struct Case {
    std::string arguments;
  } cases[] = {
      {Q(package) + " --quit-after 200 --save-vars " + Q(dir_ / "vars.txt")},
      {"--quit-after 200 --save-vars " + Q(dir_ / "vars.txt") + " /R " + Q(package)},
  };
  for (const Case& c : cases) {
    std::remove((dir_ / "vars.txt").c_str());
    const CommandResult r = Play(c.arguments);
    ASSERT_EQ(r.status, 0) << c.arguments << Errors();
    const std::string vars = ReadFile(dir_ / "vars.txt");
    // Start-up, the first page entered, shutdown; page two never shown.
    EXPECT_TRUE(HasLine(vars, "Trail=SEQ")) << c.arguments << '\n' << vars;
  }
}

TEST_F(PlayerRun, ScreenshotShowsTheFirstPageBackgroundAtThePublicationSize) {
  // A green picture stretched over the page, packed as a picture entry.
  QImage green(4, 4, QImage::Format_RGB32);
  green.fill(QColor(0, 255, 0));
  ASSERT_TRUE(green.save(QString::fromStdString(dir_ / "green.png"), "PNG"));
  struct Case {
    const char* firstPage;
    QColor expected;
  } cases[] = {
      // $FF is red in the document's blue-green-red order.
      {"PageColor=$FF\r\n", QColor(255, 0, 0)},
      {"PageStyle=2\r\nPageWallpaper=green.png\r\nWallpaperStyle=2\r\n", QColor(0, 255, 0)},
  };
  for (const Case& c : cases) {
    WriteFile(dir_ / "RUNTIME.PUB", std::string("ScreenWidth=320\r\nScreenHeight=200\r\nNewPage=One\r\n") +
                                        c.firstPage + "NewPage=Two\r\nPageColor=$FF0000\r\n");
    const std::string package = dir_ / "pictured.exe";
    ASSERT_EQ(RunCommand(BinPath("orvalis-pack") + " create " + Q(package) + " " + Q(dir_ / "green.png") +
                         " --picture 4 4 " + Q(dir_ / "RUNTIME.PUB")).status, 0);
    const std::string shot = dir_ / "shot.png";
    std::remove(shot.c_str());
    const CommandResult r = Play("--quit-after 200 --screenshot " + Q(shot) + " " + Q(package));
    ASSERT_EQ(r.status, 0) << Errors();
    QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull()) << c.firstPage;
    EXPECT_EQ(image.size(), QSize(320, 200));
    for (const QPoint p : {QPoint(5, 5), QPoint(160, 100), QPoint(314, 194)})
      EXPECT_EQ(image.pixelColor(p), c.expected) << c.firstPage << p.x() << ',' << p.y();
  }
}

TEST_F(PlayerRun, TimedRunEndsEvenWhenTheShutdownActionRefusesTheClose) {
  const std::string package = Pack(
      "ScreenWidth=100\r\nScreenHeight=100\r\n"
      "ShutdownAction=SetVar \"[ShutdownStatus]\" \"false\"\xB6SetVar \"[Asked]\" \"[ShutdownSource]\"\r\n"
      "NewPage=A\r\n");
  const CommandResult r = Play("--quit-after 100 --save-vars " + Q(dir_ / "vars.txt") + " " + Q(package));
  EXPECT_EQ(r.status, 0) << Errors();
  EXPECT_NE(Errors().find("refused to close"), std::string::npos) << Errors();
  const std::string vars = ReadFile(dir_ / "vars.txt");
  EXPECT_TRUE(HasLine(vars, "Asked=Windows")) << vars;
  EXPECT_EQ(vars.find("Shutdown"), std::string::npos) << vars;
}

// Every dialog the close can open is answered, however the actions fail;
// `timeout` only bounds a hang, far above the run's own time.
TEST_F(PlayerRun, TimedRunAnswersEveryDialogTheCloseOpens) {
  const std::string unknown = "Bogus  Non capisco questo comando!";
  struct Case {
    const char* name;
    std::string document;
    int unknownCommands;  // error boxes shown and answered
    bool refused;         // the close is refused and the loop still ends
  } cases[] = {
      {"page enter and exit", "NewPage=One\r\nPgEnterAction=Bogus\r\nPgExitAction=Bogus\r\n", 2, false},
      {"start-up and shutdown", "StartupAction=Bogus\r\nShutdownAction=Bogus\r\nNewPage=One\r\n", 2, false},
      {"exit password", "ExitPassword=abc\r\nStartupAction=Bogus\r\nNewPage=One\r\n", 1, true},
      {"all of them",
       "ExitPassword=abc\r\nStartupAction=Bogus\r\nShutdownAction=Bogus\r\n"
       "NewPage=One\r\nPgEnterAction=Bogus\r\nPgExitAction=Bogus\r\n", 2, true},
  };
  for (const Case& c : cases) {
    const std::string package = Pack("ScreenWidth=100\r\nScreenHeight=80\r\n" + c.document);
    const CommandResult r = Play("--quit-after 300 " + Q(package));
    EXPECT_EQ(r.status, 0) << c.name << '\n' << Errors();
    int shown = 0;
    for (std::size_t at = Errors().find(unknown); at != std::string::npos; at = Errors().find(unknown, at + 1)) ++shown;
    EXPECT_EQ(shown, c.unknownCommands) << c.name << '\n' << Errors();
    EXPECT_EQ(Errors().find("refused to close") != std::string::npos, c.refused) << c.name << '\n' << Errors();
  }
}

// A wait that serves no events still ends with the timed run; so does a
// serving wait when the publication refuses to close.
TEST_F(PlayerRun, TimedRunEndsLongDelays) {
  for (const std::string& trail : {std::string("NewPage=One\r\nPgEnterAction=Delay \"-6000000\"\xB6SetVar \"[After]\" \"yes\"\r\n"),
                                   std::string("ExitPassword=abc\r\nNewPage=One\r\n"
                                               "PgEnterAction=Delay \"6000000\"\xB6SetVar \"[After]\" \"yes\"\r\n")}) {
    const std::string package = Pack("ScreenWidth=100\r\nScreenHeight=80\r\n" + trail);
    std::remove((dir_ / "vars.txt").c_str());
    const CommandResult r = Play("--quit-after 300 --save-vars " + Q(dir_ / "vars.txt") + " " + Q(package));
    EXPECT_EQ(r.status, 0) << trail << Errors();
    EXPECT_TRUE(HasLine(ReadFile(dir_ / "vars.txt"), "After=yes")) << trail << ReadFile(dir_ / "vars.txt");
  }
}

TEST_F(PlayerRun, PublicationThatCannotBeOpenedEndsWithMessage236) {
  WriteFile(dir_ / "garbage.exe", "this is no package at all");
  WriteFile(dir_ / "nodoc.pub", "x");
  const std::string noDocument = dir_ / "nodoc.exe";
  ASSERT_EQ(RunCommand(BinPath("orvalis-pack") + " create " + Q(noDocument) + " " + Q(dir_ / "nodoc.pub")).status, 0);
  for (const std::string& file : {dir_ / "garbage.exe", noDocument}) {
    const CommandResult r = Play("--quit-after 100 " + Q(file));
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_NE(Errors().find("Impossibile accedere a questa risorsa."), std::string::npos) << file << Errors();
  }
}

TEST_F(PlayerRun, NoPublicationEndsWithMessage256) {
  // Nothing named, or a publication file that is not there.
  for (const std::string& arguments : {std::string(), Q(dir_ / "missing.exe"), "/R " + Q(dir_ / "missing.exe")}) {
    const CommandResult r = Play("--quit-after 100 " + arguments);
    EXPECT_EQ(r.status, 1) << arguments;
    EXPECT_NE(Errors().find("Applicazione non valida!"), std::string::npos) << arguments << Errors();
  }
}

}  // namespace
}  // namespace orv::test
