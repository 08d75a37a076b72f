#pragma once
// TOrvalisArticle: a scrolling view of a text file (RTF, plain text or a
// ".TXT" file with formatting codes), with live variables, links and
// bookmarks; it keeps its scroll position while its page is not shown.
#include "objects/text/BaseArticle.h"

namespace orv {

class TOrvalisArticle : public TBaseArticle {
 public:
  using TBaseArticle::TBaseArticle;

  bool ScrollBars() const { return scrollBars_; }
  void SetScrollBars(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  int SavedScrollPosition() const { return scrollPosition_; }
  void SetTextFile(std::string_view name);
  bool ApplyKey(const KeyValue& key) override;

  void Reload(bool resetScroll) override;
  bool JumpToBookmark(std::string_view name) override;
  // The text for finding: the one shown, or the file read now.
  rt::RichTextDocument& SearchText();
  TFindParts FindParts() override;

  void Notify(int message, const std::string& text, const std::string& data) override;
  void PageEntering() override;
  void PageLeaving() override;
  void UpdateCursor() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void DrawShape(QPainter& painter) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;

 private:
  void LoadFile();
  void Watch();
  void RecomputeTabStop();

  bool scrollBars_ = true;
  bool wordWrap_ = true;
  int scrollPosition_ = 0;
};

}  // namespace orv
