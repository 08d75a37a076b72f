#pragma once
// Guards around Qt's BMP reader. It stops quietly at a short read, and its
// run-length decoder never writes the pixels a code skips, so both would show
// whatever memory held. The player takes a BMP whose pixels are cut short for
// a bad picture, and has skipped pixels decoded onto colour index 0, as
// Windows leaves them in a fresh bitmap.
#include <QByteArrayView>
#include <QImage>

namespace orv {

// False when the pixels end before the header's last row: uncompressed or
// bit-field coded data too short for its rows, or run-length codes (8 or
// 4 bits) that run out before the end-of-picture code or the last row. True
// otherwise, including headers this check does not judge (other
// compressions, headers that make no sense: the reader refuses those).
bool BmpHoldsAllPixels(QByteArrayView bytes);

// For a run-length coded BMP, a picture of the header's size and the
// reader's format, all pixels colour index 0, for the reader to decode into.
// Null for other BMPs, and when the size is not one FitsPictureBitmap keeps.
QImage BmpBlankCanvas(QByteArrayView bytes);

}  // namespace orv
