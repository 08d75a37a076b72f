#include "ui/QtScriptHost.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "ui/PostedWorkEvent.h"

namespace orv {
namespace {

using namespace std::chrono_literals;

class WorkReceiver : public QObject {
 public:
  std::vector<int> pageChanges;
  std::vector<std::string> work;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == kPostedScriptEvent) {
      auto* s = static_cast<TPostedScriptEvent*>(e);
      work.push_back(s->Script + "|" + std::to_string(s->Source) + "|" + s->SourceName + "|" +
                     (s->Subroutine ? "sub" : "script"));
      return true;
    }
    if (e->type() == kActivationEvent) {
      work.push_back(static_cast<TActivationEvent*>(e)->Active ? "active" : "inactive");
      return true;
    }
    if (e->type() != kPageChangeEvent) return QObject::event(e);
    pageChanges.push_back(static_cast<TPageChangeEvent*>(e)->Index);
    return true;
  }
};

class KeyWidget : public QWidget {
 public:
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};

class QtScriptHostTest : public ::testing::Test {
 protected:
  QtScriptHostTest() {
    host.SetClock([this] { return now; });
    QCoreApplication::sendPostedEvents();
  }
  ~QtScriptHostTest() override { QCoreApplication::sendPostedEvents(); }
  void PostKey(int key) {
    QCoreApplication::postEvent(&keys, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
  }

  std::chrono::steady_clock::time_point now{};
  TQtScriptHost host;
  WorkReceiver receiver;
  KeyWidget keys;
};

TEST_F(QtScriptHostTest, ServesTheLoopAtMostOncePerMillisecond) {
  QCoreApplication::postEvent(&receiver, new TPageChangeEvent(1));
  host.ServeUserInterface();
  EXPECT_EQ(receiver.pageChanges, (std::vector<int>{1}));

  QCoreApplication::postEvent(&receiver, new TPageChangeEvent(2));
  host.ServeUserInterface();
  now += 999us;
  host.ServeUserInterface();
  EXPECT_EQ(receiver.pageChanges, (std::vector<int>{1}));
  now += 1us;
  host.ServeUserInterface();
  EXPECT_EQ(receiver.pageChanges, (std::vector<int>{1, 2}));
  EXPECT_EQ(host.ServeCount(), 2);
}

TEST_F(QtScriptHostTest, ExclusiveRunServesNothingWithoutEscClose) {
  QCoreApplication::postEvent(&receiver, new TPageChangeEvent(3));
  PostKey(Qt::Key_Escape);
  int closes = 0;
  host.OnEscCloseRequest = [&] { ++closes; };
  host.ServeCloseRequest();
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(receiver.pageChanges.empty());
  EXPECT_EQ(host.ServeCount(), 0);
}

TEST_F(QtScriptHostTest, ExclusiveRunLetsOnlyEscThroughAndKeepsPostedWork) {
  host.SetEscClosesPublication(true);
  int closes = 0;
  host.OnEscCloseRequest = [&] { ++closes; };
  QCoreApplication::postEvent(&receiver, new TPageChangeEvent(4));
  PostKey(Qt::Key_A);
  PostKey(Qt::Key_Escape);
  host.ServeCloseRequest();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(keys.keys.empty());
  EXPECT_TRUE(receiver.pageChanges.empty());

  // Served normally again, the posted page change arrives and keys do too.
  now += 1ms;
  PostKey(Qt::Key_B);
  host.ServeUserInterface();
  EXPECT_EQ(receiver.pageChanges, (std::vector<int>{4}));
  EXPECT_EQ(keys.keys, (std::vector<int>{Qt::Key_B}));
  EXPECT_EQ(closes, 1);
}

TEST_F(QtScriptHostTest, PostedWorkWaitsUnchangedThroughAnExclusiveRun) {
  host.SetEscClosesPublication(true);
  QCoreApplication::postEvent(&receiver, new TPostedScriptEvent("Beep", 1, "Button1"));
  QCoreApplication::postEvent(&receiver, new TPostedScriptEvent("MyLabel", 58, "", true));
  QCoreApplication::postEvent(&receiver, new TActivationEvent(false));
  for (int i = 0; i < 3; ++i) {
    host.ServeCloseRequest();
    now += 1ms;
  }
  EXPECT_TRUE(receiver.work.empty());
  host.ServeUserInterface();
  EXPECT_EQ(receiver.work, (std::vector<std::string>{"Beep|1|Button1|script", "MyLabel|58||sub", "inactive"}));
}

TEST_F(QtScriptHostTest, IdleRestartReachesTheWindow) {
  int restarts = 0;
  host.RestartIdleTimer();  // no window yet: nothing happens
  host.OnIdleRestart = [&] { ++restarts; };
  host.RestartIdleTimer();
  EXPECT_EQ(restarts, 1);
}

TEST_F(QtScriptHostTest, AlertShowsTheTextInAMessageBox) {
  host.SetAlertTitle("Err\xE9ur");
  QString title, text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    box->accept();
  });
  host.ShowAlert("Fichier \xE9galement absent");
  EXPECT_EQ(title, QString::fromUtf8("Erréur"));
  EXPECT_EQ(text, QString::fromUtf8("Fichier également absent"));
}

TEST_F(QtScriptHostTest, AlertCanBeAnsweredByTheWindow) {
  std::vector<std::string> shown;
  host.SetAlertTitle("Title");
  host.OnAlert = [&](const std::string& title, const std::string& text) { shown.push_back(title + "|" + text); };
  host.ShowAlert("Oops");
  EXPECT_EQ(shown, (std::vector<std::string>{"Title|Oops"}));
}

}  // namespace
}  // namespace orv
