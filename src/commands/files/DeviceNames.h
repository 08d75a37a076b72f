#pragma once
// The serial and parallel ports publications write to by their old names
// ("COM1" to "COM4", "LPT1" to "LPT4") stand for this system's devices. A
// port that is not there is reported, never created as a plain file.
#include <string>
#include <string_view>

namespace orv {

bool IsDeviceName(std::string_view name);
// "COM1" -> "/dev/ttyS0", "LPT2" -> "/dev/lp1"; empty for any other name.
std::string DevicePath(std::string_view name);
// Writes `text` and CR LF to the device in one write; returns the text for
// "[LastError]" (empty on success).
std::string WriteToDevice(std::string_view name, std::string_view text);

}  // namespace orv
