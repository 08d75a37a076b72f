#pragma once
// Builds small metafiles record by record for the player's tests: a WMF
// (with or without the placeable header) from 16-bit parameter words, an
// EMF from 32-bit values after its header record.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "imaging/metafile/MetafilePicture.h"

namespace orv::test {

inline void PutU16(QByteArray& out, std::uint32_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}

inline void PutU32(QByteArray& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

inline std::int64_t FloatBits(float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

class WmfBuilder {
 public:
  // Parameters as 16-bit words, in file order (last argument first).
  WmfBuilder& Record(int function, std::initializer_list<int> words) {
    PutU32(records_, static_cast<std::uint32_t>(3 + words.size()));
    PutU16(records_, static_cast<std::uint32_t>(function));
    for (int w : words) PutU16(records_, static_cast<std::uint32_t>(w));
    return *this;
  }
  // A record whose size field is `sizeWords` whatever it holds.
  WmfBuilder& RawRecord(std::uint32_t sizeWords, int function, std::initializer_list<int> words) {
    PutU32(records_, sizeWords);
    PutU16(records_, static_cast<std::uint32_t>(function));
    for (int w : words) PutU16(records_, static_cast<std::uint32_t>(w));
    return *this;
  }
  WmfBuilder& Colour(int function, std::uint32_t colourRef) {
    return Record(function, {static_cast<int>(colourRef & 0xFFFF), static_cast<int>(colourRef >> 16)});
  }
  WmfBuilder& SolidBrush(std::uint32_t colourRef) {
    return Record(0x02FC, {0, static_cast<int>(colourRef & 0xFFFF), static_cast<int>(colourRef >> 16), 0});
  }
  WmfBuilder& NullPen() { return Record(0x02FA, {5, 0, 0, 0, 0}); }
  WmfBuilder& Select(int index) { return Record(0x012D, {index}); }
  WmfBuilder& Delete(int index) { return Record(0x01F0, {index}); }
  WmfBuilder& WindowExt(int width, int height) { return Record(0x020C, {height, width}); }
  WmfBuilder& WindowOrg(int x, int y) { return Record(0x020B, {y, x}); }
  WmfBuilder& Rect(int left, int top, int right, int bottom) {
    return Record(0x041B, {bottom, right, top, left});
  }
  WmfBuilder& Bytes(const QByteArray& raw) {
    records_.append(raw);
    return *this;
  }

  // With `placeable`, the 22-byte header with box (0, 0, right, bottom).
  QByteArray Build(int objects, bool placeable = false, int right = 0, int bottom = 0, int unitsPerInch = 96) const {
    QByteArray out;
    if (placeable) {
      PutU32(out, 0x9AC6CDD7);
      PutU16(out, 0);
      for (int v : {0, 0, right, bottom}) PutU16(out, static_cast<std::uint32_t>(v));
      PutU16(out, static_cast<std::uint32_t>(unitsPerInch));
      PutU32(out, 0);
      PutU16(out, 0);  // checksum, not checked
    }
    QByteArray body = records_;
    PutU32(body, 3);  // end of file
    PutU16(body, 0);
    PutU16(out, 1);
    PutU16(out, 9);
    PutU16(out, 0x0300);
    PutU32(out, static_cast<std::uint32_t>((18 + body.size()) / 2));
    PutU16(out, static_cast<std::uint32_t>(objects));
    PutU32(out, 0);
    PutU16(out, 0);
    out.append(body);
    return out;
  }

 private:
  QByteArray records_;
};

class EmfBuilder {
 public:
  // Values as 32-bit words after the record's type and size.
  EmfBuilder& Record(std::uint32_t type, std::initializer_list<std::int64_t> values) {
    PutU32(records_, type);
    PutU32(records_, static_cast<std::uint32_t>(8 + 4 * values.size()));
    for (std::int64_t v : values) PutU32(records_, static_cast<std::uint32_t>(v));
    return *this;
  }
  // A record whose size field is `size` whatever it holds.
  EmfBuilder& RawRecord(std::uint32_t type, std::uint32_t size, std::initializer_list<std::int64_t> values) {
    PutU32(records_, type);
    PutU32(records_, size);
    for (std::int64_t v : values) PutU32(records_, static_cast<std::uint32_t>(v));
    return *this;
  }
  EmfBuilder& Bytes(std::uint32_t type, const QByteArray& body) {
    PutU32(records_, type);
    PutU32(records_, static_cast<std::uint32_t>(8 + body.size()));
    records_.append(body);
    return *this;
  }
  EmfBuilder& SolidBrush(int index, std::uint32_t colourRef) { return Record(39, {index, 0, colourRef, 0}); }
  EmfBuilder& NullPen() { return Record(37, {0x80000008}); }
  EmfBuilder& Select(std::int64_t index) { return Record(37, {index}); }
  EmfBuilder& Delete(std::int64_t index) { return Record(40, {index}); }
  EmfBuilder& Rect(int left, int top, int right, int bottom) { return Record(43, {left, top, right, bottom}); }

  // A reference device of 96 pixels an inch (960 x 960 pixels on 254 mm);
  // `frame` in hundredths of a millimetre.
  // `frame` and `bounds` are given by their edges (left, top, right, bottom).
  QByteArray Build(QRect frame, int handles, std::uint32_t signature = 0x464D4520, QRect bounds = {}) const {
    QByteArray out;
    PutU32(out, 1);
    PutU32(out, 88);
    for (int v : {bounds.left(), bounds.top(), bounds.right(), bounds.bottom()})
      PutU32(out, static_cast<std::uint32_t>(v));
    for (int v : {frame.left(), frame.top(), frame.right(), frame.bottom()})
      PutU32(out, static_cast<std::uint32_t>(v));
    PutU32(out, signature);
    PutU32(out, 0x10000);
    PutU32(out, 0);  // size, set below
    PutU32(out, 0);  // records
    PutU16(out, static_cast<std::uint32_t>(handles));
    PutU16(out, 0);
    for (int v : {0, 0, 0, 960, 960, 254, 254}) PutU32(out, static_cast<std::uint32_t>(v));
    out.append(records_);
    for (std::uint32_t v : {14u, 20u, 0u, 16u, 20u}) PutU32(out, v);  // end of file
    const std::uint32_t size = static_cast<std::uint32_t>(out.size());
    for (int i = 0; i < 4; ++i) out[48 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    return out;
  }

 private:
  QByteArray records_;
};

// The picture played onto white at `size`, the target the whole image.
inline QImage Render(const QByteArray& bytes, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const auto picture = TMetafilePicture::Read(bytes);
  if (picture == nullptr) return image;
  QPainter painter(&image);
  picture->Play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

// The smallest rectangle holding every pixel that is not white.
inline QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
  return box;
}

// Edges to a rectangle: QRect(QPoint, QPoint) counts the right and bottom
// edges in, which is what a metafile header's rectangles do.
inline QRect Edges(int left, int top, int right, int bottom) { return QRect(QPoint(left, top), QPoint(right, bottom)); }

}  // namespace orv::test
