// Replays the kept fuzz inputs through every way the fuzz target reads them,
// so a finding once fixed stays fixed in the ordinary test run.
#include <gtest/gtest.h>

#include "support/FuzzCorpus.h"
#include "support/ZlibText.h"
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "container/DocumentMemorySource.h"
#include "container/DocumentReader.h"
#include "container/PublicationJson.h"
#include "container/PublicationOutline.h"
#include "fuzz/DocumentFuzzInput.h"

namespace orv {
namespace {

void Exercise(std::string_view document, bool tray, bool testRun) {
  DocumentReadOptions options;
  options.trayApplication = tray;
  options.testRun = testRun;
  int lastPercent = -1;
  options.progress = [&](int percent) {
    EXPECT_GE(percent, lastPercent);
    EXPECT_LE(percent, 100);
    lastPercent = percent;
  };
  std::string out;
  const auto writeOut = [&out](const Publication& publication) {
    EXPECT_TRUE(fuzz::PageNamesAreUnique(publication));
    WritePublicationJson(publication, out);
    WritePublicationOutline(publication, out);
  };
  std::string error;
  {
    Publication publication;
    ReadPublicationDocument(document, false, 0, options, publication, error);
    writeOut(publication);
  }
  {
    lastPercent = -1;
    const std::string packed = DeflateText(document);
    Publication publication;
    EXPECT_TRUE(ReadPublicationDocument(packed, true, document.size(), options, publication, error)) << error;
    writeOut(publication);
  }
  {
    lastPercent = -1;
    Publication publication;
    ReadPublicationDocument(document, true, document.size() * 4, options, publication, error);
    writeOut(publication);
  }
  {
    lastPercent = -1;
    Publication publication;
    DocumentMemorySource source(document);
    EXPECT_FALSE(ReadPublicationDocument(source, document.size() + 1, options, publication, error));
    writeOut(publication);
  }
}

TEST(DocumentFuzzReplayTest, KeptInputsReadSafely) {
  int replayed = 0;
  for (const auto& input : test::ReadFuzzCorpus("DocumentFuzz")) {
    if (input.bytes.empty()) continue;
    SCOPED_TRACE(input.name);
    // The first byte is the fuzz target's option byte; every reading is tried.
    const std::string_view rest = std::string_view(input.bytes).substr(1);
    const bool repeated = fuzz::IsRepeatedPageNames(static_cast<std::uint8_t>(input.bytes[0]));
    const std::string made = repeated ? fuzz::RepeatedPageNames(rest) : std::string();
    const std::string_view document = repeated ? std::string_view(made) : rest;
    for (const bool tray : {false, true}) Exercise(document, tray, !tray);
    ++replayed;
  }
  EXPECT_GE(replayed, 6);
}

}  // namespace
}  // namespace orv
