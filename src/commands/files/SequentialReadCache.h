#pragma once
// FileRead's memory of where the last line-by-line read of a data file
// stopped, so that reading line n + 1 after line n continues there instead of
// starting over. One per process. The file stays open with its read-ahead
// while the cache holds it, and the cache is trusted only while the path
// still names the same file with the same size and modification and change
// times (any write or re-timing moves the change time); every command that
// changes a file drops it for that file.
#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileDescriptor.h"
#include "commands/files/TextLineReader.h"

namespace orv {

struct ReadCacheRec {
  std::string Path;           // host path; empty when nothing is cached
  // The stored name the script used, when HostPath gave it as written
  // (DirectHostPath): while that path still names the cached file, HostPath
  // would give it again, and the name need not be mapped anew.
  std::string Name;
  std::int64_t NextLine = 0;  // 0 when empty
  std::int64_t Offset = 0;    // first byte of NextLine
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  timespec Modified{};
  timespec Changed{};
  TFileDescriptor File;                     // the open file
  std::optional<TTextLineReader> Reader;    // at NextLine, with what it read ahead
};

// The cached reader when `line` can continue from it (the path as `st` found
// it names the cached file, unchanged, and `line` is not before NextLine);
// `nextLine` is then the line the reader stands at. Otherwise the cache is
// cleared and nullptr returned.
TTextLineReader* ResumeDataFileRead(const std::string& hostPath, const struct stat& st, std::int64_t line,
                                    std::int64_t& nextLine);
// Starts caching a newly opened file (`st` from the descriptor); the cache
// takes the descriptor over. Returns its reader at line 1.
TTextLineReader& StartDataFileRead(const std::string& hostPath, const struct stat& st, TFileDescriptor file);
// The cached reader stopped before `nextLine`, at byte `offset`.
void MarkDataFileRead(std::int64_t nextLine, std::int64_t offset);
// The stored name the cached file was read by (see ReadCacheRec::Name).
void NameDataFileRead(std::string_view name);
// The file at `hostPath` changed or is gone.
void DropReadCache(const std::string& hostPath);
void ClearReadCache();
const ReadCacheRec& ReadCacheState();

}  // namespace orv
