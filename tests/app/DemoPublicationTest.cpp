// The demo publication packed at build time, played headless: its first
// page as grabbed, and its recorded input played through every page, with
// the pictures it keeps and the variables its scripts leave.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

// A colour expected at a point of a picture.
struct Expected {
  QPoint at;
  QColor colour;
};

TEST(DemoPublication, FirstPageAndScriptsAsPlayed) {
  const std::string demo = BinPath("orvalis-demo.exe");
  ASSERT_TRUE(std::filesystem::exists(demo)) << "build the orvalis_demo target first";
  ScratchFolder dir;
  const std::string shot = dir / "demo.png";
  const std::string vars = dir / "vars.txt";
  const CommandResult r = RunCommand("QT_QPA_PLATFORM=offscreen " + BinPath("orvalis") +
                                     " --quit-after 3000 --screenshot '" + shot + "' --save-vars '" + vars +
                                     "' '" + demo + "'");
  ASSERT_EQ(r.status, 0) << r.output;
  QImage image(QString::fromStdString(shot));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(640, 400));
  // Colours are $BBGGRR. "Welcome" is $C08030; its raised panel $F0E0C0; the
  // master page's footer, docked to the bottom, $E0E0E0.
  for (const Expected& e : {Expected{{0, 0}, QColor(0x30, 0x80, 0xC0)}, Expected{{620, 300}, QColor(0x30, 0x80, 0xC0)},
                            Expected{{100, 60}, QColor(0xC0, 0xE0, 0xF0)}, Expected{{320, 390}, QColor(0xE0, 0xE0, 0xE0)},
                            // the panel's raised outline: white on top, the line colour at the bottom
                            Expected{{100, 20}, QColor(0xFF, 0xFF, 0xFF)}, Expected{{100, 159}, QColor(0x40, 0x40, 0x40)}})
    EXPECT_EQ(image.pixelColor(e.at), e.colour) << e.at.x() << ',' << e.at.y();
  const std::string saved = ReadFile(vars);
  EXPECT_NE(saved.find("Started=yes"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Current=Welcome"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Goodbye=Visited 1 pages"), std::string::npos) << saved;
  // The enter action titled the window; the shutdown action read it back.
  EXPECT_NE(saved.find("LastTitle=Orvalis demo: Welcome (visit 1)"), std::string::npos) << saved;
}

// The demo's own input file, played once for the tests below: a click and
// a hot key on the first page, the mouse through a container on the
// second, a parcel dragged into a basket on the third, the buttons and the
// triangle on the fourth, and on the fifth the score button, the article's
// two links and the linked boxes. The input keeps pictures of the pages as
// it goes; they land in the folder the player runs in.
class DemoPublicationPlayed : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string demo = BinPath("orvalis-demo.exe");
    const std::string play = std::string(ORVALIS_TEST_DATA_DIR) + "/../../examples/demo/demo.play";
    folder_ = new ScratchFolder;
    ASSERT_TRUE(std::filesystem::exists(demo)) << "build the orvalis_demo target first";
    const CommandResult r = RunCommand("cd '" + folder_->Path() + "' && QT_QPA_PLATFORM=offscreen " +
                                       BinPath("orvalis") + " --play '" + play +
                                       "' --quit-after 20000 --save-vars vars.txt '" + demo + "'");
    ASSERT_EQ(r.status, 0) << r.output;
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static QImage Shot(const std::string& name) { return QImage(QString::fromStdString(*folder_ / name)); }
  // The variables as saved, one "Name=value" line each.
  static std::set<std::string> SavedVariables() {
    std::set<std::string> lines;
    std::istringstream in(ReadFile(*folder_ / "vars.txt"));
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.insert(line);
    }
    return lines;
  }

  static ScratchFolder* folder_;
};

ScratchFolder* DemoPublicationPlayed::folder_ = nullptr;

// Pixels of `image` inside `area` that `match` picks.
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += match(image.pixelColor(x, y)) ? 1 : 0;
  return count;
}

// The smallest rectangle around the pixels `match` picks; empty when none.
QRect BoundsOf(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (match(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

bool SamePixels(const QImage& a, const QImage& b, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

TEST_F(DemoPublicationPlayed, ScriptsSetWhatTheInputAskedFor) {
  const std::set<std::string> saved = SavedVariables();
  std::string missing;
  for (const char* expected :
       {"Clicks=2", "ClickedBy=HelloButton", "InBox=no", "LeftBox=1", "Dropped=Basket at 390,200", "StripClicks=1",
        "Sound=Checked", "SoundClicks=1", "Colour=Red", "Triangle=1",
        // Every page was visited once and the input ended on the eighth.
        "Current=Motion", "Goodbye=Visited 8 pages",
        // The texts page: the score button twice, the link that runs a
        // script once, and last the link to the bookmark.
        "Score=2", "LinkRuns=1", "HyperlinkClickedText=Go to the end",
        // The quiz's message dialog, answered by keys with its second button.
        "Answer=2",
        // The objects page: what its enter action asked of the objects it
        // had moved and sized, and what the restyling button left.
        "BoxLeft=40", "BallWidth=140", "StarWidth=64", "BallVisible=False", "StarLeft=250",
        // The form page: typed in upper case (a change run per letter), the
        // mask's literal kept, one pick from the list, the combo's second
        // item by number, and one drag of the volume.
        "Name=ADA", "NameEdits=3", "Code=123-456", "Fruit=Cherry", "FruitPicks=1", "Size=2", "Volume=8",
        "VolumeMoves=1",
        // The motion page: the button's mover ended where its path does.
        "RunnerLeft=300"})
    if (saved.count(expected) == 0) missing += std::string(expected) + "\n";
  std::string all;
  for (const std::string& line : saved) all += line + "\n";
  EXPECT_EQ(missing, "") << "saved instead:\n" << all;
}

TEST_F(DemoPublicationPlayed, ParcelLandsInTheBasket) {
  const QImage wallpaper = Shot("demo-wallpaper.png");
  ASSERT_FALSE(wallpaper.isNull());
  // The parcel ($4080FF) landed at 390,200 inside the basket ($C0F0FF),
  // whose sunken outline is white at the bottom right.
  for (const Expected& e : {Expected{{450, 240}, QColor(0xFF, 0x80, 0x40)}, Expected{{375, 300}, QColor(0xFF, 0xF0, 0xC0)},
                            Expected{{579, 250}, QColor(0xFF, 0xFF, 0xFF)}})
    EXPECT_EQ(wallpaper.pixelColor(e.at), e.colour) << e.at.x() << ',' << e.at.y();
  // Where the parcel started only the wallpaper shows now.
  EXPECT_NE(wallpaper.pixelColor(100, 100), QColor(0xFF, 0x80, 0x40));
}

TEST_F(DemoPublicationPlayed, PicturesPageShowsItsPicturesAndShapes) {
  const QImage image = Shot("demo-pictures.png");
  ASSERT_FALSE(image.isNull());
  // The pictures page ($E8F0F8): the photo kept in proportion inside its
  // white area, the star ($00D7FF) without its magenta, the triangle
  // ($00C0FF) and the ellipse ($FFC0C0), the strip button's first frame.
  const QColor page(0xE8, 0xF0, 0xF8);
  for (const Expected& e : {Expected{{25, 25}, QColor(0xFF, 0xFF, 0xFF)}, Expected{{412, 62}, QColor(0xFF, 0xD7, 0x00)},
                            Expected{{382, 32}, page}, Expected{{400, 280}, QColor(0xFF, 0xC0, 0x00)},
                            Expected{{345, 205}, page}, Expected{{545, 320}, QColor(0xFF, 0xC0, 0xC0)}})
    EXPECT_EQ(image.pixelColor(e.at), e.colour) << e.at.x() << ',' << e.at.y();
  EXPECT_NE(image.pixelColor(120, 100), QColor(0xFF, 0xFF, 0xFF)) << "the photo";
  bool stripShown = false;
  for (int y = 20; y < 70 && !stripShown; ++y)
    for (int x = 460; x < 620 && !stripShown; ++x) stripShown = image.pixelColor(x, y) == QColor(0x30, 0x70, 0xC0);
  EXPECT_TRUE(stripShown) << "the strip button's up frame";
}

// The texts page as it came and after the input: the text block's score
// field, the article scrolled to its last part by the link, and the text
// of chain.rtf flowing from the first linked box into the second. Glyphs
// differ from font to font, so the checks look at colours the texts give
// their parts and at which parts changed.
TEST_F(DemoPublicationPlayed, TextsPageFollowsItsVariablesAndLinks) {
  const QImage start = Shot("demo-texts-start.png");
  const QImage end = Shot("demo-texts.png");
  ASSERT_FALSE(start.isNull());
  ASSERT_FALSE(end.isNull());
  ASSERT_EQ(start.size(), end.size());

  // The text block (20,20 300x64) shows the score in green ($006000) in its
  // first field: the field now draws another value, and nothing below it
  // moved.
  const QRect block(21, 21, 298, 62);
  const auto green = [](QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; };
  const QRect scoreBefore = BoundsOf(start, block, green);
  const QRect scoreAfter = BoundsOf(end, block, green);
  ASSERT_FALSE(scoreBefore.isEmpty()) << "the score field";
  ASSERT_FALSE(scoreAfter.isEmpty()) << "the score field";
  EXPECT_FALSE(SamePixels(start, end, scoreBefore | scoreAfter)) << "the score field still shows 0";
  const QRect below(block.left(), (scoreBefore | scoreAfter).bottom() + 1, block.width(),
                    block.bottom() - (scoreBefore | scoreAfter).bottom());
  EXPECT_TRUE(SamePixels(start, end, below)) << "the text under the score moved";
  EXPECT_GT(CountPixels(end, below, [](QColor c) { return c.lightness() < 128; }), 0) << "the second line";

  // The article (340,20 280x240, its scroll bar on the right): its first
  // lines carry the links in the link colour (blue by default); the part
  // after the bookmark starts with a red heading ($0000FF). The link to the
  // bookmark scrolled the links away and the heading in.
  const QRect article(341, 21, 250, 238);
  const auto linkBlue = [](QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; };
  const auto red = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
  EXPECT_GT(CountPixels(start, article, linkBlue), 0) << "the links at the top";
  EXPECT_EQ(CountPixels(start, article, red), 0) << "the last part already shown";
  EXPECT_EQ(CountPixels(end, article, linkBlue), 0) << "the top still shown after the jump";
  EXPECT_GT(CountPixels(end, article, red), 0) << "the heading at the bookmark";

  // The linked boxes (20,136 and 175,136, 145x228, filled $F0FFFF): the
  // first starts with a navy heading ($800000); the second holds text too,
  // the rest of the file and not its start again.
  const QRect first(21, 137, 143, 226);
  const QRect second(176, 137, 143, 226);
  const auto navy = [](QColor c) { return c.blue() > 90 && c.red() < 50 && c.green() < 50; };
  const auto dark = [](QColor c) { return c.lightness() < 100; };
  EXPECT_GT(CountPixels(end, first, navy), 0) << "the chain's heading";
  EXPECT_GT(CountPixels(end, first, dark), 200) << "text in the first box";
  EXPECT_GT(CountPixels(end, second, dark), 200) << "text flowed into the second box";
  EXPECT_EQ(CountPixels(end, second, navy), 0) << "the second box shows the start of the file";
}

TEST_F(DemoPublicationPlayed, ObjectsPageMovesRestylesHidesAndReorders) {
  const QImage start = Shot("demo-objects-start.png");
  const QImage end = Shot("demo-objects.png");
  ASSERT_FALSE(start.isNull());
  ASSERT_FALSE(end.isNull());
  const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
  const auto orange = [](QColor c) { return c.red() > 200 && c.green() > 150 && c.green() < 220 && c.blue() < 160; };
  const auto blue = [](QColor c) { return c.blue() > 200 && c.red() < 160; };
  const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 180 && c.blue() < 80; };
  // The box was moved to (40, 40) and keeps its 160 x 90 size; the button
  // filled it red.
  EXPECT_EQ(BoundsOf(start, QRect(0, 0, 220, 140), orange), QRect(41, 41, 158, 88));
  EXPECT_GT(CountPixels(end, QRect(45, 45, 150, 80), red), 150 * 80 * 9 / 10);
  // The ball was sized from 90 x 90 to 140 x 70 at (220, 20) (the star
  // covers its right end), then hidden.
  const QRect ball = BoundsOf(start, QRect(210, 10, 130, 100), blue);
  EXPECT_EQ(ball.left(), 221);
  EXPECT_GE(ball.width(), 115);
  EXPECT_LE(ball.height(), 70);
  EXPECT_GE(ball.height(), 64);
  EXPECT_EQ(CountPixels(end, QRect(210, 10, 30, 100), blue), 0);
  // The star moved from (340, 20) to (250, 40).
  EXPECT_GT(CountPixels(start, QRect(340, 20, 64, 64), yellow), 0);
  EXPECT_EQ(CountPixels(end, QRect(340, 20, 64, 64), yellow), 0);
  EXPECT_GT(CountPixels(end, QRect(250, 40, 64, 64), yellow), 0);
  // The note's font became larger, bold and green.
  const auto green = [](QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 60; };
  EXPECT_EQ(CountPixels(start, QRect(20, 140, 560, 50), green), 0);
  EXPECT_GT(CountPixels(end, QRect(20, 140, 560, 50), green), 500);
}

TEST_F(DemoPublicationPlayed, FormPageShowsWhatWasTypedPickedAndDragged) {
  const QImage form = Shot("demo-form.png");
  ASSERT_FALSE(form.isNull());
  const auto dark = [](QColor c) { return c.lightness() < 100; };
  // The typed name in the field (20,50 240x28) and the code in the masked
  // one (280,50 120x28): dark text on white.
  EXPECT_GT(CountPixels(form, QRect(22, 52, 100, 24), dark), 30) << "the name";
  EXPECT_GT(CountPixels(form, QRect(282, 52, 100, 24), dark), 30) << "the code";
  // The list (20,95 160x110) shows its picked third row in the highlight
  // colour, and nothing else highlighted.
  const QColor highlight = form.pixelColor(150, 133);
  EXPECT_NE(highlight, QColor(Qt::white));
  const QRect picked = BoundsOf(form, QRect(21, 96, 158, 108), [&](QColor c) { return c == highlight; });
  EXPECT_GT(picked.width(), 100);
  EXPECT_LT(picked.top(), 133);
  EXPECT_GT(picked.bottom(), 133);
  EXPECT_LT(picked.height(), 25);
  // The combo (200,95) shows its chosen item's text.
  EXPECT_GT(CountPixels(form, QRect(204, 98, 120, 18), dark), 20) << "the combo's item";
  // The volume's thumb (10 wide, as high as the bar at 200,150, 300 x 24)
  // moved from 3 of 10 to 8 of 10: its left at 200 + round(8 / 10 x 290).
  // Above the 6-pixel track only the thumb covers the page.
  const QColor page = form.pixelColor(195, 152);
  const auto notPage = [&](QColor c) { return c != page; };
  EXPECT_EQ(CountPixels(form, QRect(285, 151, 14, 6), notPage), 0) << "the thumb left its old place";
  EXPECT_EQ(BoundsOf(form, QRect(200, 151, 300, 6), notPage), QRect(432, 151, 10, 6));
}

// The motion page after about three seconds: its 200 ms timer ticked (the
// exact count depends on the machine), the mover put the square at the end
// of its path, and the cartoon and the spinning picture show.
TEST_F(DemoPublicationPlayed, MotionPageTicksMovesAndAnimates) {
  int ticks = -1;
  long elapsed = -1;
  for (const std::string& line : SavedVariables()) {
    if (line.rfind("Ticks=", 0) == 0) ticks = std::stoi(line.substr(6));
    if (line.rfind("ClockMs=", 0) == 0) elapsed = std::stol(line.substr(8));
  }
  EXPECT_GE(ticks, 3);
  // The time since the timer started, written at each tick: at least most
  // of the ticks' intervals (Qt may fire a timer a little early).
  EXPECT_GE(elapsed, 150L * ticks);

  const QImage motion = Shot("demo-motion.png");
  ASSERT_FALSE(motion.isNull());
  const auto red = [](QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; };
  const auto green = [](QColor c) { return c.green() > 130 && c.red() < 80 && c.blue() < 100; };
  // The 40 x 40 square went from (40, 150) to (300, 150).
  EXPECT_EQ(BoundsOf(motion, QRect(0, 140, 640, 60), red), QRect(300, 150, 40, 40));
  // A frame of the hopping cartoon (32 x 32, green on a transparent
  // ground) about its start at (380, 250).
  const QRect hop = BoundsOf(motion, QRect(340, 220, 120, 60), green);
  EXPECT_GE(hop.width(), 18);
  EXPECT_LE(hop.width(), 32);
  EXPECT_GE(hop.height(), 18);
  EXPECT_EQ(CountPixels(motion, QRect(340, 220, 120, 60), [](QColor c) { return c == QColor(255, 0, 255); }), 0)
      << "the cartoon's magenta ground shows";
  // The spinning picture's red quarter.
  EXPECT_GT(CountPixels(motion, QRect(40, 50, 24, 24), red), 100);
}

}  // namespace
}  // namespace orv::test
