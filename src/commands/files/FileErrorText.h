#pragma once
// The error texts of the file, string and registry commands. They follow the
// player's general table except for code 64, which these commands report as
// a lost network name rather than as a read error.
#include <string>

namespace orv {

namespace err {
inline constexpr int kNetworkNameGone = 64;
}  // namespace err

std::string FileErrorText(int code);
// errno of a failed file operation -> the text above.
std::string FileErrnoText(int errnoValue);
// A failure a command reports as `code` whatever its cause, except a name
// the system refuses (a NUL inside, too long), which is an invalid name.
std::string FileFailureText(int errnoValue, int code);

}  // namespace orv
