#pragma once
// Operating-system and I/O error codes, in the numbering publications know,
// to the player's message texts.
#include <string>

namespace orv {

namespace err {
inline constexpr int kInvalidFunction = 1;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInvalidHandle = 6;
inline constexpr int kOutOfMemory = 8;
inline constexpr int kInvalidAccess = 12;
inline constexpr int kInvalidDrive = 15;
inline constexpr int kCurrentDirectory = 16;
inline constexpr int kReadFault = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidFormat = 106;
inline constexpr int kWriteProtected = 150;
inline constexpr int kNotReady = 152;
inline constexpr int kNetworkUnreachable = 1231;
inline constexpr int kNoTempFile = 10001;
}  // namespace err

std::string ErrorText(int code);
// A Linux errno value in the numbering above.
int ErrorCodeFromErrno(int errnoValue);

}  // namespace orv
