#pragma once
// A new content for a file, written beside it and renamed over it only when
// all of it reached the disk: a full disk or a failed read leaves the old
// file as it was. A target that is a symbolic link has the file it points at
// replaced, not the link.
#include <sys/stat.h>

#include <string>
#include <string_view>

namespace orv {

class TReplacingFile {
 public:
  // `hostPath` is a path for this system.
  explicit TReplacingFile(std::string hostPath);
  // Removes the temporary file unless Commit succeeded.
  ~TReplacingFile();
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  // Creates the temporary file; errno on failure, else 0.
  int Open();
  int Write(std::string_view data);
  // Permission bits the new file gets; by default those of the file it
  // replaces, or those of a new ordinary file.
  void SetMode(mode_t mode) { mode_ = mode; hasMode_ = true; }
  // Modification time the new file gets (by default: now).
  void SetModificationTime(const timespec& time) { mtime_ = time; hasTime_ = true; }
  // Flushes, closes and renames over the target; errno on failure, else 0.
  int Commit();

  const std::string& Target() const { return target_; }

 private:
  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool committed_ = false;
  bool hasMode_ = false;
  bool hasTime_ = false;
  mode_t mode_ = 0;
  timespec mtime_{};
};

// The whole new content at once; errno on failure, else 0.
int ReplaceFileContent(const std::string& hostPath, std::string_view data);

}  // namespace orv
