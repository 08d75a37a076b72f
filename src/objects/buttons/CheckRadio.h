#pragma once
// Check boxes and radio buttons: a box or dot beside the caption, and the
// state bound to a variable. Radio buttons make a group by sharing one.
#include "objects/buttons/ButtonBase.h"

namespace orv {

// What check boxes and radio buttons share: the loaded state and the
// painting of box and caption.
class TOrvalisIndicatorButton : public TOrvalisButton {
 public:
  TOrvalisIndicatorButton(int type, QWidget* parent, TObjectHost* host, int style);

  void PaintButton(QPainter& painter, const QRect& rect, bool printing, int pixelsPerInch, double scale) override;

 protected:
  void Loaded() override;
  // The variable's value for a loaded state of down.
  virtual std::string LoadedValue() const = 0;
  bool IsRadio() const { return buttonStyle_ == bsRadio; }

 private:
  void DrawIndicator(QPainter& painter, const QRect& box, bool printing);
};

class TOrvalisCheckBox : public TOrvalisIndicatorButton {
 public:
  TOrvalisCheckBox(int type, QWidget* parent, TObjectHost* host);

  void Click() override;

 protected:
  void BoundVariableChanged(std::string_view value) override;
  std::string LoadedValue() const override { return "Checked"; }
};

class TOrvalisRadioBtn : public TOrvalisIndicatorButton {
 public:
  TOrvalisRadioBtn(int type, QWidget* parent, TObjectHost* host);

  void Click() override;

 protected:
  void BoundVariableChanged(std::string_view value) override;
  void CaptionVariableChanged(std::string_view bracketName) override;
  std::string LoadedValue() const override { return PreparedCaption(); }

 private:
  // Set while the button writes its caption's new value to its variable:
  // captions that show each other's variables would otherwise re-set each
  // other without end.
  bool resetting_ = false;
};

}  // namespace orv
