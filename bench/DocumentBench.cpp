// Reading a large publication document through zlib, against inflating the
// same bytes and nothing else. The "ratio" counters are read time over
// inflate time, both measured in the same iterations: "ratio" in processor
// time of this thread (steady on a busy machine), "wall_ratio" in wall time.
// BM_OpenPackageAndReadToInflateRatio opens a package file and reads its
// document entry, against inflating that entry's stored bytes from memory.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "container/DocumentInflateSource.h"
#include "container/DocumentMemorySource.h"
#include "container/DocumentReader.h"
#include "container/Package.h"
#include "container/PackageDocument.h"
#include "container/PackageWriter.h"
#include "container/ZlibInflater.h"

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

// The package file lives as long as the program and is removed at exit.
struct PackageFileOnDisk {
  std::string path;
  explicit PackageFileOnDisk(const std::string& document) {
    orv::PackageLayout layout;
    layout.Player = std::string(200 * 1024, 'P');
    auto add = [&](std::string name, std::string data, std::uint8_t kind, bool compress) {
      orv::PackageEntrySource e;
      e.Name = std::move(name);
      e.Data = std::move(data);
      e.Kind = kind;
      e.Compress = compress;
      layout.Entries.push_back(std::move(e));
    };
    for (int i = 0; i < 50; ++i)
      add("C:\\Project\\media\\picture" + std::to_string(i) + ".png", std::string(4096, char('a' + i % 26)),
          orv::kind::kPicture, false);
    add("RUNTIME.PUB", document, orv::kind::kDocument, true);
    const std::string bytes = orv::BuildPackage(layout);
    char name[] = "/tmp/orvdocbenchXXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0) return;
    path = name;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(fd);
    if (!written) path.clear();
  }
  ~PackageFileOnDisk() {
    if (!path.empty()) std::remove(path.c_str());
  }
};

struct Fixture {
  std::string document = GenerateDocument();
  std::string packed = Compress(document);
  PackageFileOnDisk package{document};
  std::string storedEntry = StoredDocument(package.path);

  static std::string Compress(const std::string& text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
              Z_DEFAULT_COMPRESSION);
    out.resize(size);
    return out;
  }

  // The document entry's bytes as stored in the package (its zlib stream).
  static std::string StoredDocument(const std::string& path) {
    orv::Package package;
    std::string bytes;
    if (package.OpenPackage(path) != orv::pkg::kOpened) return bytes;
    if (const orv::LibRec* entry = package.FindEntry("RUNTIME.PUB")) package.ReadStoredBytes(*entry, bytes);
    return bytes;
  }
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

// Inflates all of `packed` through `z` into a reused 64 KiB buffer, one
// `step` (an inflate call) at a time.
template <typename Step>
std::size_t InflateAll(z_stream& z, const std::string& packed, Step step) {
  static std::vector<unsigned char> output(64 * 1024);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = static_cast<uInt>(packed.size());
  std::size_t total = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    z.next_out = output.data();
    z.avail_out = static_cast<uInt>(output.size());
    status = step();
    total += output.size() - z.avail_out;
  }
  return total;
}

// Plain zlib calls.
std::size_t InflateOnly(const std::string& packed) {
  z_stream z{};
  inflateInit(&z);
  const std::size_t total = InflateAll(z, packed, [&z] { return inflate(&z, Z_NO_FLUSH); });
  inflateEnd(&z);
  return total;
}

// The inflater the package reader uses, whose Adler-32 check is faster than
// zlib's own.
std::size_t InflateOurWay(const std::string& packed) {
  orv::ZlibInflater inflater;
  return InflateAll(inflater.Stream(), packed, [&inflater] { return inflater.Inflate(); });
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

void BM_InflateDocumentOurWay(benchmark::State& state) {
  const Fixture& data = Data();
  for (auto _ : state) benchmark::DoNotOptimize(InflateOurWay(data.packed));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.document.size()));
}
BENCHMARK(BM_InflateDocumentOurWay)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentThroughZlib(benchmark::State& state) {
  const Fixture& data = Data();
  for (auto _ : state) benchmark::DoNotOptimize(ReadDocument(data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.document.size()));
  state.counters["bytes"] = static_cast<double>(data.document.size());
}
BENCHMARK(BM_ReadDocumentThroughZlib)->Unit(benchmark::kMillisecond);

std::size_t OpenPackageAndReadDocument(const Fixture& data) {
  orv::Package package;
  if (package.OpenPackage(data.package.path) != orv::pkg::kOpened) return 0;
  orv::Publication publication;
  std::string error;
  const orv::DocumentReadOptions options =
      orv::DocumentReadOptionsFor(package, [](int percent) { benchmark::DoNotOptimize(percent); });
  if (orv::ReadPackageDocument(package, options, publication, error) != orv::PackageDocumentStatus::Read)
    return 0;
  return publication.pages.size();
}

void BM_OpenPackageAndReadDocument(benchmark::State& state) {
  const Fixture& data = Data();
  for (auto _ : state) {
    if (OpenPackageAndReadDocument(data) != kPages + 1) state.SkipWithError("the package did not read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.document.size()));
}
BENCHMARK(BM_OpenPackageAndReadDocument)->Unit(benchmark::kMillisecond);

// Processor time of this thread, unaffected by other work on the machine.
double ThreadSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs the inflate alone and `read` alternately and reports both ratios.
template <typename Read>
void MeasureRatio(benchmark::State& state, const std::string& packed, Read read,
                  std::size_t (*inflateAlone)(const std::string&) = InflateOnly) {
  using Clock = std::chrono::steady_clock;
  Clock::duration inflatingWall{}, readingWall{};
  double inflating = 0, reading = 0;
  for (auto _ : state) {
    const double c0 = ThreadSeconds();
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(inflateAlone(packed));
    const double c1 = ThreadSeconds();
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(read());
    const double c2 = ThreadSeconds();
    const auto t2 = Clock::now();
    inflating += c1 - c0;
    reading += c2 - c1;
    inflatingWall += t1 - t0;
    readingWall += t2 - t1;
  }
  state.counters["ratio"] = reading / inflating;
  state.counters["wall_ratio"] = std::chrono::duration<double>(readingWall).count() /
                                 std::chrono::duration<double>(inflatingWall).count();
}

void BM_ReadToInflateRatio(benchmark::State& state) {
  const Fixture& data = Data();
  MeasureRatio(state, data.packed, [&] { return ReadDocument(data); });
}
BENCHMARK(BM_ReadToInflateRatio)->Unit(benchmark::kMillisecond);

// The measure the document reader is held to: open the package and read its
// document, against inflating the document entry alone.
void BM_OpenPackageAndReadToInflateRatio(benchmark::State& state) {
  const Fixture& data = Data();
  MeasureRatio(state, data.storedEntry, [&] { return OpenPackageAndReadDocument(data); });
}
BENCHMARK(BM_OpenPackageAndReadToInflateRatio)->Unit(benchmark::kMillisecond);

// The same against our own inflate path alone: what reading the lines and
// building the model add to inflating and checking the entry.
void BM_OpenPackageAndReadToOwnInflateRatio(benchmark::State& state) {
  const Fixture& data = Data();
  MeasureRatio(
      state, data.storedEntry, [&] { return OpenPackageAndReadDocument(data); }, InflateOurWay);
}
BENCHMARK(BM_OpenPackageAndReadToOwnInflateRatio)->Unit(benchmark::kMillisecond);

}  // namespace
