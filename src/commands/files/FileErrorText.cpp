#include "commands/files/FileErrorText.h"

#include "base/ErrorText.h"

namespace orv {

std::string FileErrorText(int code) {
  if (code == err::kNetworkNameGone) return "The specified network name is no longer available.";
  return ErrorText(code);
}

std::string FileErrnoText(int errnoValue) { return FileErrorText(ErrorCodeFromErrno(errnoValue)); }

}  // namespace orv
