#pragma once
// The outline of a shaped window: the opaque part of the "SHAPEFILE="
// picture, taken from its alpha channel when it has one, else from every
// pixel that differs from the transparent colour ("SHAPETRANSCOLOR=").
#include <QRegion>
#include <QSize>
#include <optional>
#include <string_view>

#include "pages/Colour.h"

namespace orv {

class TPictureCache;

struct TWindowOutline {
  QRegion Region;  // client coordinates
  QSize Size;      // the picture's size, which the client takes
};

// None when the picture cannot be loaded or decoded: the window then stays
// rectangular.
std::optional<TWindowOutline> BuildWindowOutline(TPictureCache& cache, std::string_view file,
                                                 ColourValue transparent);
// The pixels whose alpha is not zero.
QRegion AlphaRegion(const QImage& image);

}  // namespace orv
