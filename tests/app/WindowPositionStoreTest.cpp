// The window position kept in the registry store: the place "WINDOWREGKEY="
// names, the saved text, and a saved text applied to the window, which is
// always brought back onto the desktop.
#include <gtest/gtest.h>

#include "app/WindowPositionStore.h"
#include "commands/registry/RegistryStore.h"
#include "container/PackageFixture.h"

namespace orv {
namespace {

const QRect kDesktop(0, 0, 1024, 768);

TEST(WindowPositionStore, RegistryKeyNamesRootKeyAndValue) {
  const auto place = WindowRegistryPlace("HKEY_LOCAL_MACHINE\\Software\\Acme\\Pos");
  ASSERT_TRUE(place);
  EXPECT_EQ(place->Root, "HKEY_LOCAL_MACHINE");
  EXPECT_EQ(place->Key, "Software\\Acme");
  EXPECT_EQ(place->Name, "Pos");
  // Any other root name is the current user.
  const auto user = WindowRegistryPlace("Mine\\Pos");
  ASSERT_TRUE(user);
  EXPECT_EQ(user->Root, "HKEY_CURRENT_USER");
  EXPECT_EQ(user->Key, "");
  for (const char* bad : {"", "NoSlash", "HKEY_CURRENT_USER\\Key\\", "HKEY_DYN_DATA\\Key\\Pos"})
    EXPECT_FALSE(WindowRegistryPlace(bad)) << bad;
}

TEST(WindowPositionStore, SavedTextAndItsRestoreOnTheDesktop) {
  EXPECT_EQ(WindowPositionText(QRect(-5, 20, 400, 300), true), "-5,20,400,300,1");
  const QRect current(100, 100, 500, 400);
  const struct {
    const char* text;
    bool sizeable;
    QRect window;
    bool maximize;
  } cases[] = {
      {"10,20,300,200,0", true, {10, 20, 300, 200}, false},
      {"10,20,300,200,0", false, {10, 20, 500, 400}, false},  // size only when sizeable
      {"10 20;300 , 200\t1", true, {10, 20, 300, 200}, true},
      {"\"10\",\"20\",\"3\"\"00\"", true, {10, 20, 300, 400}, false},  // quotes group
      {"x,20", true, {100, 20, 500, 400}, false},                     // not a number: kept
      {"7", true, {7, 100, 500, 400}, false},                         // missing: kept
      {"", true, current, false},
      {"1,2,0,-5,0", true, {1, 2, 500, 400}, false},                  // no size below a pixel
      // Off the desktop to the right: left = 1024 - 400.
      {"5000,10,400,300,0", true, {624, 10, 400, 300}, false},
      {"5000,10,400,300,0", false, {524, 10, 500, 400}, false},
      // Below the desktop, and left of and above it.
      {"10,9000,400,300,0", true, {10, 468, 400, 300}, false},
      {"-300,-50,400,300,0", true, {0, 0, 400, 300}, false},
      {"-32767,5,400,300", true, {0, 5, 400, 300}, false},
      // Only reaching over the far edges: left where it was.
      {"900,600,400,300,0", true, {900, 600, 400, 300}, false},
      // Larger than the desktop: its top-left corner stays on it.
      {"-10,-10,2000,900,0", true, {0, 0, 2000, 900}, false},
  };
  for (const auto& c : cases) {
    const TRestoredPlacement placement = RestoreWindowPlacement(c.text, current, c.sizeable, kDesktop);
    EXPECT_EQ(placement.Window, c.window) << c.text << " sizeable " << c.sizeable;
    EXPECT_EQ(placement.Maximize, c.maximize) << c.text;
  }
  // A desktop that does not start at 0 (a monitor left of the main one).
  EXPECT_EQ(RestoreWindowPlacement("-5000,10", QRect(0, 0, 400, 300), false, QRect(-1280, 0, 2304, 1024)).Window,
            QRect(-1280, 10, 400, 300));
}

TEST(WindowPositionStore, SavedPositionComesBackFromTheStore) {
  test::ScratchFolder folder;
  TRegistryStore registry(folder.Path());
  TWindowPositionStore store(registry, "HKEY_CURRENT_USER\\Software\\Orvalis Test\\WinPos");
  ASSERT_TRUE(store.Enabled());
  EXPECT_FALSE(store.Load());
  ASSERT_TRUE(store.Save(QRect(33, 44, 555, 366), false));
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(*store.Load(), "33,44,555,366,0");
  const TRestoredPlacement placement = RestoreWindowPlacement(*store.Load(), QRect(0, 0, 10, 10), true, kDesktop);
  EXPECT_EQ(placement.Window, QRect(33, 44, 555, 366));
  // Another store on the same folder sees it too: it is on disk.
  TRegistryStore again(folder.Path());
  EXPECT_EQ(TWindowPositionStore(again, "HKEY_CURRENT_USER\\Software\\Orvalis Test\\WinPos").Load(),
            std::optional<std::string>("33,44,555,366,0"));
  EXPECT_FALSE(TWindowPositionStore(registry, "").Enabled());
}

}  // namespace
}  // namespace orv
