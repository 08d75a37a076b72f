#pragma once
// Text output of a metafile: one run of characters set in the selected font
// at a reference point, placed by the text alignment, optionally with the
// distance from each character to the next, an opaque or clipping rectangle
// and the background colour behind it.
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

#include "imaging/metafile/DeviceState.h"

namespace orv {

struct TTextRun {
  enum Options { Opaque = 0x0002, Clipped = 0x0004, GlyphIndex = 0x0010, PairedAdvances = 0x2000 };
  // Text alignment bits.
  enum Align { UpdateCp = 1, Right = 2, Centre = 6, Bottom = 8, Baseline = 24 };

  QPointF reference;  // logical
  QString text;
  // Logical x distance from each UTF-16 unit to the next; empty for the
  // font's own spacing.
  std::vector<double> advances;
  int options = 0;
  std::optional<QRectF> rect;  // logical; painted by Opaque, clips by Clipped
};

// Paints `run` from `origin` (logical) with the context's font, colours and
// alignment. Returns the run's width in logical units, for the alignment that
// moves the current position.
double PaintTextRun(QPainter& painter, const QTransform& logicalToPainter, const TDeviceState& state,
                    const TTextRun& run, QPointF origin);

}  // namespace orv
