// The player run headless on a packed publication whose start-up action,
// page entry and a replayed click run the object commands: the saved
// variables hold what they read and the texts they left in "[LastError]",
// the screenshot the objects they moved, sized, restyled, hid and reordered.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>

#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

// Errors are not shown, so the failures stay in "[LastError]" for the
// scripts to keep. Colours are $BBGGRR.
const std::string kDocument =
    "ScreenWidth=200\r\nScreenHeight=120\r\nShowErrors=No\r\n"
    "StartupAction=MoveObject \"Box\" \"10\" \"10\"\xB6GetObjectInfo \"Box\" \"Left\" \"[StartLeft]\"\r\n"
    "NewPage=One\r\nPageColor=$FFFFFF\r\n"
    "PgEnterAction=SizeObject \"Box\" \"60\" \"40\"\xB6GetObjectInfo \"Box\" \"Width\" \"[BoxWidth]\"\xB6"
    "GetObjectInfo \"Ghost\" \"Left\" \"[Nothing]\"\xB6SetVar \"[MissingError]\" \"[LastError]\"\xB6"
    "GetObjectInfo \"Box\" \"Colour\" \"[Nothing]\"\xB6SetVar \"[InfoError]\" \"[LastError]\"\xB6"
    "SetObjectCaption \"Box\" \"text\"\xB6SetVar \"[CaptionError]\" \"[LastError]\"\r\n"
    "ObjectType=5\r\nName=Box\r\nX=100\r\nY=60\r\nW=20\r\nH=20\r\nLineWidth=0\r\nFillColor=$FF0000\r\n"
    "ObjectType=5\r\nName=Cover\r\nX=40\r\nY=20\r\nW=40\r\nH=40\r\nLineWidth=0\r\nFillColor=$00FF00\r\n"
    "ObjectType=5\r\nName=Ball\r\nX=150\r\nY=70\r\nW=30\r\nH=30\r\nLineWidth=0\r\nFillColor=$0000FF\r\n"
    "ObjectType=3\r\nName=Go\r\nX=130\r\nY=10\r\nW=60\r\nH=24\r\nText=Go\r\n"
    "ObjAction=HideObject \"Ball\" \"\" \"\"\xB6ObjectToFront \"Box\"\xB6SetObjectFill \"Cover\" \"Yellow\" \"\" \"\"\xB6"
    "GetObjectInfo \"Ball\" \"Visible\" \"[BallVisible]\"\r\n";

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos ||
         ("\n" + text).find("\n" + line + "\r\n") != std::string::npos;
}

TEST(ObjectCommandsRun, ScriptsMoveSizeQueryRestyleHideAndReorderObjects) {
  ScratchFolder dir;
  WriteFile(dir / "RUNTIME.PUB", kDocument);
  WriteFile(dir / "input.txt", "300 click 160,22\n800 quit\n");
  const std::string package = dir / "objects.exe";
  const CommandResult packed =
      RunCommand(BinPath("orvalis-pack") + " create " + Q(package) + " " + Q(dir / "RUNTIME.PUB"));
  ASSERT_EQ(packed.status, 0) << packed.output;
  const std::string shot = dir / "shot.png";
  const CommandResult r = RunCommand("cd " + Q(dir.Path()) + " && QT_QPA_PLATFORM=offscreen timeout 120 " +
                                         BinPath("orvalis") + " --play input.txt --quit-after 5000 --screenshot " +
                                         Q(shot) + " --save-vars vars.txt " + Q(package) + " 2>stderr.txt",
                                     false);
  ASSERT_EQ(r.status, 0) << ReadFile(dir / "stderr.txt");
  const std::string vars = ReadFile(dir / "vars.txt");
  for (const char* line : {"StartLeft=10", "BoxWidth=60", "MissingError=\"Ghost\"||Oggetto inesistente.",
                           "InfoError=Colour||Tipo di informazione oggetto non valida.",
                           "CaptionError=Descrizione oggetto inesistente!", "BallVisible=False"})
    EXPECT_TRUE(HasLine(vars, line)) << line << '\n' << vars;

  const QImage image(QString::fromStdString(shot));
  ASSERT_FALSE(image.isNull());
  const QColor blue(0, 0, 255), yellow(255, 255, 0), white(255, 255, 255);
  // The box, moved to (10, 10) and sized to 60 x 40, was brought in front
  // of the cover, which the click turned yellow; the ball is hidden.
  EXPECT_EQ(image.pixelColor(15, 15), blue);
  EXPECT_EQ(image.pixelColor(65, 45), blue);
  EXPECT_EQ(image.pixelColor(75, 55), yellow);
  EXPECT_EQ(image.pixelColor(165, 85), white);
}

}  // namespace
}  // namespace orv::test
