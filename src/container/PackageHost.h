#pragma once
// What the package reader asks of the rest of the player: the start-up
// tests its header asks for, fonts and plug-ins it brings, picture sizes of
// files beside it. The reader itself touches no window, font table or
// library loader. Every answer here is the headless one (nothing done,
// nothing registered), so a reader without a host needs none; the player's
// session overrides what it does.
#include <cstdint>
#include <string>

namespace orv {

struct PictureInfo {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool HasAlpha = false;
};

class TPackageHost {
 public:
  virtual ~TPackageHost() = default;

  // The header asks for a single running instance; the test runs at once and
  // may hand the start over to the instance already running.
  virtual void SingleInstanceTest() {}
  // The header asks for a display mode (windowed packages only). True when
  // the display was changed, so that closing restores it.
  virtual bool ChangeDisplay(std::int32_t /*width*/, std::int32_t /*height*/, std::uint8_t /*bitsPerPixel*/) {
    return false;
  }
  virtual void RestoreDisplay() {}

  // Host paths of extracted font files. AddFont is true when registered.
  virtual bool AddFont(const std::string& /*hostPath*/) { return false; }
  virtual void RemoveFont(const std::string& /*hostPath*/) {}
  // Once after fonts were added or removed (the system-wide font-change notice).
  virtual void FontsChanged() {}

  // Loads a plug-in library (host path); non-zero is the loader's error,
  // which is handed to PlugInFailed with the path as the publication names it.
  virtual int LoadPlugIn(const std::string& /*hostPath*/) { return 0; }
  virtual void PlugInFailed(const std::string& /*path*/, int /*result*/) {}

  // Reads a picture file's size from its header (for names not in the package).
  virtual bool ReadPictureHeader(const std::string& /*hostPath*/, PictureInfo& /*info*/) { return false; }
};

}  // namespace orv
