// Feeds arbitrary bytes as a ".TXT" article file to the formatting-code
// converter, with and without word wrap, and reads each result with the RTF
// reader. Whatever the input, the RTF must be one balanced group that no
// code can close early or leave open, and reading it must end cleanly.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "OffscreenFuzzApplication.h"
#include "richtext/RichTextDocument.h"
#include "richtext/TextCodeConverter.h"

namespace {

// Group depth outside escapes: 1 throughout the text, 2 inside the colour
// table and a bookmark's start or end, 0 only after the final brace.
bool IsOneBalancedGroup(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '\\') {
      ++i;
    } else if (c == '{') {
      if (++depth > 2) return false;
    } else if (c == '}') {
      if (--depth < 0 || (depth == 0 && i + 1 != rtf.size())) return false;
    }
  }
  return depth == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool wordWrap : {true, false}) {
    const std::string rtf = orv::rt::ConvertTextCodesToRtf(text, wordWrap);
    if (!IsOneBalancedGroup(rtf)) std::abort();
    orv::rt::RichTextDocument doc;
    doc.LoadRtf(rtf);
    for (const orv::rt::LinkInfo& link : doc.Links()) (void)link;
    for (const std::string& name : doc.BookmarkNames()) (void)doc.BookmarkPosition(name);
    (void)doc.PlainText();
  }
  return 0;
}
