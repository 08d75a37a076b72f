#pragma once
// The small symbol drawn in place of a picture that could not be decoded.
#include <QImage>

namespace orv {

inline constexpr int kBadPictureWidth = 21;
inline constexpr int kBadPictureHeight = 22;

// A 21 x 22 opaque picture: a framed white card with a red cross.
const QImage& BadPictureSymbol();

}  // namespace orv
