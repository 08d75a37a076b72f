// The scanner against cutting the document at CR LF by hand: the lines it
// hands out, and the runs it keeps between the lines set aside, over
// documents long enough to lie in several blocks of the text store.
#include "container/DocumentLineScanner.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "container/DocumentKeyPrefixes.h"
#include "container/DocumentMemorySource.h"
#include "container/DocumentTextStore.h"

namespace orv {
namespace {

// The reader's way with the scanner, in small: a "NewPage=" line is set
// aside alone, a "MenuBegin" line with every line up to "MenuEnd", read one
// by one.
bool SetsAside(std::string_view line) { return line == "MenuBegin" || line.starts_with("NewPage="); }

struct Scanned {
  std::vector<std::string> handedOut;  // by Next, in order
  std::string kept;                    // every run's text, in order
  std::size_t splitRuns = 0;  // in more than one stretch
  std::size_t cutLines = 0;   // stretches that do not end with a CR LF
};

Scanned Scan(const std::string& document) {
  DocumentTextStore store;
  DocumentMemorySource source(document);
  DocumentLineReader lines(source, document.size(), {}, &store);
  DocumentLineScanner scanner(lines);
  Scanned out;
  const auto endRun = [&](const char* at) {
    std::size_t stretches = 0;
    scanner.EndRun(at, [&](std::string_view stretch) {
      out.kept += stretch;
      if (!stretch.ends_with("\r\n")) ++out.cutLines;
      ++stretches;
    });
    if (stretches > 1) ++out.splitRuns;
  };
  std::string_view line;
  while (scanner.Next(line)) {
    out.handedOut.emplace_back(line);
    if (!SetsAside(line)) continue;
    endRun(line.data());
    if (line == "MenuBegin")
      while (scanner.NextLine(line) && line != "MenuEnd") {
      }
    scanner.BeginRun();
  }
  endRun(nullptr);
  return out;
}

// The same by hand: every line that ends with CR LF and may be read at
// once, and the last line, are handed out unless a menu section holds them.
Scanned CutByHand(const std::string& document) {
  const std::string padded = document + std::string(8, '\0');
  Scanned out;
  bool inMenu = false;
  for (std::size_t start = 0; start < document.size();) {
    const std::size_t cr = document.find("\r\n", start);
    const bool ended = cr != std::string::npos;
    const std::size_t next = ended ? cr + 2 : document.size();
    const std::string line = document.substr(start, (ended ? cr : next) - start);
    const bool marked = !ended || document_key_prefix::MayBeReadAtOnce(padded.data() + start);
    const std::string whole = document.substr(start, next - start);
    start = next;
    if (inMenu) {
      inMenu = line != "MenuEnd";
      continue;
    }
    if (marked) out.handedOut.push_back(line);
    if (marked && SetsAside(line)) {
      inMenu = line == "MenuBegin";
      continue;
    }
    out.kept += whole;
  }
  return out;
}

std::vector<std::string> Documents() {
  std::vector<std::string> documents = {
      "", "NewPage=A", "X=1", "NewPage=A\r\nX=1", "X=1\r\nNewPage=A\r\n", "MenuBegin\r\nMenuName=A",
      "MenuBegin", "\r\n\r\nNewPage=A\r\n\r\n", "MenuBegin\r\nMenuEnd\r\nMenuBegin\r\nMenuEnd",
  };
  std::mt19937 random(11);
  const std::string pieces[] = {"NewPage=P\r\n", "ObjectType=3\r\n", "Name=x\r\n", "X=1\r\n", "MenuBegin\r\n",
                                "MenuName=M\r\n", "MenuEnd\r\n", "Title=T\r\n", "\r\n", "\r", "\n", " NewPage=Q\r\n",
                                "Hint=a hint long enough to fill the store's blocks rather sooner\r\n"};
  for (int d = 0; d < 30; ++d) {
    std::string document;
    const std::size_t length = d % 3 == 0 ? 150000 + random() % 200000 : random() % 6000;
    while (document.size() < length) {
      if (random() % 400 == 0) document += "Text=" + std::string(random() % 80000, 't');
      document += pieces[random() % std::size(pieces)];
    }
    documents.push_back(document);
  }
  return documents;
}

TEST(DocumentLineScannerTest, HandsOutTheLinesThatMayBeReadAtOnce) {
  for (const std::string& document : Documents())
    EXPECT_EQ(Scan(document).handedOut, CutByHand(document).handedOut) << document.size() << " bytes";
}

TEST(DocumentLineScannerTest, RunsHoldEveryLineNotSetAside) {
  std::size_t splitRuns = 0;
  for (const std::string& document : Documents()) {
    const Scanned scanned = Scan(document);
    EXPECT_EQ(scanned.kept, CutByHand(document).kept) << document.size() << " bytes";
    // Only the document's last line may lack its CR LF.
    EXPECT_LE(scanned.cutLines, document.ends_with("\r\n") ? 0u : 1u) << document.size() << " bytes";
    splitRuns += scanned.splitRuns;
  }
  // Some runs went on across a break in memory.
  EXPECT_GT(splitRuns, 0u);
}

}  // namespace
}  // namespace orv
