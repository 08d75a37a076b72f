#include "commands/files/DataFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "base/ErrorText.h"
#include "base/FileDescriptor.h"
#include "base/HostPath.h"
#include "base/ReplacingFile.h"
#include "base/TextForms.h"
#include "commands/files/FileErrorText.h"
#include "commands/files/SequentialReadCache.h"
#include "commands/files/TextLineReader.h"

namespace orv {
namespace {

constexpr int kOpenAttempts = 11;
constexpr std::int64_t kMaxPaddingLines = 1 << 24;
constexpr auto kOpenRetryDelay = std::chrono::milliseconds(250);

// Opens (or creates) the data file for a change with other writers kept out.
// A file another writer holds is tried again after a pause, 11 times in all.
// Returns errno, or 0 with `fd` holding the locked file.
int OpenForChange(const std::string& hostPath, TFileDescriptor& fd) {
  for (int attempt = 1;; ++attempt) {
    fd.Reset(::open(hostPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!fd.IsOpen()) return errno;
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
      // The writer before us may have renamed a new file over the one we
      // opened; then start again on the new one.
      struct stat opened {}, now {};
      if (::fstat(fd.Get(), &opened) == 0 && ::stat(hostPath.c_str(), &now) == 0 &&
          opened.st_dev == now.st_dev && opened.st_ino == now.st_ino)
        return 0;
      if (attempt >= kOpenAttempts) return EACCES;
      continue;
    }
    if (errno != EWOULDBLOCK || attempt >= kOpenAttempts) return EACCES;
    fd.Reset();
    std::this_thread::sleep_for(kOpenRetryDelay);
  }
}

int ReadAll(int fd, std::string& content) {
  content.clear();
  char buffer[65536];
  std::int64_t offset = 0;
  for (;;) {
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return 0;
    content.append(buffer, static_cast<std::size_t>(n));
    offset += n;
  }
}

std::string JoinDataLines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out.append(kCrLf);
    out.append(lines[i]);
  }
  return out;
}

// Line 0: the text goes on a line of its own after whatever is there.
int AppendLine(int fd, std::string_view text) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return errno;
  std::string data;
  if (st.st_size == 1) {
    data.append(kCrLf);
  } else if (st.st_size >= 2) {
    char last[2];
    if (::pread(fd, last, 2, st.st_size - 2) != 2) return errno ? errno : EIO;
    if (last[0] != '\r' || last[1] != '\n') data.append(kCrLf);
  }
  data.append(text);
  if (::lseek(fd, st.st_size, SEEK_SET) < 0) return errno;
  return WriteAll(fd, data);
}

}  // namespace

std::vector<std::string> SplitDataLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = pos;
    while (end < content.size() && content[end] != '\r' && content[end] != '\n') ++end;
    lines.emplace_back(content.substr(pos, end - pos));
    pos = end;
    if (pos < content.size()) {
      if (content[pos] == '\r' && pos + 1 < content.size() && content[pos + 1] == '\n') ++pos;
      ++pos;
    }
  }
  return lines;
}

namespace {

// Reads on from line `number`, where `reader` stands, to `line`; keeps the
// cache in step.
std::string ReadOn(TTextLineReader& reader, std::int64_t number, std::int64_t line, std::string& value) {
  for (; number < line; ++number) {
    if (!reader.SkipLine()) break;
  }
  bool found = number == line && reader.ReadLine(value);
  if (const int error = reader.Error()) {
    ClearReadCache();
    value.clear();
    return FileErrnoText(error);
  }
  if (!found) {
    value.clear();
    ClearReadCache();
    return {};
  }
  if (value.find('|') != std::string::npos) value = BarsToLineBreaks(value);
  if (reader.AtEnd())
    ClearReadCache();
  else
    MarkDataFileRead(line + 1, reader.Offset());
  return {};
}

// The cached reader when the path `st` describes is the cached file,
// unchanged, and `line` lies ahead.
TTextLineReader* Resume(const std::string& hostPath, std::int64_t line, std::int64_t& number) {
  struct stat st {};
  if (::stat(hostPath.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
  return ResumeDataFileRead(hostPath, st, line, number);
}

}  // namespace

std::string ReadDataFile(const std::string& hostPath, std::int64_t line, std::string& value) {
  value.clear();
  // Reading on from where the last read stopped needs no opening: the path
  // is checked to name the same, unchanged file, and the kept reader goes on.
  std::int64_t number = 1;
  if (line >= 1)
    if (TTextLineReader* reader = Resume(hostPath, line, number)) return ReadOn(*reader, number, line, value);
  TFileDescriptor fd(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.IsOpen()) return FileErrnoText(errno);
  if (line < 1) {
    if (const int e = ReadAll(fd.Get(), value)) {
      value.clear();
      return FileErrnoText(e);
    }
    return {};
  }
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return FileErrnoText(errno);
  if (S_ISDIR(st.st_mode)) return FileErrnoText(EISDIR);
  return ReadOn(StartDataFileRead(hostPath, st, std::move(fd)), 1, line, value);
}

std::string ReadDataFileNamed(std::string_view name, std::int64_t line, std::string& value) {
  const ReadCacheRec& cache = ReadCacheState();
  if (line >= 1 && cache.NextLine != 0 && !cache.Name.empty() && cache.Name == name) {
    // The path exists (the stat in Resume finds it), so HostPath would give
    // it unchanged.
    std::int64_t number = 1;
    thread_local std::string path;  // Resume may clear the cache's own copy
    path = cache.Path;
    if (TTextLineReader* reader = Resume(path, line, number)) {
      value.clear();
      return ReadOn(*reader, number, line, value);
    }
  }
  const std::string hostPath = HostPath(name);
  std::string error = ReadDataFile(hostPath, line, value);
  if (ReadCacheState().NextLine != 0 && ReadCacheState().Path == hostPath && hostPath == DirectHostPath(name))
    NameDataFileRead(name);
  return error;
}

std::int64_t CountDataFileLines(const std::string& hostPath) {
  const TFileDescriptor fd(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.IsOpen()) return 0;
  TTextLineReader reader(fd.Get(), 0);
  std::int64_t count = 0;
  while (reader.SkipLine()) ++count;
  return count;
}

std::string ChangeDataFile(const std::string& hostPath, DataFileChange change, std::int64_t line,
                           std::string_view text, bool convertLineBreaks) {
  TFileDescriptor fd;
  const int openError = OpenForChange(hostPath, fd);
  // Whatever happens next, a cached read position may no longer hold.
  DropReadCache(hostPath);
  if (openError) return FileFailureText(openError, err::kAccessDenied);

  if (line == kWholeFile) {
    const std::string content = convertLineBreaks ? BarsToLineBreaks(text) : std::string(text);
    const int e = ReplaceFileContent(hostPath, content);
    return e ? FileErrnoText(e) : std::string();
  }
  const std::string single = convertLineBreaks ? ReplaceAll(text, kCrLf, "|") : std::string(text);
  if (line == kAppendLine) {
    const int e = AppendLine(fd.Get(), single);
    return e ? FileErrnoText(e) : std::string();
  }
  if (line < 0) return {};

  std::string content;
  if (const int e = ReadAll(fd.Get(), content)) return FileErrnoText(e);
  std::vector<std::string> lines = SplitDataLines(content);
  content.clear();
  // Padding to a line number far past the end would exhaust memory; such a
  // number is refused before anything is built.
  if (line > static_cast<std::int64_t>(lines.size()) + kMaxPaddingLines) return FileErrorText(err::kOutOfMemory);
  const auto n = static_cast<std::size_t>(line);
  switch (change) {
    case DataFileChange::Write:
      if (lines.size() < n) lines.resize(n);
      lines[n - 1] = single;
      break;
    case DataFileChange::Insert:
      if (lines.size() < n) lines.resize(n);
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(n - 1), single);
      break;
    case DataFileChange::Delete:
      if (lines.size() < n) return {};
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(n - 1));
      break;
  }
  const int e = ReplaceFileContent(hostPath, JoinDataLines(lines));
  return e ? FileErrnoText(e) : std::string();
}

}  // namespace orv
