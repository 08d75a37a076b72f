// Painting a page of three picture objects (a photo stretched, a tile
// repeated, a shape whose background colour is taken out) against drawing
// the same decoded QImages with QPainter directly: stretched, tiled and
// clipped to the same region. Both sides are timed in the same loop, turn by
// turn, so load from other work on the machine hits both; the counter
// `ratio` is ours over direct.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <string>

#include "BenchApplication.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectFactory.h"
#include "pages/OrvalisBackground.h"
#include "pages/PictureCache.h"
#include "pages/PictureCacheRegion.h"

namespace {

using orv::bench::App;

constexpr QSize kPageSize(640, 400);
const QRect kStretchArea(10, 10, 300, 200);
const QRect kTileArea(320, 10, 300, 190);
const QRect kShapeArea(10, 220, 128, 128);

struct PicturePage {
  QTemporaryDir dir;
  QImage photo{320, 200, QImage::Format_RGB32};
  QImage tile{32, 32, QImage::Format_RGB32};
  QImage shape{128, 128, QImage::Format_RGB32};
  orv::Publication publication;
  orv::TOrvalisBackground page;

  PicturePage() {
    for (int y = 0; y < photo.height(); ++y)
      for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    for (int y = 0; y < tile.height(); ++y)
      for (int x = 0; x < tile.width(); ++x) tile.setPixel(x, y, (x / 8 + y / 8) % 2 ? qRgb(200, 80, 40) : qRgb(240, 220, 160));
    // A disc on magenta: the bottom-left pixel names the colour taken out.
    shape.fill(qRgb(255, 0, 255));
    {
      QPainter p(&shape);
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(QColor(40, 120, 220));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRect(8, 8, 112, 112));
    }
    const std::string base = dir.path().toStdString();
    photo.save(QString::fromStdString(base + "/photo.png"), "PNG");
    tile.save(QString::fromStdString(base + "/tile.png"), "PNG");
    shape.save(QString::fromStdString(base + "/shape.png"), "PNG");

    auto picture = [](const std::string& name, const QRect& r, int style, const std::string& file,
                      const std::string& extra) {
      return "ObjectType=4\r\nName=" + name + "\r\nX=" + std::to_string(r.x()) + "\r\nY=" + std::to_string(r.y()) +
             "\r\nW=" + std::to_string(r.width()) + "\r\nH=" + std::to_string(r.height()) +
             "\r\nLineWidth=0\r\nPictStyle=" + std::to_string(style) + "\r\nFileName=" + file + "\r\n" + extra;
    };
    const std::string document = "NewPage=P\r\n" + picture("Photo", kStretchArea, 1, base + "/photo.png", "") +
                                 picture("Tiles", kTileArea, 3, base + "/tile.png", "") +
                                 picture("Shape", kShapeArea, 0, base + "/shape.png",
                                         "FillPattern=1\r\nPictTransColor=536870912\r\n");
    std::string error;
    orv::ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    page.resize(kPageSize);
    page.SetPublicationArea(QRect(QPoint(0, 0), kPageSize));
    orv::BuildPageObjects(publication, publication.pages[1].objects, page, nullptr);
    page.NotifyObjects(1228, {}, {}, true);  // page entering
  }
};

PicturePage& Page() {
  App();
  static PicturePage* page = new PicturePage;
  return *page;
}

void PaintOurs(PicturePage& p, QImage& target) {
  target.fill(Qt::white);
  p.page.render(&target);
}

// What the three objects draw, done by hand: the region is the one the
// cache built once, as the objects' is.
void PaintDirect(PicturePage& p, const QRegion& shapeRegion, QImage& target) {
  target.fill(Qt::white);
  QPainter painter(&target);
  painter.drawImage(kStretchArea, p.photo);
  painter.save();
  painter.setClipRect(kTileArea);
  for (int y = kTileArea.top(); y <= kTileArea.bottom(); y += p.tile.height())
    for (int x = kTileArea.left(); x <= kTileArea.right(); x += p.tile.width()) painter.drawImage(x, y, p.tile);
  painter.restore();
  painter.setClipRegion(shapeRegion.translated(kShapeArea.topLeft()));
  painter.drawImage(kShapeArea.topLeft(), p.shape);
}

void BM_PicturePageAgainstDirectDrawing(benchmark::State& state) {
  PicturePage& p = Page();
  QImage ours(kPageSize, QImage::Format_ARGB32_Premultiplied);
  QImage direct(kPageSize, QImage::Format_ARGB32_Premultiplied);
  const QRegion shapeRegion = orv::BuildTransparencyRegion(p.shape, orv::kAutoTransparentColour).value_or(QRegion());
  PaintOurs(p, ours);  // the first paint decodes and builds the regions
  using Clock = std::chrono::steady_clock;
  Clock::duration oursTime{}, directTime{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    PaintOurs(p, ours);
    const auto t1 = Clock::now();
    PaintDirect(p, shapeRegion, direct);
    const auto t2 = Clock::now();
    oursTime += t1 - t0;
    directTime += t2 - t1;
    benchmark::DoNotOptimize(ours.constBits());
    benchmark::DoNotOptimize(direct.constBits());
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["ours_ms"] = std::chrono::duration<double, std::milli>(oursTime).count() / n;
  state.counters["direct_ms"] = std::chrono::duration<double, std::milli>(directTime).count() / n;
  state.counters["ratio"] = static_cast<double>(oursTime.count()) / static_cast<double>(std::max<Clock::rep>(directTime.count(), 1));
}
BENCHMARK(BM_PicturePageAgainstDirectDrawing)->Unit(benchmark::kMillisecond);

}  // namespace
