#pragma once
// The publication document of an open package: its entry located (and from
// then on hidden from lookups), streamed raw or inflated, and read into the
// publication model. The player and the tools both load a publication this
// way.
#include <cstdint>
#include <string>

#include "container/DocumentReader.h"
#include "container/DocumentSource.h"
#include "container/EntryStream.h"
#include "container/Package.h"
#include "container/Publication.h"

namespace orv {

// The content of one package entry as a document source, inflated when the
// entry is compressed, straight into the reader's buffer; a compressed
// entry must end with its checksum verified, or the source fails after
// delivering its last byte.
class DocumentEntrySource final : public DocumentSource {
 public:
  DocumentEntrySource(const Package& package, const LibRec& entry);

  std::size_t Read(char* buffer, std::size_t size) override;
  const std::string& Failure() const override { return failure_; }

  // Bytes the entry delivers in all: the document's total for the reader.
  std::uint64_t Size() const;

 private:
  void Fail();

  EntryStream stream_;
  bool ended_ = false;
  std::string failure_;
};

enum class PackageDocumentStatus {
  Read,     // the whole document was read
  Missing,  // the package has no "RUNTIME.PUB"
  Damaged,  // the entry could not be read to its end; the model holds what was read
};

// What the package's header asks of the reader: the tray menu in a tray
// application, "EMBEDDEDFILES=" in a test run.
DocumentReadOptions DocumentReadOptionsFor(const Package& package,
                                           DocumentLineReader::Progress progress = {});

// Locates "RUNTIME.PUB" in the open `package` and reads it into
// `publication`, which must be fresh. `error` gets the message of a failure
// (Windows-1252) and is emptied on success.
PackageDocumentStatus ReadPackageDocument(Package& package, const DocumentReadOptions& options,
                                          Publication& publication, std::string& error);

}  // namespace orv
