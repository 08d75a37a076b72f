// Opening a package of 2,000 compressed entries and inflating every one,
// against inflating the same compressed bytes with plain zlib. The counter
// "ratio_to_zlib" is the package path's time over plain zlib's, measured
// side by side in the same iterations; it should stay close to 1.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "container/Package.h"
#include "container/PackageWriter.h"

namespace {

constexpr int kEntries = 2000;

std::string EntryText(int index) {
  std::string text;
  for (int line = 0; text.size() < 6000; ++line)
    text += "Entry " + std::to_string(index) + " line " + std::to_string(line * 7919 % 1000) +
            ": some publication text, with words that repeat and some that do not.\r\n";
  return text;
}

struct Fixture {
  std::string path;
  std::vector<std::string> compressed;  // each entry's zlib stream
  std::vector<std::size_t> sizes;       // and its content size

  Fixture() {
    orv::PackageLayout layout;
    layout.Player = std::string(100000, 'P');
    for (int i = 0; i < kEntries; ++i) {
      orv::PackageEntrySource e;
      e.Name = "C:\\Publication\\Media\\entry" + std::to_string(i) + ".txt";
      e.Data = EntryText(i);
      layout.Entries.push_back(e);
      uLongf size = compressBound(static_cast<uLong>(e.Data.size()));
      std::string z(size, '\0');
      compress2(reinterpret_cast<Bytef*>(z.data()), &size, reinterpret_cast<const Bytef*>(e.Data.data()),
                static_cast<uLong>(e.Data.size()), Z_BEST_COMPRESSION);
      z.resize(size);
      compressed.push_back(std::move(z));
      sizes.push_back(e.Data.size());
    }
    char name[] = "/tmp/orvbenchXXXXXX";
    const int fd = ::mkstemp(name);
    path = name;
    const std::string bytes = orv::BuildPackage(layout);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::close(fd);
  }
  ~Fixture() { std::remove(path.c_str()); }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

std::size_t InflateThroughPackage(const Fixture& f) {
  orv::Package package;
  if (package.OpenPackage(f.path) != orv::pkg::kOpened) std::abort();
  std::size_t total = 0;
  std::string bytes;
  for (const orv::LibRec& e : package.Entries()) {
    if (package.LoadEntryToMemory(e, bytes) != orv::pkg::kLoaded) std::abort();
    total += bytes.size();
  }
  return total;
}

std::size_t InflateWithZlib(const Fixture& f) {
  std::size_t total = 0;
  std::string out;
  for (std::size_t i = 0; i < f.compressed.size(); ++i) {
    out.assign(f.sizes[i], '\0');
    uLongf size = static_cast<uLongf>(out.size());
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                   reinterpret_cast<const Bytef*>(f.compressed[i].data()),
                   static_cast<uLong>(f.compressed[i].size())) != Z_OK)
      std::abort();
    total += size;
  }
  return total;
}

void BM_OpenAndInflateAllEntries(benchmark::State& state) {
  const Fixture& f = Shared();
  double packageSeconds = 0, zlibSeconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(InflateThroughPackage(f));
    const auto t1 = std::chrono::steady_clock::now();
    state.PauseTiming();
    benchmark::DoNotOptimize(InflateWithZlib(f));
    const auto t2 = std::chrono::steady_clock::now();
    state.ResumeTiming();
    packageSeconds += std::chrono::duration<double>(t1 - t0).count();
    zlibSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  state.counters["ratio_to_zlib"] = packageSeconds / zlibSeconds;
  state.counters["entries"] = kEntries;
}
BENCHMARK(BM_OpenAndInflateAllEntries)->Unit(benchmark::kMillisecond);

void BM_PlainZlibSameBytes(benchmark::State& state) {
  const Fixture& f = Shared();
  for (auto _ : state) benchmark::DoNotOptimize(InflateWithZlib(f));
}
BENCHMARK(BM_PlainZlibSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
