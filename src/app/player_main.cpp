// The player. Until the user interface lands it only answers --help and
// --version.
#include <cstdio>
#include <cstring>

namespace {

void PrintHelp() {
  std::puts(
      "Usage: orvalis [options] [FILE]\n"
      "Plays an interactive publication.\n"
      "\n"
      "  /R FILE      play the publication in FILE\n"
      "  --help       show this help and exit\n"
      "  --version    show the version and exit");
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      PrintHelp();
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("orvalis %s\n", ORVALIS_VERSION);
      return 0;
    }
  }
  std::fputs("orvalis: the player cannot open publications yet; see --help\n", stderr);
  return 1;
}
