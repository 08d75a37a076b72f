#pragma once
// The open publication package: its directory, name lookup and every way an
// entry's bytes are delivered (memory, file, partial read, chunked stream),
// extraction, the start-up installation of fonts and plug-ins, and clean-up.
//
// Names are Windows-1252 and compared without regard to case. Paths handed to
// and returned by the extraction operations are the publication's own
// (Windows-1252, "\" or "/" separators); they reach the disk through HostPath.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Ansi.h"
#include "container/LibRec.h"
#include "container/PackageFile.h"
#include "container/PackageHeader.h"
#include "container/PackageHeader.h"
#include "container/PackageHost.h"

namespace orv {

class EntryStream;

namespace pkg {
// OpenPackage
inline constexpr int kOpened = 0;
inline constexpr int kOpenFailed = 100;
// ExtractEntry
inline constexpr int kShortCopy = 0;
inline constexpr int kWritten = 1;
inline constexpr int kAlreadyThere = 2;
inline constexpr int kExtractError = 100;
// LoadEntryToMemory
inline constexpr int kLoaded = 0;
inline constexpr int kNoEntry = 1;
inline constexpr int kCopyFailed = 2;
// ReadEntryPart
inline constexpr std::int64_t kPartNoEntry = -2;
inline constexpr std::int64_t kPartReadFailed = -100;
// EXTRACTOP= bits this reader looks at
inline constexpr int kExtractOpHidden = 0x40;
inline constexpr int kExtractOpDeleteAtExit = 0x80;
}  // namespace pkg

// Receives delivered bytes in order; returning false stops the copy.
using ByteSink = std::function<bool(const char* data, std::size_t size)>;

struct ExtractResult {
  int Code = pkg::kExtractError;  // pkg::kShortCopy, kWritten, kAlreadyThere, kExtractError
  std::string Path;               // the file's path (Windows-1252), when there is one
  int Error = 0;                  // err:: code of what failed, 0 when nothing did
};

struct ResolveResult {
  int Code = 0;       // 0 not usable; 1 extracted now; 2 already there or found on disk
  int Error = 0;      // err:: code when Code is 0
  std::string Path;   // usable path (Windows-1252)
};

class Package {
 public:
  // `host` (not owned) outlives the package; without one the headless
  // answers apply.
  explicit Package(TPackageHost* host = nullptr);
  // Closes the file; asks nothing of the host and deletes nothing
  // (ClosePackage does).
  ~Package();
  Package(const Package&) = delete;
  Package& operator=(const Package&) = delete;

  void SetHost(TPackageHost* host) { host_ = host; }

  // --- What the publication window owns and this reader only reads.
  void SetExtractionFolder(std::string ansiFolder) { extractionFolder_ = std::move(ansiFolder); }
  const std::string& ExtractionFolder() const { return extractionFolder_; }
  void SetExtractOptions(int extractOp) { extractOp_ = extractOp; }
  void SetPublicationPath(std::string ansiPath) { publicationPath_ = std::move(ansiPath); }
  // The test-run list of embedded files: file name -> path on disk.
  using EmbeddedFileMap = std::unordered_map<std::string, std::string, AnsiCaseHash, AnsiCaseEqual>;
  void SetEmbeddedFiles(EmbeddedFileMap files) { embeddedFiles_ = std::move(files); }

  // --- Opening and closing.
  // `hostPath` is a path for this system (UTF-8). `reload`: the file replaces
  // the running publication; a reloaded ".pkg" has no run-mode fields. Returns
  // pkg::kOpened or pkg::kOpenFailed (cannot open or read, malformed, more
  // records than the file has bytes, or a directory too big for memory).
  int OpenPackage(const std::string& hostPath, bool reload = false);
  // The same on an already open descriptor, which the package takes over.
  // `fileName` only decides the ".pkg" reload form.
  int OpenPackageDescriptor(int fd, std::string_view fileName, bool reload = false);
  // Closes the file, deletes extracted fonts (always) and other extracted
  // copies (when `deleteExtracted` and EXTRACTOP= bit 0x80), empties the
  // directory and restores a display changed at start.
  void ClosePackage(bool deleteExtracted);

  bool IsOpen() const { return file_.IsOpen(); }
  const PackageHeader& Header() const { return header_; }
  bool TestRun() const { return header_.TestRun(); }
  const std::string& FileName() const { return fileName_; }
  std::int64_t FileSize() const { return file_.Size(); }

  // --- The directory.
  // Records in list order: the record read last first.
  const std::vector<LibRec>& Entries() const { return entries_; }
  // Whole-name match without case, first in list order; a name with "/" is
  // retried with "\". Once the document was located it is not found again.
  LibRec* FindEntry(std::string_view name);
  const LibRec* FindEntry(std::string_view name) const;
  // Looks up "RUNTIME.PUB" for the document reader; afterwards FindEntry
  // hides it so scripts cannot extract the document.
  const LibRec* LocateDocument();
  bool DocumentLocated() const { return documentLocated_; }

  // A bare file name -> the stored entry name it stands for (unchanged when
  // no entry matches).
  std::string ResolveEntryName(std::string_view name) const;
  // In a test run, an embedded-prefix name -> the file on disk named by the
  // test-run list; otherwise unchanged.
  std::string MapEmbeddedName(std::string_view name) const;

  // --- Delivery. None of these throws.
  // Streams the entry's content; true when all of it arrived and verified.
  bool CopyEntry(const LibRec& entry, const ByteSink& sink) const;
  // A chunked reader of the entry's content (for line-by-line readers).
  EntryStream OpenEntryStream(const LibRec& entry) const;
  // The bytes as stored in the file (a zlib stream when entry.IsCompressed()).
  bool ReadStoredBytes(const LibRec& entry, std::string& bytes) const;
  // pkg::kLoaded, kNoEntry or kCopyFailed; `bytes` holds the content on success.
  int LoadEntryToMemory(std::string_view name, std::string& bytes) const;
  int LoadEntryToMemory(const LibRec& entry, std::string& bytes) const;
  // Stored bytes from `position`: count read, 0 past the end, kPartNoEntry,
  // or kPartReadFailed.
  std::int64_t ReadEntryPart(std::string_view name, std::int64_t position, char* buffer, std::int64_t count) const;
  bool EntryPictureInfo(std::string_view name, PictureInfo& info) const;

  // --- Files on disk.
  ExtractResult ExtractEntry(LibRec& entry, bool unique);
  ResolveResult ResolveFile(std::string_view name);
  void DeleteExtractedCopy(std::string_view name);
  // The "ExtractFile" command: `lastError` gets the failure's text, or is
  // emptied on success.
  bool ExtractToFile(std::string_view name, std::string_view destination, bool createEmpty, std::string& lastError);

  // --- Start-up installation.
  void RegisterPackageFonts();
  void LoadPackagePlugIns();

 private:
  int ReadDirectory(bool reloadForm);
  void Reset();

  TPackageHost& Host() const;

  TPackageHost* host_ = nullptr;
  PackageFile file_;
  std::string fileName_;
  PackageHeader header_;
  std::vector<LibRec> entries_;
  bool documentLocated_ = false;
  bool displayChanged_ = false;

  std::string extractionFolder_;
  int extractOp_ = 0;
  std::string publicationPath_;
  EmbeddedFileMap embeddedFiles_;
};

}  // namespace orv
