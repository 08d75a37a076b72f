// The publication window in-process: pages built from the model with their
// keys, and the navigation keys of its key preview.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <string>

#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"
#include "WorkFormFixture.h"

namespace orv {
namespace {

class WorkFormTest : public test::WorkFormFixture<> {
 protected:
  void Load(const std::string& document) {
    if (LoadDocument(document)) form->ShowFirstPage();
  }
  void Press(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &press);
    QCoreApplication::processEvents();  // page changes from keys arrive posted
  }
  std::string Var(const std::string& name) {
    for (const VarEntry& e : vars.Globals())
      if (e.Name == name) return e.Value;
    return "";
  }
};

const char kThreePages[] =
    "ScreenWidth=300\r\nScreenHeight=150\r\nAllowEsc=Yes\r\n"
    "ShutdownAction=SetVar \"[Closed]\" \"yes\"\r\n"
    "NewPage=A\r\nPageColor=$FF\r\nPgEnterAction=SetVar \"[At]\" \"A\"\r\n"
    "NewPage=B\r\nPageStyle=1\r\nPageGradient1=$FF00\r\nPageGradient2=$FF0000\r\nPageGradientDir=1\r\n"
    "PgEnterAction=SetVar \"[At]\" \"B\"\r\n"
    "NewPage=C\r\nPageStyle=2\r\nPageWallpaper=tile.png\r\nWallpaperStyle=2\r\nShowMasterPage=No\r\n"
    "PgEnterAction=SetVar \"[At]\" \"C\"\r\n";

TEST_F(WorkFormTest, PagesCarryTheirBackgroundKeysAndTheWindowThePublicationSize) {
  Load(kThreePages);
  EXPECT_EQ(form->size(), QSize(300, 150));
  ASSERT_EQ(form->Pages().Count(), 4);
  const TOrvalisBackground& a = form->Pages().Page(1)->Background();
  const TOrvalisBackground& b = form->Pages().Page(2)->Background();
  const TOrvalisBackground& c = form->Pages().Page(3)->Background();
  EXPECT_EQ(a.Color(), 0xFFu);
  EXPECT_EQ(a.BackgroundStyle(), pbSolid);
  EXPECT_EQ(b.BackgroundStyle(), pbGradient);
  EXPECT_EQ(b.GradientColor1(), 0xFF00u);
  EXPECT_EQ(b.GradientColor2(), 0xFF0000u);
  EXPECT_EQ(b.GradientAngle(), G_Vert);
  EXPECT_EQ(c.BackgroundStyle(), pbWallpaper);
  EXPECT_EQ(c.WallpaperFile(), "tile.png");
  EXPECT_EQ(c.WallpaperStyle(), wsStretched);
  EXPECT_FALSE(c.ShowMasterPage());
  EXPECT_EQ(a.PublicationArea(), QRect(0, 0, 300, 150));
  EXPECT_EQ(a.MasterPage(), &form->Pages().Page(0)->Background());
}

TEST_F(WorkFormTest, NavigationKeysMoveThroughThePages) {
  Load(kThreePages);
  ASSERT_EQ(form->Pages().PageIndex(), 1);
  struct Step {
    int key;
    int page;
    const char* at;
  } steps[] = {
      {Qt::Key_PageDown, 2, "B"}, {Qt::Key_End, 3, "C"},  {Qt::Key_PageUp, 2, "B"},
      {Qt::Key_Home, 1, "A"},     {Qt::Key_PageUp, 1, "A"},
  };
  for (const Step& s : steps) {
    Press(s.key);
    EXPECT_EQ(form->Pages().PageIndex(), s.page) << s.key;
    EXPECT_EQ(Var("At"), s.at) << s.key;
  }
}

TEST_F(WorkFormTest, EscClosesThroughTheShutdownActionOnlyWhenAllowed) {
  for (const bool allowed : {true, false}) {
    std::string document = kThreePages;
    if (!allowed) document.replace(document.find("AllowEsc=Yes"), 12, "AllowEsc=No");
    form.reset();
    publication = Publication();
    vars.Globals().Clear();
    engine.SetClosing(false);
    Load(document);
    form->show();
    Press(Qt::Key_Escape);
    EXPECT_EQ(form->isVisible(), !allowed);
    EXPECT_EQ(form->Closed(), allowed);
    EXPECT_EQ(form->ShutdownRuns(), allowed ? 1 : 0);
    EXPECT_EQ(Var("Closed"), allowed ? "yes" : "");
  }
}

// The action sees both variables, may keep the publication open, and
// neither survives it; an allowed close then runs the page's exit action.
TEST_F(WorkFormTest, ShutdownActionDecidesTheCloseAndItsVariablesAreGoneAfterwards) {
  struct Case {
    const char* status;
    TWorkForm::ShutdownSource source;
    bool closes;
    const char* seen;
  } cases[] = {
      {"false", TWorkForm::kShutdownBySystem, false, "Windows"},
      {"No", TWorkForm::kShutdownByCloseButton, false, "CloseButton"},
      {"true", TWorkForm::kShutdownByPublication, true, "Orvalis"},
  };
  for (const Case& c : cases) {
    form.reset();
    publication = Publication();
    vars.Globals().Clear();
    engine.SetClosing(false);
    Load(std::string("ScreenWidth=100\r\nScreenHeight=100\r\n"
                     "ShutdownAction=SetVar \"[Seen]\" \"[ShutdownSource]\"\xB6SetVar \"[ShutdownStatus]\" \"") +
         c.status + "\"\r\nNewPage=A\r\nPgExitAction=SetVar \"[Left]\" \"A\"\r\n");
    form->show();
    form->SetShutdownSource(c.source);
    EXPECT_EQ(form->close(), c.closes) << c.status;
    EXPECT_EQ(form->isVisible(), !c.closes) << c.status;
    EXPECT_EQ(Var("Seen"), c.seen);
    EXPECT_EQ(Var("Left"), c.closes ? "A" : "");
    EXPECT_EQ(vars.Globals().Find("ShutdownStatus"), nullptr);
    EXPECT_EQ(vars.Globals().Find("ShutdownSource"), nullptr);
    if (!c.closes) {
      // The source goes back to the system after each query.
      vars.SetVar("[Seen]", "");
      form->close();
      EXPECT_EQ(Var("Seen"), "Windows");
    }
  }
}

}  // namespace
}  // namespace orv
