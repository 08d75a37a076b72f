#include "pages/OrvalisBackground.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "base/Ansi.h"
#include "pages/BackgroundMessages.h"
#include "pages/BackgroundObject.h"
#include "pages/PictureCache.h"
#include "pages/PictureFiles.h"

namespace orv {
namespace {

using testing::PatternImage;
using testing::WritePicture;

// A page object reduced to what the background sees, recording into a trace.
class FakeObject : public TBackgroundObject {
 public:
  FakeObject(std::string name, std::vector<std::string>* trace) : name_(std::move(name)), trace_(trace) {}

  const std::string& ObjectName() const override { return name_; }
  void Notify(int message, const std::string& text, const std::string& data) override {
    trace_->push_back(name_ + ":" + std::to_string(message) + ":" + text + ":" + data);
  }
  void PaintTo(QPainter& painter) override {
    trace_->push_back("paint " + name_);
    if (!paintRect.isEmpty()) painter.fillRect(paintRect, paintColour);
  }
  bool IsObjectVisible() const override { return visible; }
  bool IsObjectEnabled() const override { return enabled; }
  std::vector<TBackgroundObject*> ChildObjects() const override { return children; }
  QKeyCombination HotKey() const override { return hotKey; }
  void ActivateByHotKey() override { trace_->push_back("activate " + name_); }
  bool IsRectObject() const override { return rect; }
  bool IsMultiLineEdit() const override { return multiLine; }

  bool visible = true;
  bool enabled = true;
  bool rect = false;
  bool multiLine = false;
  QKeyCombination hotKey;
  std::vector<TBackgroundObject*> children;
  QRect paintRect;
  QColor paintColour;

 private:
  std::string name_;
  std::vector<std::string>* trace_;
};

class BackgroundTest : public ::testing::Test {
 protected:
  FakeObject* Add(TOrvalisBackground& page, const std::string& name) {
    owned_.push_back(std::make_unique<FakeObject>(name, &trace_));
    page.AddObject(owned_.back().get());
    return owned_.back().get();
  }
  FakeObject* Make(const std::string& name) {
    owned_.push_back(std::make_unique<FakeObject>(name, &trace_));
    return owned_.back().get();
  }

  std::vector<std::string> trace_;
  std::vector<std::unique_ptr<FakeObject>> owned_;
};

TEST_F(BackgroundTest, Defaults) {
  TOrvalisBackground page;
  EXPECT_EQ(page.Color(), 0xFFFFFFu);
  EXPECT_EQ(page.GradientColor1(), 0xFF0000u);
  EXPECT_EQ(page.GradientColor2(), 255u);
  EXPECT_EQ(page.GradientAngle(), G_Vert);
  EXPECT_EQ(page.BackgroundStyle(), pbSolid);
  EXPECT_EQ(page.WallpaperStyle(), wsTile);
  EXPECT_TRUE(page.WallpaperFile().empty());
  EXPECT_TRUE(page.Effect().empty());
  EXPECT_TRUE(page.ShowMasterPage());
  EXPECT_EQ(page.MasterPage(), nullptr);
  EXPECT_TRUE(page.PublicationArea().isEmpty());
  EXPECT_EQ(page.Palette(), ColourPalette::Default());
  EXPECT_FALSE(page.HasOwnPalette());
  EXPECT_TRUE(page.testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_EQ(page.focusPolicy(), Qt::NoFocus);
}

TEST_F(BackgroundTest, PaintsOnlyInsideThePublicationArea) {
  TOrvalisBackground page;
  page.resize(40, 30);
  page.SetPublicationArea(QRect(5, 4, 20, 10));
  page.SetColor(RgbColour(200, 0, 0));
  QImage canvas(40, 30, QImage::Format_RGB32);
  canvas.fill(qRgb(1, 2, 3));
  QPainter painter(&canvas);
  page.RenderTo(painter, 0, 0);
  painter.end();
  EXPECT_EQ(canvas.pixel(5, 4), qRgb(200, 0, 0));
  EXPECT_EQ(canvas.pixel(24, 13), qRgb(200, 0, 0));
  EXPECT_EQ(canvas.pixel(4, 4), qRgb(1, 2, 3));
  EXPECT_EQ(canvas.pixel(25, 13), qRgb(1, 2, 3));
  EXPECT_EQ(canvas.pixel(24, 14), qRgb(1, 2, 3));
}

TEST_F(BackgroundTest, GrabbedWidgetShowsTheGradient) {
  TOrvalisBackground page;
  page.resize(4, 255);
  page.SetPublicationArea(QRect(0, 0, 4, 255));
  page.SetGradientColor1(RgbColour(0, 0, 0));
  page.SetGradientColor2(RgbColour(255, 255, 255));
  page.SetBackgroundStyle(pbGradient);
  const QImage grabbed = page.grab().toImage();
  ASSERT_EQ(grabbed.height(), 255);
  for (int y = 0; y < 255; y += 17) EXPECT_EQ(grabbed.pixel(2, y) | 0xFF000000, qRgb(y, y, y)) << y;
}

TEST_F(BackgroundTest, WallpaperComesThroughThePictureCacheOnce) {
  QTemporaryDir dir;
  const QImage tile = PatternImage(3, 3);
  TPictureCache cache;
  TOrvalisBackground page;
  page.SetPictureCache(&cache);
  page.resize(12, 12);
  page.SetPublicationArea(QRect(0, 0, 12, 12));
  page.SetBackgroundStyle(pbWallpaper);
  page.SetWallpaperFile(WritePicture(dir, "wall.png", tile));
  for (int i = 0; i < 3; ++i) {
    const QImage grabbed = page.grab().toImage();
    EXPECT_EQ(grabbed.pixel(7, 4) | 0xFF000000, tile.pixel(1, 1));
  }
  EXPECT_EQ(cache.DecodeCount(), 1u);
  EXPECT_EQ(cache.Count(), 1);
  EXPECT_EQ(cache.HoldCount(cache.AcquirePictureUnheld(page.WallpaperFile()).picture.get()), 0);

  page.SetWallpaperFile(dir.path().toStdString() + "/missing.png");
  page.SetColor(RgbColour(0, 0, 99));
  EXPECT_EQ(page.grab().toImage().pixel(7, 4) | 0xFF000000, qRgb(0, 0, 99));
}

TEST_F(BackgroundTest, GrabbedWallpaperInEachStyle) {
  QTemporaryDir dir;
  QImage quad(2, 2, QImage::Format_RGB32);
  quad.setPixel(0, 0, qRgb(255, 0, 0));
  quad.setPixel(1, 0, qRgb(0, 255, 0));
  quad.setPixel(0, 1, qRgb(0, 0, 255));
  quad.setPixel(1, 1, qRgb(255, 255, 0));
  const std::string file = WritePicture(dir, "quad.png", quad);
  const QRgb page = qRgb(50, 50, 50);
  struct Probe {
    int x, y;
    QRgb colour;
  };
  struct Case {
    TWallpaperStyle style;
    std::vector<Probe> probes;  // area is (2, 2) to (9, 7), 8 x 6
  };
  const Case cases[] = {
      {wsTile, {{2, 2, qRgb(255, 0, 0)}, {3, 2, qRgb(0, 255, 0)}, {4, 3, qRgb(0, 0, 255)}, {9, 7, qRgb(255, 255, 0)}}},
      // 8/2 - 2/2 = 3 across, 6/2 - 2/2 = 2 down: the picture at (5, 4).
      {wsCenter, {{5, 4, qRgb(255, 0, 0)}, {6, 5, qRgb(255, 255, 0)}, {4, 4, page}, {2, 2, page}, {9, 7, page}}},
      // Each picture pixel becomes 4 x 3.
      {wsStretched, {{2, 2, qRgb(255, 0, 0)}, {5, 4, qRgb(255, 0, 0)}, {6, 2, qRgb(0, 255, 0)}, {9, 7, qRgb(255, 255, 0)}}},
  };
  TPictureCache cache;
  for (const Case& c : cases) {
    TOrvalisBackground background;
    background.SetPictureCache(&cache);
    background.resize(12, 10);
    background.SetPublicationArea(QRect(2, 2, 8, 6));
    background.SetColor(RgbColour(50, 50, 50));
    background.SetBackgroundStyle(pbWallpaper);
    background.SetWallpaperStyle(c.style);
    background.SetWallpaperFile(file);
    const QImage grabbed = background.grab().toImage();
    for (const Probe& p : c.probes)
      EXPECT_EQ(grabbed.pixel(p.x, p.y) | 0xFF000000, p.colour) << "style " << c.style << " at " << p.x << "," << p.y;
  }
  EXPECT_EQ(cache.DecodeCount(), 1u);
}

TEST_F(BackgroundTest, RenderToPaintsBackgroundThenMasterThenPageObjects) {
  TOrvalisBackground master;
  TOrvalisBackground page;
  page.SetMasterPage(&master);
  page.resize(20, 20);
  page.SetPublicationArea(QRect(0, 0, 20, 20));
  page.SetColor(RgbColour(0, 0, 0));
  FakeObject* logo = Add(master, "Logo");
  FakeObject* first = Add(page, "First");
  FakeObject* second = Add(page, "Second");
  logo->paintRect = QRect(0, 0, 10, 10);
  logo->paintColour = Qt::red;
  first->paintRect = QRect(5, 5, 10, 10);  // over the logo
  first->paintColour = Qt::green;
  second->paintRect = QRect(30, 30, 5, 5);  // outside the page: clipped

  QImage canvas(30, 30, QImage::Format_RGB32);
  canvas.fill(qRgb(1, 2, 3));
  QPainter painter(&canvas);
  page.RenderTo(painter, 3, 2);
  painter.end();
  EXPECT_EQ(trace_, (std::vector<std::string>{"paint Logo", "paint First", "paint Second"}));
  EXPECT_EQ(canvas.pixel(3 + 1, 2 + 1), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.pixel(3 + 6, 2 + 6), qRgb(0, 255, 0));
  EXPECT_EQ(canvas.pixel(3 + 15, 2 + 15), qRgb(0, 0, 0));
  EXPECT_EQ(canvas.pixel(3 + 20, 2 + 5), qRgb(1, 2, 3));  // beyond the page's size
  EXPECT_EQ(canvas.pixel(1, 1), qRgb(1, 2, 3));

  trace_.clear();
  page.SetShowMasterPage(false);
  QImage again(20, 20, QImage::Format_RGB32);
  QPainter painter2(&again);
  page.RenderTo(painter2, 0, 0);
  painter2.end();
  EXPECT_EQ(trace_, (std::vector<std::string>{"paint First", "paint Second"}));
}

TEST_F(BackgroundTest, RenderBeneathGivesThePageUnderTheRequester) {
  TOrvalisBackground page;
  page.resize(30, 30);
  page.SetPublicationArea(QRect(0, 0, 30, 30));
  page.SetBackgroundStyle(pbGradient);
  page.SetGradientColor1(RgbColour(0, 0, 0));
  page.SetGradientColor2(RgbColour(30, 30, 30));  // one step per row
  QWidget child(&page);
  child.setGeometry(10, 12, 8, 8);
  const QImage beneath = page.RenderBeneath(&child, QRect(1, 2, 4, 3));
  ASSERT_EQ(beneath.size(), QSize(4, 3));
  // The child's row 2 is the page's row 14.
  for (int y = 0; y < 3; ++y) EXPECT_EQ(beneath.pixel(0, y) | 0xFF000000, qRgb(14 + y, 14 + y, 14 + y)) << y;
}

TEST_F(BackgroundTest, NotifyIncludesTheMasterOnlyWhenAskedAndShown) {
  struct Case {
    bool includeMaster;
    bool showMaster;
    bool masterHears;
  };
  const Case cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
  for (const Case& c : cases) {
    trace_.clear();
    owned_.clear();
    TOrvalisBackground master;
    TOrvalisBackground page;
    page.SetMasterPage(&master);
    page.SetShowMasterPage(c.showMaster);
    Add(page, "Btn");
    Add(master, "Logo");
    page.Notify(kMsgVariableChanged, "Score", "", c.includeMaster);
    std::vector<std::string> expected{"Btn:1226:Score:"};
    if (c.masterHears) expected.push_back("Logo:1226:Score:");
    EXPECT_EQ(trace_, expected) << c.includeMaster << c.showMaster;
  }
}

TEST_F(BackgroundTest, HiddenMasterStillTellsItsRectanglesThatThePageIsLeaving) {
  TOrvalisBackground master;
  TOrvalisBackground page;
  page.SetMasterPage(&master);
  page.SetShowMasterPage(false);
  Add(page, "Btn");
  Add(master, "Frame")->rect = true;
  Add(master, "Logo");
  page.NotifyObjects(kMsgPageLeaving, "0", "", true);
  EXPECT_EQ(trace_, (std::vector<std::string>{"Btn:1227:0:", "Frame:1227:0:"}));
  trace_.clear();
  page.NotifyObjects(kMsgPageEntering, "1", "", true);
  EXPECT_EQ(trace_, (std::vector<std::string>{"Btn:1228:1:"}));
  trace_.clear();
  page.SetShowMasterPage(true);
  page.NotifyObjects(kMsgPageEntering, "1", "x", true);
  EXPECT_EQ(trace_, (std::vector<std::string>{"Btn:1228:1:x", "Frame:1228:1:x", "Logo:1228:1:x"}));
}

TEST_F(BackgroundTest, HotKeyGoesToTheFirstVisibleEnabledMatchDepthFirst) {
  TOrvalisBackground page;
  const QKeyCombination altA(Qt::AltModifier, Qt::Key_A);
  Add(page, "Hidden")->visible = false;
  owned_.back()->hotKey = altA;
  Add(page, "Disabled")->enabled = false;
  owned_.back()->hotKey = altA;
  FakeObject* group = Add(page, "Group");
  FakeObject* inner = Make("Inner");
  inner->hotKey = altA;
  group->children = {inner};
  Add(page, "Later")->hotKey = altA;

  EXPECT_TRUE(page.DispatchHotKey(altA, nullptr));
  EXPECT_EQ(trace_, (std::vector<std::string>{"activate Inner"}));
  trace_.clear();
  group->visible = false;
  EXPECT_TRUE(page.DispatchHotKey(altA, nullptr));
  EXPECT_EQ(trace_, (std::vector<std::string>{"activate Later"}));
  trace_.clear();
  EXPECT_FALSE(page.DispatchHotKey(QKeyCombination(Qt::AltModifier, Qt::Key_B), nullptr));
  EXPECT_FALSE(page.DispatchHotKey(QKeyCombination(), nullptr));
  EXPECT_TRUE(trace_.empty());
}

TEST_F(BackgroundTest, EnterStaysWithAFocusedMultiLineEdit) {
  TOrvalisBackground page;
  const QKeyCombination enter(Qt::Key_Return);
  Add(page, "Ok")->hotKey = enter;
  FakeObject* memo = Make("Memo");
  memo->multiLine = true;
  FakeObject* line = Make("Line");
  EXPECT_FALSE(page.DispatchHotKey(enter, memo));
  EXPECT_TRUE(trace_.empty());
  EXPECT_TRUE(page.DispatchHotKey(enter, line));
  EXPECT_EQ(trace_, (std::vector<std::string>{"activate Ok"}));
}

TEST_F(BackgroundTest, FindObjectOnPageSearchesDepthFirstIgnoringCase) {
  TOrvalisBackground page;
  FakeObject* group = Add(page, "Group");
  FakeObject* nested = Make("Twin");
  FakeObject* deeper = Make("Deep\xC8");  // È
  FakeObject* box = Make("Box");
  box->children = {deeper};
  group->children = {box, nested};
  FakeObject* later = Add(page, "twin");
  EXPECT_EQ(page.FindObjectOnPage("TWIN"), nested);
  EXPECT_EQ(page.FindObjectOnPage("deep\xE8"), deeper);  // è
  EXPECT_EQ(page.FindObjectOnPage("group"), group);
  EXPECT_EQ(page.FindObjectOnPage("nothing"), nullptr);
  page.RemoveObject(group);
  EXPECT_EQ(page.FindObjectOnPage("Twin"), later);
}

TEST_F(BackgroundTest, PaletteTextReplacesTheDefault) {
  TOrvalisBackground page;
  page.SetPaletteText("255 65280 ");
  EXPECT_TRUE(page.HasOwnPalette());
  EXPECT_EQ(page.Palette().Entry(0), 255u);
  EXPECT_EQ(page.Palette().Entry(1), 65280u);
  EXPECT_EQ(page.Palette().Entry(2), 0u);
}

TEST_F(BackgroundTest, PaletteChoiceFollowsTheDocumentAndTheCurrentPage) {
  TOrvalisBackground page;
  page.SetPaletteText("1 ");
  struct Case {
    bool documentHasPalette;
    int colours;
    const TOrvalisBackground* current;
    const ColourPalette* palette;
    int count;
  };
  const Case cases[] = {
      {false, 256, &page, &ColourPalette::Default(), 256},
      {true, 256, &page, &page.Palette(), 256},
      {false, 65536, &page, &page.Palette(), 65536},
      {true, 16777216, nullptr, &ColourPalette::Default(), 256},
  };
  for (const Case& c : cases) {
    const auto choice = TOrvalisBackground::ChoosePalette(c.documentHasPalette, c.colours, c.current);
    EXPECT_EQ(choice.palette, c.palette);
    EXPECT_EQ(choice.colourCount, c.count);
  }
}

TEST_F(BackgroundTest, SetPublicationAreaStoresOnlyChanges) {
  TOrvalisBackground page;
  page.SetPublicationArea(QRect(1, 2, 3, 4));
  EXPECT_EQ(page.PublicationArea(), QRect(1, 2, 3, 4));
  page.SetPublicationArea(QRect(1, 2, 3, 4));
  EXPECT_EQ(page.PublicationArea(), QRect(1, 2, 3, 4));
}

}  // namespace
}  // namespace orv
