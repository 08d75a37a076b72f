#include <QGuiApplication>
#include <optional>
#include <string>

#include "app/WorkForm.h"
#include "base/Messages.h"
#include "commands/objectparams/ObjectGeometryText.h"
#include "commands/objectparams/ObjectInfoName.h"
#include "commands/objects/ObjectCommands.h"
#include "commands/objects/ObjectInfoValues.h"
#include "commands/objects/ObjectLookup.h"
#include "commands/objects/ObjectPlacement.h"
#include "commands/objects/ObjectRedraw.h"
#include "commands/objects/ObjectStacking.h"
#include "objects/InputObjects.h"
#include "objects/MediaObjects.h"
#include "objects/WebObjects.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/OrvalisLine.h"
#include "objects/shapes/OrvalisPolygon.h"
#include "objects/shapes/RoundShapes.h"
#include "objects/shapes/Shapes.h"
#include "objects/text/Article.h"
#include "objects/text/TextBlock.h"
#include "richtext/RichTextView.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Vars.h"

namespace orv {

namespace {

bool IsTimer(const TOrvalisObj& object) { return dynamic_cast<const TOrvalisTimer*>(&object) != nullptr; }

bool IsShape(const TOrvalisObj& object) {
  return dynamic_cast<const TOrvalisRect*>(&object) != nullptr ||
         dynamic_cast<const TOrvalisRoundRect*>(&object) != nullptr ||
         dynamic_cast<const TOrvalisCircle*>(&object) != nullptr ||
         dynamic_cast<const TOrvalisLine*>(&object) != nullptr ||
         dynamic_cast<const TOrvalisPolygon*>(&object) != nullptr;
}

template <bool Visible>
void ChangeVisibilityBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (target) ChangeObjectVisibility(eval, *target, Visible, eval.Param(2), eval.Param(3));
}

template <bool Enabled>
void ChangeEnabledBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  target->Object->SetEnabledState(Enabled);
  target->Object->update();
}

void GetObjectInfoBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  const std::string& name = eval.Param(2);
  const std::optional<ObjectInfo> info = ReadObjectInfoName(name);
  if (!info) {
    eval.Vars().SetLastError(name + "||" + std::string(Message(msg::kInvalidObjectInfo)));
    return;
  }
  eval.Vars().SetVar(eval.Param(3), ObjectInfoValue(*target, *info));
}

// Moves and sizes repaint through Qt's backing store, which draws the old
// and the new place in one piece; cartoons and the drag image wait while
// the page on screen changes.
template <typename Change>
void ChangePlacement(const TargetObject& target, Change change) {
  if (IsTimer(*target.Object)) return;
  const bool onScreen = IsOnScreen(target);
  TPageRedrawPause pause(onScreen ? &target.Window->PageSteps() : nullptr);
  try {
    change(*target.Object);
  } catch (...) {
    // Painted the ordinary way.
    target.Window->update();
  }
}

void MoveObjectBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  const char decimal = eval.Vars().DecimalSymbol();
  const QPoint to(ReadCoordinate(eval.Param(2), decimal), ReadCoordinate(eval.Param(3), decimal));
  ChangePlacement(*target, [to](TOrvalisObj& object) { MoveObjectTo(object, to); });
}

void SizeObjectBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  const char decimal = eval.Vars().DecimalSymbol();
  const int width = ReadObjectSize(eval.Param(2), decimal), height = ReadObjectSize(eval.Param(3), decimal);
  ChangePlacement(*target, [width, height](TOrvalisObj& object) { SizeObjectTo(object, width, height); });
}

void ObjectToFrontBody(TActionEval& eval) {
  if (const std::optional<TargetObject> target = FindTargetObject(eval)) BringObjectToFront(*target->Object);
}

void ObjectToBackBody(TActionEval& eval) {
  if (const std::optional<TargetObject> target = FindTargetObject(eval)) SendObjectToBack(*target->Object);
}

void FocusObjectBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  TOrvalisObj& object = *target->Object;
  object.window()->activateWindow();
  if (!object.isVisible()) return;
  if ((dynamic_cast<TOrvalisPicture*>(&object) != nullptr || IsShape(object)) && !object.EnabledState()) return;
  object.setFocus(Qt::OtherFocusReason);
}

void RefreshObjectBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  TOrvalisObj& object = *target->Object;
  if (auto* picture = dynamic_cast<TOrvalisPicture*>(&object)) {
    picture->Reload();
  } else if (auto* animator = dynamic_cast<TOrvalisAnimator*>(&object)) {
    animator->Reload();
  } else if (auto* article = dynamic_cast<TOrvalisArticle*>(&object)) {
    article->Reload(false);
  } else if (auto* text = dynamic_cast<TOrvalisText*>(&object)) {
    // Filled again from its own text: laid out anew.
    const std::string kept(text->Txt());
    text->SetTxt(kept);
  } else if (dynamic_cast<TOrvalisWebBrowser*>(&object) != nullptr ||
             dynamic_cast<TOrvalisMediaPlayer*>(&object) != nullptr ||
             dynamic_cast<TOrvalisFlash*>(&object) != nullptr ||
             dynamic_cast<TOrvalisPolygon*>(&object) != nullptr ||
             dynamic_cast<TOrvalisEditField*>(&object) != nullptr ||
             dynamic_cast<TOrvalisListObject*>(&object) != nullptr ||
             dynamic_cast<TOrvalisRect*>(&object) != nullptr ||
             dynamic_cast<TOrvalisRoundRect*>(&object) != nullptr ||
             dynamic_cast<TOrvalisCircle*>(&object) != nullptr) {
    // What reloads browsers, painters, media, movies and polygon pictures
    // comes with those objects; until then a repaint.
    object.update();
  } else {
    target->Window->update();
  }
}

// The control that has a window of its own: none for timers, nor for the
// objects whose inner control is built only while shown and is not.
QWidget* HandleWidget(TOrvalisObj& object) {
  if (IsTimer(object) || dynamic_cast<TOrvalisWebBrowser*>(&object) != nullptr ||
      dynamic_cast<TOrvalisMediaPlayer*>(&object) != nullptr || dynamic_cast<TOrvalisFlash*>(&object) != nullptr)
    return nullptr;
  if (auto* article = dynamic_cast<TBaseArticle*>(&object)) return article->Control().View();
  return &object;
}

void GetObjectHandleBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    eval.Vars().SetVar(eval.Param(2), "0");
    eval.Vars().SetLastError(Message(msg::kNotOnThisPlatform));
    return;
  }
  QWidget* widget = HandleWidget(*target->Object);
  // Asking makes the widget a native window of its own, and it stays one.
  const WId id = widget != nullptr ? widget->winId() : 0;
  eval.Vars().SetVar(eval.Param(2), std::to_string(static_cast<unsigned long long>(id)));
}

}  // namespace

void RegisterGeneralObjectCommands(TCommandTable& table) {
  table.Bind(cmd::kShowObject, &ChangeVisibilityBody<true>);
  table.Bind(cmd::kHideObject, &ChangeVisibilityBody<false>);
  table.Bind(cmd::kEnableObject, &ChangeEnabledBody<true>);
  table.Bind(cmd::kDisableObject, &ChangeEnabledBody<false>);
  table.Bind(cmd::kGetObjectInfo, &GetObjectInfoBody);
  table.Bind(cmd::kMoveObject, &MoveObjectBody);
  table.Bind(cmd::kSizeObject, &SizeObjectBody);
  table.Bind(cmd::kObjectToFront, &ObjectToFrontBody);
  table.Bind(cmd::kObjectToBack, &ObjectToBackBody);
  table.Bind(cmd::kFocusObject, &FocusObjectBody);
  table.Bind(cmd::kRefreshObject, &RefreshObjectBody);
  table.Bind(cmd::kGetObjectHandle, &GetObjectHandleBody);
}

}  // namespace orv
