#pragma once
// The drawing objects a metafile creates and selects: pens, brushes and
// fonts, as plain values, and the stock objects an EMF names by number.
#include <QColor>
#include <QImage>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include <QtGlobal>

namespace orv {

// A COLORREF (0x00BBGGRR); the top byte (palette-relative forms) is ignored.
inline QColor ColourFromRef(quint32 ref) {
  return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                static_cast<int>((ref >> 16) & 0xFF));
}

struct TGdiPen {
  enum Style { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5, InsideFrame = 6, UserStyle = 7,
               Alternate = 8 };
  enum Cap { RoundCap = 0x000, SquareCap = 0x100, FlatCap = 0x200 };
  enum Join { RoundJoin = 0x0000, BevelJoin = 0x1000, MiterJoin = 0x2000 };

  int style = Solid;
  int cap = RoundCap;
  int join = RoundJoin;
  // In logical units; 0 draws one device pixel wide.
  double width = 0;
  // Made by the extended pen call with the geometric flag: its dashes keep
  // at any width and scale with it.
  bool geometric = false;
  QColor colour = Qt::black;
  std::vector<double> userDashes;  // logical units, for UserStyle
};

struct TGdiBrush {
  enum Kind { Solid, Null, Hatched, Pattern };
  enum Hatch { Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3, Cross = 4, DiagonalCross = 5 };

  Kind kind = Solid;
  QColor colour = Qt::white;
  int hatch = Horizontal;
  QImage pattern;  // for Pattern; repeated in device pixels
};

struct TGdiFont {
  // Negative: the character height; positive: the cell height; both in
  // logical units. 0 asks for the default size.
  int height = 0;
  int width = 0;            // average character width, 0 for the natural one
  int escapement = 0;       // tenths of a degree, counter-clockwise
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = 0;
  int pitchAndFamily = 0;
  QString face;
};

// Palettes and regions take a slot in the object table; the player draws
// nothing with them.
struct TGdiPlaceholder {};

using TGdiObject = std::variant<TGdiPen, TGdiBrush, TGdiFont, TGdiPlaceholder>;

// The stock object an EMF names as 0x80000000 + number; none for numbers
// that name nothing.
std::optional<TGdiObject> StockObject(quint32 number);

// The brush for a hatch style number; a number outside the six styles is
// drawn as a solid brush, as the system does.
TGdiBrush HatchedBrush(int hatch, QColor colour);

}  // namespace orv
