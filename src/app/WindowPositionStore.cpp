#include "app/WindowPositionStore.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "commands/registry/RegistryStore.h"

namespace orv {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }

// The fields of a saved text; a double-quoted run belongs to one field.
std::vector<std::string> SplitFields(std::string_view text) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  bool started = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      started = true;
    } else if (!quoted && IsSeparator(c)) {
      if (started) fields.push_back(std::move(field));
      field.clear();
      started = false;
    } else {
      field.push_back(c);
      started = true;
    }
  }
  if (started) fields.push_back(std::move(field));
  return fields;
}

std::optional<int> FieldNumber(const std::vector<std::string>& fields, std::size_t index) {
  if (index >= fields.size()) return std::nullopt;
  std::string_view text = fields[index];
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// One axis of the saved corner brought onto [low, low + extent): a corner
// past the far edge puts the window against that edge, one before the near
// edge puts it on the near edge, so the title bar can always be reached. A
// window that only reaches over the far edge stays where the user left it.
int OntoDesktop(int start, int size, int low, int extent) {
  if (start >= low + extent) start = low + extent - size;
  return std::max(start, low);
}

}  // namespace

std::optional<TRegistryPlace> WindowRegistryPlace(std::string_view regKey) {
  const std::size_t first = regKey.find('\\');
  const std::size_t last = regKey.rfind('\\');
  if (first == std::string_view::npos || last + 1 >= regKey.size()) return std::nullopt;
  const std::optional<std::string> root = TRegistryStore::RootKey(regKey.substr(0, first));
  if (!root) return std::nullopt;
  std::string key;
  if (last > first) {
    const std::optional<std::string> path = TRegistryStore::NormalKeyPath(regKey.substr(first + 1, last - first - 1));
    if (!path) return std::nullopt;
    key = *path;
  }
  return TRegistryPlace{*root, key, std::string(regKey.substr(last + 1))};
}

std::string WindowPositionText(const QRect& normal, bool maximized) {
  return std::to_string(normal.left()) + "," + std::to_string(normal.top()) + "," +
         std::to_string(normal.width()) + "," + std::to_string(normal.height()) + "," + (maximized ? "1" : "0");
}

TRestoredPlacement RestoreWindowPlacement(std::string_view text, const QRect& current, bool sizeable,
                                          const QRect& desktop) {
  const std::vector<std::string> fields = SplitFields(text);
  int left = FieldNumber(fields, 0).value_or(current.left());
  int top = FieldNumber(fields, 1).value_or(current.top());
  int width = current.width();
  int height = current.height();
  if (sizeable) {
    // A saved size below one pixel is no size at all.
    if (const auto w = FieldNumber(fields, 2); w && *w > 0) width = *w;
    if (const auto h = FieldNumber(fields, 3); h && *h > 0) height = *h;
  }
  left = OntoDesktop(left, width, desktop.left(), desktop.width());
  top = OntoDesktop(top, height, desktop.top(), desktop.height());
  TRestoredPlacement placement;
  placement.Window = QRect(left, top, width, height);
  placement.Maximize = FieldNumber(fields, 4).value_or(0) == 1;
  return placement;
}

TWindowPositionStore::TWindowPositionStore(TRegistryStore& store, std::string_view regKey)
    : store_(store), place_(regKey.empty() ? std::nullopt : WindowRegistryPlace(regKey)) {}

bool TWindowPositionStore::Save(const QRect& normal, bool maximized) {
  if (!place_) return false;
  return store_.Write(place_->Root, place_->Key, place_->Name,
                      RegistryValue::Text(WindowPositionText(normal, maximized))) == 0;
}

std::optional<std::string> TWindowPositionStore::Load() const {
  if (!place_) return std::nullopt;
  const std::optional<RegistryValue> value = store_.Read(place_->Root, place_->Key, place_->Name);
  if (!value || value->Type != RegistryType::String) return std::nullopt;
  return value->Data;
}

}  // namespace orv
