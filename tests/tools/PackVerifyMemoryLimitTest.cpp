// orvalis-pack verify under a memory limit: a package whose few deflated
// bytes unfold into a huge directory ends with the tool's one-line error,
// never with a signal.
#include <gtest/gtest.h>

#include <string>

#include "container/PackageBytes.h"
#include "container/PackageFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

// Far more address space than the tool needs to start and verify a small
// package, far less than millions of records or a 100 MB directory take.
constexpr int kLimitKiB = 64 * 1024;
constexpr int kLimitRefused = 77;

CommandResult VerifyUnderLimit(const std::string& path) {
  return RunCommand("ulimit -v " + std::to_string(kLimitKiB) + " || exit " + std::to_string(kLimitRefused) +
                    "; exec " + BinPath("orvalis-pack") + " verify " + Q(path));
}

TEST(PackVerifyUnderMemoryLimit, RefusesAmplifiedDirectoriesWithAnError) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
  ScratchFolder dir;
  const std::string ordinary = dir / "ordinary.exe";
  SavePackage(ordinary, PlayerLayout({Entry("a.txt", std::string(5000, 'a')),
                                      Entry("RUNTIME.PUB", "NewPage=One\r\n", true, kind::kDocument)}));
  const CommandResult start = VerifyUnderLimit(ordinary);
  if (start.status == kLimitRefused) GTEST_SKIP() << "the shell cannot set a memory limit";
  ASSERT_EQ(start.output, "ok: 2 entries\n");

  struct Case {
    const char* label;
    std::string record;
    std::size_t count;
  };
  const Case cases[] = {
      // Far more records than the file has bytes.
      {"emptyRecords", RecordBytes("", kind::kMedia, 0, 0, 0), 2'000'000},
      // Few records, but their names fill 100 MB.
      {"longNames", RecordBytes(std::string(65535, 'n'), kind::kMedia, 0, 0, 0), 1600},
  };
  for (const Case& c : cases) {
    const std::string path = dir / (std::string(c.label) + ".exe");
    WriteFile(path, RepeatedRecordsPackage("PLAYER", DirectoryHeaderBytes(), c.record, c.count));
    const CommandResult r = VerifyUnderLimit(path);
    EXPECT_EQ(r.status, 1) << c.label;
    EXPECT_EQ(r.output, "orvalis-pack: cannot read a package from '" + path + "' (missing, unreadable or malformed)\n")
        << c.label;
  }
}

}  // namespace
}  // namespace orv::test
