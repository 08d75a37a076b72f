// Builds, lists, verifies and extracts publication packages.
#include <cstdio>
#include <cstring>

namespace {

void PrintHelp() {
  std::puts(
      "Usage: orvalis-pack COMMAND [options] ...\n"
      "Builds, lists, verifies and extracts publication packages.\n"
      "\n"
      "  --help       show this help and exit\n"
      "  --version    show the version and exit");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp();
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintHelp();
    return 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("orvalis-pack %s\n", ORVALIS_VERSION);
    return 0;
  }
  std::fprintf(stderr, "orvalis-pack: unknown command '%s'; see --help\n", argv[1]);
  return 2;
}
