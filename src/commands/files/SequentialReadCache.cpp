#include "commands/files/SequentialReadCache.h"

namespace orv {
namespace {

ReadCacheRec& Cache() {
  static ReadCacheRec cache;
  return cache;
}

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

bool SameFile(const ReadCacheRec& c, const struct stat& st) {
  return c.Device == st.st_dev && c.Inode == st.st_ino && c.Size == st.st_size &&
         SameTime(c.Modified, st.st_mtim) && SameTime(c.Changed, st.st_ctim);
}

}  // namespace

TTextLineReader* ResumeDataFileRead(const std::string& hostPath, const struct stat& st, std::int64_t line,
                                    std::int64_t& nextLine) {
  ReadCacheRec& c = Cache();
  if (c.NextLine == 0 || !c.Reader || c.Path != hostPath || line < c.NextLine || !SameFile(c, st)) {
    ClearReadCache();
    return nullptr;
  }
  nextLine = c.NextLine;
  return &*c.Reader;
}

TTextLineReader& StartDataFileRead(const std::string& hostPath, const struct stat& st, TFileDescriptor file) {
  ClearReadCache();
  ReadCacheRec& c = Cache();
  c.Path = hostPath;
  c.NextLine = 1;
  c.Offset = 0;
  c.Device = st.st_dev;
  c.Inode = st.st_ino;
  c.Size = st.st_size;
  c.Modified = st.st_mtim;
  c.Changed = st.st_ctim;
  c.File = std::move(file);
  return c.Reader.emplace(c.File.Get(), 0);
}

void MarkDataFileRead(std::int64_t nextLine, std::int64_t offset) {
  ReadCacheRec& c = Cache();
  c.NextLine = nextLine;
  c.Offset = offset;
}

void NameDataFileRead(std::string_view name) { Cache().Name = name; }

void DropReadCache(const std::string& hostPath) {
  if (Cache().Path == hostPath) ClearReadCache();
}

void ClearReadCache() {
  ReadCacheRec& c = Cache();
  c.Reader.reset();
  c.File.Reset();
  c.Path.clear();
  c.Name.clear();
  c.NextLine = 0;
  c.Offset = 0;
  c.Device = 0;
  c.Inode = 0;
  c.Size = 0;
  c.Modified = {};
  c.Changed = {};
}

const ReadCacheRec& ReadCacheState() { return Cache(); }

}  // namespace orv
