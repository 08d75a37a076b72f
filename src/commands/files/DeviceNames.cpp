#include "commands/files/DeviceNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/Ansi.h"
#include "base/FileDescriptor.h"
#include "base/Messages.h"
#include "base/TextForms.h"
#include "commands/files/FileErrorText.h"

namespace orv {

bool IsDeviceName(std::string_view name) { return !DevicePath(name).empty(); }

std::string DevicePath(std::string_view name) {
  if (name.size() != 4 || name[3] < '1' || name[3] > '4') return {};
  const std::string unit(1, static_cast<char>(name[3] - 1));
  if (AnsiSameText(name.substr(0, 3), "COM")) return "/dev/ttyS" + unit;
  if (AnsiSameText(name.substr(0, 3), "LPT")) return "/dev/lp" + unit;
  return {};
}

std::string WriteToDevice(std::string_view name, std::string_view text) {
  const std::string path = DevicePath(name);
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))
    return std::string(Message(msg::kNotOnThisPlatform));
  // A port with nothing attached must not hang the script.
  const TFileDescriptor fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.IsOpen()) return FileErrnoText(errno);
  std::string data(text);
  data.append(kCrLf);
  if (::write(fd.Get(), data.data(), data.size()) < 0) return FileErrnoText(errno);
  return {};
}

}  // namespace orv
