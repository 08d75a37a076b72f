#pragma once
// Cuts the document into its CR LF lines, reading the source in chunks of at
// most 2048 bytes and reporting how far it has got for the splash screen.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "container/DocumentSource.h"

namespace orv {

class DocumentLineReader {
 public:
  static constexpr std::size_t kChunkSize = 2048;
  // round(bytes read / total x 100), after every chunk.
  using Progress = std::function<void(int percent)>;

  // `total` is the document's length: the stored size of a raw entry, the
  // unpacked size of a compressed one. Nothing past it is read.
  DocumentLineReader(DocumentSource& source, std::uint64_t total, Progress progress = {});

  // The next line without its CR LF, valid until the next call; false once
  // every byte has been used up. After the last CR LF, the rest of the data
  // is the last line.
  bool NextLine(std::string_view& line);

  // Why the data ended early (a damaged or cut-short entry); empty otherwise.
  const std::string& Failure() const { return failure_; }
  std::uint64_t BytesRead() const { return bytesRead_; }

 private:
  bool ReadChunk();

  DocumentSource& source_;
  std::uint64_t total_;
  Progress progress_;
  std::uint64_t bytesRead_ = 0;
  bool exhausted_ = false;
  std::string buffer_;
  std::size_t start_ = 0;    // first byte of the buffer not yet handed out
  std::size_t scanned_ = 0;  // no CR LF begins between start_ and here
  std::string failure_;
};

}  // namespace orv
