#include "imaging/metafile/GdiObjects.h"

namespace orv {

namespace {

TGdiBrush SolidBrush(QColor colour) {
  TGdiBrush brush;
  brush.colour = colour;
  return brush;
}

TGdiPen SolidPen(QColor colour) {
  TGdiPen pen;
  pen.colour = colour;
  return pen;
}

TGdiFont StockFont(const char* face, int height, int pitchAndFamily, int weight = 400) {
  TGdiFont font;
  font.face = QString::fromLatin1(face);
  font.height = height;
  font.pitchAndFamily = pitchAndFamily;
  font.weight = weight;
  return font;
}

constexpr int kFixedPitchModern = 0x31;
constexpr int kVariablePitchSwiss = 0x22;

}  // namespace

std::optional<TGdiObject> StockObject(quint32 number) {
  switch (number) {
    case 0: return SolidBrush(Qt::white);
    case 1: return SolidBrush(QColor(192, 192, 192));
    case 2: return SolidBrush(QColor(128, 128, 128));
    case 3: return SolidBrush(QColor(64, 64, 64));
    case 4: return SolidBrush(Qt::black);
    case 5: {
      TGdiBrush brush;
      brush.kind = TGdiBrush::Null;
      return brush;
    }
    case 6: return SolidPen(Qt::white);
    case 7: return SolidPen(Qt::black);
    case 8: {
      TGdiPen pen;
      pen.style = TGdiPen::Null;
      return pen;
    }
    case 10: return StockFont("Terminal", 12, kFixedPitchModern);
    case 11: return StockFont("Courier", 13, kFixedPitchModern);
    case 12: return StockFont("MS Sans Serif", 13, kVariablePitchSwiss);
    case 13: return StockFont("System", 16, kVariablePitchSwiss, 700);
    case 14: return StockFont("System", 16, kVariablePitchSwiss, 700);
    case 15: return TGdiPlaceholder{};  // the default palette
    case 16: return StockFont("Fixedsys", 15, kFixedPitchModern);
    case 17: return StockFont("MS Shell Dlg", -11, kVariablePitchSwiss);
    case 18: return SolidBrush(Qt::white);  // the device-context brush
    case 19: return SolidPen(Qt::black);    // the device-context pen
    default: return std::nullopt;
  }
}

TGdiBrush HatchedBrush(int hatch, QColor colour) {
  TGdiBrush brush = SolidBrush(colour);
  if (hatch >= TGdiBrush::Horizontal && hatch <= TGdiBrush::DiagonalCross) {
    brush.kind = TGdiBrush::Hatched;
    brush.hatch = hatch;
  }
  return brush;
}

}  // namespace orv
