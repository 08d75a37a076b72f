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
// the third.
TEST(DemoPublication, PlayedInputReachesItsObjects) {
  const std::string demo = BinPath("orvalis-demo.exe");
  const std::string play = std::string(ORVALIS_TEST_DATA_DIR) + "/../../examples/demo/demo.play";
  ASSERT_TRUE(std::filesystem::exists(demo)) << "build the orvalis_demo target first";
  ScratchFolder dir;
  const std::string shot = dir / "demo.png";
  const std::string vars = dir / "vars.txt";
  const CommandResult r = RunCommand("QT_QPA_PLATFORM=offscreen " + BinPath("orvalis") + " --play '" + play +
                                     "' --quit-after 20000 --screenshot '" + shot + "' --save-vars '" + vars +
                                     "' '" + demo + "'");
  ASSERT_EQ(r.status, 0) << r.output;
  const std::string saved = ReadFile(vars);
  for (const char* expected : {"Clicks=2", "ClickedBy=HelloButton", "InBox=no", "LeftBox=1",
                               "Dropped=Basket at 390,200", "Current=Wallpaper"})
    EXPECT_NE(saved.find(expected), std::string::npos) << expected << "\n" << saved;
  QImage image(QString::fromStdString(shot));
  ASSERT_FALSE(image.isNull());
  // The parcel ($4080FF) landed at 390,200 inside the basket ($C0F0FF),
  // whose sunken outline is white at the bottom right.
  struct Expected {
    QPoint at;
    QColor colour;
  };
  for (const Expected& e : {Expected{{450, 240}, QColor(0xFF, 0x80, 0x40)}, Expected{{375, 300}, QColor(0xFF, 0xF0, 0xC0)},
                            Expected{{579, 250}, QColor(0xFF, 0xFF, 0xFF)}})
    EXPECT_EQ(image.pixelColor(e.at), e.colour) << e.at.x() << ',' << e.at.y();
  // Where the parcel started only the wallpaper shows now.
  EXPECT_NE(image.pixelColor(100, 100), QColor(0xFF, 0x80, 0x40));
}

}  // namespace
}  // namespace orv::test
