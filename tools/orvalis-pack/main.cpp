// Builds, lists, verifies, extracts and inspects publication packages.
#include <cstdio>
#include <cstring>
#include <string>

#include "PackCommands.h"

namespace orv::packtool {
namespace {

// One row per subcommand; a new one slots in here and in its own file.
const PackCommand kCommands[] = {
    {"list", "list [--json] FILE            the header and every entry", RunList, HelpList},
    {"extract", "extract FILE NAME [-o OUT]    one entry's bytes; extract --all FILE DIR for all",
     RunExtract, HelpExtract},
    {"verify", "verify FILE                   read and check every entry", RunVerify, HelpVerify},
    {"create", "create OUT [options] ENTRY... write a package; see create --help", RunCreate, HelpCreate},
    {"inspect", "inspect [--json] FILE         the publication its document describes", RunInspect,
     HelpInspect},
};

void PrintHelp() {
  std::puts(
      "Usage: orvalis-pack COMMAND [options] ...\n"
      "Builds, lists, verifies, extracts and inspects publication packages.\n"
      "\n"
      "Commands:");
  for (const PackCommand& c : kCommands) std::printf("  %s\n", c.synopsis);
  std::puts(
      "\n"
      "Names are given in UTF-8 and looked up without regard to case. A file\n"
      "whose name ends in .pkg is read as a package for an in-place reload.\n"
      "'orvalis-pack COMMAND --help' describes one command.\n"
      "\n"
      "  --help       show this help and exit\n"
      "  --version    show the version and exit");
}

}  // namespace
}  // namespace orv::packtool

int main(int argc, char** argv) {
  using namespace orv::packtool;
  if (argc < 2) {
    PrintHelp();
    return 1;
  }
  const std::string first = argv[1];
  if (first == "--help" || first == "-h") {
    PrintHelp();
    return 0;
  }
  if (first == "--version") {
    std::printf("orvalis-pack %s\n", ORVALIS_VERSION);
    return 0;
  }
  for (const PackCommand& c : kCommands) {
    if (first != c.name) continue;
    const Args args(argv + 2, argv + argc);
    for (const std::string& a : args)
      if (a == "--help" || a == "-h") {
        c.help();
        return 0;
      }
    return c.run(args);
  }
  std::fprintf(stderr, "orvalis-pack: unknown command '%s'; see --help\n", argv[1]);
  return 1;
}
