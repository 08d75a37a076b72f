#pragma once
// One page of the publication: a widget whose one child is the page's
// background, which in turn owns the page's objects. The page's name is its
// caption (names are unique within a publication).
#include <QWidget>
#include <string>
#include <string_view>

namespace orv {

class TOrvalisBackground;

class TOVPage : public QWidget {
 public:
  TOVPage(std::string_view name, QWidget* parent = nullptr);

  // Windows-1252.
  const std::string& Name() const { return name_; }
  void SetName(std::string_view name);
  TOrvalisBackground& Background() const { return *background_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::string name_;
  TOrvalisBackground* background_;
};

}  // namespace orv
