// The publication window as a window: size and placement on a fixed screen,
// scroll bars, the full-screen colour around the page, the outline of a
// shaped window, the saved position, dragging by the background, the Close
// button and the cursors.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdlib>
#include <string>

#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "commands/registry/RegistryStore.h"
#include "container/DocumentReader.h"
#include "container/PackageFixture.h"
#include "container/Publication.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"
#include "WorkFormFixture.h"

// Events the window system sends are spontaneous; this is how a test makes
// one (the event class lets this one name set the flag).
class QSpontaneKeyEvent {
 public:
  static void SetSpontaneous(QEvent* event) { event->setSpontaneous(); }
};

namespace orv {
namespace {

TScreenFacts FixedScreen() {
  TScreenFacts screen;
  screen.Monitor = QRect(0, 0, 1024, 768);
  screen.WorkArea = QRect(0, 0, 1024, 728);
  screen.Desktop = screen.Monitor;
  return screen;
}

class WorkFormWindowTest : public test::WorkFormFixture<> {
 protected:
  void Load(const std::string& document) {
    if (LoadDocument(document)) form->SetScreenFacts(FixedScreen());
  }
  std::string Var(const std::string& name) { return vars.GetVar(name); }
};

std::string Doc(const std::string& settings) {
  return "ScreenWidth=400\r\nScreenHeight=300\r\n" + settings + "NewPage=A\r\nPageColor=$FF0000\r\n";
}

TEST_F(WorkFormWindowTest, FramedWindowTakesItsPlaceOnTheScreen) {
  const struct {
    int position;
    QPoint topLeft;
  } cases[] = {{0, {312, 214}}, {4, {0, 214}}, {8, {624, 428}}};
  for (const auto& c : cases) {
    Load(Doc("WindowPos=" + std::to_string(c.position) + "\r\n"));
    form->ApplyWindowSize(400, 300);
    EXPECT_EQ(form->geometry(), QRect(c.topLeft, QSize(400, 300))) << c.position;
    EXPECT_EQ(form->Pages().geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(form->Pages().Page(1)->Background().PublicationArea(), QRect(0, 0, 400, 300));
  }
  // 9 leaves the window where it was.
  Load(Doc("WindowPos=9\r\n"));
  form->move(77, 88);
  form->ApplyWindowSize(400, 300);
  EXPECT_EQ(form->pos(), QPoint(77, 88));
}

TEST_F(WorkFormWindowTest, SmallClientScrollsAndTheThumbTracks) {
  Load(Doc("WindowPos=3\r\nMinPubWidth=200\r\nMinPubHeight=100\r\n"));
  form->ApplyWindowSize(2000, 1000);
  EXPECT_EQ(form->size(), QSize(1024, 728));
  EXPECT_EQ(form->minimumSize(), QSize(200, 100));
  form->show();
  QCoreApplication::processEvents();
  QScrollBar* bar = form->Scroller().horizontalScrollBar();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(bar->hasTracking());
  EXPECT_GT(bar->maximum(), 0);
  bar->setSliderPosition(300);  // a drag of the thumb, not yet let go
  EXPECT_EQ(form->Pages().mapTo(form.get(), QPoint(0, 0)).x(), -300);
  // "SCREENAUTOSIZE=": the pages fill the client and nothing scrolls.
  Load(Doc("ScreenAutoSize=Yes\r\n"));
  form->ApplyWindowSize(2000, 1000);
  form->show();
  QCoreApplication::processEvents();
  EXPECT_FALSE(form->Scroller().horizontalScrollBar()->isVisible());
  EXPECT_EQ(form->PublicationArea().size(), form->size());
  form->resize(500, 260);
  EXPECT_EQ(form->Pages().Page(1)->Background().PublicationArea(), QRect(0, 0, 500, 260));
}

TEST_F(WorkFormWindowTest, FullScreenShowsTheWindowColourAroundTheCentredPage) {
  Load(Doc("WindowStyle=1\r\nBkndColor=$0000FF\r\n"));
  TScreenFacts small;
  small.Monitor = small.WorkArea = small.Desktop = QRect(0, 0, 600, 500);
  form->SetScreenFacts(small);
  form->ApplyWindowSize(400, 300);
  EXPECT_EQ(form->geometry(), QRect(0, 0, 600, 500));
  EXPECT_EQ(form->Pages().geometry(), QRect(100, 100, 400, 300));
  EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
  form->show();
  form->ShowFirstPage();
  const QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(255, 0, 0));    // "BKNDCOLOR=" $0000FF is red
  EXPECT_EQ(shot.pixelColor(590, 490), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(300, 250), QColor(0, 0, 255));  // the page, $FF0000 blue
  EXPECT_EQ(shot.pixelColor(100, 100), QColor(0, 0, 255));
  EXPECT_EQ(shot.pixelColor(99, 99), QColor(255, 0, 0));
}

TEST_F(WorkFormWindowTest, ShapedWindowIsCutByItsPicture) {
  const std::string data = ORVALIS_TEST_DATA_DIR "/imaging/";
  for (const std::string& file : {data + "shape-alpha.png", data + "shape-keyed.png"}) {
    Load(Doc("WindowStyle=2\r\nShapeTransColor=$FF00FF\r\nShapeFile=" + file + "\r\n"));
    form->ApplyWindowSize(400, 300);
    ASSERT_TRUE(form->HasOutline()) << file;
    EXPECT_EQ(form->size(), QSize(20, 16)) << file;
    const QRegion mask = form->mask();
    EXPECT_TRUE(mask.contains(QPoint(4, 3))) << file;
    EXPECT_TRUE(mask.contains(QPoint(11, 5))) << file;
    EXPECT_TRUE(mask.contains(QPoint(15, 12))) << file;
    EXPECT_FALSE(mask.contains(QPoint(12, 5))) << file;  // the notch
    EXPECT_FALSE(mask.contains(QPoint(0, 0))) << file;
    EXPECT_FALSE(mask.contains(QPoint(16, 12))) << file;
    // The publication keeps its own size inside.
    EXPECT_EQ(form->PublicationArea(), QRect(0, 0, 400, 300));
  }
  Load(Doc("WindowStyle=2\r\nShapeFile=" + data + "no-such-shape.png\r\n"));
  form->ApplyWindowSize(400, 300);
  EXPECT_FALSE(form->HasOutline());
  EXPECT_TRUE(form->mask().isEmpty());
  EXPECT_EQ(form->size(), QSize(400, 300));
}

TEST_F(WorkFormWindowTest, SavedPositionRoundTripsAndComesBackOnTheDesktop) {
  test::ScratchFolder folder;
  TRegistryStore registry(folder.Path());
  const char* key = "HKEY_CURRENT_USER\\Software\\Orvalis Test\\Pos";
  ASSERT_EQ(registry.Write("HKEY_CURRENT_USER", "Software\\Orvalis Test", "Pos",
                           RegistryValue::Text("5000, 10; 400 300 0")),
            0);
  ::setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);  // nothing reaches the user's own store
  Load(Doc(std::string("WindowRegKey=") + key + "\r\n"));
  form->SetRegistryStore(&registry);
  form->ApplyWindowSize(300, 200);
  EXPECT_EQ(form->frameGeometry(), QRect(1024 - 400, 10, 400, 300));
  // A sizeable framed window: the publication is the client.
  EXPECT_EQ(form->PublicationArea(), QRect(0, 0, 400, 300));
  form->show();
  form->move(-40, 60);
  form->resize(350, 250);
  QCoreApplication::processEvents();
  const QRect frame = form->frameGeometry();
  ASSERT_TRUE(form->close());
  const auto saved = registry.Read("HKEY_CURRENT_USER", "Software\\Orvalis Test", "Pos");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->Data, std::to_string(frame.left()) + "," + std::to_string(frame.top()) + "," +
                             std::to_string(frame.width()) + "," + std::to_string(frame.height()) + ",0");
  // Read back, the window left of the desktop comes back onto it.
  Load(Doc(std::string("WindowRegKey=") + key + "\r\n"));
  form->SetRegistryStore(&registry);
  form->ApplyWindowSize(300, 200);
  EXPECT_EQ(form->frameGeometry(), QRect(std::max(0, frame.left()), frame.top(), frame.width(), frame.height()));
  ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(WorkFormWindowTest, BackgroundDragsTheWindowOnlyWhereAllowed) {
  const struct {
    const char* settings;
    bool drags;
  } cases[] = {
      {"WindowStyle=2\r\nWindowProps=4\r\n", true},   // shaped and movable
      {"WindowStyle=2\r\nWindowProps=0\r\n", false},  // shaped, not movable
      {"WindowProps=6\r\n", true},                    // framed, movable, no title bar
      {"WindowProps=31\r\n", false},                  // the title bar moves it
  };
  for (const auto& c : cases) {
    Load(Doc(c.settings));
    int moves = 0;
    form->StartSystemMove = [&moves] {
      ++moves;
      return true;
    };
    form->show();
    form->ShowFirstPage();
    QWidget& background = form->Pages().Page(1)->Background();
    int releases = 0;
    struct Counter : QObject {
      int& count;
      explicit Counter(int& c) : count(c) {}
      bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonRelease) ++count;
        return false;
      }
    } counter(releases);
    background.installEventFilter(&counter);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&background, &press);
    EXPECT_EQ(form->DragArmed(), c.drags) << c.settings;
    QMouseEvent move(QEvent::MouseMove, QPointF(9, 9), QPointF(9, 9), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&background, &move);
    EXPECT_EQ(moves, c.drags ? 1 : 0) << c.settings;
    EXPECT_EQ(releases, c.drags ? 1 : 0) << c.settings;  // the button is let go before the move
    EXPECT_FALSE(form->DragArmed());
    background.removeEventFilter(&counter);
  }
}

TEST_F(WorkFormWindowTest, CloseButtonNamesItselfOrIsIgnored) {
  const char* action = "ShutdownAction=SetVar \"[Seen]\" \"[ShutdownSource]\"\r\n";
  for (const int properties : {31, 8 + 128 + 1}) {
    vars.SetVar("[Seen]", "");
    engine.SetClosing(false);
    Load(Doc(std::string(action) + "WindowProps=" + std::to_string(properties) + "\r\n"));
    form->show();
    QCloseEvent close;
    QSpontaneKeyEvent::SetSpontaneous(&close);
    // Delivered as the window system delivers it (sendEvent would clear
    // the flag).
    QCoreApplication::instance()->notify(form.get(), &close);
    const bool refused = properties != 31;
    EXPECT_EQ(close.isAccepted(), !refused) << properties;
    EXPECT_EQ(Var("Seen"), refused ? "" : "CloseButton") << properties;
    EXPECT_EQ(form->Closed(), !refused) << properties;
    if (refused) {
      EXPECT_FALSE(form->CloseCommand());
      // The publication's own close still works.
      EXPECT_TRUE(form->close());
      EXPECT_EQ(Var("Seen"), "Windows");
    }
  }
}

TEST_F(WorkFormWindowTest, CursorsComeFromTheirFilesOrKeepTheirDefaults) {
  Load(Doc("AppCursor=embedded:\\\\\\arrow.cur\r\nHotSpotCursor=spin.ani\r\nDragCursor=broken.cur\r\n"));
  // A 2 x 2 cursor, all white, hot spot (1, 0).
  std::string cur("\0\0\2\0\1\0\2\2\0\0\1\0\0\0", 14);
  const std::string bitmap = std::string("\x28\0\0\0\2\0\0\0\4\0\0\0\1\0\x20\0", 16) + std::string(24, '\0') +
                             std::string("\xFF\xFF\xFF\0\xFF\xFF\xFF\0", 8) + std::string("\xFF\xFF\xFF\0\xFF\xFF\xFF\0", 8) +
                             std::string(8, '\0');
  cur += std::string(1, static_cast<char>(bitmap.size())) + std::string("\0\0\0\x16\0\0\0", 7);
  cur += bitmap;
  std::vector<std::string> asked;
  const int loaded = form->LoadCursors([&](std::string_view name) -> std::optional<std::string> {
    asked.emplace_back(name);
    if (name == "embedded:\\\\\\arrow.cur") return cur;
    if (name == "broken.cur") return std::string("\0\0\2\0", 4);
    return std::nullopt;
  });
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(asked, (std::vector<std::string>{"embedded:\\\\\\arrow.cur", "broken.cur"}));  // never the .ani
  const QCursor& general = form->Cursors().Slot(csGeneral);
  EXPECT_TRUE(form->Cursors().FromFile(csGeneral));
  EXPECT_EQ(general.shape(), Qt::BitmapCursor);
  EXPECT_EQ(general.hotSpot(), QPoint(1, 0));
  EXPECT_EQ(general.pixmap().toImage().pixelColor(0, 0), QColor(255, 255, 255));
  EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(form->Cursors().Slot(csHotSpot).shape(), Qt::PointingHandCursor);
  EXPECT_EQ(form->Cursors().Slot(csDrag).shape(), Qt::ClosedHandCursor);
  EXPECT_EQ(form->Cursors().Slot(csBusy).shape(), Qt::WaitCursor);
  EXPECT_FALSE(form->Cursors().FromFile(csDrag));
}

}  // namespace
}  // namespace orv
