#include "commands/files/SequentialReadCache.h"

namespace orv {
namespace {

ReadCacheRec& Cache() {
  static ReadCacheRec cache;
  return cache;
}

bool SameFile(const ReadCacheRec& c, const struct stat& st) {
  return c.Device == st.st_dev && c.Inode == st.st_ino && c.Size == st.st_size &&
         c.Modified.tv_sec == st.st_mtim.tv_sec && c.Modified.tv_nsec == st.st_mtim.tv_nsec;
}

}  // namespace

bool ResumeDataFileRead(const std::string& hostPath, const struct stat& st, std::int64_t line,
                        std::int64_t& nextLine, std::int64_t& offset) {
  const ReadCacheRec& c = Cache();
  if (c.NextLine == 0 || c.Path != hostPath || line < c.NextLine || !SameFile(c, st)) {
    ClearReadCache();
    return false;
  }
  nextLine = c.NextLine;
  offset = c.Offset;
  return true;
}

void RememberDataFileRead(const std::string& hostPath, const struct stat& st, std::int64_t nextLine,
                          std::int64_t offset) {
  ReadCacheRec& c = Cache();
  c.Path = hostPath;
  c.NextLine = nextLine;
  c.Offset = offset;
  c.Device = st.st_dev;
  c.Inode = st.st_ino;
  c.Size = st.st_size;
  c.Modified = st.st_mtim;
}

void DropReadCache(const std::string& hostPath) {
  if (Cache().Path == hostPath) ClearReadCache();
}

void ClearReadCache() { Cache() = ReadCacheRec{}; }

const ReadCacheRec& ReadCacheState() { return Cache(); }

}  // namespace orv
