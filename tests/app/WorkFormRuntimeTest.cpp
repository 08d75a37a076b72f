// The publication window while it runs: posted scripts and subroutines,
// activation scripts, the idle-return and update timers, the move and
// resize notifications, the position lock, F1 and the window-backed
// variables host.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "app/IdleReturnTimer.h"
#include "app/UpdateClock.h"
#include "app/WindowVarHost.h"
#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"
#include "ui/PostedWorkEvent.h"
#include "WorkFormFixture.h"

namespace orv {
namespace {

// Every change notification, as "[NAME]=value".
class Heard : public TVarChangeReceiver {
 public:
  void VariableChanged(std::string_view name, std::string_view value) override {
    seen.push_back(std::string(name) + "=" + std::string(value));
  }
  bool Has(const std::string& prefix) const {
    for (const std::string& s : seen)
      if (s.rfind(prefix, 0) == 0) return true;
    return false;
  }
  std::vector<std::string> seen;
};

template <typename Host>
class RuntimeFixture : public test::WorkFormFixture<Host> {
 protected:
  ~RuntimeFixture() override { this->vars.Notifier().UnsubscribeAll(&heard); }
  void Load(const std::string& settings) {
    this->LoadDocument("ScreenWidth=200\r\nScreenHeight=100\r\n" + settings + "NewPage=A\r\nNewPage=B\r\n");
  }
  void Listen() { this->vars.Notifier().SubscribeAll(&heard); }
  std::string Var(const std::string& name) { return this->vars.GetVar(name); }

  Heard heard;
};

using WorkFormRuntimeTest = RuntimeFixture<THeadlessVarHost>;

TEST_F(WorkFormRuntimeTest, PostedScriptsAndSubroutinesRunWhenDeliveredAndNotWhileClosing) {
  Load("");
  engine.SetSubroutineLibrary(":Greet\r\nSetVar \"[Greeted]\" \"[Greeted]g\"\r\n");
  QCoreApplication::postEvent(form.get(), new TPostedScriptEvent("SetVar \"[Ran]\" \"[Ran]r\"", 23, "Button1"));
  QCoreApplication::postEvent(form.get(), new TPostedScriptEvent("Greet", srcSubroutine, "", true));
  EXPECT_EQ(Var("Ran"), "");  // not before the loop delivers them
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("Ran"), "r");
  EXPECT_EQ(Var("Greeted"), "g");
  engine.SetClosing(true);
  QCoreApplication::postEvent(form.get(), new TPostedScriptEvent("SetVar \"[Ran]\" \"late\"", 23, "Button1"));
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("Ran"), "r");
}

TEST_F(WorkFormRuntimeTest, ActivationRunsItsScriptsLaterAndOnlyOnceTheFirstPageIsUp) {
  Load("ActivateAction=SetVar \"[Log]\" \"[Log]+\"\r\nDeactivateAction=SetVar \"[Log]\" \"[Log]-\"\r\n");
  QEvent early(QEvent::WindowActivate);
  QCoreApplication::sendEvent(form.get(), &early);
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("Log"), "");
  form->ShowFirstPage();
  for (const QEvent::Type type : {QEvent::WindowActivate, QEvent::WindowDeactivate}) {
    QEvent e(type);
    QCoreApplication::sendEvent(form.get(), &e);
  }
  EXPECT_EQ(Var("Log"), "");  // posted, not run inside the activation
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("Log"), "+-");
  engine.SetClosing(true);
  QEvent closing(QEvent::WindowActivate);
  QCoreApplication::sendEvent(form.get(), &closing);
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("Log"), "+-");
}

TEST_F(WorkFormRuntimeTest, IdleTimerRestartsOnInputButNotTheWheelAndRunsTheReturnAction) {
  Load("AutoReturn=Yes\r\nReturnTime=5\r\nReturnAction=SetVar \"[Idle]\" \"[Idle]i\"\r\nAllowPageUpDn=Yes\r\n");
  TIdleReturnTimer& idle = form->IdleTimer();
  EXPECT_FALSE(idle.Active());  // not before the first paint
  form->ShowFirstPage();
  ASSERT_TRUE(idle.Active());
  EXPECT_EQ(idle.IntervalMs(), 5000);
  int restarts = idle.Restarts();
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QCoreApplication::sendEvent(form.get(), &key);
  EXPECT_EQ(idle.Restarts(), ++restarts);
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(form.get(), &click);
  EXPECT_EQ(idle.Restarts(), ++restarts);
  QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(form.get(), &wheel);
  EXPECT_EQ(idle.Restarts(), restarts);
  form->Navigator().ShowPage(2);  // a page switch
  EXPECT_EQ(idle.Restarts(), ++restarts);

  idle.Fire();
  EXPECT_EQ(Var("Idle"), "i");
  EXPECT_TRUE(idle.Active());
  idle.Blocked = [] { return true; };  // a modal dialog holds the publication
  idle.Fire();
  EXPECT_EQ(Var("Idle"), "i");
  EXPECT_TRUE(idle.Active());
}

TEST_F(WorkFormRuntimeTest, IdleTimerNeedsAutoReturnAndAnAction) {
  for (const char* settings : {"AutoReturn=No\r\nReturnAction=Beep\r\n", "AutoReturn=Yes\r\n"}) {
    Load(settings);
    form->ShowFirstPage();
    EXPECT_FALSE(form->IdleTimer().Active()) << settings;
  }
}

TEST_F(WorkFormRuntimeTest, UpdateTimerTellsTheTimeAndTheDateWhenTheDayTurns) {
  Load("");
  form->ShowFirstPage();
  EXPECT_TRUE(form->UpdateTimer().Active());
  EXPECT_EQ(form->UpdateTimer().IntervalMs(), 1000);
  const TDateTime day = *EncodeDate(2024, 3, 31);
  TDateTime now = day + (23 * 3600 + 59 * 60 + 59) / 86400.0;
  form->UpdateTimer().SetClock([&now] { return now; });
  Listen();
  form->UpdateTimer().Tick();
  for (const char* name : {"[TIME]=", "[TIME24]=23:59:59", "[HOUR]=23", "[MINUTE]=59", "[SECOND]=59"})
    EXPECT_TRUE(heard.Has(name)) << name;
  EXPECT_FALSE(heard.Has("[DATESHORT]"));
  heard.seen.clear();
  now = day + 1 + 1 / 86400.0;  // past midnight
  form->UpdateTimer().Tick();
  EXPECT_TRUE(heard.Has("[SECOND]=01"));
  for (const char* name : {"[DATESHORT]=", "[DATELONG]=", "[MONTH]=", "[MONTHNUM]=4", "[DAY]=", "[DAYNUM]=1",
                           "[YEAR]=2024"})
    EXPECT_TRUE(heard.Has(name)) << name;
  heard.seen.clear();
  now += 1 / 86400.0;
  form->UpdateTimer().Tick();
  EXPECT_TRUE(heard.Has("[SECOND]=02"));
  EXPECT_FALSE(heard.Has("[YEAR]"));

  Load("UseUpdateTimer=No\r\n");
  form->ShowFirstPage();
  EXPECT_FALSE(form->UpdateTimer().Active());
}

TEST_F(WorkFormRuntimeTest, MovesAndResizesAreAnnounced) {
  Load("");
  form->show();
  QCoreApplication::processEvents();
  Listen();
  form->move(form->pos() + QPoint(13, 7));
  QCoreApplication::processEvents();
  EXPECT_TRUE(heard.Has("[WINDOWLEFT]=" + std::to_string(form->frameGeometry().left())));
  EXPECT_TRUE(heard.Has("[WINDOWTOP]=" + std::to_string(form->frameGeometry().top())));
  form->resize(260, 140);
  QCoreApplication::processEvents();
  EXPECT_TRUE(heard.Has("[CLIENTWIDTH]=260"));
  EXPECT_TRUE(heard.Has("[CLIENTHEIGHT]=140"));
  EXPECT_TRUE(heard.Has("[WINDOWWIDTH]="));
  EXPECT_TRUE(heard.Has("[WINDOWHEIGHT]="));
  EXPECT_TRUE(heard.Has("[WINDOWSTATE]=Normal"));
}

TEST_F(WorkFormRuntimeTest, WindowWithoutTheMovableBitStaysWhereItWasShown) {
  Load("WindowProps=11\r\n");  // title, sizing, system menu; not movable
  form->show();
  QCoreApplication::processEvents();
  const QPoint shown = form->pos();
  form->move(shown + QPoint(40, 30));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->pos(), shown);
  // A script's move is a new place to hold.
  form->SetWindowValue(svWindowLeft, "5");
  QCoreApplication::processEvents();
  EXPECT_EQ(form->frameGeometry().left(), 5);
}

TEST_F(WorkFormRuntimeTest, F1OpensTheHelpFileWithItsVariables) {
  Load("HelpFile=[HelpDir]guide.chm\r\n");
  std::vector<std::string> opened;
  form->OnOpenHelp = [&opened](const std::string& file) { opened.push_back(file); };
  vars.SetVar("[HelpDir]", "C:\\Docs\\");
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(form.get(), &f1);
  EXPECT_EQ(opened, std::vector<std::string>{"C:\\Docs\\guide.chm"});
  Load("");
  form->OnOpenHelp = [&opened](const std::string& file) { opened.push_back(file); };
  QCoreApplication::sendEvent(form.get(), &f1);
  EXPECT_EQ(opened.size(), 1u);  // no help file, nothing opens
}

using WindowVarHostTest = RuntimeFixture<TWindowVarHost>;

TEST_F(WindowVarHostTest, WindowValuesComeFromAndGoToTheWindow) {
  varHost.SetValue(svPubAuthor, "Someone");
  EXPECT_EQ(Var("[WindowWidth]"), "800");  // no window yet: the kept values
  Load("WindowOrder=1\r\n");
  varHost.AttachWindow(form.get());
  form->setWindowTitle(QString::fromUtf8("Caf\xC3\xA9"));
  form->ShowFirstPage();
  EXPECT_EQ(Var("[ClientWidth]"), std::to_string(form->width()));
  EXPECT_EQ(Var("[PubWidth]"), "200");
  EXPECT_EQ(Var("[PubTitle]"), "Caf\xE9");  // Windows-1252
  EXPECT_EQ(Var("[WindowOrder]"), "OnTop");
  EXPECT_EQ(Var("[WindowState]"), "Normal");
  EXPECT_EQ(Var("[PageTitle]"), "A");
  EXPECT_EQ(Var("[PageCount]"), "2");
  EXPECT_EQ(Var("[PubAuthor]"), "Someone");

  vars.SetVar("[WindowLeft]", "37");
  vars.SetVar("[WindowTop]", "41");
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(37, 41));
  vars.SetVar("[ClientWidth]", "321");
  EXPECT_EQ(form->width(), 321);
  vars.SetVar("[PubHeight]", "150");
  EXPECT_EQ(form->PublicationArea(), QRect(0, 0, 200, 150));
  vars.SetVar("[PubTitle]", "Na\xEFve");
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Na\xC3\xAFve"));
  vars.SetVar("[WindowOrder]", " onbottom ");
  EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
  EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  vars.SetVar("[WindowOrder]", "whatever");
  EXPECT_EQ(Var("[WindowOrder]"), "Normal");

  form.reset();  // the window gone, the kept values answer again
  EXPECT_EQ(Var("[WindowWidth]"), "800");
}

}  // namespace
}  // namespace orv
