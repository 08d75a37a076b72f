// libFuzzer target: arbitrary bytes as a zlib stream (or, chosen by the first
// byte, deflated into one), inflated by ZlibInflater and by zlib's own
// inflate side by side; any difference in how they end is a finding.
#include <cstdio>

#include "InflateFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string disagreement = orv::fuzz::InflateFuzzDisagreement(data, size);
  if (!disagreement.empty()) {
    std::fprintf(stderr, "ZlibInflater and zlib disagree: %s\n", disagreement.c_str());
    __builtin_trap();
  }
  return 0;
}
