// libFuzzer target: arbitrary bytes as a package file, or as the recipe of
// one whose small deflated directory repeats a record many times; opened and
// delivered.
#include <cstdlib>

#include "PackageFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!orv::fuzz::DeliverPackageInput(data, size)) std::abort();
  return 0;
}
