// HelpTopic hands the publication's help file to the desktop (an HTML file
// at the topic); Exit closes the publication, asking first when it has a
// title or message, and never starts a second close inside the first.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <string>
#include <vector>

#include "ModalAnswer.h"
#include "PageWindowFixture.h"
#include "base/Messages.h"
#include "commands/navigation/QueryForm.h"

namespace orv {
namespace {

class HelpTopicTest : public test::PageWindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    varHost.SetValue(svPubDir, Folder());
  }
  std::string Folder() const { return dir.path().toStdString() + "/"; }
  // Opens with `helpFile` as "HELPFILE=" and runs HelpTopic; what reached
  // the window's help hook.
  std::vector<std::string> OpenHelp(const std::string& helpFile, const std::string& topic) {
    std::vector<std::string> opened;
    if (!Load("ScreenWidth=200\r\nScreenHeight=100\r\n" + (helpFile.empty() ? "" : "HelpFile=" + helpFile + "\r\n") +
              "NewPage=A\r\n"))
      return opened;
    form->OnOpenHelp = [&opened](const std::string& file) { opened.push_back(file); };
    vars.SetVar("[HelpName]", "help.html");
    Run("HelpTopic \"" + topic + "\"");
    return opened;
  }

  QTemporaryDir dir;
};

TEST_F(HelpTopicTest, TheHelpFileOpensAtTheTopicWhereItsKindAllowsOne) {
  struct Case {
    const char* helpFile;
    const char* topic;
    const char* opened;  // after the publication's folder; null: nothing
  } cases[] = {
      {"", "intro", nullptr},
      {"help.html", "intro", "help.html#intro"},
      {"Help.HTM", "#part-2", "Help.HTM#part-2"},
      {"help.html", "", "help.html"},
      // Nothing but a place in the file passes: no query, no second path.
      {"help.html", "a b/../c?x=1", "help.html#ab..cx1"},
      // A compiled help file cannot be opened at a topic: it opens at its
      // start.
      {"guide.chm", "intro", "guide.chm"},
      {"[HelpName]", "intro", "help.html#intro"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> opened = OpenHelp(c.helpFile, c.topic);
    if (c.opened == nullptr) {
      EXPECT_TRUE(opened.empty()) << c.helpFile;
      continue;
    }
    EXPECT_EQ(opened, std::vector<std::string>{Folder() + c.opened}) << c.helpFile << " " << c.topic;
  }
}

TEST_F(HelpTopicTest, ADesktopThatCannotOpenTheFileIsReported) {
  QFile file(dir.filePath("help.html"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<p>top</p><a name=\"intro\">intro</a>");
  file.close();
  // A browser stands in for the desktop; asked through a method it lacks,
  // the desktop fails.
  QTextBrowser desktop;
  struct Case {
    const char* method;
    bool opens;
  } cases[] = {{"setSource", true}, {"noSuchMethod", false}};
  for (const Case& c : cases) {
    QDesktopServices::setUrlHandler("file", &desktop, c.method);
    ASSERT_TRUE(Load("ScreenWidth=200\r\nScreenHeight=100\r\nHelpFile=help.html\r\nNewPage=A\r\n"));
    vars.SetVar("[LastError]", "before");
    Run("HelpTopic \"intro\"");
    QDesktopServices::unsetUrlHandler("file");
    EXPECT_EQ(Var("LastError"), c.opens ? std::string("before") : std::string(Message(msg::kNotOnThisPlatform)));
    if (c.opens) {
      EXPECT_EQ(desktop.source().toLocalFile().toStdString(), Folder() + "help.html");
      EXPECT_EQ(desktop.source().fragment().toStdString(), "intro");
    }
  }
}

class ExitTest : public test::PageWindowFixture {};

// Every close runs the shutdown action once; Exit inside it or inside the
// exit action the close runs is part of that close, not a second one.
TEST_F(ExitTest, ExitClosesOnceFromScriptsShutdownAndExitActions) {
  struct Case {
    const char* shutdownAction;
    const char* exitAction;
    const char* script;
    bool closes;
    const char* source;  // as the shutdown action saw it
    const char* left;    // the runs of page A's exit action
  } cases[] = {
      {"", "", "Exit \"\" \"\"", true, "Orvalis", "a"},
      {"Exit \"\" \"\"", "", "Exit \"\" \"\"", true, "Orvalis", "a"},
      {"Exit \"\" \"\"", "Exit \"\" \"\"", "Exit \"\" \"\"", true, "Orvalis", "a"},
      // Leaving A for B closes instead; the close runs A's exit action once
      // more, and the change to B is not made.
      {"", "Exit \"\" \"\"", "GotoPage \"B\"", true, "Orvalis", "aa"},
      {"Exit \"\" \"\"\xB6SetVar \"[ShutdownStatus]\" \"false\"", "", "Exit \"\" \"\"", false, "Orvalis", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(std::string("ScreenWidth=200\r\nScreenHeight=100\r\n"
                                 "ShutdownAction=SetVar \"[Runs]\" \"[Runs]s\"\xB6SetVar \"[Source]\" "
                                 "\"[ShutdownSource]\"\xB6") +
                     c.shutdownAction + "\r\nNewPage=A\r\nPgExitAction=SetVar \"[Left]\" \"[Left]a\"\xB6" +
                     c.exitAction + "\r\nNewPage=B\r\n"));
    form->show();
    Run(c.script);
    EXPECT_EQ(form->Closed(), c.closes) << c.script << " / " << c.shutdownAction << " / " << c.exitAction;
    EXPECT_EQ(form->ShutdownRuns(), 1) << c.shutdownAction;
    EXPECT_EQ(Var("Source"), c.source) << c.shutdownAction;
    EXPECT_EQ(Var("Left"), c.left) << c.exitAction;
    EXPECT_EQ(PageName(), "A") << c.script;
    if (!c.closes) {
      // The next close that is not the publication's own is the system's.
      form->close();
      EXPECT_EQ(Var("Source"), "Windows");
    }
  }
}

TEST_F(ExitTest, ATitleOrMessageAsksFirstAndOnlyTheFirstButtonCloses) {
  struct Case {
    const char* line;
    int press;  // 1-based button clicked; 0 Escape
    bool closes;
  } cases[] = {
      {"Exit \"Leaving\" \"\"", 1, true},
      {"Exit \"\" \"Really?\"", 2, false},
      {"Exit \"Leaving\" \"Really?\"", 0, false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load("ScreenWidth=200\r\nScreenHeight=100\r\nL_Yes=Sure\r\nL_No=Stay\r\nNewPage=A\r\n"));
    form->show();
    std::vector<std::string> captions;
    const int press = c.press;
    test::WhenModal([&captions, press](QWidget& dialog) {
      auto* query = dynamic_cast<TQueryForm*>(&dialog);
      if (query == nullptr) return;
      for (QPushButton* button : query->Buttons()) captions.push_back(button->text().toStdString());
      if (press == 0)
        query->reject();
      else
        query->Buttons()[static_cast<std::size_t>(press - 1)]->click();
    });
    Run(c.line);
    EXPECT_EQ(captions, (std::vector<std::string>{"Sure", "Stay"})) << c.line;
    EXPECT_EQ(form->Closed(), c.closes) << c.line;
  }
}

}  // namespace
}  // namespace orv
