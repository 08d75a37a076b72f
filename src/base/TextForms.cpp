#include "base/TextForms.h"

namespace orv {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::string PilcrowsToCrLf(std::string_view text) {
  return ReplaceAll(text, std::string_view(&kPilcrow, 1), kCrLf);
}

std::string CrLfToPilcrows(std::string_view text) {
  return ReplaceAll(text, kCrLf, std::string_view(&kPilcrow, 1));
}

std::string BarsToLineBreaks(std::string_view text, std::string_view lineBreak) {
  return ReplaceAll(text, "|", lineBreak);
}

}  // namespace orv
