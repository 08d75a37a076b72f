// The player's session in this process: passwords answered by a script of
// the test, the splash screen's two modes, package fonts, and the in-place
// reload that waits for the calling script and keeps a publication running
// when its replacement cannot be read.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <functional>

#include "app/PasswordEntryForm.h"
#include "app/PlayerCommandLine.h"
#include "app/PublicationSession.h"
#include "app/SplashScreenForm.h"
#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "container/Package.h"
#include "container/PackageFixture.h"
#include "script/CommandIds.h"

namespace orv::test {
namespace {

// Answers the next password prompt with `answer` once it is up.
void AnswerPasswordWith(const QString& answer) {
  QTimer::singleShot(0, [answer] {
    auto* form = dynamic_cast<TPasswordEntryForm*>(QApplication::activeModalWidget());
    if (!form) {
      AnswerPasswordWith(answer);
      return;
    }
    form->OnMismatch = [](const std::string&, const std::string&, const std::string&) {};
    form->Entry()->setText(answer);
    form->OkButton()->click();
  });
}

TEST(PasswordEntryForm, OkOnlyWithAnEntryAndTheRightPasswordInAnyCase) {
  struct Case {
    QString typed;
    bool confirmed;
  } cases[] = {{"SeCrEt", true}, {"secret", true}, {"secret ", false}, {"other", false}};
  for (const Case& c : cases) {
    TPasswordEntryForm form("secret", PasswordTexts{"T", "M|N", "P", "", "", "Wrong"});
    EXPECT_FALSE(form.OkButton()->isEnabled());
    std::string alert;
    form.OnMismatch = [&alert](const std::string&, const std::string& text, const std::string&) { alert = text; };
    QTimer::singleShot(0, &form, [&form, &c] {
      form.Entry()->setText(c.typed);
      EXPECT_TRUE(form.OkButton()->isEnabled());
      form.OkButton()->click();
    });
    EXPECT_EQ(form.Confirmed(), c.confirmed) << c.typed.toStdString();
    EXPECT_EQ(alert, c.confirmed ? "" : "Wrong") << c.typed.toStdString();
  }
  TPasswordEntryForm cancelled("secret", {});
  QTimer::singleShot(0, &cancelled, [&cancelled] {
    cancelled.Entry()->setText("secret");
    cancelled.CancelButton()->click();
  });
  EXPECT_FALSE(cancelled.Confirmed());
}

TEST(SplashScreenForm, PictureShowsAtOnceAndMessageOnlyWhileLoadingIsSlow) {
  const SplashTimings quick{5, 5, 0};
  QPixmap picture(40, 30);
  picture.fill(Qt::blue);
  TSplashScreenForm pictured(picture, QString(), quick);
  EXPECT_TRUE(pictured.PictureMode());
  EXPECT_TRUE(pictured.isVisible());
  pictured.SetProgress(40);
  EXPECT_EQ(pictured.Progress(), 40);
  pictured.CloseSplash();
  EXPECT_TRUE(pictured.TimerFired());  // never closed before its time
  EXPECT_EQ(pictured.Progress(), TSplashScreenForm::kProgressRange);
  EXPECT_FALSE(pictured.isVisible());

  for (const int progress : {30, 55, 56, 100}) {
    TSplashScreenForm message(QPixmap(), "Wait", quick);
    EXPECT_FALSE(message.PictureMode());
    EXPECT_FALSE(message.isVisible());
    message.SetProgress(progress);
    for (int i = 0; i < 1000 && !message.TimerFired(); ++i) {
      QApplication::processEvents();
      QThread::msleep(2);
    }
    ASSERT_TRUE(message.TimerFired());
    EXPECT_EQ(message.isVisible(), progress <= 55) << progress;
  }
}

class PublicationSessionTest : public ::testing::Test {
 protected:
  std::string Publication(const std::string& name, const std::string& document,
                          std::vector<PackageEntrySource> extra = {}) {
    extra.push_back(Entry("RUNTIME.PUB", document, true, kind::kDocument));
    PackageLayout layout = PlayerLayout(std::move(extra));
    // A ".pkg" is written the way a reload reads it.
    layout.Header.ReloadForm = name.ends_with(".pkg");
    const std::string path = dir_ / name;
    SavePackage(path, layout);
    return path;
  }
  // The "RunOrvalis" body as the command will call it.
  static TPublicationSession* reloading_;
  static void BindRunOrvalis(TPublicationSession& session) {
    reloading_ = &session;
    session.Engine().Commands().Bind(cmd::kRunOrvalis, [](TActionEval& eval) {
      const std::string options = AnsiUpperCase(eval.Param(2));
      reloading_->RequestReload(eval.Param(1), options.find("CLEARVARS") != std::string::npos,
                                options.find("CLOSEWINDOWS") != std::string::npos);
    });
  }
  static bool ServeUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 2000 && !done(); ++i) {
      QApplication::processEvents();
      QThread::msleep(2);
    }
    return done();
  }

  ScratchFolder dir_;
};

TPublicationSession* PublicationSessionTest::reloading_ = nullptr;

const std::string kFirst =
    "Title=First\r\nScreenWidth=100\r\nScreenHeight=80\r\n"
    "StartupAction=SetVar \"[Trail]\" \"[Trail]1\"\r\n"
    "ShutdownAction=SetVar \"[Trail]\" \"[Trail]Q\"\r\n"
    "NewPage=One\r\n";
const std::string kSecond =
    "Title=Second\r\nScreenWidth=120\r\nScreenHeight=90\r\n"
    "StartupAction=SetVar \"[Trail]\" \"[Trail]2\"\r\n"
    "NewPage=Uno\r\n";

TEST_F(PublicationSessionTest, ReloadRunsOnlyAfterTheCallingScriptEnded) {
  const std::string first = Publication("first.exe", kFirst);
  const std::string second = Publication("second.pkg", kSecond);
  TPublicationSession session{TPlayerCommandLine()};
  BindRunOrvalis(session);
  ASSERT_EQ(session.Start(first), TPublicationSession::StartResult::Started);
  TWorkForm* before = session.Window();
  ASSERT_NE(before, nullptr);

  // The script goes on after asking, serving events in its loop; the
  // window and its objects stay while it runs.
  session.Engine().RunScript("RunOrvalis \"" + AnsiFromHostPath(second) +
                             "\" \"\"\r\nLoop \"1\" \"3000\" \"[i]\"\r\nEndLoop\r\nSetVar \"[After]\" \"[Trail]\"");
  EXPECT_EQ(session.Vars().GetVar("[After]"), "1");
  EXPECT_EQ(session.Reloads(), 0);
  EXPECT_EQ(session.Window(), before);

  ASSERT_TRUE(ServeUntil([&] { return session.Reloads() == 1; }));
  ASSERT_NE(session.Window(), nullptr);
  EXPECT_EQ(session.Window()->windowTitle(), "Second");
  EXPECT_TRUE(session.Window()->isVisible());
  // Shutdown of the first, start-up of the second; variables kept.
  EXPECT_EQ(session.Vars().GetVar("[Trail]"), "1Q2");
  EXPECT_EQ(session.Vars().GetVar("[LastError]"), "");
  session.Finish();
  EXPECT_EQ(session.Vars().GetVar("[Trail]"), "");
}

TEST_F(PublicationSessionTest, ReloadOfABadFileLeavesThePublicationRunning) {
  const std::string first = Publication("first.exe", kFirst);
  WriteFile(dir_ / "broken.pkg", "no package in here");
  TPublicationSession session{TPlayerCommandLine()};
  BindRunOrvalis(session);
  // The failure is shown as an error; the answer is scripted.
  std::vector<std::string> alerts;
  session.ScriptHost().OnAlert = [&](const std::string&, const std::string& text) { alerts.push_back(text); };
  ASSERT_EQ(session.Start(first), TPublicationSession::StartResult::Started);
  TWorkForm* before = session.Window();

  session.Engine().RunScript("RunOrvalis \"" + AnsiFromHostPath(dir_ / "broken.pkg") + "\" \"CLEARVARS\"");
  ServeUntil([&] { return !session.Vars().GetVar("[LastError]").empty(); });
  EXPECT_FALSE(session.Vars().GetVar("[LastError]").empty());
  EXPECT_EQ(alerts, std::vector<std::string>{session.Vars().GetVar("[LastError]")});
  EXPECT_EQ(session.Reloads(), 0);
  EXPECT_EQ(session.Window(), before);
  EXPECT_TRUE(before->isVisible());
  EXPECT_EQ(session.Vars().GetVar("[Trail]"), "1");  // no shutdown ran, nothing cleared

  EXPECT_FALSE(session.RequestReload(AnsiFromHostPath(dir_ / "nowhere.pkg"), false, false));
  EXPECT_EQ(session.Vars().GetVar("[LastError]"), ErrorText(err::kFileNotFound));
  EXPECT_EQ(session.Window(), before);
}

TEST_F(PublicationSessionTest, StartPasswordAnsweredRightOrWrong) {
  const std::string locked = Publication("locked.exe", "StartPassword=Open Sesame\r\n" + kFirst);
  struct Case {
    QString answer;
    TPublicationSession::StartResult result;
  } cases[] = {{"open sesame", TPublicationSession::StartResult::Started},
               {"closed", TPublicationSession::StartResult::Refused}};
  for (const Case& c : cases) {
    TPublicationSession session{TPlayerCommandLine()};
    AnswerPasswordWith(c.answer);
    EXPECT_EQ(session.Start(locked), c.result) << c.answer.toStdString();
    EXPECT_EQ(session.Vars().GetVar("[Trail]"), c.result == TPublicationSession::StartResult::Started ? "1" : "");
  }
}

TEST_F(PublicationSessionTest, ExitPasswordComesBeforeTheShutdownAction) {
  const std::string guarded = Publication("guarded.exe", "ExitPassword=bye\r\n" + kFirst);
  TPublicationSession session{TPlayerCommandLine()};
  ASSERT_EQ(session.Start(guarded), TPublicationSession::StartResult::Started);
  AnswerPasswordWith("wrong");
  EXPECT_FALSE(session.Window()->close());
  EXPECT_EQ(session.Vars().GetVar("[Trail]"), "1");
  AnswerPasswordWith("BYE");
  EXPECT_TRUE(session.Window()->close());
  EXPECT_EQ(session.Vars().GetVar("[Trail]"), "1Q");
}

TEST_F(PublicationSessionTest, PackageFontsAreRegisteredAndRemovedAtTheEnd) {
  const std::string fontBytes = ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");
  if (fontBytes.empty()) GTEST_SKIP() << "no font file to pack";
  const std::string book = Publication("fonts.exe", "ExtractOp=4\r\n" + kFirst,
                                       {Entry("serif.ttf", fontBytes, true, kind::kFont)});
  TPublicationSession session{TPlayerCommandLine()};
  ASSERT_EQ(session.Start(book), TPublicationSession::StartResult::Started);
  std::string extracted;
  for (const LibRec& e : session.CurrentPackage()->Entries())
    if (e.Kind == kind::kFont) extracted = e.Name;
  ASSERT_FALSE(extracted.empty());
  const std::string hostPath = HostPath(extracted);
  EXPECT_TRUE(FileThere(hostPath));
  EXPECT_TRUE(QFontDatabase::families().contains("DejaVu Serif"));
  session.Finish();
  // Removed even though EXTRACTOP= did not ask for deletion.
  EXPECT_FALSE(FileThere(hostPath));
}

TEST_F(PublicationSessionTest, ScreenSaverWithMouseExitClosesOnAKeyThroughTheShutdownAction) {
  const std::string saver = Publication("saver.scr", "MouseExit=Yes\r\n" + kFirst);
  struct Case {
    int runMode;
    bool closes;
  } cases[] = {{cmdmode::kSaverRunning, true}, {cmdmode::kProgram, false}};
  for (const Case& c : cases) {
    TPlayerCommandLine commandLine;
    commandLine.RunMode = c.runMode;
    TPublicationSession session{commandLine};
    ASSERT_EQ(session.Start(saver), TPublicationSession::StartResult::Started);
    TWorkForm* window = session.Window();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &key);
    if (c.closes) {
      EXPECT_TRUE(ServeUntil([&] { return window->Closed(); }));
    } else {
      for (int i = 0; i < 20; ++i) QApplication::processEvents();
      EXPECT_FALSE(window->Closed());
    }
    // The shutdown action ran only when the key ended the run.
    EXPECT_EQ(session.Vars().GetVar("[Trail]"), c.closes ? "1Q" : "1") << c.runMode;
    session.Finish();
  }
}

}  // namespace
}  // namespace orv::test
