#pragma once
// Little-endian reading inside one metafile record. Every read is checked:
// a read past the end yields zero and marks the reader failed, so a player
// reads a whole record and then asks once whether it was all there.
#include <QByteArrayView>
#include <QtGlobal>
#include <cstdint>
#include <cstring>

namespace orv {

class TMetafileRecordReader {
 public:
  explicit TMetafileRecordReader(QByteArrayView bytes, qsizetype pos = 0) : bytes_(bytes), pos_(pos) {
    if (pos_ < 0 || pos_ > bytes_.size()) Fail();
  }

  bool Ok() const { return ok_; }
  void Fail() {
    ok_ = false;
    pos_ = bytes_.size();
  }
  qsizetype Pos() const { return pos_; }
  qsizetype Size() const { return bytes_.size(); }
  qsizetype Remaining() const { return bytes_.size() - pos_; }
  QByteArrayView Data() const { return bytes_; }

  void Seek(qsizetype pos) {
    if (pos < 0 || pos > bytes_.size())
      Fail();
    else
      pos_ = pos;
  }
  void Skip(qsizetype count) {
    if (count < 0 || count > Remaining())
      Fail();
    else
      pos_ += count;
  }

  // Whether `count` items of `itemSize` bytes are left, without overflow.
  bool Holds(qint64 count, qint64 itemSize) const {
    return count >= 0 && itemSize > 0 && count <= static_cast<qint64>(Remaining()) / itemSize;
  }

  quint8 U8() { return static_cast<quint8>(Take(1)); }
  quint16 U16() { return static_cast<quint16>(Take(2)); }
  qint16 I16() { return static_cast<qint16>(Take(2)); }
  quint32 U32() { return static_cast<quint32>(Take(4)); }
  qint32 I32() { return static_cast<qint32>(Take(4)); }
  float F32() {
    const quint32 bits = U32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // The next `count` bytes; empty and failed when fewer are left.
  QByteArrayView Bytes(qsizetype count) {
    if (count < 0 || count > Remaining()) {
      Fail();
      return {};
    }
    const QByteArrayView part = bytes_.sliced(pos_, count);
    pos_ += count;
    return part;
  }

 private:
  std::uint64_t Take(int width) {
    if (width > Remaining()) {
      Fail();
      return 0;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + pos_;
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | p[i];
    pos_ += width;
    return value;
  }

  QByteArrayView bytes_;
  qsizetype pos_ = 0;
  bool ok_ = true;
};

// The fixed fields of a font record: WMF writes its numbers as 16-bit
// fields, EMF as 32-bit ones; `readInt` reads one. The face name follows.
template <typename Font, typename ReadInt>
void ReadFontFields(TMetafileRecordReader& in, Font& font, ReadInt readInt) {
  font.height = readInt();
  font.width = readInt();
  font.escapement = readInt();
  readInt();  // orientation
  font.weight = readInt();
  font.italic = in.U8() != 0;
  font.underline = in.U8() != 0;
  font.strikeOut = in.U8() != 0;
  font.charSet = in.U8();
  in.Skip(3);  // precisions, quality
  font.pitchAndFamily = in.U8();
}

}  // namespace orv
