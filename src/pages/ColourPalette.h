#pragma once
// A page palette: 256 plain colours (0x00BBGGRR). Pages start with a copy of
// the player's default palette; "PAGEPALETTE=" replaces it. Palettes only
// change what is drawn on 256-colour displays; on true-colour displays they
// are kept but do nothing.
#include <array>
#include <string_view>

#include "pages/Colour.h"

namespace orv {

class ColourPalette {
 public:
  static constexpr int kSize = 256;

  // The player's default palette: the twenty fixed system entries at both
  // ends, a 6x6x6 colour cube and a ramp of greys between them.
  static const ColourPalette& Default();

  // The document's palette text: 256 decimal integers, each followed by one
  // blank. An entry without a following blank reads as 0, as does every
  // entry beyond the end of the text or one that is not a number.
  static ColourPalette FromText(std::string_view text);

  ColourValue Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
  void SetEntry(int index, ColourValue rgb) { entries_[static_cast<std::size_t>(index)] = rgb & 0xFFFFFF; }

  // Index of the entry closest to `rgb` (squared distance of the components;
  // the first of equals wins).
  int NearestIndex(ColourValue rgb) const;

  bool operator==(const ColourPalette&) const = default;

 private:
  std::array<ColourValue, kSize> entries_{};
};

}  // namespace orv
