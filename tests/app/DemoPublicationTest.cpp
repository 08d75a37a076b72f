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
  // "Welcome" is $C08030: blue C0, green 80, red 30.
  for (const QPoint p : {QPoint(0, 0), QPoint(320, 200), QPoint(639, 399)})
    EXPECT_EQ(image.pixelColor(p), QColor(0x30, 0x80, 0xC0)) << p.x() << ',' << p.y();
  const std::string saved = ReadFile(vars);
  EXPECT_NE(saved.find("Started=yes"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Current=Welcome"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Goodbye=Visited 1 pages"), std::string::npos) << saved;
  // The enter action titled the window; the shutdown action read it back.
  EXPECT_NE(saved.find("LastTitle=Orvalis demo: Welcome (visit 1)"), std::string::npos) << saved;
}

}  // namespace
}  // namespace orv::test
