#pragma once
// FileRead's memory of where the last line-by-line read of a data file
// stopped, so that reading line n + 1 after line n continues there instead of
// starting over. One per process. It is trusted only while the file is the
// same file with the same size and modification time, and every command that
// changes a file drops it for that file.
#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace orv {

struct ReadCacheRec {
  std::string Path;           // host path; empty when nothing is cached
  std::int64_t NextLine = 0;  // 0 when empty
  std::int64_t Offset = 0;    // first byte of NextLine
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  timespec Modified{};
};

// Where to continue reading `line` of the file `st` describes: true with the
// cached line number and offset when the cache may be used for it.
bool ResumeDataFileRead(const std::string& hostPath, const struct stat& st, std::int64_t line,
                        std::int64_t& nextLine, std::int64_t& offset);
void RememberDataFileRead(const std::string& hostPath, const struct stat& st, std::int64_t nextLine,
                          std::int64_t offset);
// The file at `hostPath` changed or is gone.
void DropReadCache(const std::string& hostPath);
void ClearReadCache();
const ReadCacheRec& ReadCacheState();

}  // namespace orv
