#include "app/ExtractionFolder.h"

#include <unistd.h>

#include <filesystem>

#include "base/HostPath.h"
#include "base/PathNames.h"

namespace orv {

namespace {

namespace fs = std::filesystem;

// The folder named by `ansiFolder`, made absolute against the current
// folder and created with its parents; empty when that fails.
std::string MadeFolder(std::string_view ansiFolder) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(fs::path(HostPath(ansiFolder)), ec);
  if (ec) return {};
  if (!fs::is_directory(absolute, ec) && !fs::create_directories(absolute, ec)) return {};
  if (ec) return {};
  return AnsiFromHostPath(absolute.string());
}

// Windows falls back from CD-ROM drives and drives of unknown type, where
// nothing can be written. Here the same question is asked directly.
bool WritableFolder(std::string_view ansiFolder) {
  const std::string host = HostPath(ansiFolder);
  std::error_code ec;
  return fs::is_directory(host, ec) && ::access(host.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string ChooseExtractionFolder(const ExtractionFolderInputs& inputs) {
  const int op = inputs.ExtractOp;
  std::string choice;
  if (op & extractop::kSystemFolder) {
    // There is no system folder a publication may write into on this
    // platform; the temporary folder stands in for it.
    choice = inputs.TemporaryFolder;
  } else if (op & extractop::kTemporaryFolder) {
    choice = inputs.TemporaryFolder;
  } else if (op & extractop::kPublicationFolder) {
    choice = std::string(ExtractFileDir(inputs.PublicationFile));
  } else if ((op & extractop::kGivenFolder) && !inputs.ExtractDir.empty()) {
    choice = MadeFolder(inputs.ExtractDir);
  }
  if (choice.empty() || choice == "Error" || !WritableFolder(choice)) return inputs.TemporaryFolder;
  return choice;
}

}  // namespace orv
