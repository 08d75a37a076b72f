// SetObjectFill, SetObjectLine, SetObjectFont, SetObjectCaption and
// SetObjectFileName: each changes what the object's type has and shows the
// new look at once when the object is on screen.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Messages.h"
#include "base/NumberText.h"
#include "base/TruthWords.h"
#include "commands/objectparams/ColourText.h"
#include "commands/objectparams/ObjectStyleText.h"
#include "commands/objects/ObjectCommands.h"
#include "commands/objects/ObjectLookup.h"
#include "objects/InputObjects.h"
#include "objects/MediaObjects.h"
#include "objects/OrvalisObj.h"
#include "objects/WebObjects.h"
#include "objects/buttons/Buttons.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/Shapes.h"
#include "objects/text/Article.h"
#include "objects/text/LinkedArticle.h"
#include "objects/text/TextBlock.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Vars.h"

namespace orv {
namespace {

char DecimalSymbol(TActionEval& eval) { return eval.Vars().DecimalSymbol(); }

// The object, with "[LastError]" emptied as every Set command does once it
// found it.
std::optional<TargetObject> FindAndClear(TActionEval& eval) {
  std::optional<TargetObject> target = FindTargetObject(eval);
  if (target) eval.Vars().ClearLastError();
  return target;
}

void SetObjectFillBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindAndClear(eval);
  if (!target) return;
  TOrvalisObj& object = *target->Object;
  const char decimal = DecimalSymbol(eval);
  if (const std::optional<std::uint32_t> colour = ReadColourText(eval.Param(2), decimal))
    object.SetFillColor(*colour);
  if (const std::optional<int> pattern = ReadFillPattern(eval.Param(3), decimal)) object.SetFillPattern(*pattern);
  const std::string& transparent = eval.Param(4);
  if (IsTrueWord(transparent))
    object.SetTransparent(true);
  else if (IsFalseWord(transparent))
    object.SetTransparent(false);
  ShowChangedLook(eval, *target);
}

void SetObjectLineBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindAndClear(eval);
  if (!target) return;
  TOrvalisObj& object = *target->Object;
  const char decimal = DecimalSymbol(eval);
  if (const std::optional<std::uint32_t> colour = ReadColourText(eval.Param(2), decimal))
    object.SetLineColor(*colour);
  if (const std::optional<int> width = ReadLineWidth(eval.Param(3), decimal)) object.SetLineWidth(*width);
  if (const std::optional<int> style = ReadLineStyle(eval.Param(4), decimal)) {
    object.SetLineStyle(*style);
    // Dashes and dots are drawn one pixel wide only.
    if (LineStyleForcesWidthOne(*style)) object.SetLineWidth(1);
  }
  ShowChangedLook(eval, *target);
}

int StyleBits(const FontStyleWords& words) {
  return (words.Bold ? kFontBold : 0) | (words.Italic ? kFontItalic : 0) | (words.Underline ? kFontUnderline : 0) |
         (words.StrikeOut ? kFontStrikeOut : 0);
}

// Lays the object's text out again in its new font.
// Edit fields, lists and combo boxes show their font through the control
// inside them; false for other objects.
bool RenderInnerControlFont(TOrvalisObj& object) {
  if (auto* field = dynamic_cast<TOrvalisEditField*>(&object)) {
    field->FontChanged();
    return true;
  }
  if (auto* list = dynamic_cast<TOrvalisListObject*>(&object)) {
    list->ApplyObjectFont();
    return true;
  }
  return false;
}

void RenderNewFont(TOrvalisObj& object, bool styleChanged) {
  if (auto* chain = dynamic_cast<TOrvalisLinkedArticle*>(&object)) {
    // The first box copies its font to the others and lays them out.
    chain->SetOverrideFontOfChain(chain->OverrideFont());
  } else if (auto* article = dynamic_cast<TOrvalisArticle*>(&object)) {
    article->Reload(false);
  } else if (auto* text = dynamic_cast<TOrvalisText*>(&object)) {
    // A style taken away must leave every character, not only be added.
    text->ApplyObjectFont(styleChanged ? 2 : 1);
  } else if (auto* button = dynamic_cast<TOrvalisButton*>(&object)) {
    // An auto-sized button fits the caption in its new font.
    button->CaptionChanged();
  } else {
    RenderInnerControlFont(object);
  }
}

void RenderNewColour(TOrvalisObj& object) {
  if (auto* article = dynamic_cast<TBaseArticle*>(&object))
    article->FontColourChanged();
  else if (auto* text = dynamic_cast<TOrvalisText*>(&object))
    text->FontColourChanged();
  else if (!RenderInnerControlFont(object))
    object.update();
}

void SetObjectFontBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindAndClear(eval);
  if (!target) return;
  // A box of a chain shows its chain's first box's font: the change goes
  // there.
  TOrvalisObj* object = target->Object;
  if (auto* chain = dynamic_cast<TOrvalisLinkedArticle*>(object)) object = &chain->First();
  TObjectFont& font = object->MutableFont();
  const char decimal = DecimalSymbol(eval);
  const std::optional<std::uint32_t> colour = ReadColourText(eval.Param(2), decimal);
  if (colour) font.Color = *colour;

  const std::string& name = eval.Param(3);
  const std::int64_t size = NumberParam(eval.Param(4), decimal);
  const std::string& style = eval.Param(5);
  const std::string& charset = eval.Param(6);
  if (!name.empty() || !style.empty() || !charset.empty() || size >= 1) {
    if (!name.empty()) font.Name = name;
    if (size >= 1) font.Size = ClampFontSize(size);
    const int styleBits = StyleBits(ReadFontStyle(style));
    const bool styleChanged = styleBits != font.Style;
    font.Style = styleBits;
    if (!charset.empty()) font.CharSet = ReadCharset(charset, decimal);
    RenderNewFont(*object, styleChanged);
  } else if (colour) {
    RenderNewColour(*object);
  }
  ShowChangedLook(eval, *target);
}

// The parts of a text split at "|".
std::vector<std::string> BarParts(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = text.find('|', start);
    parts.emplace_back(text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return parts;
}

void SetObjectCaptionBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindAndClear(eval);
  if (!target) return;
  TOrvalisObj& object = *target->Object;
  const std::string& text = eval.Param(2);
  if (auto* list = dynamic_cast<TOrvalisListObject*>(&object)) {
    list->SetItems(BarParts(text));
  } else if (dynamic_cast<TOrvalisEditField*>(&object) != nullptr || dynamic_cast<TOrvalisText*>(&object) != nullptr ||
             dynamic_cast<TOrvalisButton*>(&object) != nullptr) {
    // Text objects lay their text out again, buttons paint their caption
    // anew when the text changes.
    object.SetTxt(text);
  } else {
    eval.Vars().SetLastError(Message(msg::kNoObjectCaption));
    return;
  }
  ShowChangedLook(eval, *target);
}

// The object's file, read again even when the name stays.
bool LoadFileOf(TOrvalisObj& object, const std::string& file) {
  if (auto* picture = dynamic_cast<TOrvalisPicture*>(&object)) {
    if (file == picture->ImageFile())
      picture->Reload();
    else
      picture->SetImageFile(file);
  } else if (auto* polygon = dynamic_cast<TOrvalisPolygon*>(&object)) {
    polygon->SetImageFile(file);
  } else if (auto* chain = dynamic_cast<TOrvalisLinkedArticle*>(&object)) {
    chain->SetTextFileOfChain(file, true);
  } else if (auto* article = dynamic_cast<TOrvalisArticle*>(&object)) {
    if (file == article->TextFile())
      article->Reload(false);
    else
      article->SetTextFile(file);
  } else if (auto* button = dynamic_cast<TOrvalisPushBtn*>(&object)) {
    if (button->ImageStyle() == ovbsLibrary)
      button->SetLibImage(file);
    else if (button->ImageStyle() == ovbsIndividual)
      button->SetUpImage(file);
  } else if (auto* animator = dynamic_cast<TOrvalisAnimator*>(&object)) {
    animator->SetImageFile(file);
  } else if (dynamic_cast<TOrvalisMediaPlayer*>(&object) != nullptr ||
             dynamic_cast<TOrvalisWebBrowser*>(&object) != nullptr ||
             dynamic_cast<TOrvalisFlash*>(&object) != nullptr) {
    // These take a file name, but opening a new one belongs with their
    // playing and showing: the command succeeds and leaves them as they are.
  } else {
    return false;
  }
  return true;
}

void SetObjectFileNameBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindAndClear(eval);
  if (!target) return;
  if (!LoadFileOf(*target->Object, eval.Param(2))) {
    eval.Vars().SetLastError(Message(msg::kNoObjectFileName));
    return;
  }
  ShowChangedLook(eval, *target);
}

}  // namespace

void RegisterObjectSetCommands(TCommandTable& table) {
  table.Bind(cmd::kSetObjectFill, &SetObjectFillBody);
  table.Bind(cmd::kSetObjectLine, &SetObjectLineBody);
  table.Bind(cmd::kSetObjectFont, &SetObjectFontBody);
  table.Bind(cmd::kSetObjectCaption, &SetObjectCaptionBody);
  table.Bind(cmd::kSetObjectFileName, &SetObjectFileNameBody);
}

}  // namespace orv
