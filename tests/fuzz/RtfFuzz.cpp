// Feeds arbitrary bytes to the RTF reader and the writer behind it: whatever
// the input, loading must end without a crash, a leak or unbounded memory,
// and what was loaded must write and read back.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "OffscreenFuzzApplication.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/VariableFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  QTextDocument doc;
  orv::rt::ReadRtf(rtf, doc);
  orv::rt::MakeVariableFields(doc, nullptr);
  const std::string written = orv::rt::WriteRtf(doc);
  QTextDocument again;
  orv::rt::ReadRtf(written, again);
  return 0;
}
