// The input replay driving a real publication window: page points land on
// the widgets under them, the window sends enter and leave and keeps a
// pressed button's grab, keys reach the focus (a dialog's too), and the
// shot and quit lines act on the window.
#include "app/InputReplay.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <filesystem>
#include <string>
#include <vector>

#include "app/WindowGeometry.h"
#include "app/WorkForm.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "WorkFormFixture.h"

namespace orv {
namespace {

// Mouse input as a widget sees it, in its own coordinates.
class MouseLog : public QWidget {
 public:
  explicit MouseLog(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
  std::vector<std::string> Lines;
  std::vector<QPoint> Moves;

 protected:
  void mousePressEvent(QMouseEvent* e) override { Add("press", e); }
  void mouseReleaseEvent(QMouseEvent* e) override { Add("release", e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { Add("dblclick", e); }
  void mouseMoveEvent(QMouseEvent* e) override { Moves.push_back(e->position().toPoint()); }
  void enterEvent(QEnterEvent*) override { Lines.push_back("enter"); }
  void leaveEvent(QEvent*) override { Lines.push_back("leave"); }

 private:
  void Add(const char* what, QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    Lines.push_back(std::string(what) + (e->button() == Qt::RightButton ? " R " : " L ") + std::to_string(p.x()) +
                    "," + std::to_string(p.y()));
  }
};

// A 400 x 300 page centred in a 600 x 500 full-screen window, so page
// points and window points differ by (100, 100).
const std::string kDocument =
    "ScreenWidth=400\r\nScreenHeight=300\r\nWindowStyle=1\r\nAllowPageUpDn=Yes\r\n"
    "NewPage=A\r\nPageColor=$FF0000\r\n"
    "NewPage=B\r\nPageColor=$FF00\r\n";

class InputReplayTest : public test::WorkFormFixture<> {
 protected:
  void Open(const std::string& settings = "") {
    ASSERT_TRUE(LoadDocument(settings + kDocument));
    TScreenFacts screen;
    screen.Monitor = screen.WorkArea = screen.Desktop = QRect(0, 0, 600, 500);
    form->SetScreenFacts(screen);
    form->ApplyWindowSize(400, 300);
    form->show();
    form->activateWindow();
    form->ShowFirstPage();
    QCoreApplication::processEvents();
    ASSERT_EQ(form->Pages().geometry().topLeft(), QPoint(100, 100));
  }

  QWidget& Page() { return form->Pages().Page(form->Pages().PageIndex())->Background(); }

  // Plays `lines` (all due at once) to their end.
  void Play(const std::string& lines) {
    std::vector<ReplayEvent> events;
    ReplayScriptError error;
    ASSERT_TRUE(ParseInputReplay(lines, events, error)) << error.Line << ": " << error.Message;
    TInputReplay replay(std::move(events), [this] { return form.get(); });
    replay.OnEvent = [this](const ReplayEvent& event) { sent.push_back(event.Written); };
    replay.Start();
    for (int turns = 0; turns < 10000 && !replay.Finished(); ++turns) QCoreApplication::processEvents();
    ASSERT_TRUE(replay.Finished());
    QCoreApplication::processEvents();
  }

  std::vector<std::string> sent;
};

TEST_F(InputReplayTest, ClicksLandOnTheWidgetUnderThePagePointAndMovesCrossIntoAndOutOfWidgets) {
  Open();
  QPushButton button(&Page());
  button.setGeometry(20, 30, 60, 40);
  MouseLog spot(&Page());
  spot.setGeometry(200, 100, 50, 50);
  button.show();
  spot.show();
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
  // The page point (30, 40) is the window point (130, 140); the window point
  // (30, 40) is outside the page, so only the mapping can hit the button.
  Play("0 click 30,40\n"
       "0 rclick 30,40\n"
       "0 move 210,110\n"
       "0 move 300,250\n"
       "0 press 220,120 right\n"
       "0 release 220,120 right\n"
       "0 dblclick 205,105\n");
  EXPECT_EQ(clicks, 1);  // the right button does not click
  // The pointer moves to a button's point first, entering the widget there.
  EXPECT_EQ(spot.Lines, (std::vector<std::string>{"enter", "leave", "enter", "press R 20,20", "release R 20,20",
                                                  "press L 5,5", "release L 5,5", "press L 5,5", "release L 5,5"}));
  EXPECT_EQ(sent, (std::vector<std::string>{"click 30,40", "rclick 30,40", "move 210,110", "move 300,250",
                                            "press 220,120 right", "release 220,120 right", "dblclick 205,105"}));
}

TEST_F(InputReplayTest, DragHoldsTheGrabAndMovesInSmallStepsAlongTheLine) {
  Open();
  MouseLog log(&Page());
  log.setGeometry(0, 0, 100, 100);
  log.show();
  // Ends outside the widget: the pressed button keeps sending it the moves.
  Play("0 drag 10,10 150,80\n");
  EXPECT_EQ(log.Lines.front(), "enter");
  EXPECT_EQ(log.Lines[1], "press L 10,10");
  EXPECT_EQ(log.Lines[2], "release L 150,80");
  ASSERT_GE(log.Moves.size(), 2u);
  EXPECT_EQ(log.Moves.back(), QPoint(150, 80));
  QPoint last(10, 10);
  for (const QPoint p : log.Moves) {
    const QPoint step = p - last;
    EXPECT_LE(step.x() * step.x() + step.y() * step.y(), 16) << p.x() << ',' << p.y();
    // On the line from (10, 10) to (150, 80): y - 10 = (x - 10) / 2, within rounding.
    EXPECT_LE(std::abs(2 * (p.y() - 10) - (p.x() - 10)), 2) << p.x() << ',' << p.y();
    last = p;
  }
}

TEST_F(InputReplayTest, KeysReachTheWindowAndTheFocusedWidget) {
  Open();
  Play("0 key End\n");
  EXPECT_EQ(form->Pages().PageIndex(), 2);
  QLineEdit edit(&Page());
  edit.setGeometry(10, 10, 200, 30);
  edit.show();
  // The click gives the field the focus; Ctrl+A then selects what is typed
  // first, and the second text replaces it.
  Play("0 click 20,20\n"
       "0 type old\n"
       "0 key Ctrl+A\n"
       "0 type  H\xC3\xA9llo\n");
  EXPECT_EQ(edit.text().toStdString(), " H\xC3\xA9llo");
}

TEST_F(InputReplayTest, KeyAnswersTheModalDialogAClickOpenedAndTheLinesAfterItGoOn) {
  Open();
  QPushButton button(&Page());
  button.setGeometry(20, 30, 60, 40);
  button.show();
  std::vector<int> answers;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    answers.push_back(QMessageBox::question(form.get(), "Sure?", "Sure?", QMessageBox::Yes | QMessageBox::No,
                                            QMessageBox::Yes));
  });
  Play("0 click 30,40\n"
       "0 key Esc\n"
       "0 click 30,40\n"
       "0 key Return\n");
  EXPECT_EQ(answers, (std::vector<int>{QMessageBox::No, QMessageBox::Yes}));
}

TEST_F(InputReplayTest, ShotSavesTheWindowAndQuitClosesThroughTheShutdownAction) {
  const std::string shot = (std::filesystem::temp_directory_path() / "orvalis-replay-shot.png").string();
  struct Case {
    const char* shutdown;
    bool closes;
  } cases[] = {
      {"ShutdownAction=SetVar \"[Quit]\" \"[Quit]q\"\r\n", true},
      {"ShutdownAction=SetVar \"[Quit]\" \"[Quit]q\"\xB6SetVar \"[ShutdownStatus]\" \"false\"\r\n", false},
  };
  for (const Case& c : cases) {
    engine.SetClosing(false);
    vars.Globals().Clear();
    std::filesystem::remove(shot);
    Open(c.shutdown);
    Play("0 shot " + shot + "\n0 quit\n0 key End\n");
    EXPECT_EQ(QImage(QString::fromStdString(shot)).size(), QSize(600, 500)) << c.closes;
    EXPECT_EQ(vars.GetVar("Quit"), "q") << c.closes;
    EXPECT_EQ(form->Closed(), c.closes);
    // A refused close goes on with the next line; after a close there is
    // nothing left to play into.
    EXPECT_EQ(sent.back(), c.closes ? "quit" : "key End");
    EXPECT_EQ(form->Pages().PageIndex(), c.closes ? 1 : 2);
    sent.clear();
  }
  std::filesystem::remove(shot);
}

}  // namespace
}  // namespace orv
