// Where the file commands look for a name, and the texts they report.
#include <gtest/gtest.h>

#include "base/ErrorText.h"
#include "commands/files/DeviceNames.h"
#include "commands/files/FileErrorText.h"
#include "commands/files/PublicationPath.h"

namespace orv {
namespace {

TEST(PublicationPathTest, BareNamesFolderPathsAndDrives) {
  const struct {
    const char* name;
    const char* resolved;
  } cases[] = {
      {"list.txt", "C:\\Pub\\list.txt"},
      {"data\\list.txt", "C:\\data\\list.txt"},
      {"\\data\\list.txt", "C:\\data\\list.txt"},
      {"D:\\x\\list.txt", "D:\\x\\list.txt"},
      {"\\\\server\\share\\list.txt", "\\\\server\\share\\list.txt"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePublicationPath(c.name, "C:\\Pub\\", "C:"), c.resolved) << c.name;
  // A publication folder of this system, without a drive.
  EXPECT_EQ(ResolvePublicationPath("list.txt", "/home/u/pub/", ""), "/home/u/pub/list.txt");
  EXPECT_EQ(ResolvePublicationPath("/tmp/list.txt", "/home/u/pub/", ""), "/tmp/list.txt");
}

TEST(FileErrorTextTest, DiffersFromTheGeneralTableOnlyForTheLostNetworkName) {
  EXPECT_EQ(FileErrorText(64), "The specified network name is no longer available.");
  EXPECT_NE(ErrorText(64), FileErrorText(64));
  for (int code : {0, 2, 3, 5, 100, 101, 162, 1231, 10001, 999}) EXPECT_EQ(FileErrorText(code), ErrorText(code)) << code;
  EXPECT_EQ(FileErrorText(999), "Errore sconosciuto #999");
}

TEST(DeviceNamesTest, PortsMapToDevices) {
  EXPECT_EQ(DevicePath("COM1"), "/dev/ttyS0");
  EXPECT_EQ(DevicePath("lpt4"), "/dev/lp3");
  for (const char* other : {"COM5", "COM0", "COM", "LPT1.txt", "CON", "COM1:"}) EXPECT_FALSE(IsDeviceName(other)) << other;
}

}  // namespace
}  // namespace orv
