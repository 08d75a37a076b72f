#pragma once
// The formats Qt's image readers decode for the player (JPEG, PNG, GIF, TIFF,
// BMP, ICO), read the way publications expect: the format named by the
// caller and not guessed again, the camera's orientation tag ignored, the
// first image of an animated GIF, and of an icon the image ChooseIconImage
// picks. Qt's allocation limit stays in force, and a header announcing more
// than FitsPictureBitmap allows is not decoded at all, so a forged header
// cannot make a reader allocate gigabytes. A BMP whose pixels are cut short
// is refused (BmpHoldsAllPixels).
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <optional>

#include "imaging/PictureDecoder.h"

namespace orv {

// True for the formats this reader handles.
bool ReadableWithQt(PictureFormat format);

// The decoded picture; null when it cannot be decoded. Icons always carry an
// alpha channel (their mask).
QImage ReadWithQt(QByteArrayView bytes, PictureFormat format);

struct QtPictureHeader {
  QSize size;  // may hold 0 when the header says so
  bool hasAlpha = false;
};

// Size and alpha from the header alone; none when the header cannot be read.
// Agrees with what ReadWithQt gives for pictures that decode.
std::optional<QtPictureHeader> ReadHeaderWithQt(QByteArrayView bytes, PictureFormat format);

}  // namespace orv
