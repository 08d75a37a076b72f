#pragma once
// Whether a GIF picture is shown with a transparent colour, read from its
// blocks without decoding any pixels.
#include <QByteArrayView>

namespace orv {

// True when the graphic control block that governs the first image names a
// transparent colour index. The first image is the one a publication shows;
// its transparent index becomes the picture's alpha channel.
bool GifFirstImageHasTransparency(QByteArrayView bytes);

}  // namespace orv
