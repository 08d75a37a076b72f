#pragma once
// Device-independent bitmaps as metafile records carry them: a bitmap header
// (the 40-byte form and its longer successors, or the old 12-byte core form),
// a colour table and rows of 1, 4, 8, 16, 24 or 32 bits a pixel, bottom-up
// unless the height is negative. Compressed bitmaps are not read.
#include <QByteArrayView>
#include <QImage>

namespace orv {

// How the colour table of a bitmap with 8 or fewer bits a pixel is written:
// colours, or indices into the logical palette (which the player does not
// keep, so they come out as greys).
enum class DibColourTable { Colours, PaletteIndices };

// What the fourth byte of a 32-bit pixel means.
enum class DibAlpha { Ignored, Premultiplied };

// The largest bitmap read: a record can describe far more than it carries,
// and the pixel rows are checked against the data before anything is made.
inline constexpr int kLargestDibSide = 32767;
inline constexpr qint64 kLargestDibPixels = 16LL * 1024 * 1024;

// `info` starts with the bitmap header and holds the colour table (and the
// bit-field masks); `bits` holds the pixel rows. Null on any fault.
QImage ReadDib(QByteArrayView info, QByteArrayView bits, DibColourTable table = DibColourTable::Colours,
               DibAlpha alpha = DibAlpha::Ignored);

// Whether the bitmap's first row is its bottom one (a positive height). The
// source rectangle of a StretchDIBits call counts rows from that end.
bool DibRowsBottomUp(QByteArrayView info);

// A packed bitmap: header, colour table and pixel rows in one run.
QImage ReadPackedDib(QByteArrayView packed, DibColourTable table = DibColourTable::Colours,
                     DibAlpha alpha = DibAlpha::Ignored);

}  // namespace orv
