#pragma once
// Reads the publication document from top to bottom into the publication
// model. No user interface is involved: the window builds its pages, objects
// and menus from the model afterwards.
#include <cstdint>
#include <string>
#include <string_view>

#include "container/DocumentLineReader.h"
#include "container/DocumentMemorySource.h"
#include "container/DocumentSource.h"
#include "container/Publication.h"

namespace orv {

struct DocumentReadOptions {
  bool trayApplication = false;  // package run mode 2: the tray menu is read
  bool testRun = false;          // test-run package: "EMBEDDEDFILES=" is read
  DocumentLineReader::Progress progress;  // percent of the document read so far
};

// Groups, containers and submenus nest no deeper than this; deeper sections
// are read as if their children belonged to the deepest open one.
inline constexpr int kMaxDocumentNesting = 64;

// `total` is the document's length in bytes (the stored size of a raw entry,
// the unpacked size of a compressed one). Fills `publication`, which must be
// fresh; its text store keeps the document's lines, which the values point
// into, so it holds about as many bytes as the document. Malformed lines never stop reading; false, with the message in
// `error`, when the data is damaged or ends early. What was read up to then
// stays in the model.
bool ReadPublicationDocument(DocumentSource& source, std::uint64_t total,
                             const DocumentReadOptions& options, Publication& publication,
                             std::string& error);

// The document held in memory: plain text, or a zlib stream of
// `unpackedSize` bytes when `compressed`.
bool ReadPublicationDocument(std::string_view bytes, bool compressed, std::uint64_t unpackedSize,
                             const DocumentReadOptions& options, Publication& publication,
                             std::string& error);

}  // namespace orv
