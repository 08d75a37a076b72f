#include "objects/TextObjects.h"

#include "container/DocumentValue.h"

namespace orv {

bool TOrvalisText::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyDragKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "HMARGIN=") horzMargin_ = key.Number();
  else if (name == "VMARGIN=") vertMargin_ = key.Number();
  else return false;
  return true;
}

bool TBaseArticle::ApplyArticleKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") textFile_.SetView(key.Text());
  else if (name == "ALLOWCOPY=") allowCopy_ = key.Yes();
  else if (name == "OVERRIDEFONT=") overrideFont_ = key.Yes();
  else return false;
  return true;
}

bool TOrvalisArticle::ApplyKey(const KeyValue& key) {
  if (ApplyArticleKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "WORDWRAP=") wordWrap_ = key.Yes();
  else if (name == "SCROLLBAR=") scrollBars_ = key.Yes();
  else return false;
  return true;
}

bool TOrvalisLinkedArticle::ApplyKey(const KeyValue& key) {
  if (ApplyArticleKey(key)) return true;
  if (key.Name() != "TEXT=") return false;
  txt_.SetView(key.Text());
  return true;
}

}  // namespace orv
