#pragma once
// The one entry point that turns the bytes of a picture file into a bitmap.
// JPEG, PNG, BMP, GIF, TIFF and ICO go through Qt's image readers (with the
// image-formats plug-ins; see QtPictureReader.h for how they are set up:
// orientation tags ignored, a GIF's first image, an icon's image nearest 32
// by 32); PCX and the metafiles (WMF, EMF) through our own readers.
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <memory>
#include <string_view>

namespace orv {

class TMetafilePicture;

enum class PictureFormat { Unknown, Jpeg, Png, Gif, Tiff, Pcx, Bmp, Ico, Wmf, Emf };

// The format a file name's extension announces (any letter case).
PictureFormat FormatFromExtension(std::string_view name);
// The format the data's first bytes show; Unknown when they show none.
PictureFormat FormatFromSignature(QByteArrayView bytes);

// The largest picture the decoder keeps: 64 million pixels, a 256 MB
// bitmap. Larger ones are bad pictures.
inline constexpr qint64 kLargestPicturePixels = 64LL * 1024 * 1024;
// A metafile is rendered to a bitmap only up to this side: a natural size
// beyond what a page can show is not a picture anyone drew.
inline constexpr int kLargestMetafileSide = 16384;

// Whether a picture of `size` gets a bitmap: both sides positive and no more
// than kLargestPicturePixels pixels.
bool FitsPictureBitmap(QSize size);
// The same for a metafile's natural size, which also keeps to
// kLargestMetafileSide.
bool FitsMetafileBitmap(QSize size);

// The format the decoder takes the data for: its signature, else the
// extension of `nameHint`.
PictureFormat DetectPictureFormat(QByteArrayView bytes, std::string_view nameHint);

struct DecodedPicture {
  // Premultiplied ARGB when `hasAlpha`, otherwise RGB32. Null when `bad`.
  // A metafile's image is its records played onto white at natural size.
  QImage image;
  std::shared_ptr<const TMetafilePicture> meta;
  bool hasAlpha = false;
  bool isMeta = false;
  bool bad = false;
};

// Decodes `bytes`. The data's signature decides the decoder, so a picture
// stored under a misleading extension still decodes; the extension of
// `nameHint` is used only for data whose signature says nothing.
DecodedPicture DecodePicture(QByteArrayView bytes, std::string_view nameHint = {});

// Width, height and alpha of a picture, as the package directory stores them
// for its picture entries.
struct PictureEntryInfo {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;
};

}  // namespace orv
