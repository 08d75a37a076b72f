#pragma once
// A script or text of an object. Most are never changed while the
// publication runs, so they stay views into the publication's converted
// keys (which outlive every object); a command that changes one gives the
// object its own copy.
#include <string>
#include <string_view>

namespace orv {

class TObjectText {
 public:
  TObjectText() = default;
  // `text` must outlive the object.
  void SetView(std::string_view text) {
    own_.clear();
    owned_ = false;
    view_ = text;
  }
  void Set(std::string_view text) {
    own_.assign(text);
    owned_ = true;
    view_ = {};
  }
  std::string_view View() const { return owned_ ? std::string_view(own_) : view_; }
  std::string Str() const { return std::string(View()); }
  bool Empty() const { return View().empty(); }
  bool Owned() const { return owned_; }

 private:
  std::string_view view_;
  std::string own_;
  bool owned_ = false;
};

}  // namespace orv
