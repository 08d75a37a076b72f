// The real player started the ways a publication can be started: the start
// page switches, a screen-saver program's switches, a second start of a
// single-instance publication, passwords answered by a timed run, a player
// image in front of the package, and the script trace.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <chrono>
#include <filesystem>
#include <functional>
#include <cstdio>
#include <string>
#include <thread>

#include "app/SingleInstance.h"
#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

class StartupRun : public ::testing::Test {
 protected:
  // A package made from `document`; `packOptions` go to orvalis-pack.
  std::string Pack(const std::string& name, const std::string& document, const std::string& packOptions = {}) {
    WriteFile(dir_ / "RUNTIME.PUB", document);
    const std::string path = dir_ / name;
    const CommandResult r = RunCommand(BinPath("orvalis-pack") + " create " + Q(path) + " " + packOptions + " " +
                                       Q(dir_ / "RUNTIME.PUB"));
    EXPECT_EQ(r.status, 0) << r.output;
    // A publication program is started as a program.
    std::error_code ec;
    std::filesystem::permissions(path, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add, ec);
    return path;
  }
  // Runs `program` (the player or a publication program) headless.
  CommandResult Run(const std::string& program, const std::string& arguments, const std::string& errors = "stderr.txt") {
    return RunCommand("QT_QPA_PLATFORM=offscreen " + Q(program) + " " + arguments + " 2>" + Q(dir_ / errors), false);
  }
  CommandResult Play(const std::string& arguments) { return Run(BinPath("orvalis"), arguments); }
  std::string Vars() { return ReadFile(dir_ / "vars.txt"); }
  std::string SaveVars() { return "--save-vars " + Q(dir_ / "vars.txt"); }

  ScratchFolder dir_;
};

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\r\n") != std::string::npos ||
         ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

// Each page's enter action names the page it entered.
const std::string kPagesDocument =
    "ScreenWidth=100\r\nScreenHeight=80\r\n"
    "NewPage=One\r\nPgEnterAction=SetVar \"[Page]\" \"[Page]One\"\r\n"
    "NewPage=Two\r\nPgEnterAction=SetVar \"[Page]\" \"[Page]Two\"\r\n"
    "NewPage=config\r\nPgEnterAction=SetVar \"[Page]\" \"[Page]Config\"\r\n";

TEST_F(StartupRun, StartPageFromTheCommandLine) {
  const std::string book = Pack("book.exe", kPagesDocument);
  struct Case {
    std::string parameters;
    const char* page;
  } cases[] = {
      {"", "One"},          {"/KTWO", "Two"},    {"-ktwo", "Two"},   {"/K", "One"},
      {"/KMissing", "One"}, {"/B /KConfig", "Config"},
  };
  for (const Case& c : cases) {
    std::remove((dir_ / "vars.txt").c_str());
    const CommandResult r = Play("--quit-after 150 " + SaveVars() + " " + Q(book) + " " + c.parameters);
    ASSERT_EQ(r.status, 0) << c.parameters << ReadFile(dir_ / "stderr.txt");
    EXPECT_TRUE(HasLine(Vars(), std::string("Page=") + c.page)) << c.parameters << '\n' << Vars();
  }
}

TEST_F(StartupRun, ScreenSaverProgramSwitches) {
  // The player itself in front of the package, named as a screen saver.
  const std::string saver = Pack("saver.scr", kPagesDocument, "--player " + Q(BinPath("orvalis")));
  const std::string plain = Pack("plain.scr", "ScreenWidth=100\r\nScreenHeight=80\r\n"
                                              "NewPage=A\r\nPgEnterAction=SetVar \"[Page]\" \"A\"\r\n"
                                              "NewPage=B\r\n",
                                 "--player " + Q(BinPath("orvalis")));
  struct Case {
    std::string program;
    std::string parameters;
    const char* page;  // nullptr: no window, so no variables saved
  } cases[] = {
      {saver, "/c", "Config"}, {saver, "-C:1234", "Config"}, {saver, "", "Config"}, {saver, "/s", "One"},
      {plain, "/c", "A"},      {saver, "/p 4711", nullptr},  {saver, "/a 99", nullptr},
  };
  for (const Case& c : cases) {
    std::remove((dir_ / "vars.txt").c_str());
    const CommandResult r = Run(c.program, c.parameters + " --quit-after 150 " + SaveVars());
    ASSERT_EQ(r.status, 0) << c.parameters << ReadFile(dir_ / "stderr.txt");
    if (c.page)
      EXPECT_TRUE(HasLine(Vars(), std::string("Page=") + c.page)) << c.parameters << '\n' << Vars();
    else
      EXPECT_FALSE(FileThere(dir_ / "vars.txt")) << c.parameters;
  }
}

TEST_F(StartupRun, PublicationAfterAForeignProgramImageOpens) {
  // A program made for another system: whatever stands in front of the
  // package is never read.
  std::string image = "MZ\x90";
  image += std::string(3000, '\0');
  image += "PE\0\0 this is not a player#n%B&e";
  WriteFile(dir_ / "image.bin", image);
  const std::string book = Pack("windows.exe", kPagesDocument, "--player " + Q(dir_ / "image.bin"));
  const CommandResult r = Play("--quit-after 150 " + SaveVars() + " " + Q(book));
  ASSERT_EQ(r.status, 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_TRUE(HasLine(Vars(), "Page=One")) << Vars();
}

const std::string kPasswordTrail =
    "ScreenWidth=100\r\nScreenHeight=80\r\n"
    "StartupAction=SetVar \"[Trail]\" \"[Trail]S\"\r\n"
    "ShutdownAction=SetVar \"[Trail]\" \"[Trail]Q\"\r\n"
    "NewPage=One\r\n";

TEST_F(StartupRun, UnansweredPasswordsAreCancelledByTheTimedRun) {
  // Start password cancelled: a quiet end before anything ran.
  const std::string locked = Pack("locked.exe", "StartPassword=secret\r\n" + kPasswordTrail);
  CommandResult r = Play("--quit-after 150 " + SaveVars() + " " + Q(locked));
  EXPECT_EQ(r.status, 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_FALSE(FileThere(dir_ / "vars.txt"));

  // Exit password cancelled: the close is refused before the shutdown action.
  const std::string guarded = Pack("guarded.exe", "ExitPassword=secret\r\n" + kPasswordTrail);
  r = Play("--quit-after 150 " + SaveVars() + " " + Q(guarded));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(ReadFile(dir_ / "stderr.txt").find("refused to close"), std::string::npos);
  EXPECT_TRUE(HasLine(Vars(), "Trail=S")) << Vars();
}

TEST_F(StartupRun, TraceListsEveryLineWithItsSourceAndNumber) {
  const std::string book = Pack("traced.exe",
                                "ScreenWidth=100\r\nScreenHeight=80\r\n"
                                "StartupAction=SetVar \"[A]\" \"1\"\xB6SetVar \"[B]\" \"2\"\r\n"
                                "NewPage=One\r\nPgEnterAction=SetVar \"[C]\" \"3\"\r\n");
  const CommandResult r = Play("--quit-after 150 --trace " + Q(dir_ / "trace.txt") + " " + Q(book));
  ASSERT_EQ(r.status, 0) << ReadFile(dir_ / "stderr.txt");
  const std::string trace = ReadFile(dir_ / "trace.txt");
  const std::size_t a = trace.find("52 :1: SetVar \"[A]\" \"1\"\n");
  const std::size_t b = trace.find("52 :2: SetVar \"[B]\" \"2\"\n");
  const std::size_t c = trace.find("50 One:1: SetVar \"[C]\" \"3\"\n");
  ASSERT_NE(a, std::string::npos) << trace;
  ASSERT_NE(b, std::string::npos) << trace;
  ASSERT_NE(c, std::string::npos) << trace;
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
}

// The socket a single-instance publication of that name listens on.
std::string SocketPath(const std::string& publication) {
  return QDir::tempPath().toStdString() + "/" + TSingleInstance::ServerName(publication).toStdString();
}

bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 1000 && !condition(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condition();
}

const std::string kSingleDocument =
    "ScreenWidth=100\r\nScreenHeight=80\r\n"
    "StartupAction=SetVar \"[Trail]\" \"[Trail]S\"\r\n"
    "SubroutineAction=:commandline_onchange\xB6SetVar \"[Got]\" \"[CommandLine]\"\xB6Return\r\n"
    "NewPage=One\r\n";

TEST_F(StartupRun, SecondStartHandsItsCommandLineToTheFirst) {
  const std::string book = Pack("single.exe", kSingleDocument, "--single-instance --player " + Q(BinPath("orvalis")));
  const std::string socket = SocketPath(book);
  std::remove(socket.c_str());
  CommandResult first;
  std::thread firstRun([&] { first = Run(book, "--quit-after 4000 " + SaveVars(), "first.txt"); });
  const bool listening = WaitFor([&] { return FileThere(socket); });
  CommandResult second;
  if (listening) second = Run(book, "A B --quit-after 4000 --save-vars " + Q(dir_ / "second.txt"), "second-err.txt");
  firstRun.join();
  ASSERT_TRUE(listening);
  EXPECT_EQ(second.status, 0) << ReadFile(dir_ / "second-err.txt");
  EXPECT_FALSE(FileThere(dir_ / "second.txt"));  // it never opened a window
  EXPECT_EQ(first.status, 0) << ReadFile(dir_ / "first.txt");
  const std::string vars = Vars();
  EXPECT_TRUE(HasLine(vars, "Trail=S")) << vars;
  EXPECT_NE(vars.find("[#13]A[#13]B\r\n"), std::string::npos) << vars;
  EXPECT_FALSE(FileThere(socket));
}

TEST_F(StartupRun, StaleSocketOfACrashedRunIsRemoved) {
  const std::string book = Pack("stale.exe", kSingleDocument, "--single-instance");
  const std::string socket = SocketPath(book);
  std::remove(socket.c_str());
  // A socket bound and abandoned, as a run that crashed leaves it.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket.size(), sizeof address.sun_path);
  socket.copy(address.sun_path, socket.size());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(FileThere(socket));
  const CommandResult r = Play("--quit-after 150 " + SaveVars() + " " + Q(book));
  ASSERT_EQ(r.status, 0) << ReadFile(dir_ / "stderr.txt");
  EXPECT_TRUE(HasLine(Vars(), "Trail=S")) << Vars();
}

}  // namespace
}  // namespace orv::test
