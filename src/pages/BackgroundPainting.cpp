#include "pages/BackgroundPainting.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "imaging/OVImageView.h"

namespace orv {

void PaintSolid(QPainter& painter, const QRect& area, ColourValue colour, const ColourPalette* palette) {
  const QColor resolved = ResolveColour(colour, palette);
  if (!resolved.isValid() || area.isEmpty()) return;  // markers are never drawn
  painter.fillRect(area, resolved);
}

void PaintGradient(QPainter& painter, const QRect& area, ColourValue from, ColourValue to,
                   TGradientAngle angle, const ColourPalette* palette) {
  if (area.isEmpty()) return;
  const ColourValue a = ColourToRgb(from, palette);
  const ColourValue b = ColourToRgb(to, palette);
  const int target[3] = {static_cast<int>(b & 0xFF), static_cast<int>((b >> 8) & 0xFF),
                         static_cast<int>((b >> 16) & 0xFF)};
  double component[3] = {static_cast<double>(a & 0xFF), static_cast<double>((a >> 8) & 0xFF),
                         static_cast<double>((a >> 16) & 0xFF)};
  int steps = 0;
  for (int k = 0; k < 3; ++k)
    steps = std::max(steps, std::abs(static_cast<int>(component[k]) - target[k]));
  if (steps == 0) {
    painter.fillRect(area, QColor(target[0], target[1], target[2]));
    return;
  }
  const bool rows = angle != G_Horz;
  const int lines = rows ? area.height() : area.width();
  const double inc = static_cast<double>(steps) / lines;
  for (int i = 0; i < lines; ++i) {
    const QColor colour(static_cast<int>(std::lround(component[0])), static_cast<int>(std::lround(component[1])),
                        static_cast<int>(std::lround(component[2])));
    const QRect line = rows ? QRect(area.left(), area.top() + i, area.width(), 1)
                            : QRect(area.left() + i, area.top(), 1, area.height());
    painter.fillRect(line, colour);
    for (int k = 0; k < 3; ++k) {
      if (component[k] < target[k])
        component[k] = std::min(component[k] + inc, 255.0);
      else if (component[k] > target[k])
        component[k] = std::max(component[k] - inc, 0.0);
    }
  }
}

void PaintWallpaper(QPainter& painter, const QRect& area, const TOVImageView* picture,
                    TWallpaperStyle style, ColourValue colour, double scaleX, double scaleY,
                    const ColourPalette* palette) {
  if (area.isEmpty()) return;
  if (picture == nullptr || picture->IsEmpty()) {
    PaintSolid(painter, area, colour, palette);
    return;
  }
  const QImage& bitmap = picture->Bitmap();
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  // Nothing is erased beneath a background: see-through parts of a picture
  // show the page colour.
  if (picture->HasAlpha()) PaintSolid(painter, area, colour, palette);

  switch (style) {
    case wsCenter: {
      // Each half truncated on its own, as the page layouts were made with.
      const int left = area.left() + area.width() / 2 - bitmap.width() / 2;
      const int top = area.top() + area.height() / 2 - bitmap.height() / 2;
      const QRect placed(left, top, bitmap.width(), bitmap.height());
      painter.drawImage(placed.topLeft(), bitmap);
      painter.setClipRegion(QRegion(area).subtracted(QRegion(placed)), Qt::IntersectClip);
      PaintSolid(painter, area, colour, palette);
      break;
    }
    case wsStretched:
      if (picture->BadImage()) PaintSolid(painter, area, colour, palette);
      painter.drawImage(area, bitmap);
      break;
    case wsTile:
    default: {
      const bool scaled = scaleX != 1.0 || scaleY != 1.0;
      const int tileW = scaled ? static_cast<int>(std::lround(bitmap.width() * scaleX)) : bitmap.width();
      const int tileH = scaled ? static_cast<int>(std::lround(bitmap.height() * scaleY)) : bitmap.height();
      if (tileW <= 0 || tileH <= 0) break;
      for (int y = area.top(); y <= area.bottom(); y += tileH) {
        for (int x = area.left(); x <= area.right(); x += tileW) {
          if (scaled)
            painter.drawImage(QRect(x, y, tileW, tileH), bitmap);
          else
            painter.drawImage(QPoint(x, y), bitmap);
        }
      }
      break;
    }
  }
  painter.restore();
}

}  // namespace orv
