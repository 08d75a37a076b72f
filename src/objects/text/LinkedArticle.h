#pragma once
// TOrvalisLinkedArticle: one box of a chain of boxes, on one page or many,
// through which a text file flows like newspaper columns. The chain's first
// box reads the file, keeps it, lays the chain out and takes every reflow
// request; each box keeps the part that flowed into it while its page is
// not shown.
#include <memory>

#include "objects/text/BaseArticle.h"

namespace orv {

namespace rt {
class RichTextFlow;
}

// The layout state of a chain.
enum TChainState : int { csHasFields = 0, csNoFields = 1, csNotLaidOut = 2 };

class TOrvalisLinkedArticle : public TBaseArticle {
 public:
  TOrvalisLinkedArticle(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisLinkedArticle() override;

  bool ApplyKey(const KeyValue& key) override;

  // --- The chain --------------------------------------------------------------
  TOrvalisLinkedArticle* LinkPrev() const { return prev_; }
  TOrvalisLinkedArticle* LinkNext() const { return next_; }
  // Puts `next` after this box.
  void LinkTo(TOrvalisLinkedArticle* next);
  TOrvalisLinkedArticle& First();
  const TOrvalisLinkedArticle& First() const;
  int State() const { return First().state_; }
  // Layouts this chain went through (on the first box).
  int LayoutCount() const { return First().layouts_; }
  // Lays the chain out now, from the first box; with `reload` the file is
  // read again.
  void LayOutChain(bool reload);
  // Asks the first box for a layout; a burst of requests makes one.
  void RequestReflow(bool reload);

  void Reload(bool resetScroll) override;
  // Searches the chain's boxes from the first; the box holding the
  // bookmark is shown and scrolled to it.
  bool JumpToBookmark(std::string_view name) override;
  void SetTextFileOfChain(std::string_view name, bool reload);
  void SetOverrideFontOfChain(bool on);
  void FontColourChanged() override;
  // The text for finding: the box's part, shown or kept.
  rt::RichTextDocument& SearchText();
  TFindParts FindParts() override;

  void PageEntering() override;
  void PageLeaving() override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;

 private:
  void LoadSource(bool reload);
  void FillBox(std::unique_ptr<rt::RichTextDocument> part);
  void LoadKeptPart();
  void WatchChain();
  void ShowBookmark(const std::string& name);

  TOrvalisLinkedArticle* prev_ = nullptr;
  TOrvalisLinkedArticle* next_ = nullptr;
  int state_ = csNotLaidOut;
  bool flowing_ = false;
  bool layingOut_ = false;
  int pendingReflows_ = 0;
  bool reloadPending_ = false;
  int layouts_ = 0;
  // First box only: the whole file, as read, and what it was read from.
  std::unique_ptr<rt::RichTextDocument> source_;
  std::string sourceName_;
  bool sourceTrusted_ = true;
  bool sourceLoaded_ = false;
  // The last layout's flow: while it lives, Qt does not go on laying out
  // the rest of a long source in the background for nothing.
  std::unique_ptr<rt::RichTextFlow> flow_;
  std::string pendingBookmark_;  // scrolled to once the page shows the box
};

}  // namespace orv
