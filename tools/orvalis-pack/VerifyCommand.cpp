// orvalis-pack verify: every entry read and inflated, sizes and checksums checked.
#include <cstdio>

#include "PackCommands.h"
#include "ToolSupport.h"

namespace orv::packtool {

void HelpVerify() {
  std::puts(
      "Usage: orvalis-pack verify FILE\n"
      "Reads every entry (inflating compressed ones) and checks that each gives\n"
      "exactly the size its record states and that compressed data is intact.\n"
      "Names each bad entry on standard error and exits 1 when there is one.");
}

int RunVerify(const Args& args) {
  if (args.size() != 1) return Fail("verify: expected one package file");
  Package package;
  if (const std::string error = OpenForTool(package, args[0]); !error.empty()) return Fail(error);
  int bad = 0;
  for (const LibRec& e : package.Entries()) {
    if (package.CopyEntry(e, [](const char*, std::size_t) { return true; })) continue;
    std::fprintf(stderr, "orvalis-pack: bad entry %s\n", ShownText(e.Name).c_str());
    ++bad;
  }
  if (bad > 0) {
    std::fprintf(stderr, "orvalis-pack: %d of %zu entries are bad\n", bad, package.Entries().size());
    return 1;
  }
  std::printf("ok: %zu entries\n", package.Entries().size());
  return 0;
}

}  // namespace orv::packtool
