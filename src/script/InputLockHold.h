#pragma once
// Holds the script host's input lock for a waiting command and gives it
// back however the wait ends.
#include "script/ScriptHost.h"

namespace orv {

class InputLockHold {
 public:
  // Takes the lock only when `take` holds (an exclusive run is waiting).
  InputLockHold(TScriptHost& host, bool take) : host_(take ? &host : nullptr) {
    if (host_) host_->TakeInputLock();
  }
  ~InputLockHold() {
    if (host_) host_->ReleaseInputLock();
  }
  InputLockHold(const InputLockHold&) = delete;
  InputLockHold& operator=(const InputLockHold&) = delete;

 private:
  TScriptHost* host_;
};

}  // namespace orv
