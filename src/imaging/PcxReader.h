#pragma once
// Reader for PCX pictures: 1-bit monochrome, 1-bit planar (EGA, up to four
// planes), 2-, 4- and 8-bit paletted, and 24-bit (three 8-bit planes) or
// 32-bit (four planes, the fourth being alpha). Run-length encoded or raw.
#include <QByteArrayView>
#include <QImage>

namespace orv {

// True when `bytes` begin like a PCX header.
bool LooksLikePcx(QByteArrayView bytes);

// The decoded picture, or a null QImage when the data is not a PCX picture
// this reader understands. Data that ends early decodes as far as it goes;
// the rest of the picture stays black.
QImage ReadPcx(QByteArrayView bytes);

}  // namespace orv
