#include "commands/objects/ObjectInfoValues.h"

#include <QTextCursor>
#include <string_view>
#include <vector>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "commands/objects/ObjectLookup.h"
#include "commands/objects/ObjectPlacement.h"
#include "objects/InputObjects.h"
#include "objects/MediaObjects.h"
#include "objects/WebObjects.h"
#include "objects/buttons/ButtonBase.h"
#include "objects/buttons/PushButton.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/OrvalisPolygon.h"
#include "objects/text/BaseArticle.h"
#include "objects/text/TextBlock.h"
#include "pages/PageList.h"
#include "richtext/RichTextView.h"

namespace orv {

namespace {

std::string Truth(bool value) { return value ? "True" : "False"; }

std::string FileNameOf(const TOrvalisObj& object) {
  if (const auto* picture = dynamic_cast<const TOrvalisPicture*>(&object)) return std::string(picture->ImageFile());
  if (const auto* polygon = dynamic_cast<const TOrvalisPolygon*>(&object)) return std::string(polygon->ImageFile());
  if (const auto* animator = dynamic_cast<const TOrvalisAnimator*>(&object))
    return std::string(animator->ImageFile());
  if (const auto* article = dynamic_cast<const TBaseArticle*>(&object)) return std::string(article->TextFile());
  if (const auto* media = dynamic_cast<const TOrvalisMediaPlayer*>(&object)) return std::string(media->FileName());
  if (const auto* flash = dynamic_cast<const TOrvalisFlash*>(&object)) return std::string(flash->FileName());
  // The address the browser opened with; it navigates nowhere else yet.
  if (const auto* browser = dynamic_cast<const TOrvalisWebBrowser*>(&object))
    return std::string(browser->DefaultURL());
  if (const auto* button = dynamic_cast<const TOrvalisPushBtn*>(&object)) {
    if (button->ImageStyle() == ovbsLibrary) return std::string(button->LibImage());
    if (button->ImageStyle() == ovbsIndividual) return std::string(button->UpImage());
  }
  return {};
}

// The selection of a shown article, line breaks as CR LF.
std::string ArticleSelection(const TBaseArticle& article) {
  const rt::RichTextView* view = const_cast<TBaseArticle&>(article).Control().View();
  if (view == nullptr) return {};
  QString text = view->textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return Utf8ToAnsi(text.toStdString());
}

std::string SelectedTextOf(const TOrvalisObj& object) {
  if (const auto* article = dynamic_cast<const TBaseArticle*>(&object)) return ArticleSelection(*article);
  if (const auto* edit = dynamic_cast<const TOrvalisEditField*>(&object)) return edit->SelectedText();
  return {};
}

// The caret of an edit field from 1: at the end of its selection.
std::string CursorPositionOf(const TOrvalisObj& object) {
  const auto* edit = dynamic_cast<const TOrvalisEditField*>(&object);
  if (edit == nullptr) return {};
  return std::to_string(edit->SelectionStart() + edit->SelectionLength() + 1);
}

std::string CaptionOf(const TOrvalisObj& object) {
  if (const auto* list = dynamic_cast<const TOrvalisListObject*>(&object)) {
    std::string joined;
    const std::vector<std::string>& items = list->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) joined += '|';
      joined += items[i];
    }
    return joined;
  }
  // What the reader typed, as the variable holds it.
  if (const auto* edit = dynamic_cast<const TOrvalisEditField*>(&object)) return edit->Text();
  if (dynamic_cast<const TOrvalisButton*>(&object) != nullptr || dynamic_cast<const TOrvalisText*>(&object) != nullptr)
    return std::string(object.Txt());
  return {};
}

std::string Number(int value) { return std::to_string(value); }

}  // namespace

std::string ObjectInfoValue(const TargetObject& target, ObjectInfo info) {
  const TOrvalisObj& object = *target.Object;
  switch (info) {
    case ObjectInfo::Visible: return Truth(object.VisibleState());
    case ObjectInfo::Enabled: return Truth(object.EnabledState());
    case ObjectInfo::Left: return Number(ObjectPageRect(object).x());
    case ObjectInfo::Top: return Number(ObjectPageRect(object).y());
    case ObjectInfo::Width: return Number(ObjectPageRect(object).width());
    case ObjectInfo::Height: return Number(ObjectPageRect(object).height());
    case ObjectInfo::FileName: return FileNameOf(object);
    case ObjectInfo::SelectedText: return SelectedTextOf(object);
    case ObjectInfo::CursorPosition: return CursorPositionOf(object);
    case ObjectInfo::ImageWidth:
    case ObjectInfo::ImageHeight: {
      const auto* picture = dynamic_cast<const TOrvalisPicture*>(&object);
      if (picture == nullptr) return "0";
      return Number(info == ObjectInfo::ImageWidth ? picture->ImageWidth() : picture->ImageHeight());
    }
    // No medium or movie is ever open yet.
    case ObjectInfo::MediaLength: return "0";
    case ObjectInfo::Caption: return CaptionOf(object);
    case ObjectInfo::AbsLeft:
    case ObjectInfo::AbsTop: {
      if (target.Window == nullptr) return "0";
      const QPoint at = ObjectDisplayPosition(object, target.Window->Pages());
      return Number(info == ObjectInfo::AbsLeft ? at.x() : at.y());
    }
  }
  return {};
}

}  // namespace orv
