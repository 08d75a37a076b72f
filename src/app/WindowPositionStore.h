#pragma once
// The window position kept between runs under "WINDOWREGKEY=" (root key name,
// "\", key path, "\", value name) in the player's registry store: written at
// close as "left,top,width,height,m" and read back while the window is sized.
#include <QRect>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

class TRegistryStore;

struct TRegistryPlace {
  std::string Root;  // a root key of the store
  std::string Key;   // key path inside it
  std::string Name;  // value name
};

// Where "WINDOWREGKEY=" points; none when it names no usable place (empty,
// no value name, or a root that holds no keys).
std::optional<TRegistryPlace> WindowRegistryPlace(std::string_view regKey);

// The saved text: the normal placement and 1 when maximised, else 0.
std::string WindowPositionText(const QRect& normal, bool maximized);

struct TRestoredPlacement {
  QRect Window;
  bool Maximize = false;
};

// Applies a saved text to `current` (the window rectangle the sizing gave).
// Fields are separated by blanks, "," or ";", double quotes group; a field
// that is missing or not a number keeps the current value; width and height
// apply only to a sizeable window. A window that would lie off the desktop,
// on any side, is brought back onto it.
TRestoredPlacement RestoreWindowPlacement(std::string_view text, const QRect& current, bool sizeable,
                                          const QRect& desktop);

class TWindowPositionStore {
 public:
  TWindowPositionStore(TRegistryStore& store, std::string_view regKey);
  bool Enabled() const { return place_.has_value(); }
  // Registry errors are ignored: false when nothing was written.
  bool Save(const QRect& normal, bool maximized);
  // The saved text; none when there is none.
  std::optional<std::string> Load() const;

 private:
  TRegistryStore& store_;
  std::optional<TRegistryPlace> place_;
};

}  // namespace orv
