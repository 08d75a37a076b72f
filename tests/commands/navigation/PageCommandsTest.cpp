// The go-to commands and ReturnToPage in a publication window: targets,
// the error for a page that is not there, and changes asked for as the last
// real line of a page's enter action, which happen once that action ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageWindowFixture.h"
#include "base/Messages.h"

namespace orv {
namespace {

class PageCommandsTest : public test::PageWindowFixture {};

// Master page, then A, B and C; each enter action records the page.
const char kThreePages[] =
    "ScreenWidth=200\r\nScreenHeight=100\r\n"
    "NewPage=A\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]A\"\r\n"
    "NewPage=B\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]B\"\r\n"
    "NewPage=C\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]C\"\r\n";

std::string NoPage(const std::string& command, const std::string& parameter) {
  return command + "\r\r\"" + parameter + "\"\r" + std::string(Message(msg::kNoPage));
}

TEST_F(PageCommandsTest, GoToCommandsShowTheirTargetOrReportAMissingPage) {
  struct Case {
    int from;
    const char* line;
    int page;             // the page shown afterwards
    const char* missing;  // the parameter the error quotes; null: no error
  } cases[] = {
      {1, "GotoPage \"C\"", 3, nullptr},
      {1, "GotoPage \"b\"", 2, nullptr},
      {2, "GotoPage \"Z\"", 2, "Z"},
      {2, "GotoPageNum \"3\"", 3, nullptr},
      {3, "GotoPageNum \"1.9\"", 1, nullptr},
      {2, "GotoPageNum \"0\"", 2, "0"},
      {2, "GotoPageNum \"4\"", 2, "4"},
      {2, "GotoPageNum \"4294967297\"", 2, "4294967297"},
      {2, "GotoPageNum \"-4294967295\"", 2, "-4294967295"},
      {2, "GotoPageNum \"two\"", 2, "two"},
      {1, "GotoPrevPage", 1, nullptr},
      {2, "GotoPrevPage", 1, nullptr},
      {3, "GotoNextPage", 3, nullptr},
      {2, "GotoNextPage", 3, nullptr},
      {3, "GotoFirstPage", 1, nullptr},
      {1, "GotoLastPage", 3, nullptr},
      {3, "GotoLastPage", 3, nullptr},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(kThreePages, c.from));
    const std::string enteredBefore = Var("Trace");
    const int stop = Run(c.line);
    EXPECT_EQ(Page(), c.page) << c.line;
    EXPECT_EQ(stop != 0, c.missing != nullptr) << c.line;
    if (c.missing != nullptr) {
      std::string command(c.line);
      command = command.substr(0, command.find(' '));
      EXPECT_EQ(Var("LastError"), NoPage(command, c.missing)) << c.line;
    }
    // A page that stays is not entered again.
    const std::string entered = c.page == c.from ? enteredBefore : enteredBefore + PageName();
    EXPECT_EQ(Var("Trace"), entered) << c.line;
  }
}

TEST_F(PageCommandsTest, TheMasterPageIsNeverATarget) {
  ASSERT_TRUE(Load(kThreePages, 2));
  const std::string master = form->Pages().Page(0)->Name();
  EXPECT_NE(Run("GotoPage \"" + master + "\""), 0);
  EXPECT_EQ(Var("LastError"), NoPage("GotoPage", master));
  EXPECT_EQ(Page(), 2);
}

// Page A's enter action asks for page B; the change waits for the action's
// end only when nothing but blank lines, labels and comments follow.
TEST_F(PageCommandsTest, AChangeOnTheLastRealLineOfAnEnterActionWaitsForItsEnd) {
  struct Case {
    const char* enterAction;  // of page A, "|" between lines
    const char* traceAtOnce;  // right after A was shown
    int pageAtOnce;
    const char* traceLater;   // once posted changes are delivered
  } cases[] = {
      {"SetVar \"[Trace]\" \"[Trace]a1\"|GotoPage \"B\"", "a1", 1, "a1B"},
      {"SetVar \"[Trace]\" \"[Trace]a1\"|GotoNextPage||.the end|:Done|  ", "a1", 1, "a1B"},
      {"SetVar \"[Trace]\" \"[Trace]a1\"|GotoPage \"B\"|SetVar \"[Trace]\" \"[Trace]a2\"", "a1Ba2", 2, "a1Ba2"},
      {"GotoPageNum \"3\"|.only a comment|SetVar \"[Trace]\" \"[Trace]a2\"", "Ba2", 2, "Ba2"},
  };
  for (const Case& c : cases) {
    std::string enter = c.enterAction;
    for (char& ch : enter)
      if (ch == '|') ch = '\xB6';
    ASSERT_TRUE(Load(std::string("ScreenWidth=200\r\nScreenHeight=100\r\nNewPage=Start\r\nNewPage=A\r\nPgEnterAction=") +
                     enter + "\r\nNewPage=B\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]B\"\r\n"));
    form->Navigator().RequestPageChange(2, true);
    EXPECT_EQ(Var("Trace"), c.traceAtOnce) << c.enterAction;
    EXPECT_EQ(Page(), c.pageAtOnce + 1) << c.enterAction;
    // The run that waited gave its share of the exclusive count back.
    EXPECT_EQ(engine.ExclusiveCount(), 0);
    DeliverPosted();
    EXPECT_EQ(Var("Trace"), c.traceLater) << c.enterAction;
    EXPECT_EQ(PageName(), "B") << c.enterAction;
  }
}

// The publication's page-change action and a page's exit action run while
// a change is decided or under way: a change they ask for is refused with
// 255 and their script stops there; the change under way goes on.
TEST_F(PageCommandsTest, PageChangeAndExitActionsRefuseChangesOfTheirOwn) {
  struct Case {
    const char* publicationKeys;
    const char* pageAKeys;
  } cases[] = {
      {"PageChangeAction=GotoPage \"C\"\xB6SetVar \"[Trace]\" \"[Trace]x\"\r\n", ""},
      {"", "PgExitAction=GotoNextPage\xB6SetVar \"[Trace]\" \"[Trace]x\"\r\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(std::string("ScreenWidth=200\r\nScreenHeight=100\r\n") + c.publicationKeys +
                     "NewPage=A\r\n" + c.pageAKeys + "NewPage=B\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]B\"\r\n"
                     "NewPage=C\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]C\"\r\n"));
    vars.SetVar("[Trace]", "");
    form->Navigator().RequestPageChange(2, true);
    DeliverPosted();
    EXPECT_EQ(PageName(), "B") << c.publicationKeys << c.pageAKeys;
    EXPECT_EQ(Var("Trace"), "B") << c.publicationKeys << c.pageAKeys;
  }
}

// D sends the visitor back where they came from. Made later, the return
// must still not record D nor keep the entry it went back to: the next
// return goes further back, never forward to D.
TEST_F(PageCommandsTest, ReturnToPageGoesBackWhetherMadeAtOnceOrLater) {
  struct Case {
    const char* enterOfD;
    int pageAtOnce;  // right after the visit to D
  } cases[] = {
      {"ReturnToPage", 4},
      {"ReturnToPage\xB6.back", 4},
      {"ReturnToPage\xB6SetVar \"[After]\" \"1\"", 2},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(std::string("ScreenWidth=200\r\nScreenHeight=100\r\nNewPage=A\r\nNewPage=B\r\nNewPage=C\r\n"
                                 "NewPage=D\r\nPgEnterAction=") +
                     c.enterOfD + "\r\n"));
    Run("GotoPage \"B\"");
    EXPECT_EQ(History(), (std::vector<int>{1, 1}));
    Run("GotoPage \"D\"");
    EXPECT_EQ(Page(), c.pageAtOnce) << c.enterOfD;
    DeliverPosted();
    EXPECT_EQ(PageName(), "B") << c.enterOfD;
    EXPECT_EQ(History(), (std::vector<int>{1, 1})) << c.enterOfD;
    Run("ReturnToPage");
    EXPECT_EQ(PageName(), "A") << c.enterOfD;
    EXPECT_EQ(History(), (std::vector<int>{1})) << c.enterOfD;
  }
}

TEST_F(PageCommandsTest, ReturnToPageWithAnEmptyHistoryOrToTheCurrentPageStays) {
  ASSERT_TRUE(Load(kThreePages, 2));
  // The first page shown starts the history with itself.
  EXPECT_EQ(History(), (std::vector<int>{2}));
  EXPECT_EQ(Run("ReturnToPage"), 0);
  EXPECT_EQ(Page(), 2);
  EXPECT_TRUE(History().empty());
  EXPECT_EQ(Run("ReturnToPage"), 0);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(Var("Trace"), "B");
}

}  // namespace
}  // namespace orv
