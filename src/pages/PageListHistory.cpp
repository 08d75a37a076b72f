#include "pages/PageListHistory.h"

namespace orv {

void TPageHistory::Add(int index) {
  if (!enabled_) return;
  while (Count() >= kCapacity) entries_.pop_front();
  entries_.push_back(index);
}

}  // namespace orv
