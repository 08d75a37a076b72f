#pragma once
// The one way a file gets a new content: written to a temporary file in the
// target's folder, flushed to the disk and renamed over the target only when
// all of it is there. A failed write (a full disk, a damaged source) leaves
// the old file as it was and no temporary file behind. A target that is a
// symbolic link keeps being a link: the file it points at is replaced, as a
// write through the link would change it, and a dangling link gets the file
// it names. A device or a pipe is written into, never replaced.
#include <sys/stat.h>

#include <string>
#include <string_view>

#include "base/FileDescriptor.h"

namespace orv {

class TReplacingFile {
 public:
  // `hostPath` is a path for this system.
  explicit TReplacingFile(std::string hostPath);
  // Removes the temporary file unless Commit succeeded.
  ~TReplacingFile();
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  // Follows the links and creates the temporary file: errno on failure,
  // else 0.
  int Open();
  int Write(std::string_view data);
  // Permission bits the new file gets; by default those of the file it
  // replaces, or those of a new ordinary file.
  void SetMode(mode_t mode) { mode_ = mode; hasMode_ = true; }
  // Modification time the new file gets (by default: now).
  void SetModificationTime(const timespec& time) { mtime_ = time; hasTime_ = true; }
  // Flushes, closes and renames over the target: errno on failure, else 0.
  int Commit();

  // The file that is replaced: the path given, its links followed (once
  // Open has run).
  const std::string& Target() const { return target_; }

 private:
  std::string target_;
  std::string temp_;
  TFileDescriptor fd_;
  bool committed_ = false;
  bool inPlace_ = false;
  bool hasMode_ = false;
  bool hasTime_ = false;
  mode_t mode_ = 0;
  timespec mtime_{};
};

// The whole new content at once: errno on failure, else 0.
int ReplaceFileContent(const std::string& hostPath, std::string_view data);

}  // namespace orv
