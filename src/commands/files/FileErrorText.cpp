#include "commands/files/FileErrorText.h"

#include <cerrno>

#include "base/ErrorText.h"

namespace orv {

std::string FileErrorText(int code) {
  if (code == err::kNetworkNameGone) return "The specified network name is no longer available.";
  return ErrorText(code);
}

std::string FileErrnoText(int errnoValue) { return FileErrorText(ErrorCodeFromErrno(errnoValue)); }

std::string FileFailureText(int errnoValue, int code) {
  return FileErrorText(errnoValue == ENAMETOOLONG ? err::kPathNotFound : code);
}

}  // namespace orv
