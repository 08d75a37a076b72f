// orvalis-pack shows a stored name whole, whatever bytes it holds: the table,
// the JSON and the failure messages escape it the same way, so a NUL never
// cuts a name short and a line break never splits a line.
#include <gtest/gtest.h>

#include <string>

#include "container/Package.h"
#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

struct ShownName {
  std::string stored;  // Windows-1252
  std::string shown;
};

const ShownName kNames[] = {
    {std::string("victim.txt\0.bak", 15), R"("victim.txt\u0000.bak")"},
    {"two\r\nlines.txt", R"("two\u000d\u000alines.txt")"},
    {"say \"hi\".txt", R"("say \"hi\".txt")"},
    {"C:\\Caf\xE9\\pic.png", R"("C:\\Café\\pic.png")"},
};

std::string Tool() { return BinPath("orvalis-pack"); }

TEST(PackEntryNames, ListShowsThemWholeInTheTableAndTheJson) {
  ScratchFolder dir;
  PackageLayout layout = PlayerLayout({Entry("RUNTIME.PUB", "NewPage=One\r\n", true, kind::kDocument)});
  for (const ShownName& n : kNames) layout.Entries.push_back(Entry(n.stored, "content"));
  layout.Header.Splash = kNames[0].stored;
  SavePackage(dir / "names.exe", layout);

  const CommandResult table = RunCommand(Tool() + " list " + Q(dir / "names.exe"), false);
  const CommandResult json = RunCommand(Tool() + " list --json " + Q(dir / "names.exe"), false);
  ASSERT_EQ(table.status, 0) << table.output;
  ASSERT_EQ(json.status, 0) << json.output;
  for (const ShownName& n : kNames) {
    EXPECT_NE(table.output.find("  " + n.shown + "\n"), std::string::npos) << n.shown << "\n" << table.output;
    EXPECT_NE(json.output.find("{\"name\":" + n.shown + ","), std::string::npos) << n.shown << "\n" << json.output;
  }
  EXPECT_NE(table.output.find("splash " + kNames[0].shown), std::string::npos) << table.output;
  EXPECT_NE(json.output.find("\"splash\":" + kNames[0].shown), std::string::npos) << json.output;
}

TEST(PackEntryNames, FailureMessagesNameTheDamagedEntryWhole) {
  ScratchFolder dir;
  std::string content;
  for (int i = 0; i < 3000; ++i) content += std::to_string(i * 31 % 977) + " ";
  const std::string path = dir / "damaged.exe";
  std::string bytes = SavePackage(path, PlayerLayout({Entry(kNames[0].stored, content)}));
  Package p;
  ASSERT_EQ(p.OpenPackage(path), pkg::kOpened);
  const LibRec& entry = p.Entries().at(0);
  bytes[static_cast<std::size_t>(entry.Offset + entry.StoredSize / 2)] ^= 0x21;
  WriteFile(path, bytes);

  const CommandResult verify = RunCommand(Tool() + " verify " + Q(path));
  EXPECT_EQ(verify.status, 1);
  EXPECT_NE(verify.output.find("bad entry " + kNames[0].shown + "\n"), std::string::npos) << verify.output;
  const CommandResult extract = RunCommand(Tool() + " extract --all " + Q(path) + " " + Q(dir / "out"));
  EXPECT_EQ(extract.status, 1);
  EXPECT_NE(extract.output.find("cannot extract " + kNames[0].shown + " to "), std::string::npos) << extract.output;
}

}  // namespace
}  // namespace orv::test
