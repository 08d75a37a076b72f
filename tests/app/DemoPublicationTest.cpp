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

}  // namespace
}  // namespace orv::test
