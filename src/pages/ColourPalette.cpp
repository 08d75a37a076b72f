#include "pages/ColourPalette.h"

#include <charconv>
#include <cstdint>

namespace orv {

namespace {

ColourPalette MakeDefaultPalette() {
  // The system's twenty static entries, ten at each end.
  static constexpr ColourValue kLow[10] = {
      RgbColour(0, 0, 0),       RgbColour(128, 0, 0),     RgbColour(0, 128, 0),
      RgbColour(128, 128, 0),   RgbColour(0, 0, 128),     RgbColour(128, 0, 128),
      RgbColour(0, 128, 128),   RgbColour(192, 192, 192), RgbColour(192, 220, 192),
      RgbColour(166, 202, 240)};
  static constexpr ColourValue kHigh[10] = {
      RgbColour(255, 251, 240), RgbColour(160, 160, 164), RgbColour(128, 128, 128),
      RgbColour(255, 0, 0),     RgbColour(0, 255, 0),     RgbColour(255, 255, 0),
      RgbColour(0, 0, 255),     RgbColour(255, 0, 255),   RgbColour(0, 255, 255),
      RgbColour(255, 255, 255)};
  ColourPalette palette;
  int index = 0;
  for (ColourValue rgb : kLow) palette.SetEntry(index++, rgb);
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) palette.SetEntry(index++, RgbColour(r * 51, g * 51, b * 51));
  // Greys that the cube lacks, evenly between its levels.
  for (int i = 0; i < 20; ++i) {
    const int level = 8 + i * 12;
    palette.SetEntry(index++, RgbColour(level, level, level));
  }
  for (ColourValue rgb : kHigh) palette.SetEntry(index++, rgb);
  return palette;
}

}  // namespace

const ColourPalette& ColourPalette::Default() {
  static const ColourPalette palette = MakeDefaultPalette();
  return palette;
}

ColourPalette ColourPalette::FromText(std::string_view text) {
  ColourPalette palette;
  std::size_t pos = 0;
  for (int i = 0; i < kSize; ++i) {
    const std::size_t blank = text.find(' ', pos);
    if (blank == std::string_view::npos) break;  // this and the rest read as 0
    const std::string_view item = text.substr(pos, blank - pos);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (ec != std::errc() || end != item.data() + item.size()) value = 0;
    palette.SetEntry(i, static_cast<ColourValue>(value));
    pos = blank + 1;
  }
  return palette;
}

int ColourPalette::NearestIndex(ColourValue rgb) const {
  const int r = static_cast<int>(rgb & 0xFF);
  const int g = static_cast<int>((rgb >> 8) & 0xFF);
  const int b = static_cast<int>((rgb >> 16) & 0xFF);
  int best = 0;
  int bestDistance = -1;
  for (int i = 0; i < kSize; ++i) {
    const ColourValue e = entries_[static_cast<std::size_t>(i)];
    const int dr = static_cast<int>(e & 0xFF) - r;
    const int dg = static_cast<int>((e >> 8) & 0xFF) - g;
    const int db = static_cast<int>((e >> 16) & 0xFF) - b;
    const int distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return best;
}

}  // namespace orv
