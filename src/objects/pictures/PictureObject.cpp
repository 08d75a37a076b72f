#include "objects/pictures/PictureObject.h"

#include <algorithm>

#include "container/DocumentValue.h"

namespace orv {

// Zooms below this are taken as this.
constexpr int kSmallestZoom = 10;

bool TOrvalisPicture::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") imageFile_.SetView(key.Text());
  else if (name == "OBJACTION=") clickAction_.SetView(key.Text());
  else if (name == "OBJRACTION=") rClickAction_.SetView(key.Text());
  else if (name == "SCROLLBAR=") scrollBars_ = key.Yes();
  else if (name == "PICTSTYLE=") {
    if (const int mode = key.Number() & 0xFF; mode <= pLastPaintMode) paintMode_ = mode;
  } else if (name == "PICTTRANSCOLOR=") transColor_ = static_cast<ColourValue>(key.Number());
  else if (name == "PICTMOUSEPAN=") mouseScrollable_ = key.Yes();
  else if (name == "PICTZOOMFACTOR=") zoomFactor_ = std::max(kSmallestZoom, key.Number());
  else if (name == "CENTERED=") centered_ = key.Yes();
  else if (name == "RESAMPLE=") resampleMode_ = key.Yes();
  else if (name == "OPACITYEX=") opacity_ = key.Number();
  else return false;
  if (name == "OBJACTION=") UpdateCursor();
  return true;
}

}  // namespace orv
