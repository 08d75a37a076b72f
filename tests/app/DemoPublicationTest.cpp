// The demo publication packed at build time, played headless: its first
// page as grabbed and the variables its scripts leave.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

TEST(DemoPublication, FirstPageAndScriptsAsPlayed) {
  const std::string demo = BinPath("orvalis-demo.exe");
  ASSERT_TRUE(std::filesystem::exists(demo)) << "build the orvalis_demo target first";
  ScratchFolder dir;
  const std::string shot = dir / "demo.png";
  const std::string vars = dir / "vars.txt";
  const CommandResult r = RunCommand("QT_QPA_PLATFORM=offscreen " + BinPath("orvalis") +
                                     " --quit-after 200 --screenshot '" + shot + "' --save-vars '" + vars +
                                     "' '" + demo + "'");
  ASSERT_EQ(r.status, 0) << r.output;
  QImage image(QString::fromStdString(shot));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(640, 400));
  // Colours are $BBGGRR. "Welcome" is $C08030; its raised panel $F0E0C0; the
  // master page's footer, docked to the bottom, $E0E0E0.
  struct Expected {
    QPoint at;
    QColor colour;
  };
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

// The demo's own input file: a click and a hot key on the first page, the
// mouse through a container on the second, a parcel dragged into a basket on
// the third (kept as a picture then), and on the fourth the buttons and the
// triangle, once inside its shape and once beside it.
TEST(DemoPublication, PlayedInputReachesItsObjects) {
  const std::string demo = BinPath("orvalis-demo.exe");
  const std::string play = std::string(ORVALIS_TEST_DATA_DIR) + "/../../examples/demo/demo.play";
  ASSERT_TRUE(std::filesystem::exists(demo)) << "build the orvalis_demo target first";
  ScratchFolder dir;
  const std::string shot = dir / "demo.png";
  const std::string vars = dir / "vars.txt";
  // The input's own picture of the third page lands in the folder the
  // player runs in.
  const CommandResult r = RunCommand("cd '" + std::string(dir / "") + "' && QT_QPA_PLATFORM=offscreen " +
                                     BinPath("orvalis") + " --play '" + play + "' --quit-after 20000 --screenshot '" +
                                     shot + "' --save-vars '" + vars + "' '" + demo + "'");
  ASSERT_EQ(r.status, 0) << r.output;
  const std::string saved = ReadFile(vars);
  for (const char* expected : {"Clicks=2", "ClickedBy=HelloButton", "InBox=no", "LeftBox=1",
                               "Dropped=Basket at 390,200", "Current=Pictures", "StripClicks=1", "Sound=Checked",
                               "SoundClicks=1", "Colour=Red", "Triangle=1"})
    EXPECT_NE(saved.find(expected), std::string::npos) << expected << "\n" << saved;

  struct Expected {
    QPoint at;
    QColor colour;
  };
  QImage wallpaper(QString::fromStdString(dir / "demo-wallpaper.png"));
  ASSERT_FALSE(wallpaper.isNull());
  // The parcel ($4080FF) landed at 390,200 inside the basket ($C0F0FF),
  // whose sunken outline is white at the bottom right.
  for (const Expected& e : {Expected{{450, 240}, QColor(0xFF, 0x80, 0x40)}, Expected{{375, 300}, QColor(0xFF, 0xF0, 0xC0)},
                            Expected{{579, 250}, QColor(0xFF, 0xFF, 0xFF)}})
    EXPECT_EQ(wallpaper.pixelColor(e.at), e.colour) << e.at.x() << ',' << e.at.y();
  // Where the parcel started only the wallpaper shows now.
  EXPECT_NE(wallpaper.pixelColor(100, 100), QColor(0xFF, 0x80, 0x40));

  QImage image(QString::fromStdString(shot));
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

}  // namespace
}  // namespace orv::test
