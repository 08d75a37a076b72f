#include "base/ProcessorFeatures.h"

namespace orv {

bool ProcessorHasSse2() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("sse2");
#else
  return false;
#endif
}

bool ProcessorHasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
  // Also right when asked before main, from a static initialiser.
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi");
#else
  return false;
#endif
}

}  // namespace orv
