// Feeds arbitrary bytes to the publication document reader: as a plain entry,
// as a well-formed zlib entry, as a damaged zlib stream and as an entry whose
// data ends before its stated size, or first made into a document of many
// pages named alike (DocumentFuzzInput.h). Every result is written out as
// JSON and as an outline too.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "container/DocumentReader.h"
#include "container/PublicationJson.h"
#include "container/PublicationOutline.h"
#include "fuzz/DocumentFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const bool repeated = orv::fuzz::IsRepeatedPageNames(flags);
  const std::string made = repeated ? orv::fuzz::RepeatedPageNames(rest) : std::string();
  const std::string_view document = repeated ? std::string_view(made) : rest;

  orv::DocumentReadOptions options;
  options.trayApplication = flags & orv::fuzz::kTrayApplication;
  options.testRun = flags & orv::fuzz::kTestRun;
  int lastPercent = -1;
  options.progress = [&lastPercent](int percent) {
    if (percent < lastPercent || percent > 100) __builtin_trap();
    lastPercent = percent;
  };

  orv::Publication publication;
  std::string error;
  switch (orv::fuzz::StorageOf(flags)) {
    case 0:
      orv::ReadPublicationDocument(document, false, 0, options, publication, error);
      break;
    case 1: {
      uLongf packedSize = compressBound(static_cast<uLong>(document.size()));
      std::vector<Bytef> packed(packedSize);
      if (compress2(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(document.data()),
                    static_cast<uLong>(document.size()), Z_BEST_SPEED) != Z_OK)
        return 0;
      const std::string_view bytes(reinterpret_cast<const char*>(packed.data()), packedSize);
      if (!orv::ReadPublicationDocument(bytes, true, document.size(), options, publication, error))
        __builtin_trap();  // a sound stream of the stated size always reads
      break;
    }
    case 2:
      orv::ReadPublicationDocument(document, true, document.size() * 4, options, publication, error);
      break;
    case 3: {
      orv::DocumentMemorySource source(document);
      if (orv::ReadPublicationDocument(source, document.size() + 1 + flags, options, publication, error))
        __builtin_trap();  // data that ends early is a failure
      break;
    }
  }
  if (!orv::fuzz::PageNamesAreUnique(publication)) __builtin_trap();
  std::string out;
  orv::WritePublicationJson(publication, out);
  orv::WritePublicationOutline(publication, out);
  return 0;
}
