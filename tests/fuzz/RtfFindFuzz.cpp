// Feeds a pattern and a text to the matcher Find uses: the first byte gives
// the pattern's length, the pattern follows, the rest is the text (RTF when
// it starts as RTF, plain text otherwise). Whatever they hold, every match
// must lie inside the text, hold something and move the next search on,
// and a walk through all matches must end in bounded time, however many
// "*" and "?" the pattern has.
#include <QGuiApplication>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "OffscreenFuzzApplication.h"
#include "richtext/RichTextDocument.h"
#include "richtext/TextFinder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t patternLength = std::min<std::size_t>(data[0], size - 1);
  const std::string_view pattern(reinterpret_cast<const char*>(data) + 1, patternLength);
  const std::string_view text(reinterpret_cast<const char*>(data) + 1 + patternLength, size - 1 - patternLength);
  orv::rt::RichTextDocument document;
  document.Load(text);
  const int characters = document.Document().characterCount();
  int from = 0;
  while (const auto match = document.Find(pattern, from)) {
    if (match->start < from || match->length <= 0 || match->start + match->length > characters) std::abort();
    from = match->start + match->length;
  }
  // Far past the end and before the start: clamped, never out of range.
  for (const int outside : {-5, characters + 100})
    if (const auto match = document.Find(pattern, outside))
      if (match->start < 0 || match->start + match->length > characters) std::abort();
  return 0;
}
