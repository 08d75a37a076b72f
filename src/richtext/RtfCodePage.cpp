#include "richtext/RtfCodePage.h"

#include <QStringDecoder>

#include "base/Ansi.h"

namespace orv::rt {

int CodePageForCharset(int charset) {
  switch (charset) {
    case 0: return 1252;    // ANSI
    case 77: return 10000;  // Mac Roman
    case 128: return 932;   // Shift JIS
    case 129: return 949;   // Hangul
    case 134: return 936;   // GB2312
    case 136: return 950;   // Big5
    case 161: return 1253;  // Greek
    case 162: return 1254;  // Turkish
    case 163: return 1258;  // Vietnamese
    case 177: return 1255;  // Hebrew
    case 178: return 1256;  // Arabic
    case 186: return 1257;  // Baltic
    case 204: return 1251;  // Cyrillic
    case 222: return 874;   // Thai
    case 238: return 1250;  // Eastern European
    case 255: return 437;   // OEM
    default: return 0;      // default, symbol and the rest: the document's page
  }
}

namespace {

QString DecodeWestern(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out.append(QChar(c));
    } else {
      out.append(QChar(static_cast<char16_t>(AnsiCharToUnicode(c))));
    }
  }
  return out;
}

QByteArray EncodingName(int codePage) {
  switch (codePage) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    case 437: return "IBM437";
    case 874: return "windows-874";
    default: return "windows-" + QByteArray::number(codePage);
  }
}

}  // namespace

QString DecodeCodePage(std::string_view bytes, int codePage) {
  if (codePage == kWesternCodePage || codePage <= 0) return DecodeWestern(bytes);
  QStringDecoder decoder(EncodingName(codePage).constData());
  if (!decoder.isValid()) return DecodeWestern(bytes);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace orv::rt
