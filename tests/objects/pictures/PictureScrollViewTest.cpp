// The scroll view of a picture with scroll bars, on a shown window: when it
// exists, how large its box is, what it shows where, how zooming keeps the
// view on the same part of the picture, dragging to scroll, and clicks.
#include <gtest/gtest.h>

#include <QCursor>
#include <QPainter>
#include <QScrollBar>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/pictures/PictureObject.h"
#include "objects/pictures/PictureTestPictures.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/PageListNavigator.h"

namespace orv {
namespace {

using test::BoundsOf;
using test::ColourName;
using test::kFillGreen;
using test::kPictureBlue;
using test::kPictureRed;
using test::Logs;
using test::PictureFolder;
using test::PictureLines;
using test::Text;

const QRect kPlace(20, 20, 100, 80);

class PictureScrollViewTest : public test::ObjectWindowFixture<> {
 protected:
  // Page one holds the picture, page two nothing.
  TOrvalisPicture* OpenPicture(const std::string& file, std::initializer_list<std::string> keys) {
    // The offscreen platform's own cursor, which a test before may have left
    // over the picture, stays away from the window.
    QCursor::setPos(-1000, -1000);
    if (!Open("NewPage=One\r\n" + PictureLines(kPlace, file, keys) + "NewPage=Two\r\n")) return nullptr;
    return Find<TOrvalisPicture>("Pic");
  }
  QImage Grab(TOrvalisPicture& picture, const char* saveAs = nullptr) {
    QCoreApplication::processEvents();
    QImage image = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (saveAs != nullptr) image.save(QString("/tmp/picture-") + saveAs + ".png");
    return image;
  }

  PictureFolder folder_;
};

TEST_F(PictureScrollViewTest, ExistsOnlyWhileItsPageShowsAScrolledNormalPicture) {
  auto* picture = OpenPicture(folder_.Solid("big.png", 300, 200, kPictureRed), {"ScrollBar=Yes"});
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->Showing());
  ASSERT_NE(picture->ScrollBox(), nullptr);
  EXPECT_EQ(Text(picture->ScrollBox()->geometry()), Text(picture->rect()));

  picture->SetPaintMode(pStretch);
  EXPECT_EQ(picture->ScrollBox(), nullptr);
  picture->SetPaintMode(pNormal);
  EXPECT_NE(picture->ScrollBox(), nullptr);
  picture->SetScrollBars(false);
  EXPECT_EQ(picture->ScrollBox(), nullptr);
  picture->SetScrollBars(true);
  ASSERT_NE(picture->ScrollBox(), nullptr);

  picture->ScrollBox()->SetPositions({30, 20});
  form->Navigator().ShowPage(2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(picture->Showing());
  EXPECT_EQ(picture->ScrollBox(), nullptr);
  form->Navigator().ShowPage(1);
  QCoreApplication::processEvents();
  ASSERT_NE(picture->ScrollBox(), nullptr);
  EXPECT_EQ(picture->ScrollBox()->Positions(), QPoint(0, 0));
}

TEST_F(PictureScrollViewTest, BoxIsTheZoomedPictureAndAtLeastTheView) {
  const struct {
    const char* label;
    QSize picture;
    int zoom;
    QSize content;  // the zoomed picture
  } cases[] = {
      {"larger both ways", {300, 200}, 100, {300, 200}},
      {"zoomed", {300, 200}, 150, {450, 300}},
      {"smaller than the view", {30, 20}, 100, {30, 20}},
      {"zoomed out", {300, 200}, 10, {30, 20}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string file =
        folder_.Solid("box" + std::to_string(n++) + ".png", c.picture.width(), c.picture.height(), kPictureRed);
    auto* picture = OpenPicture(file, {"ScrollBar=Yes", "PictZoomFactor=" + std::to_string(c.zoom)});
    ASSERT_NE(picture, nullptr);
    TPictureScrollView* view = picture->ScrollBox();
    ASSERT_NE(view, nullptr);
    const QSize viewport = view->viewport()->size();
    EXPECT_EQ(view->ContentSize(), c.content);
    EXPECT_EQ(view->Box().size(), c.content.expandedTo(viewport));
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), std::max(0, c.content.width() - viewport.width()));
    EXPECT_EQ(view->verticalScrollBar()->maximum(), std::max(0, c.content.height() - viewport.height()));
    // The picture at the box's top-left, the object's fill beside it.
    const QImage image = Grab(*picture);
    const QSize shown = c.content.boundedTo(viewport);
    EXPECT_EQ(Text(BoundsOf(image, kPictureRed)), Text(QRect(QPoint(0, 0), shown)));
    if (shown.width() < viewport.width()) {
      EXPECT_EQ(ColourName(image.pixelColor(viewport.width() - 1, 0)), ColourName(kFillGreen));
    }
  }
}

TEST_F(PictureScrollViewTest, ScrollingShowsTheOtherPartAndTheCornerTakesTheFill) {
  auto* picture = OpenPicture(folder_.Halves("halves.png", 400, 300, kPictureRed, kPictureBlue), {"ScrollBar=Yes"});
  ASSERT_NE(picture, nullptr);
  TPictureScrollView* view = picture->ScrollBox();
  ASSERT_NE(view, nullptr);
  view->SetPositions({150, 40});
  const QImage image = Grab(*picture, "scrolled");
  // Picture x 199 is the last red column; it lies at 199 - 150 in view.
  EXPECT_EQ(ColourName(image.pixelColor(49, 10)), ColourName(kPictureRed));
  EXPECT_EQ(ColourName(image.pixelColor(50, 10)), ColourName(kPictureBlue));
  // Both bars show, and the square between them has the object's colour.
  ASSERT_TRUE(view->horizontalScrollBar()->isVisible() && view->verticalScrollBar()->isVisible());
  EXPECT_EQ(ColourName(image.pixelColor(kPlace.width() - 2, kPlace.height() - 2)), ColourName(kFillGreen));
}

TEST_F(PictureScrollViewTest, PageSnapshotsShowTheScrollViewAsTheScreenDoes) {
  auto* picture = OpenPicture(folder_.Halves("snap.png", 400, 300, kPictureRed, kPictureBlue), {"ScrollBar=Yes"});
  ASSERT_NE(picture, nullptr);
  ASSERT_NE(picture->ScrollBox(), nullptr);
  picture->ScrollBox()->SetPositions({170, 0});
  const QImage grabbed = Grab(*picture);
  TOrvalisBackground* page = picture->PageBackground();
  ASSERT_NE(page, nullptr);
  QImage rendered(page->size(), QImage::Format_RGB32);
  QPainter painter(&rendered);
  page->RenderTo(painter, 0, 0);
  painter.end();
  const QImage part = rendered.copy(QRect(picture->PagePosition(), picture->size()));
  int differing = 0;
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x)
      if (part.pixel(x, y) != grabbed.pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
}

TEST_F(PictureScrollViewTest, RedrawnPageAreaRepaintsTheBoxWhereItOverlaps) {
  auto* picture = OpenPicture(folder_.Solid("redraw.png", 400, 300, kPictureRed), {"ScrollBar=Yes"});
  ASSERT_NE(picture, nullptr);
  ASSERT_NE(picture->ScrollBox(), nullptr);
  QWidget& box = picture->ScrollBox()->Box();
  const QPoint boxOnPage = picture->PagePosition() + box.mapTo(picture, QPoint(0, 0));
  auto rectText = [](const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + "," + std::to_string(r.width()) + "," +
           std::to_string(r.height());
  };
  const struct {
    const char* label;
    QRect pageRect;
    bool repaints;
  } cases[] = {
      {"overlapping", QRect(boxOnPage + QPoint(5, 5), QSize(10, 10)), true},
      {"elsewhere on the page", QRect(boxOnPage + QPoint(-50, -50), QSize(10, 10)), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    QCoreApplication::processEvents();
    test::EventCounter paints(&box, QEvent::Paint);
    picture->Notify(kMsgPageShown, "1", rectText(c.pageRect));
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.Count() > 0, c.repaints);
  }
}

TEST_F(PictureScrollViewTest, ZoomKeepsTheScrollPositionsInProportion) {
  const struct {
    int fromZoom;
    int toZoom;
    QPoint before;
    QPoint after;
  } cases[] = {
      {100, 200, {40, 10}, {80, 20}}, {200, 100, {80, 30}, {40, 15}},
      {100, 150, {33, 7}, {50, 10}},  // 49.5 and 10.5 round to even
      {100, 300, {7, 0}, {21, 0}},    {300, 50, {600, 300}, {100, 50}},
  };
  const std::string file = folder_.Solid("zoom.png", 400, 300, kPictureRed);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.fromZoom) + " to " + std::to_string(c.toZoom));
    auto* picture = OpenPicture(file, {"ScrollBar=Yes", "PictZoomFactor=" + std::to_string(c.fromZoom)});
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(picture->ScrollBox(), nullptr);
    picture->ScrollBox()->SetPositions(c.before);
    ASSERT_EQ(picture->ScrollBox()->Positions(), c.before);
    picture->SetZoomFactor(c.toZoom);
    ASSERT_NE(picture->ScrollBox(), nullptr);
    EXPECT_EQ(picture->ScrollBox()->Positions(), c.after);
  }
}

TEST_F(PictureScrollViewTest, DraggingScrollsOnlyWhenTheMouseMayScroll) {
  for (const bool mayScroll : {true, false}) {
    SCOPED_TRACE(mayScroll);
    auto* picture = OpenPicture(folder_.Solid("drag.png", 400, 300, kPictureRed),
                                {"ScrollBar=Yes", std::string("PictMousePan=") + (mayScroll ? "Yes" : "No")});
    ASSERT_NE(picture, nullptr);
    TPictureScrollView* view = picture->ScrollBox();
    ASSERT_NE(view, nullptr);
    view->SetPositions({100, 100});
    const QPoint start = At(view->Box(), view->Box().mapFrom(view->viewport(), QPoint(60, 40)));
    MoveTo(start);
    Press(start);
    MoveTo(start + QPoint(-30, -20));
    MoveTo(start + QPoint(-50, 10));
    Release(start + QPoint(-50, 10));
    EXPECT_EQ(view->Positions(), mayScroll ? QPoint(150, 90) : QPoint(100, 100));
    EXPECT_EQ(view->Box().cursor().shape(), mayScroll ? Qt::SizeAllCursor : Qt::ArrowCursor);
  }
}

TEST_F(PictureScrollViewTest, TheBoxTakesTheClicks) {
  auto* picture = OpenPicture(folder_.Solid("click.png", 400, 300, kPictureRed),
                              {"ScrollBar=Yes", "LineWidth=6", "ObjAction=" + Logs("c"), "ObjRAction=" + Logs("r"),
                               "ObjEnterAction=" + Logs("e"), "ObjExitAction=" + Logs("x")});
  ASSERT_NE(picture, nullptr);
  TPictureScrollView* view = picture->ScrollBox();
  ASSERT_NE(view, nullptr);
  const QPoint away(380, 280);
  MoveTo(away);
  // Straight into the box: the picture's enter script runs.
  const QPoint inBox = At(*view->viewport());
  MoveTo(inBox);
  EXPECT_EQ(Log(), "e");
  Click(inBox);
  EXPECT_EQ(Log(), "e");  // posted
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "ec");
  Click(inBox, Qt::RightButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "ecr");
  // On the outline, outside the view: no click.
  Click(At(*picture, QPoint(2, 2)));
  Click(At(*picture, QPoint(2, 2)), Qt::RightButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "ecr");
  MoveTo(away);
  EXPECT_EQ(Log(), "ecrx");
}

}  // namespace
}  // namespace orv
