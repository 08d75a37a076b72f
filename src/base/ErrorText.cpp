#include "base/ErrorText.h"

#include <cerrno>

#include "base/Messages.h"
#include "base/NumberText.h"

namespace orv {
namespace {

int MessageForCode(int code) {
  switch (code) {
    case 1: return 203;
    case 2: return 204;
    case 3: return 205;
    case 4: return 206;
    case 5: return 207;
    case 6: return 208;
    case 8: return 209;
    case 12: return 210;
    case 15: return 211;
    case 16: return 212;
    case 64:
    case 100: return 213;
    case 101: return 214;
    case 106: return 215;
    case 150: return 216;
    case 152: return 217;
    case 154: return 218;
    case 156: return 219;
    case 157: return 220;
    case 158: return 221;
    case 159: return 222;
    case 160: return 223;
    case 161: return 224;
    case 162: return 225;
    case 10001: return 226;
    default: return 0;
  }
}

}  // namespace

std::string ErrorText(int code) {
  if (code == 0) return {};
  if (code == err::kNetworkUnreachable) return "Network unreachable.";
  if (const int number = MessageForCode(code)) return std::string(Message(number));
  std::string text(Message(msg::kUnknownError));
  text += FormatWholeNumber(code);
  return text;
}

int ErrorCodeFromErrno(int e) {
  switch (e) {
    case 0: return 0;
    case ENOENT: return err::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return err::kPathNotFound;
    case EMFILE:
    case ENFILE: return err::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EEXIST:
    case EISDIR:
    case ETXTBSY: return err::kAccessDenied;
    case EBADF: return err::kInvalidHandle;
    case ENOMEM: return err::kOutOfMemory;
    case EINVAL: return err::kInvalidAccess;
    case ENODEV:
    case ENXIO: return err::kInvalidDrive;
    case EBUSY: return err::kCurrentDirectory;
    case EIO: return err::kReadFault;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::kDiskFull;
    case ENOEXEC: return err::kInvalidFormat;
    case EROFS: return err::kWriteProtected;
    case ENOMEDIUM: return err::kNotReady;
    case ENETUNREACH:
    case EHOSTUNREACH: return err::kNetworkUnreachable;
    default: return err::kReadFault;
  }
}

}  // namespace orv
