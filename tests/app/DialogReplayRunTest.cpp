// The real player run headless: replayed keys answer the dialogs a script
// opens, the answers land in the saved variables, and a dialog still open
// when the time is up is answered as Escape would answer it.
#include <gtest/gtest.h>

#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

TEST(DialogReplayRun, ReplayedKeysAnswerDialogsAndTheLastOneIsEscapedAtTheEnd) {
  ScratchFolder dir;
  // Page Two asks three times; the third question is never answered by the
  // replay.
  WriteFile(dir / "RUNTIME.PUB",
            "ScreenWidth=320\r\nScreenHeight=200\r\nAllowPageUpDn=Yes\r\n"
            "L_OK=Va bene\r\n"
            "ShutdownAction=SetVar \"[Trail]\" \"[Trail]Q\"\r\n"
            "NewPage=One\r\n"
            "NewPage=Two\r\n"
            "PgEnterAction=SetVar \"[Late]\" \"unanswered\"\xB6"
            "MessageBox \"Pick\" \"Which one?\" \"A|B|C\" \"[Choice]\"\xB6"
            "SetVar \"[Name]\" \"old\"\xB6"
            "InputBox \"Name\" \"Your name?\" \"[Name]\"\xB6"
            "AlertBox \"Thanks\" \"[Name] chose [Choice]\"\xB6"
            "SetVar \"[Trail]\" \"[Trail]A\"\xB6"
            "MessageBox \"Late\" \"Nobody answers this\" \"Yes|No\" \"[Late]\"\xB6"
            "SetVar \"[Trail]\" \"[Trail]L\"\r\n");
  const std::string book = dir / "book.exe";
  const CommandResult packed =
      RunCommand(BinPath("orvalis-pack") + " create " + Q(book) + " " + Q(dir / "RUNTIME.PUB"));
  ASSERT_EQ(packed.status, 0) << packed.output;
  // The keys of a dialog go to it while it is open: Tab moves to the second
  // button, the typed text replaces the selected old value.
  WriteFile(dir / "input.txt",
            "100 key End\n"
            "300 key Tab\n"
            "350 key Return\n"
            "500 type Ann\n"
            "550 key Return\n"
            "700 key Return\n");
  const CommandResult r = RunCommand("QT_QPA_PLATFORM=offscreen " + BinPath("orvalis") +
                                         " --quit-after 2500 --play " + Q(dir / "input.txt") + " --save-vars " +
                                         Q(dir / "vars.txt") + " " + Q(book) + " 2>" + Q(dir / "stderr.txt"),
                                     false);
  ASSERT_EQ(r.status, 0) << ReadFile(dir / "stderr.txt");
  const std::string vars = ReadFile(dir / "vars.txt");
  for (const char* line : {"Choice=2", "Name=Ann", "Late=0", "Trail=ALQ"})
    EXPECT_NE(vars.find(std::string(line) + "\r\n"), std::string::npos) << line << "\n" << vars;
}

}  // namespace
}  // namespace orv::test
