#pragma once
// Number parameters read as whole numbers: truncated, in the publication's
// decimal symbol, not a number counting 0.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "base/NumberText.h"
#include "script/ActionEvaluator.h"
#include "script/Vars.h"

namespace orv {

inline std::int64_t WholeParam(TActionEval& eval, int n) {
  return NumberParam(eval.Param(n), eval.Vars().DecimalSymbol());
}

// Beyond the int range clamped.
inline int IntParam(TActionEval& eval, int n) {
  return static_cast<int>(std::clamp<std::int64_t>(WholeParam(eval, n), INT_MIN, INT_MAX));
}

}  // namespace orv
