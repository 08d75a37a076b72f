// The picture cache's promise: a page shown again decodes nothing. Thirty
// wallpaper-sized pictures are decoded and cached once, then asked for again.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "pages/PictureCache.h"

namespace {

constexpr int kPictures = 30;

struct PictureSet {
  QTemporaryDir dir;
  std::vector<std::string> names;

  PictureSet() {
    for (int i = 0; i < kPictures; ++i) {
      QImage image(320, 240, QImage::Format_RGB32);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb((x + i) & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
      const std::string name = dir.path().toStdString() + "/picture" + std::to_string(i) + ".png";
      image.save(QString::fromStdString(name), "PNG");
      names.push_back(name);
    }
  }
};

const PictureSet& Pictures() {
  static const PictureSet set;
  return set;
}

void BM_DecodeAndCacheThirtyPictures(benchmark::State& state) {
  const PictureSet& set = Pictures();
  std::uint64_t decodes = 0;
  for (auto _ : state) {
    orv::TPictureCache cache;
    for (const std::string& name : set.names) {
      const orv::AcquiredPicture got = cache.AcquirePicture(name, orv::kAutoTransparentColour);
      benchmark::DoNotOptimize(got.picture.get());
      cache.ReleasePicture(got.picture.get());
    }
    decodes += cache.DecodeCount();
  }
  state.counters["decodes/iter"] = benchmark::Counter(static_cast<double>(decodes) / state.iterations());
}
BENCHMARK(BM_DecodeAndCacheThirtyPictures)->Unit(benchmark::kMillisecond);

void BM_SameThirtyPicturesAgain(benchmark::State& state) {
  const PictureSet& set = Pictures();
  orv::TPictureCache cache;
  for (const std::string& name : set.names) cache.AcquirePictureUnheld(name, orv::kAutoTransparentColour);
  const std::uint64_t before = cache.DecodeCount();
  for (auto _ : state) {
    for (const std::string& name : set.names) {
      const orv::AcquiredPicture got = cache.AcquirePicture(name, orv::kAutoTransparentColour);
      benchmark::DoNotOptimize(got.picture.get());
      cache.ReleasePicture(got.picture.get());
    }
  }
  const std::uint64_t again = cache.DecodeCount() - before;
  state.counters["decodes"] = benchmark::Counter(static_cast<double>(again));
  if (again != 0) state.SkipWithError("pictures were decoded again");
}
BENCHMARK(BM_SameThirtyPicturesAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
