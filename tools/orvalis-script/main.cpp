// Runs an action script headless with the core commands.
#include <cstdio>
#include <cstring>

namespace {

void PrintHelp() {
  std::puts(
      "Usage: orvalis-script [options] FILE\n"
      "Runs the action script in FILE (\"-\" for standard input) headless.\n"
      "\n"
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
      std::printf("orvalis-script %s\n", ORVALIS_VERSION);
      return 0;
    }
  }
  std::fputs("orvalis-script: running scripts is not available yet; see --help\n", stderr);
  return 2;
}
