#include "imaging/metafile/MetafileText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "imaging/metafile/BoundedPainting.h"

namespace orv {

namespace {

// Fonts are made at a size in this range and scaled the rest of the way, so
// tiny text keeps its shapes and huge text is drawn as outlines.
constexpr int kSmallestFontPixels = 16;
constexpr int kLargestFontPixels = 1024;
constexpr double kLargestEmPixels = 32768;
// The character height asked for by a height of 0.
constexpr double kDefaultCharacterHeight = 12;

double AxisLength(const QTransform& t, double x, double y) {
  return std::hypot(t.m11() * x + t.m21() * y, t.m12() * x + t.m22() * y);
}

QFont BaseFont(const TGdiFont& selected, int pixels) {
  QFont font;
  if (!selected.face.isEmpty()) font.setFamily(selected.face);
  switch (selected.pitchAndFamily & 0xF0) {
    case 0x10: font.setStyleHint(QFont::Serif); break;
    case 0x20: font.setStyleHint(QFont::SansSerif); break;
    case 0x30: font.setStyleHint(QFont::TypeWriter); break;
    case 0x40: font.setStyleHint(QFont::Cursive); break;
    case 0x50: font.setStyleHint(QFont::Decorative); break;
    default: break;
  }
  if ((selected.pitchAndFamily & 0x03) == 1) font.setFixedPitch(true);
  font.setPixelSize(pixels);
  const int weight = selected.weight <= 0 ? 400 : selected.weight;
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  font.setItalic(selected.italic);
  font.setUnderline(selected.underline);
  font.setStrikeOut(selected.strikeOut);
  // The system sets characters side by side without kerning.
  font.setKerning(false);
  return font;
}

// The font at a pixel size in the working range, and the factor that scales
// it to `emPixels`.
std::pair<QFont, double> SizedFont(const TGdiFont& selected, double emPixels) {
  const int pixels = static_cast<int>(std::clamp(std::lround(emPixels), long{kSmallestFontPixels},
                                                 long{kLargestFontPixels}));
  return {BaseFont(selected, pixels), emPixels / pixels};
}

}  // namespace

double PaintTextRun(QPainter& painter, const QTransform& toPainter, const TDeviceState& state, const TTextRun& run,
                    QPointF origin) {
  if (run.text.isEmpty() || (run.options & TTextRun::GlyphIndex) != 0) {
    // Glyph numbers name shapes of a font file the player does not have.
    double width = 0;
    for (double a : run.advances) width += a;
    return width;
  }
  const double sx = AxisLength(toPainter, 1, 0);
  const double sy = AxisLength(toPainter, 0, 1);
  if (!(sx > 0) || !(sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return 0;

  const TGdiFont& selected = state.font;
  double emPixels;
  if (selected.height < 0) {
    emPixels = -static_cast<double>(selected.height) * sy;
  } else if (selected.height > 0) {
    // A cell height includes the internal leading; find the em that fills it.
    const QFont probe = BaseFont(selected, 100);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    emPixels = selected.height * sy * (cell > 0 ? 100 / cell : 1);
  } else {
    emPixels = kDefaultCharacterHeight * sy;
  }
  // Letters too small to see, or larger than any screen, are not drawn.
  if (!(emPixels > 0.05) || !(emPixels < kLargestEmPixels)) return 0;
  auto [font, scale] = SizedFont(selected, emPixels);
  if (selected.width > 0) {
    const double natural = QFontMetricsF(font).averageCharWidth() * scale;
    if (natural > 0)
      font.setStretch(std::clamp(static_cast<int>(std::lround(selected.width * sx / natural * 100)), 1, 4000));
  }
  const QFontMetricsF metrics(font);

  // Painter pixels along the baseline from the reference point.
  std::vector<double> offsets;
  double width;
  if (run.advances.empty()) {
    width = metrics.horizontalAdvance(run.text) * scale;
  } else {
    offsets.reserve(run.advances.size());
    double at = 0;
    for (double a : run.advances) {
      offsets.push_back(at);
      at += a * sx;
    }
    width = at;
  }

  // Text stays upright: the logical x axis gives the baseline's direction,
  // turned by the escapement (counter-clockwise on the device).
  double axis = std::atan2(toPainter.m12(), toPainter.m11()) * 180 / std::numbers::pi;
  if (toPainter.determinant() < 0 && toPainter.m11() < 0) axis += 180;
  const double angle = axis - selected.escapement / 10.0;

  const int align = state.textAlign;
  double left = 0;
  if ((align & TTextRun::Centre) == TTextRun::Centre)
    left = -width / 2;
  else if ((align & TTextRun::Right) != 0)
    left = -width;
  const double ascent = metrics.ascent() * scale;
  const double descent = metrics.descent() * scale;
  double baseline = ascent;
  if ((align & TTextRun::Baseline) == TTextRun::Baseline)
    baseline = 0;
  else if ((align & TTextRun::Bottom) != 0)
    baseline = -descent;

  painter.save();
  if (run.rect) {
    QPainterPath box;
    box.addRect(run.rect->normalized());
    if ((run.options & TTextRun::Opaque) != 0) FillThrough(painter, toPainter, box, state.backgroundColour);
    if ((run.options & TTextRun::Clipped) != 0) {
      painter.setTransform(QTransform());
      painter.setClipPath(PainterPathWithin(painter, toPainter, box), Qt::IntersectClip);
    }
  }

  const QPointF anchor = toPainter.map(origin);
  QTransform frame;
  frame.translate(anchor.x(), anchor.y());
  frame.rotate(angle);
  if (state.backgroundMode == TDeviceState::Opaque) {
    QPainterPath box;
    box.addRect(QRectF(left, baseline - ascent, width, ascent + descent));
    FillThrough(painter, frame, box, state.backgroundColour);
  }
  painter.setTransform(frame);
  painter.scale(scale, scale);
  painter.setFont(font);
  painter.setPen(state.textColour);
  const double y = baseline / scale;
  if (offsets.empty()) {
    painter.drawText(QPointF(left / scale, y), run.text);
  } else {
    const qsizetype count = std::min<qsizetype>(run.text.size(), static_cast<qsizetype>(offsets.size()));
    for (qsizetype i = 0; i < count; ++i) {
      qsizetype length = 1;
      if (run.text.at(i).isHighSurrogate() && i + 1 < run.text.size() && run.text.at(i + 1).isLowSurrogate())
        length = 2;
      painter.drawText(QPointF((left + offsets[static_cast<std::size_t>(i)]) / scale, y), run.text.mid(i, length));
      i += length - 1;
    }
  }
  painter.restore();
  return width / sx;
}

}  // namespace orv
