#pragma once
// TBaseArticle: what the article and the linked article share: the text
// file they show (its name may hold variables), the font that may override
// the file's, copying, and the view's links and mouse.
#include <string>
#include <vector>

#include "objects/OrvalisObj.h"
#include "objects/text/TextControl.h"

namespace orv {

class TVars;

class TBaseArticle : public TOrvalisObj {
 public:
  TBaseArticle(int type, QWidget* parent, TObjectHost* host);
  ~TBaseArticle() override;

  std::string_view TextFile() const { return textFile_.View(); }
  bool AllowCopy() const { return allowCopy_; }
  void SetAllowCopy(bool on);
  bool OverrideFont() const { return overrideFont_; }
  bool TakesHoverActions() const override { return true; }

  // Article: reads the file again (from the top with `resetScroll`).
  // Linked article: lays its chain out again.
  virtual void Reload(bool resetScroll) = 0;
  virtual bool JumpToBookmark(std::string_view name) = 0;
  // Shows text that names no colour in the font's colour (a chain takes
  // its first box's).
  virtual void FontColourChanged();
  std::string CopyText(bool toClipboard) const { return control_.CopyText(toClipboard); }
  TTextControl& Control() { return control_; }

  void PaintTo(QPainter& painter) override;

 protected:
  // The keys both kinds of article take.
  bool ApplyArticleKey(const KeyValue& key);
  void resizeEvent(QResizeEvent* event) override;
  void LineChanged() override;
  // Where the view goes: inside the outline.
  QRect ControlRect() const { return ClientArea(); }
  // Builds the view on page entering.
  void BuildControl();
  // The prepared file name, and the variables it names now.
  std::string PreparedTextFile() const;
  bool FileNameRefersTo(std::string_view bracketName) const;
  void AddFileNameVariables(std::vector<std::string>& names) const;
  // The host's variables; null without a host.
  TVars* Vars() const;

  TTextControl control_;
  TObjectText textFile_;
  bool allowCopy_ = false;
  bool overrideFont_ = false;
};

}  // namespace orv
