#pragma once
// The one entry point that turns the bytes of a picture file into a bitmap.
// JPEG, PNG, BMP, GIF, TIFF and ICO go through Qt's image readers (with the
// image-formats plug-ins); PCX and the metafiles (WMF, EMF) through our own
// readers.
#include <QByteArrayView>
#include <QImage>
#include <memory>
#include <string_view>

namespace orv {

class TMetafilePicture;

enum class PictureFormat { Unknown, Jpeg, Png, Gif, Tiff, Pcx, Bmp, Ico, Wmf, Emf };

// The format a file name's extension announces (any letter case).
PictureFormat FormatFromExtension(std::string_view name);
// The format the data's first bytes show; Unknown when they show none.
PictureFormat FormatFromSignature(QByteArrayView bytes);

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
