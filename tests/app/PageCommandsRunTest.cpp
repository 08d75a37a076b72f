// The player run headless on a packed publication whose scripts change
// pages: a slide show advancing on its own timer, a return asked for on the
// last line of an enter action, and Exit inside the shutdown action.
#include <gtest/gtest.h>

#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

// Every page entered adds its letter to one trail. Page A starts a show of
// B, C and D; its finish subroutine visits Bounce, whose enter action sends
// the visitor back (made once that action ended), waits for that, returns
// once more and ends the publication. The shutdown action asks to exit
// again, which is part of the same close.
const std::string kDocument =
    "ScreenWidth=200\r\nScreenHeight=120\r\n"
    "SubroutineAction=:Done\xB6SetVar \"[Trail]\" \"[Trail]F\"\xB6GotoPage \"Bounce\"\xB6" "Delay \"300\"\xB6"
    "ReturnToPage\xB6SetVar \"[Trail]\" \"[Trail]X\"\xB6"
    "Exit \"\" \"\"\r\n"
    "ShutdownAction=SetVar \"[Trail]\" \"[Trail]Q\"\xB6SetVar \"[Source]\" \"[ShutdownSource]\"\xB6" "Exit \"\" \"\"\r\n"
    "NewPage=A\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]A\"\xB6StartSlideShow \"B|C|D\" \"100\" \"\" \"Done\"\r\n"
    "NewPage=B\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]B\"\r\n"
    "NewPage=C\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]C\"\r\n"
    "NewPage=D\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]D\"\r\n"
    "NewPage=Bounce\r\nPgEnterAction=SetVar \"[Trail]\" \"[Trail]R\"\xB6ReturnToPage\r\n";

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos ||
         ("\n" + text).find("\n" + line + "\r\n") != std::string::npos;
}

TEST(PageCommandsRun, SlideShowReturnsAndExitInTheShutdownActionEndTheRunCleanly) {
  ScratchFolder dir;
  WriteFile(dir / "RUNTIME.PUB", kDocument);
  const std::string package = dir / "pages.exe";
  const CommandResult packed =
      RunCommand(BinPath("orvalis-pack") + " create " + Q(package) + " " + Q(dir / "RUNTIME.PUB"));
  ASSERT_EQ(packed.status, 0) << packed.output;
  // The safety net only: the publication ends itself well before.
  const CommandResult r = RunCommand("QT_QPA_PLATFORM=offscreen " + BinPath("orvalis") +
                                     " --quit-after 20000 --save-vars " + Q(dir / "vars.txt") + " " + Q(package) +
                                     " 2>" + Q(dir / "stderr.txt"), false);
  const std::string errors = ReadFile(dir / "stderr.txt");
  ASSERT_EQ(r.status, 0) << errors;
  const std::string vars = ReadFile(dir / "vars.txt");
  // The show in its order, then Bounce; the return made after Bounce's
  // enter action lands on D without recording Bounce, so the next return
  // goes on to C; the shutdown action runs once.
  EXPECT_TRUE(HasLine(vars, "Trail=ABCDFRDCXQ")) << vars << errors;
  EXPECT_TRUE(HasLine(vars, "Source=Orvalis")) << vars;
  EXPECT_EQ(errors.find("refused"), std::string::npos) << errors;
}

}  // namespace
}  // namespace orv::test
