#pragma once
// Objects that hold other objects: the group, which has no look of its
// own, and the container, which paints like a rectangle, keeps margins,
// docks its children and runs a script when resized. Both pass every
// notification on to their children and hand their enabled state down.
#include <vector>

#include "objects/OrvalisObj.h"

namespace orv {

class TOrvalisRepositor : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  // Children in creation order; the holder's widget is their parent.
  void AddChild(TOrvalisObj* child);
  void RemoveChild(TOrvalisObj* child);
  const std::vector<TOrvalisObj*>& Children() const { return children_; }
  std::vector<TBackgroundObject*> ChildObjects() const override;
  bool IsChildHolder() const override { return true; }

  void SetEnabledState(bool value) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  // The document's children are all read: tab order by "TABORDER=".
  void ChildrenComplete();
  // Re-docks the children inside the client area.
  void Realign();

 private:
  std::vector<TOrvalisObj*> children_;
};

class TOrvalisGroup : public TOrvalisRepositor {
 public:
  TOrvalisGroup(int type, QWidget* parent, TObjectHost* host);
  void DrawShape(QPainter&) override {}
};

class TOrvalisContainer : public TOrvalisRepositor {
 public:
  TOrvalisContainer(int type, QWidget* parent, TObjectHost* host);

  int HorzMargin() const { return horzMargin_; }
  int VertMargin() const { return vertMargin_; }
  void SetHorzMargin(int value);
  void SetVertMargin(int value);
  std::string_view SizeAction() const { return sizeAction_.View(); }
  void SetSizeAction(std::string_view script) { sizeAction_.Set(script); }

  QRect ClientArea() const override;
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;
  void Notify(int message, const std::string& text, const std::string& data) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void LineChanged() override { Realign(); }

 private:
  int horzMargin_ = 0;
  int vertMargin_ = 0;
  TObjectText sizeAction_;
  QSize recordedSize_;
  bool loaded_ = false;
};

}  // namespace orv
