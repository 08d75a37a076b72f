#include "container/UniqueFile.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "base/FileDescriptor.h"
#include "base/HostPath.h"
#include "base/PathNames.h"

namespace orv {
namespace {
constexpr std::uint32_t kUniqueBias = 1000033037u;
// Names taken one after another by earlier copies: enough to pass them all,
// small enough to end quickly when the folder refuses every name.
constexpr std::uint32_t kMaxAttempts = 4096;
}  // namespace

std::uint32_t PackedLocalDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::uint32_t year = local.tm_year + 1900 >= 1980 ? static_cast<std::uint32_t>(local.tm_year + 1900 - 1980) : 0;
  const std::uint32_t date = (year << 9) | (static_cast<std::uint32_t>(local.tm_mon + 1) << 5) |
                             static_cast<std::uint32_t>(local.tm_mday);
  const std::uint32_t time = (static_cast<std::uint32_t>(local.tm_hour) << 11) |
                             (static_cast<std::uint32_t>(local.tm_min) << 5) |
                             static_cast<std::uint32_t>(local.tm_sec / 2);
  return (date << 16) | time;
}

std::string UniqueFileName(std::uint32_t seed, std::uint32_t attempt, std::string_view ext) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(seed + kUniqueBias + attempt));
  std::string name(digits);
  if (!ext.empty()) {
    name.push_back('.');
    name.append(ext);
  }
  return name;
}

std::optional<std::string> CreateUniqueFile(std::string_view folder, std::string_view ext) {
  const std::uint32_t seed = PackedLocalDateTime();
  for (std::uint32_t attempt = 0; attempt < kMaxAttempts; ++attempt) {
    const std::string path = JoinPath(folder, UniqueFileName(seed, attempt, ext));
    const std::string hostPath = HostPath(path);
    if (TFileDescriptor(::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_SYNC, 0644)).IsOpen())
      return path;
    // Only a taken name is worth another attempt.
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace orv
