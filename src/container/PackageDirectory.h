#pragma once
// Parsing the inflated directory: the header, then entry records until the
// end. Every length is checked against the bytes that are there.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "container/LibRec.h"
#include "container/PackageHeader.h"

namespace orv {

struct DirectoryParseHooks {
  // Called the moment the header asks for them, as start-up expects.
  std::function<void()> SingleInstance;
  std::function<void(const PackageHeader&)> DisplayChange;
};

// `reloadForm`: a ".pkg" file loaded by an in-place reload, whose header ends
// after the debug fields. `entries` receives the records in list order: the
// record read last first. False when the bytes are malformed or hold more
// than `maxRecords` records (then nothing was allocated for them).
bool ParsePackageDirectory(std::string_view bytes, bool reloadForm, const DirectoryParseHooks& hooks,
                           std::int64_t maxRecords, PackageHeader& header, std::vector<LibRec>& entries);

// Checks a record's offsets and sizes against the entry data that ends at
// `dataEnd` (the directory-size field).
bool EntryFitsData(const LibRec& entry, std::int64_t dataEnd);

}  // namespace orv
