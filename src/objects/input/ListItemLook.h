#pragma once
// How the items of a list or combo box look: what the object's font,
// colours and settings give the drawing of each item.
#include <QColor>
#include <QFont>

namespace orv {

struct TListItemLook {
  QFont Font;
  // The height of "M" in the font: every item's height.
  int ItemHeight = 16;
  // The width every item takes (the list's scroll extent).
  int ItemWidth = 0;
  QColor Fill;           // the object's FillColor
  QColor Text;           // the font colour
  QColor GrayText;       // text of a disabled box
  QColor Highlight;      // the selected item's background
  QColor HighlightText;  // and its text
  // Drawn by the application's style instead of by the object's colours.
  bool Themed = true;
  // The focused item shows the focus rectangle.
  bool Marquee = false;
};

}  // namespace orv
