// Reading a large publication document through zlib, against inflating the
// same bytes and nothing else. The "ratio" counter is read time over inflate
// time, both measured in the same iterations.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <string>
#include <vector>

#include "container/DocumentInflateSource.h"
#include "container/DocumentMemorySource.h"
#include "container/DocumentReader.h"

namespace {

constexpr int kPages = 500;
constexpr int kObjectsPerPage = 10;  // 5,000 objects

std::string GenerateDocument() {
  std::string doc;
  doc += "OrvalisVer=5.2\r\nTitle=Benchmark\r\nScreenWidth=1024\r\nScreenHeight=768\r\n";
  doc += "StartupAction=SetVar \"[Score]\" \"0\"\xB6GotoPage \"Page 1\"\xB6\r\n";
  doc += "L_OK=OK\r\nL_CANCEL=Annulla\r\nMasterPage\r\nPageColor=16777215\r\n";
  for (int p = 1; p <= kPages; ++p) {
    const std::string page = std::to_string(p);
    doc += "NewPage=Page " + page + "\r\nPageStyle=1\r\nPageColor=" + std::to_string(p * 997) +
           "\r\nPageGradient1=255\r\nPageGradient2=$FF0000\r\nPgEnterAction=SetVar \"[Visits]\" "
           "\"[Visits]+1\"\xB6If \"[Visits]\" = \"3\"\xB6  Beep\xB6" "EndIf\xB6\r\n"
           "PageEffect=Fade\r\nEffectSpeed=Fast\r\n";
    for (int o = 0; o < kObjectsPerPage; ++o) {
      const std::string name = "Obj" + page + "_" + std::to_string(o);
      const int type = 2 + (o * 7 + p) % 23;
      doc += "ObjectType=" + std::to_string(type) + "\r\nName=" + name + "\r\nX=" +
             std::to_string(o * 40) + "\r\nY=" + std::to_string(p % 600) +
             "\r\nW=120\r\nH=32\r\nVisible=Yes\r\nEnabled=Yes\r\nLineColor=0\r\nLineWidth=1\r\n"
             "FillColor=12632256\r\nFont=Arial\r\nFontSize=10\r\nFontStyle=1\r\nTextColor=0\r\n"
             "Text=Caption of " + name + "\xB6second line\r\nHint=Click " + name + "\r\n"
             "VarName=Var" + name + "\r\nObjAction=SetVar \"[Last]\" \"" + name +
             "\"\xB6GotoPage \"Page " + std::to_string(p % kPages + 1) + "\"\xB6\r\n"
             "ObjEnterAction=SetCursor \"hand\"\xB6\r\nLanguage=Italiano\r\n";
    }
  }
  doc += "MenuBegin\r\nMenuName=File\r\nMenuText=&File\r\nMenuBegin\r\nMenuName=Quit\r\n"
         "MenuAction=Exit\xB6\r\nMenuEnd\r\nMenuEnd\r\n";
  return doc;
}

struct Fixture {
  std::string document = GenerateDocument();
  std::string packed = Compress(document);

  static std::string Compress(const std::string& text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
              Z_DEFAULT_COMPRESSION);
    out.resize(size);
    return out;
  }
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

// Inflates the stream with plain zlib calls into a reused buffer.
std::size_t InflateOnly(const std::string& packed) {
  static std::vector<unsigned char> output(64 * 1024);
  z_stream z{};
  inflateInit(&z);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = static_cast<uInt>(packed.size());
  std::size_t total = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    z.next_out = output.data();
    z.avail_out = static_cast<uInt>(output.size());
    status = inflate(&z, Z_NO_FLUSH);
    total += output.size() - z.avail_out;
  }
  inflateEnd(&z);
  return total;
}

std::size_t ReadDocument(const Fixture& data) {
  orv::Publication publication;
  std::string error;
  orv::DocumentReadOptions options;
  options.progress = [](int percent) { benchmark::DoNotOptimize(percent); };
  orv::ReadPublicationDocument(data.packed, true, data.document.size(), options, publication, error);
  return publication.pages.size();
}

void BM_InflateDocumentOnly(benchmark::State& state) {
  const Fixture& data = Data();
  for (auto _ : state) benchmark::DoNotOptimize(InflateOnly(data.packed));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.document.size()));
}
BENCHMARK(BM_InflateDocumentOnly)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentThroughZlib(benchmark::State& state) {
  const Fixture& data = Data();
  for (auto _ : state) benchmark::DoNotOptimize(ReadDocument(data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.document.size()));
  state.counters["bytes"] = static_cast<double>(data.document.size());
}
BENCHMARK(BM_ReadDocumentThroughZlib)->Unit(benchmark::kMillisecond);

void BM_ReadToInflateRatio(benchmark::State& state) {
  const Fixture& data = Data();
  using Clock = std::chrono::steady_clock;
  Clock::duration inflating{}, reading{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(InflateOnly(data.packed));
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(ReadDocument(data));
    const auto t2 = Clock::now();
    inflating += t1 - t0;
    reading += t2 - t1;
  }
  state.counters["ratio"] =
      std::chrono::duration<double>(reading).count() / std::chrono::duration<double>(inflating).count();
}
BENCHMARK(BM_ReadToInflateRatio)->Unit(benchmark::kMillisecond);

}  // namespace
