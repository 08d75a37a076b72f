#pragma once
// What the package reader asks of the rest of the player. The reader itself
// touches no window, font table or library loader: the caller supplies these,
// and an unset hook is simply skipped.
#include <cstdint>
#include <functional>
#include <string>

#include "container/PackageHeader.h"

namespace orv {

struct PictureInfo {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool HasAlpha = false;
};

struct PackageHooks {
  // The header asks for a single running instance; the start-up test runs at
  // once and may end the process.
  std::function<void()> SingleInstanceTest;
  // The header asks for a display mode (windowed packages only). Returns true
  // when the display was changed, so that closing restores it.
  std::function<bool(std::int32_t width, std::int32_t height, std::uint8_t bitsPerPixel)> ChangeDisplay;
  std::function<void()> RestoreDisplay;

  // Host paths of extracted font files. AddFont returns true when registered.
  std::function<bool(const std::string& hostPath)> AddFont;
  std::function<void(const std::string& hostPath)> RemoveFont;
  // Once after fonts were added or removed (the system-wide font-change notice).
  std::function<void()> FontsChanged;

  // Loads a plug-in library (host path); non-zero is the loader's error,
  // which is handed to PlugInFailed with the path as the publication names it.
  std::function<int(const std::string& hostPath)> LoadPlugIn;
  std::function<void(const std::string& path, int result)> PlugInFailed;

  // Reads a picture file's size from its header (for names not in the package).
  std::function<bool(const std::string& hostPath, PictureInfo& info)> ReadPictureHeader;
};

}  // namespace orv
