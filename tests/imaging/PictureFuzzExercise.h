#pragma once
// One input of the picture fuzz target, also replayed by the tests: the
// first byte picks the name the bytes come under (none, or one extension of
// each format), the rest is the picture. Decoding, the header information,
// loading into a view and drawing it every way must end without a crash,
// a leak or undefined behaviour, and keep the decoder's promises: the
// promise broken is returned, null when all are kept.
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "imaging/OVImageView.h"
#include "imaging/PictureDecoder.h"

namespace orv::test {

inline const char* ExercisePictureInput(std::string_view input) {
  static constexpr std::string_view kNames[] = {"",      "a.jpg", "a.png", "a.gif", "a.tif",
                                                "a.pcx", "a.bmp", "a.ico", "a.wmf", "a.emf"};
  std::string_view name;
  if (!input.empty()) {
    name = kNames[static_cast<unsigned char>(input.front()) % std::size(kNames)];
    input.remove_prefix(1);
  }
  const QByteArrayView bytes(input.data(), static_cast<qsizetype>(input.size()));

  const DecodedPicture decoded = DecodePicture(bytes, name);
  if (decoded.bad && (!decoded.image.isNull() || decoded.meta != nullptr)) return "a bad picture has no bitmap";
  if (!decoded.bad && !FitsPictureBitmap(decoded.image.size())) return "a decoded picture fits the bounds";
  if (!decoded.bad && decoded.image.format() != (decoded.hasAlpha ? QImage::Format_ARGB32_Premultiplied
                                                                  : QImage::Format_RGB32))
    return "a decoded picture is 32 bits a pixel";

  const TPictureInfo info = TOVImageView::ReadStreamInfo(bytes, name);
  if (!info.readable && (info.width != 32 || info.height != 32)) return "no picture reports 32 by 32";
  if (info.readable && !info.ShowsBadPicture() && !FitsPictureBitmap(QSize(info.width, info.height)))
    return "a header size fits the bounds";

  TOVImageView view;
  if (view.LoadFromStream(bytes, name) == decoded.bad) return "the view decodes as the decoder does";
  if (view.IsEmpty()) return "a view always has a bitmap";
  QImage canvas(48, 40, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  {
    QPainter painter(&canvas);
    view.DrawAt(painter, 255, QPoint(1, 2));
    view.DrawAt(painter, 256, QPoint(-3, 4));
    view.DrawStretched(painter, true, 128, QRect(5, 5, 30, 20));
    view.DrawStretched(painter, false, 256, QRect(0, 0, 48, 40));
  }
  if (view.ResampleTo(13, 7).size() != QSize(13, 7)) return "a resampled copy has the size asked for";
  return nullptr;
}

}  // namespace orv::test
