#pragma once
// Text blocks, articles and linked articles: their properties as the
// document sets them. The rich text they show is built while their page is
// shown.
#include "objects/OrvalisDragObj.h"

namespace orv {

class TOrvalisText : public TOrvalisDragObj {
 public:
  using TOrvalisDragObj::TOrvalisDragObj;

  bool WordWrap() const { return wordWrap_; }
  int HorzMargin() const { return horzMargin_; }
  int VertMargin() const { return vertMargin_; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  bool wordWrap_ = true;
  int horzMargin_ = 0;
  int vertMargin_ = 0;
};

class TBaseArticle : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view TextFile() const { return textFile_.View(); }
  bool AllowCopy() const { return allowCopy_; }
  bool OverrideFont() const { return overrideFont_; }
  bool TakesHoverActions() const override { return true; }

 protected:
  // The keys both kinds of article take.
  bool ApplyArticleKey(const KeyValue& key);

  TObjectText textFile_;
  bool allowCopy_ = false;
  bool overrideFont_ = false;
};

class TOrvalisArticle : public TBaseArticle {
 public:
  using TBaseArticle::TBaseArticle;

  bool ScrollBars() const { return scrollBars_; }
  bool WordWrap() const { return wordWrap_; }
  int SavedScrollPosition() const { return scrollPosition_; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  bool scrollBars_ = true;
  bool wordWrap_ = true;
  int scrollPosition_ = 0;
};

class TOrvalisLinkedArticle : public TBaseArticle {
 public:
  using TBaseArticle::TBaseArticle;
  bool ApplyKey(const KeyValue& key) override;
};

}  // namespace orv
