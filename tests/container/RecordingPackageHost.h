#pragma once
// A package host that writes down what the package asked of it and gives
// the answers a test sets.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/PathNames.h"
#include "container/PackageHost.h"

namespace orv::test {

class TRecordingPackageHost : public TPackageHost {
 public:
  void SingleInstanceTest() override { ++SingleInstanceTests; }
  bool ChangeDisplay(std::int32_t width, std::int32_t height, std::uint8_t bitsPerPixel) override {
    Displays.push_back(std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(bitsPerPixel));
    return true;
  }
  void RestoreDisplay() override { ++DisplayRestores; }

  bool AddFont(const std::string& hostPath) override {
    FontsAdded.push_back(hostPath);
    return true;
  }
  void RemoveFont(const std::string& hostPath) override { FontsRemoved.push_back(hostPath); }
  void FontsChanged() override { ++FontChanges; }

  int LoadPlugIn(const std::string& hostPath) override {
    PlugInsLoaded.push_back(hostPath);
    const auto failure = PlugInFailures.find(std::string(ExtractFileName(hostPath)));
    return failure == PlugInFailures.end() ? 0 : failure->second;
  }
  void PlugInFailed(const std::string& path, int result) override { PlugInsFailed.emplace_back(path, result); }

  bool ReadPictureHeader(const std::string& hostPath, PictureInfo& info) override {
    PictureHeadersRead.push_back(hostPath);
    info = Picture;
    return true;
  }

  // The start-up tests and display changes asked for.
  int StartUpCalls() const {
    return SingleInstanceTests + static_cast<int>(Displays.size()) + DisplayRestores;
  }

  // Answers.
  std::map<std::string, int> PlugInFailures;  // file name -> loader error
  PictureInfo Picture;

  // What was asked.
  int SingleInstanceTests = 0;
  std::vector<std::string> Displays;  // "width x height x bits"
  int DisplayRestores = 0;
  std::vector<std::string> FontsAdded, FontsRemoved;
  int FontChanges = 0;
  std::vector<std::string> PlugInsLoaded;
  std::vector<std::pair<std::string, int>> PlugInsFailed;
  std::vector<std::string> PictureHeadersRead;
};

}  // namespace orv::test
