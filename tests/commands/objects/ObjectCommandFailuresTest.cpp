// The reports of the general object commands: a missing object (an empty
// name included) for every command, the window handle where the platform
// has none, and the commands' other effects: focus and refresh.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "ObjectCommandFixture.h"
#include "objects/pictures/PictureTestPictures.h"

namespace orv {
namespace {

using test::Box;
using test::kDocRed;

using ObjectCommandFailures = test::ObjectCommandFixture;

TEST_F(ObjectCommandFailures, EveryCommandReportsAMissingObjectByItsName) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + Box("Box", QRect(10, 10, 20, 20), kDocRed) + Box("", QRect(40, 10, 20, 20), kDocRed)));
  const char* lines[] = {
      "ShowObject \"%\" \"\" \"\"",  "HideObject \"%\" \"\" \"\"",       "EnableObject \"%\"",
      "DisableObject \"%\"",         "GetObjectInfo \"%\" \"Left\" \"[V]\"", "MoveObject \"%\" \"1\" \"1\"",
      "SizeObject \"%\" \"1\" \"1\"", "ObjectToFront \"%\"",               "ObjectToBack \"%\"",
      "FocusObject \"%\"",           "RefreshObject \"%\"",              "GetObjectHandle \"%\" \"[V]\"",
  };
  // The unnamed box is never found by an empty name.
  for (const std::string name : {"Nowhere", ""}) {
    for (std::string line : lines) {
      line.replace(line.find('%'), 1, name);
      SCOPED_TRACE(line);
      Run({"SetVar \"[V]\" \"kept\"", line});
      EXPECT_EQ(LastError(), "\"" + name + "\"||Oggetto inesistente.");
      EXPECT_EQ(Var("[V]"), "kept");
    }
  }
  EXPECT_EQ(test::Text(Find("Box")->geometry()), "10,10 20x20");
}

// Offscreen, and on every platform but X11, an object has no window handle
// of its own to give.
TEST_F(ObjectCommandFailures, TheWindowHandleIsZeroWhereThePlatformHasNone) {
  ASSERT_NE(QGuiApplication::platformName(), QLatin1String("xcb"));
  ASSERT_TRUE(Open("NewPage=One\r\n" + Box("Box", QRect(10, 10, 20, 20), kDocRed)));
  Run("GetObjectHandle \"Box\" \"[H]\"");
  EXPECT_EQ(Var("[H]"), "0");
  EXPECT_EQ(LastError(), "Funzione non disponibile su questa piattaforma.");
  EXPECT_FALSE(Find("Box")->testAttribute(Qt::WA_NativeWindow));
}

TEST_F(ObjectCommandFailures, FocusGoesToAVisibleObjectOnly) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + test::ObjectLines(9, "Edit", QRect(10, 10, 100, 20)) +
                   test::ObjectLines(9, "Hidden", QRect(10, 40, 100, 20), {"Visible=No"}) +
                   Box("Shape", QRect(10, 70, 20, 20), kDocRed, {"Enabled=No"})));
  form->activateWindow();
  ASSERT_TRUE(test::WaitUntil([this] { return QApplication::activeWindow() == form.get(); }));
  Run("FocusObject \"Edit\"");
  EXPECT_TRUE(Find("Edit")->hasFocus());
  Run("FocusObject \"Hidden\"");
  EXPECT_TRUE(Find("Edit")->hasFocus());
  // A disabled shape is passed over too.
  Run("FocusObject \"Shape\"");
  EXPECT_TRUE(Find("Edit")->hasFocus());
}

TEST_F(ObjectCommandFailures, RefreshingAPictureReadsItsFileAgain) {
  test::PictureFolder pictures;
  const std::string file = pictures.Solid("p.png", 10, 12, Qt::red);
  ASSERT_TRUE(Open("NewPage=One\r\n" + test::PictureLines(QRect(10, 10, 100, 100), file)));
  EXPECT_EQ(Info("Pic", "ImageWidth"), "10");
  pictures.Solid("p.png", 30, 32, Qt::blue);
  Run("RefreshObject \"Pic\"");
  EXPECT_EQ(Info("Pic", "ImageWidth"), "30");
  EXPECT_EQ(Info("Pic", "ImageHeight"), "32");
}

}  // namespace
}  // namespace orv
