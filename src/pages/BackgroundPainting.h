#pragma once
// The three ways a page background fills its publication area.
#include <QRect>

#include "pages/Colour.h"

class QPainter;

namespace orv {

class ColourPalette;
class TOVImageView;

enum TGradientAngle { G_Horz = 0, G_Vert = 1 };
enum TWallpaperStyle { wsTile = 0, wsCenter = 1, wsStretched = 2 };

void PaintSolid(QPainter& painter, const QRect& area, ColourValue colour,
                const ColourPalette* palette = nullptr);

// Lines (rows for G_Vert, columns for G_Horz) from the first colour towards
// the second. All components move by the same step, the largest component
// difference divided by the number of lines, so a component with less way to
// go arrives early and then swings around its target by at most one step.
void PaintGradient(QPainter& painter, const QRect& area, ColourValue from, ColourValue to,
                   TGradientAngle angle, const ColourPalette* palette = nullptr);

// `picture` null means the wallpaper could not be loaded: the area is filled
// with `colour`. Tiles are laid from the area's top-left at natural size
// times the scale (printing paints at a scale, tiles then drawn stretched).
void PaintWallpaper(QPainter& painter, const QRect& area, const TOVImageView* picture,
                    TWallpaperStyle style, ColourValue colour, double scaleX = 1.0,
                    double scaleY = 1.0, const ColourPalette* palette = nullptr);

}  // namespace orv
