#pragma once
// Everything a metafile's device context holds between records, saved and
// restored whole by SaveDC and RestoreDC.
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>
#include <optional>

#include "imaging/metafile/GdiObjects.h"
#include "imaging/metafile/PageMapping.h"

namespace orv {

struct TDeviceState {
  enum BackgroundMode { Transparent = 1, Opaque = 2 };
  enum FillMode { Alternate = 1, Winding = 2 };
  enum ArcDirection { CounterClockwise = 1, Clockwise = 2 };
  enum StretchMode { HalfTone = 4 };

  TPageMapping mapping;
  QTransform world;  // logical to page; an EMF may change it

  TGdiPen pen;
  TGdiBrush brush;
  TGdiFont font;

  QColor textColour = Qt::black;
  QColor backgroundColour = Qt::white;
  int backgroundMode = Opaque;
  int textAlign = 0;  // TA_* bits
  int fillMode = Alternate;
  int arcDirection = CounterClockwise;
  int stretchMode = 1;
  double miterLimit = 10;

  QPointF currentPosition;  // logical

  // Device coordinates; none draws everywhere. `clipId` changes with every
  // new clip, so the painter's clip is set again only after a change.
  std::optional<QPainterPath> clip;
  int clipId = 0;
};

}  // namespace orv
