// Dragging page objects with the real mouse: when a press becomes a drag,
// where the object lands on its drop targets, what the drop script sees
// and may change, and the drag modes that raise and hide the object.
#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisDragObj.h"
#include "objects/OrvalisRepositor.h"
#include "pages/PageListNavigator.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

// The drop script writes down the four drop variables as it sees them.
const std::string kRecordDrop =
    "SetVar \"[Seen]\" \"[DropAccept]/[DropX]/[DropY]/[DropTarget]\"";

class DragDropTest : public test::ObjectWindowFixture<> {
 protected:
  // A text block "T" at `at` on page "P" with the other objects after it.
  bool OpenWith(QRect at, const std::string& keys, const std::string& others = "") {
    return Open("NewPage=P\r\n" + ObjectLines(8, "T", at, {keys}) + others);
  }
  // Presses `object` at its top-left corner plus (5, 5) and drags that
  // point by `by`, leaving the button down.
  void DragBy(const QWidget& object, QPoint by) {
    const QPoint start = At(object, QPoint(5, 5));
    MoveTo(start);
    Press(start);
    MoveTo(start + QPoint(by.x() / 2, by.y() / 2));
    MoveTo(start + by);
    dropAt_ = start + by;
  }
  void Drop() { Release(dropAt_); }
  void DragAndDrop(const QWidget& object, QPoint by) {
    DragBy(object, by);
    Drop();
  }
  bool NoDropVariables() {
    for (const char* name : {"[DropAccept]", "[DropX]", "[DropY]", "[DropTarget]"})
      if (!Var(name).empty()) return false;
    return true;
  }

  QPoint dropAt_;
};

TEST_F(DragDropTest, TwoPixelsOfTravelIsAClickAndThreeIsADrag) {
  ASSERT_TRUE(Open("NewPage=P\r\n" +
                   ObjectLines(23, "T", QRect(50, 50, 60, 40), {"DragMode=1", "ObjAction=" + Logs("c")})));
  auto* object = Find<TOrvalisDragObj>("T");
  ASSERT_NE(object, nullptr);
  DragAndDrop(*object, QPoint(2, -2));
  EXPECT_FALSE(object->Dragging());
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "c");
  EXPECT_EQ(object->pos(), QPoint(50, 50));

  DragBy(*object, QPoint(3, 0));
  EXPECT_TRUE(object->Dragging());
  Drop();
  QCoreApplication::processEvents();
  EXPECT_FALSE(object->Dragging());
  EXPECT_EQ(Log(), "c");  // a drag is no click
  // The point pressed stays under the mouse: no travel is lost to the start.
  EXPECT_EQ(object->pos(), QPoint(53, 50));
}

TEST_F(DragDropTest, FreeDragMovesTheObjectAndTheImageHoldsTheMouse) {
  ASSERT_TRUE(OpenWith(QRect(50, 50, 60, 40), "DragMode=1"));
  auto* object = Find<TOrvalisDragObj>("T");
  ASSERT_NE(object, nullptr);
  DragBy(*object, QPoint(100, 60));
  QWidget* grabber = QWidget::mouseGrabber();
  ASSERT_NE(grabber, nullptr);
  EXPECT_NE(grabber, object);
  EXPECT_EQ(object->pos(), QPoint(50, 50));  // the image moves, not the object
  EXPECT_EQ(grabber->pos(), QPoint(150, 110));
  Drop();
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(object->pos(), QPoint(150, 110));
}

TEST_F(DragDropTest, DropVariablesExistOnlyWhileTheDropScriptRuns) {
  ASSERT_TRUE(OpenWith(QRect(50, 50, 40, 30), "DragMode=2\r\nDropTarget=Box\r\nDropAction=" + kRecordDrop,
                       ObjectLines(5, "Box", QRect(200, 100, 100, 100))));
  auto* object = Find<TOrvalisDragObj>("T");
  ASSERT_NE(object, nullptr);
  DragAndDrop(*object, QPoint(170, 80));  // top-left at (220, 130): inside the box
  EXPECT_EQ(Var("[Seen]"), "True/220/130/Box");
  EXPECT_TRUE(NoDropVariables());
  EXPECT_EQ(object->pos(), QPoint(220, 130));
}

TEST_F(DragDropTest, TheDropScriptDecidesAcceptanceAndPlace) {
  const struct {
    const char* script;
    QPoint landed;
  } cases[] = {
      {"", QPoint(220, 130)},
      {"SetVar \"[DropAccept]\" \"False\"", QPoint(50, 50)},
      {"SetVar \"[DropAccept]\" \"true\"", QPoint(220, 130)},
      {"SetVar \"[DropX]\" \"230\"\xB6SetVar \"[DropY]\" \"140\"", QPoint(230, 140)},
      {"SetVar \"[DropX]\" \"far\"\xB6SetVar \"[DropY]\" \"12.5\"", QPoint(220, 130)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    ASSERT_TRUE(OpenWith(QRect(50, 50, 40, 30),
                         "DragMode=2\r\nDropTarget=Box\r\nDropAction=" + kRecordDrop + "\xB6" + c.script,
                         ObjectLines(5, "Box", QRect(200, 100, 100, 100))));
    auto* object = Find<TOrvalisDragObj>("T");
    ASSERT_NE(object, nullptr);
    DragAndDrop(*object, QPoint(170, 80));
    EXPECT_EQ(object->pos(), c.landed);
    EXPECT_TRUE(NoDropVariables());
  }
  // No target under the drop: refused unless the script accepts.
  for (const bool accept : {false, true}) {
    ASSERT_TRUE(OpenWith(QRect(50, 50, 40, 30),
                         std::string("DragMode=2\r\nDropTarget=Box\r\nDropAction=") + kRecordDrop +
                             (accept ? "\xB6SetVar \"[DropAccept]\" \"TRUE\"" : ""),
                         ObjectLines(5, "Box", QRect(200, 100, 100, 100))));
    auto* object = Find<TOrvalisDragObj>("T");
    ASSERT_NE(object, nullptr);
    DragAndDrop(*object, QPoint(20, 150));
    EXPECT_EQ(Var("[Seen]"), "False/70/200/");
    EXPECT_EQ(object->pos(), accept ? QPoint(70, 200) : QPoint(50, 50));
  }
}

TEST_F(DragDropTest, TheTargetOverlappedMostWinsAndTakesTheObjectInside) {
  // Two boxes side by side at x 100..199 and 200..299; the object is 60 wide.
  const std::string boxes =
      ObjectLines(5, "A", QRect(100, 100, 100, 100)) + ObjectLines(5, "B", QRect(200, 100, 100, 100));
  const struct {
    const char* targets;
    int left;  // where the dragged object's left edge is let go
    const char* winner;
    QPoint landed;
  } cases[] = {
      {"A|B", 170, "A", QPoint(140, 150)},  // 30 each: the first listed
      {"B|A", 170, "B", QPoint(200, 150)},
      {"A|B", 180, "B", QPoint(200, 150)},  // 20 on A, 40 on B
      {"A|B", 120, "A", QPoint(120, 150)},  // wholly on A
      {"B|A", 280, "B", QPoint(240, 150)},  // sticking out of B's right side
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.targets) + " at " + std::to_string(c.left));
    ASSERT_TRUE(OpenWith(QRect(20, 150, 60, 40),
                         std::string("DragMode=2\r\nDropTarget=") + c.targets + "\r\nDropAction=" + kRecordDrop,
                         boxes));
    auto* object = Find<TOrvalisDragObj>("T");
    ASSERT_NE(object, nullptr);
    DragAndDrop(*object, QPoint(c.left - 20, 0));
    EXPECT_EQ(Var("[Seen]").substr(Var("[Seen]").rfind('/') + 1), c.winner);
    EXPECT_EQ(object->pos(), c.landed);
  }
}

TEST_F(DragDropTest, AnEmptyNameInTheTargetListNamesNoUnnamedObject) {
  ASSERT_TRUE(OpenWith(QRect(20, 20, 40, 30), "DragMode=2\r\nDropTarget=A||B\r\nDropAction=" + kRecordDrop,
                       ObjectLines(5, "", QRect(150, 150, 100, 100)) + ObjectLines(5, "A", QRect(0, 250, 50, 50)) +
                           ObjectLines(5, "B", QRect(350, 0, 50, 50))));
  auto* object = Find<TOrvalisDragObj>("T");
  ASSERT_NE(object, nullptr);
  DragAndDrop(*object, QPoint(160, 160));  // onto the unnamed rectangle only
  EXPECT_EQ(Var("[Seen]"), "False/180/180/");
  EXPECT_EQ(object->pos(), QPoint(20, 20));
}

TEST_F(DragDropTest, ToFrontModeMakesTheObjectTheLastOfItsParent) {
  // The group lies clear of the text block, so that its box takes no press
  // meant for the block.
  const std::string group = "ObjectType=20\r\nName=G\r\nX=150\r\nY=0\r\nW=250\r\nH=300\r\nGroupBegin\r\n" +
                            ObjectLines(23, "Inner", QRect(10, 10, 40, 40), {"DragMode=5"}) +
                            ObjectLines(5, "Cover", QRect(100, 100, 100, 100)) + "GroupEnd\r\n";
  ASSERT_TRUE(OpenWith(QRect(50, 150, 40, 30), "DragMode=5", ObjectLines(5, "Later", QRect(0, 0, 10, 10)) + group));
  auto* text = Find<TOrvalisDragObj>("T");
  auto* inner = Find<TOrvalisDragObj>("Inner");
  auto* holder = Find<TOrvalisRepositor>("G");
  ASSERT_TRUE(text != nullptr && inner != nullptr && holder != nullptr);
  const auto& pageObjects = form->Pages().Page(1)->Background().Objects();
  ASSERT_EQ(pageObjects.front(), text);

  DragAndDrop(*text, QPoint(60, 0));
  EXPECT_EQ(pageObjects.back(), text);
  EXPECT_EQ(pageObjects.size(), 3u);
  DragAndDrop(*inner, QPoint(100, 100));  // onto the cover
  EXPECT_EQ(holder->Children().back(), inner);
  EXPECT_EQ(holder->Children().size(), 2u);
  EXPECT_EQ(form->childAt(At(*inner)), inner);  // drawn over the cover too
  // A refused drop stays where it was in the list.
  ASSERT_TRUE(OpenWith(QRect(50, 150, 40, 30), "DragMode=5\r\nDropAction=SetVar \"[DropAccept]\" \"No\"",
                       ObjectLines(5, "Later", QRect(0, 0, 10, 10))));
  text = Find<TOrvalisDragObj>("T");
  ASSERT_NE(text, nullptr);
  DragAndDrop(*text, QPoint(60, 0));
  EXPECT_EQ(form->Pages().Page(1)->Background().Objects().front(), text);
}

TEST_F(DragDropTest, HideModeHidesTheObjectWhileTheDragGoesOn) {
  for (const bool accept : {true, false}) {
    SCOPED_TRACE(accept);
    ASSERT_TRUE(OpenWith(QRect(50, 50, 60, 40),
                         std::string("DragMode=9\r\nDropAction=SetVar \"[DropAccept]\" \"") +
                             (accept ? "True" : "False") + "\""));
    auto* object = Find<TOrvalisDragObj>("T");
    ASSERT_NE(object, nullptr);
    DragBy(*object, QPoint(20, 20));
    EXPECT_TRUE(object->isHidden());
    EXPECT_TRUE(object->VisibleState());
    // Hidden, the object cannot take the moves: the drag goes on all the same.
    MoveTo(dropAt_ + QPoint(100, 80));
    dropAt_ += QPoint(100, 80);
    EXPECT_TRUE(object->Dragging());
    Drop();
    EXPECT_TRUE(object->isVisible());
    EXPECT_EQ(object->pos(), accept ? QPoint(170, 150) : QPoint(50, 50));
  }
}

// A drag does not outlive its page: the switch cancels it, with no drop.
TEST_F(DragDropTest, LeavingThePageCancelsTheDrag) {
  ASSERT_TRUE(OpenWith(QRect(50, 50, 60, 40), "DragMode=9\r\nDropAction=" + test::Logs("d"), "NewPage=Q\r\n"));
  auto* object = Find<TOrvalisDragObj>("T");
  ASSERT_NE(object, nullptr);
  DragBy(*object, QPoint(20, 20));
  ASSERT_TRUE(object->Dragging());
  form->Navigator().ShowPage(2);
  EXPECT_FALSE(object->Dragging());
  EXPECT_FALSE(object->isHidden());  // shown again, where it was
  EXPECT_EQ(object->pos(), QPoint(50, 50));
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  Release(dropAt_);
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "");
}

TEST_F(DragDropTest, AnObjectLargerThanItsParentKeepsToTheParentsEdge) {
  // A 500-wide object on a 400-wide page, pulled both ways.
  for (const int by : {-30, 30}) {
    SCOPED_TRACE(by);
    ASSERT_TRUE(OpenWith(QRect(0, 50, 500, 40), "DragMode=1"));
    auto* object = Find<TOrvalisDragObj>("T");
    ASSERT_NE(object, nullptr);
    DragAndDrop(*object, QPoint(by, 30));
    EXPECT_EQ(object->pos(), QPoint(0, 80));
  }
  // Kept wholly inside otherwise.
  ASSERT_TRUE(OpenWith(QRect(300, 200, 60, 40), "DragMode=1"));
  auto* object = Find<TOrvalisDragObj>("T");
  ASSERT_NE(object, nullptr);
  DragAndDrop(*object, QPoint(80, 80));
  EXPECT_EQ(object->pos(), QPoint(340, 260));
}

}  // namespace
}  // namespace orv
