#pragma once
// How a page background sees the objects on its page. Every page object
// implements this; groups and containers also list their children. The
// objects are child widgets of the background and are freed with it; each
// registers itself with TOrvalisBackground::AddObject when created and
// unregisters when destroyed.
#include <QKeyCombination>
#include <string>
#include <vector>

class QPainter;

namespace orv {

class TBackgroundObject {
 public:
  virtual ~TBackgroundObject() = default;

  // The object's name, Windows-1252.
  virtual const std::string& ObjectName() const = 0;
  // A page notification (see BackgroundMessages.h) with its two texts.
  virtual void Notify(int message, const std::string& text, const std::string& data) = 0;
  // Paints the object into `painter`, whose origin is the page's top-left.
  virtual void PaintTo(QPainter& painter) = 0;
  virtual bool IsObjectVisible() const = 0;
  virtual bool IsObjectEnabled() const = 0;

  // Groups and containers: their children in creation order.
  virtual std::vector<TBackgroundObject*> ChildObjects() const { return {}; }
  // The hot key the object answers to; an empty combination for none.
  virtual QKeyCombination HotKey() const { return QKeyCombination(); }
  // A button clicks itself; an edit field, combo box or list box takes the
  // keyboard focus.
  virtual void ActivateByHotKey() {}
  // Rectangle objects hear "page leaving" even from a hidden master page.
  virtual bool IsRectObject() const { return false; }
  // A multi-line edit field keeps Enter for itself while it has the focus.
  virtual bool IsMultiLineEdit() const { return false; }
};

}  // namespace orv
