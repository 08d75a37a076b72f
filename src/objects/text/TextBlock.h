#pragma once
// TOrvalisText: a short rich text kept in the publication itself, shown
// over the object's fill inside its margins, with live variables and links;
// it can be dragged by its text.
#include "objects/OrvalisDragObj.h"
#include "objects/text/TextControl.h"

namespace orv {

class TOrvalisText : public TOrvalisDragObj {
 public:
  TOrvalisText(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisText() override;

  bool WordWrap() const { return wordWrap_; }
  int HorzMargin() const { return horzMargin_; }
  int VertMargin() const { return vertMargin_; }
  void SetMargins(int horizontal, int vertical);
  bool ApplyKey(const KeyValue& key) override;

  // Applies the object's font to the whole text and keeps the result: mode
  // 2 replaces each character's style, any other adds the font's. Waits for
  // the next fill when the page is not shown.
  void ApplyObjectFont(int mode);
  // Shows text that names no colour in the font's colour.
  void FontColourChanged();
  std::string CopyText(bool toClipboard) const { return control_.CopyText(toClipboard); }
  // The text for finding: the one shown, or the one held when not shown.
  rt::RichTextDocument& SearchText();
  TFindParts FindParts() override;
  TTextControl& Control() { return control_; }

  void Notify(int message, const std::string& text, const std::string& data) override;
  void PageEntering() override;
  void PageLeaving() override;
  void PaintTo(QPainter& painter) override;
  void UpdateCursor() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;
  void TextChanged() override;
  void LineChanged() override { Redock(); }

 private:
  QRect ControlRect() const;
  void Redock();
  void Fill();
  void FillDocument();
  void WatchFields();

  TTextControl control_;
  bool wordWrap_ = true;
  int horzMargin_ = 0;
  int vertMargin_ = 0;
  int pendingFontMode_ = 0;  // 0: none
};

}  // namespace orv
