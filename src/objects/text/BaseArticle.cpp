#include "objects/text/BaseArticle.h"

#include <QPainter>
#include <QResizeEvent>

#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/VariableReferences.h"
#include "objects/text/TextFont.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

TBaseArticle::TBaseArticle(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host), control_(*this) {
  control_.JumpToBookmark = [this](const std::string& name) { JumpToBookmark(name); };
}

TBaseArticle::~TBaseArticle() = default;

bool TBaseArticle::ApplyArticleKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") textFile_.SetView(key.Text());
  else if (name == "ALLOWCOPY=") SetAllowCopy(key.Yes());
  else if (name == "OVERRIDEFONT=") overrideFont_ = key.Yes();
  else return false;
  return true;
}

void TBaseArticle::SetAllowCopy(bool on) {
  allowCopy_ = on;
  control_.SetAllowCopy(on);
}

void TBaseArticle::BuildControl() {
  control_.Build(ControlRect());
  control_.SetAllowCopy(allowCopy_);
}

void TBaseArticle::resizeEvent(QResizeEvent* event) {
  TOrvalisObj::resizeEvent(event);
  control_.SetGeometry(ControlRect());
}

void TBaseArticle::LineChanged() { control_.SetGeometry(ControlRect()); }

std::string TBaseArticle::PreparedTextFile() const { return PrepareFileName(TextFile()); }

void TBaseArticle::AddFileNameVariables(std::vector<std::string>& names) const {
  if (Host() != nullptr) AddReferencedVariables(TextFile(), Host()->Engine().Vars(), names);
}

bool TBaseArticle::FileNameRefersTo(std::string_view bracketName) const {
  std::vector<std::string> names;
  AddFileNameVariables(names);
  for (const std::string& name : names)
    if (AnsiSameText(name, bracketName)) return true;
  return false;
}

TVars* TBaseArticle::Vars() const { return Host() != nullptr ? &Host()->Engine().Vars() : nullptr; }

void TBaseArticle::PaintTo(QPainter& painter) { control_.PaintOwnerTo(painter); }

void TBaseArticle::FontColourChanged() {
  control_.SetDefaultTextColour(TextColourOf(Font()));
  update();
}

}  // namespace orv
