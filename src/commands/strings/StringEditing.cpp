#include "commands/strings/StringEditing.h"

#include <algorithm>

#include "base/Ansi.h"

namespace orv {
namespace {

std::int64_t Size(std::string_view s) { return static_cast<std::int64_t>(s.size()); }
std::size_t Index(std::int64_t i) { return static_cast<std::size_t>(i); }

}  // namespace

std::string InsertText(std::string_view insert, std::string_view target, std::int64_t position) {
  if (position < 1) position = 1;
  if (position > Size(target)) position = Size(target) + 1;
  std::string out(target);
  out.insert(Index(position - 1), insert);
  return out;
}

std::string DeleteText(std::string_view text, std::int64_t position, std::int64_t count) {
  std::string out(text);
  if (position < 1 || position > Size(text) || count <= 0) return out;
  out.erase(Index(position - 1), Index(std::min(count, Size(text) - position + 1)));
  return out;
}

std::string SubText(std::string_view text, std::int64_t start, std::int64_t count) {
  if (start < 1) start = 1;
  if (count < 1 || start > Size(text)) return {};
  return std::string(text.substr(Index(start - 1), Index(std::min(count, Size(text) - start + 1))));
}

std::int64_t SearchText(std::string_view find, std::string_view text, bool ignoreCase) {
  if (find.empty()) return 0;
  const std::size_t at = ignoreCase ? AnsiFindText(text, find) : text.find(find);
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view with, bool ignoreCase) {
  if (find.empty()) return std::string(text);
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = ignoreCase ? AnsiFindText(text, find, pos) : text.find(find, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos)).append(with);
    pos = hit + find.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::vector<std::string> ParseText(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (delimiter.empty()) {
    if (!text.empty()) pieces.emplace_back(text);
    return pieces;
  }
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = text.find(delimiter, pos);
    if (hit == std::string_view::npos) break;
    pieces.emplace_back(text.substr(pos, hit - pos));
    pos = hit + delimiter.size();
  }
  if (pos < text.size()) pieces.emplace_back(text.substr(pos));
  return pieces;
}

}  // namespace orv
