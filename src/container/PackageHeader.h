#pragma once
// The fields at the head of a package directory. The reader fills it and the
// writer writes it, so both sides agree on one description.
#include <cstdint>
#include <string>

namespace orv {

namespace runmode {
inline constexpr std::uint8_t kWindowed = 0;
inline constexpr std::uint8_t kScreenSaver = 1;
inline constexpr std::uint8_t kTray = 2;
// Never stored: the mode of a ".pkg" package loaded by an in-place reload,
// whose header stops after the debug fields.
inline constexpr std::uint8_t kReloaded = 3;
}  // namespace runmode

struct PackageHeader {
  std::int32_t Builder = 0;
  // 0 ordinary, 1 single-page test, 2 test run. A stored 3 (test run from a
  // given page) is kept as 2 with HasStartPage set; the writer stores 3
  // whenever HasStartPage is set.
  std::uint8_t Debug = 0;
  bool HasStartPage = false;
  std::int32_t StartPage = 0;
  // The four texts of a test run (present when the stored debug byte is not 0).
  std::string DebuggerFolder;
  std::string ProjectFolder;
  std::string DebugExtra;  // kept, not used
  std::string IconFile;

  // A ".pkg" reload form: none of the fields below are stored.
  bool ReloadForm = false;
  std::uint8_t RunMode = runmode::kWindowed;
  std::uint8_t SingleInstance = 0;  // the stored byte; 1 = only one instance
  std::uint8_t DisplayChange = 0;   // windowed mode only; 1 = change the display
  std::int32_t DisplayWidth = 0;
  std::int32_t DisplayHeight = 0;
  std::uint8_t DisplayBitsPerPixel = 0;
  std::string Splash;   // entry shown while the document loads
  std::string Preview;  // screen-saver mode only

  bool TestRun() const { return Debug != 0; }
  bool IsSingleInstance() const { return !ReloadForm && SingleInstance == 1; }
  bool WantsDisplayChange() const {
    return !ReloadForm && RunMode == runmode::kWindowed && DisplayChange == 1;
  }
};

}  // namespace orv
