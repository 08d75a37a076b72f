// Arbitrary bytes as a cartoon file: the header, the picture decoded
// through a picture cache, the strip cut into frames and each frame drawn
// through its transparency region must end without a crash, a leak,
// undefined behaviour or unbounded memory.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "commands/media/CartoonFile.h"
#include "pages/PictureCache.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The image readers warn about every broken input; at fuzzing speed that
  // is nothing but noise.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static orv::TPictureCache cache;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<orv::TCartoonStrip> strip = orv::ReadCartoonStrip(bytes, "FUZZ.CAR", cache);
  if (!strip) return 0;
  if (strip->Frames() <= 0 || strip->FrameWidth() <= 0 || strip->FrameHeight() <= 0) std::abort();
  if (strip->FrameRect(strip->Frames() - 1).right() >= strip->Picture().width()) std::abort();
  // The first frames and the last, as the overlay draws them.
  QImage target(std::min(strip->FrameWidth(), 64), std::min(strip->FrameHeight(), 64), QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::white);
  const int frames = strip->Frames();
  for (int index : {0, 1, 2, frames - 1}) {
    if (index < 0 || index >= frames) continue;
    QPainter painter(&target);
    if (const std::optional<QRegion> region = strip->FrameRegion(index)) painter.setClipRegion(*region);
    painter.drawImage(QPoint(0, 0), strip->Picture(), strip->FrameRect(index));
  }
  return 0;
}
