#pragma once
// Which of the images in an icon file stands for the icon. An icon file holds
// the same picture at several sizes and colour depths; a publication shows
// it at the size icons had on the screens it was made for.
#include <QByteArrayView>

class QImageReader;

namespace orv {

// The size an icon is meant to be shown at.
inline constexpr int kPreferredIconSide = 32;

// The index of the image nearest 32 by 32 (sum of the differences in width
// and height); among equally near ones the one with the most bits per pixel,
// then the larger one (shrinking looks better than enlarging), then the
// first. Images whose data is not wholly inside the file are passed over.
// `reader` reads `bytes` as an icon; it is left on the chosen image. -1 when
// there is none to choose.
int ChooseIconImage(QImageReader& reader, QByteArrayView bytes);

// Whether the data of image `index` lies wholly inside the file.
bool IconImageInFile(QByteArrayView bytes, int index);

// The bits per pixel of image `index` of an icon file: what its own bitmap
// or PNG header says, else what the directory says; 0 when neither says.
int IconImageBitsPerPixel(QByteArrayView bytes, int index);

}  // namespace orv
