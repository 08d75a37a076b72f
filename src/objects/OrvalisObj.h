#pragma once
// TOrvalisObj: the base of every page object. A child widget of its page's
// background, a group or a container, painted with QPainter; it owns what
// every object shares: name and type, geometry and docking, outline and
// fill, visibility and enabled state, hint, hot key, the way an event's
// script is run, the page notifications, and painting into a surface.
#include <QWidget>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/PageCoordinates.h"
#include "objects/ObjectFrame.h"
#include "objects/ObjectText.h"
#include "pages/BackgroundObject.h"
#include "script/VarChangeNotifier.h"

namespace orv {

class TObjectHost;
class TOrvalisBackground;
struct KeyValue;

namespace rt {
class RichTextDocument;
class RichTextView;
}  // namespace rt

// What the Find command searches in an object, in its order: a rich text
// (and the link targets in it), a caption, items, then the action lists,
// which it only scans for the text windows they open.
struct TFindParts {
  // The text shown, or one loaded from what the object holds while its page
  // is not shown; null for none.
  rt::RichTextDocument* Text = nullptr;
  // The view showing Text while the page is shown; null otherwise.
  rt::RichTextView* View = nullptr;
  std::string Caption;
  std::vector<std::string> Items;
  std::vector<std::string_view> Actions;  // views into the object's scripts
};

// Event codes objects run their scripts with.
enum TObjectEvent : std::uint8_t {
  evClick = 1, evRightClick = 2, evMouseEnter = 3, evMouseLeave = 4, evContainerResize = 5,
  evEditChange = 6, evDone = 7, evBeforeNavigate = 8, evNavigated = 9, evDownloadBegin = 10,
  evDownloadComplete = 11, evHyperlink = 12, evTimer = 13, evPlayStarted = 14, evCancelled = 15,
  evFlashLoaded = 16, evTrackChanged = 17, evSelectionChanged = 18, evFlashCommand = 19,
  evWebCall = 20, evDropped = 21, evTrackChanging = 22, evListDoubleClick = 25, evFocusChange = 26,
};

// Options of a script run.
enum : std::uint8_t { roNoPageChange = 1, roRestricted = 2, roRunNow = 4 };

// Docking inside the parent ("ANCHOR=").
enum TObjectAnchor : std::uint8_t { anNone = 0, anTop = 1, anBottom = 2, anLeft = 3, anRight = 4, anFill = 5 };

// Bits of TObjectFont::Style.
inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;
inline constexpr int kFontUnderline = 4;
inline constexpr int kFontStrikeOut = 8;

// The object's font as the document gives it; objects never take their
// parent's.
struct TObjectFont {
  std::string Name = "Arial";
  int Size = 10;
  int Style = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
  int CharSet = 1;
  ColourValue Color = 0;
};

class TOrvalisObj : public QWidget, public TBackgroundObject, private TVarChangeReceiver {
 public:
  TOrvalisObj(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisObj() override;

  // --- Identity ---------------------------------------------------------
  int ObjType() const { return objType_; }
  const std::string& ObjectName() const override { return name_; }
  void SetObjectName(std::string_view name);
  TObjectHost* Host() const { return host_; }

  // --- Drawing properties -----------------------------------------------
  const TObjectLook& Look() const { return look_; }
  int LineWidth() const { return look_.LineWidth; }
  ColourValue LineColor() const { return look_.LineColor; }
  TOrvalisPenStyle LineStyle() const { return look_.LineStyle; }
  ColourValue FillColor() const { return look_.FillColor; }
  int FillPattern() const { return look_.FillPattern; }
  bool Transparent() const { return look_.Transparent; }
  virtual void SetLineWidth(int value);
  void SetLineColor(ColourValue value);
  void SetLineStyle(int value);  // outside 0 to 7: ignored
  void SetFillColor(ColourValue value);
  virtual void SetFillPattern(int value);  // outside 0 to 48: ignored
  virtual void SetTransparent(bool value);
  virtual bool GetIsTransparent() const { return isTransparent_; }
  // Fixes IsTransparent at `value` for good (types that are never, or
  // always, drawn over what lies beneath).
  void LockTransparency(bool value);

  // --- State ------------------------------------------------------------
  bool VisibleState() const { return visibleState_; }
  void SetVisibleState(bool value);
  bool EnabledState() const { return enabledState_; }
  virtual void SetEnabledState(bool value);
  bool IsObjectVisible() const override { return visibleState_; }
  bool IsObjectEnabled() const override { return enabledState_; }
  bool MouseInside() const { return mouseInside_; }

  // --- Texts ------------------------------------------------------------
  std::string_view Txt() const { return txt_.View(); }
  void SetTxt(std::string_view text) { txt_.Set(text); TextChanged(); }
  const TObjectFont& Font() const { return font_; }
  TObjectFont& MutableFont() { return font_; }
  std::string_view Hint() const { return hint_.View(); }
  void SetHint(std::string_view hint) { hint_.Set(hint); }

  // --- Scripts ----------------------------------------------------------
  // The scripts the base runs itself; empty where a type has none.
  std::string_view ClickAction() const { return clickAction_.View(); }
  std::string_view RClickAction() const { return rClickAction_.View(); }
  std::string_view EnterAction() const { return enterAction_.View(); }
  std::string_view ExitAction() const { return exitAction_.View(); }
  void SetClickAction(std::string_view script) { clickAction_.Set(script); ScriptsChanged(); }
  void SetRClickAction(std::string_view script) { rClickAction_.Set(script); }
  void SetEnterAction(std::string_view script) { enterAction_.Set(script); }
  void SetExitAction(std::string_view script) { exitAction_.Set(script); }
  // Which of the scripts above the type takes from the document.
  virtual bool TakesClickActions() const { return false; }
  virtual bool TakesHoverActions() const { return false; }

  // Runs `script` for event `code`: at once with roRunNow, else posted to
  // the object and run when the event loop delivers it. The run knows the
  // object's type and its name ("[Self]").
  void RunEventScript(std::string_view script, int code, std::uint8_t options = 0);
  // Runs `script` before returning without making the run exclusive (drop,
  // track-bar changing, timer tick).
  void RunEventScriptAtOnce(std::string_view script, int code, std::uint8_t options = 0);

  // --- Layout -----------------------------------------------------------
  int Anchor() const { return anchor_; }
  void SetAnchor(int value);  // above 5 docks nothing
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int value) { tabOrder_ = value & 0xFFFF; }
  // The area docked children share: the widget less the outline.
  virtual QRect ClientArea() const;
  // Sum of the positions of the enclosing groups and containers.
  QPoint ParentOffset() const;
  // The position in page coordinates, and the page background holding the
  // object (the outer one when a background sits in another).
  QPoint PagePosition(TOrvalisBackground** page = nullptr) const;
  TOrvalisBackground* PageBackground() const;
  bool InPublicationArea() const;
  // The control an edit field or list wraps takes the focus by Tab only
  // while the object lies within the publication area; a click always.
  void UpdateInnerTabStop(QWidget* control) const;
  // Repaints the part of `pageRect` that the object covers.
  void InvalidatePageRect(const QRect& pageRect);
  // Places a rectangle given in document numbers: sizes below 0 become 0,
  // everything beyond kLargestCoordinate is clamped.
  void SetDocumentGeometry(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h);

  // --- Hot key ----------------------------------------------------------
  int HotKeyCode() const { return hotKey_; }
  void SetHotKeyCode(int code) { hotKey_ = code & 0xFFFF; }
  QKeyCombination HotKey() const override;
  void ActivateByHotKey() override;
  // Edit fields, list and combo boxes take the focus for their hot key.
  virtual bool TakesFocusByHotKey() const { return false; }
  // Esc pressed while the object holds the focus, asked before the window
  // takes Esc as its own key; true when the object used it (a masked field
  // giving back its refused text).
  virtual bool TakeEscape() { return false; }

  // --- Notifications and painting ----------------------------------------
  void Notify(int message, const std::string& text, const std::string& data) override;
  // Paints the object and its visible children with `painter`'s origin at
  // the parent's top-left.
  void PaintTo(QPainter& painter) override;
  // Paints the object alone at the painter's origin.
  void PaintObject(QPainter& painter);
  // Draws the object's geometry; the base draws the fill and outline.
  virtual void DrawShape(QPainter& painter);
  std::vector<TBackgroundObject*> ChildObjects() const override { return {}; }
  // Groups and containers hold child objects.
  virtual bool IsChildHolder() const { return false; }
  // What Find searches here; the base has the scripts it runs itself
  // (click, enter, exit, right click), types add what they hold.
  virtual TFindParts FindParts() {
    TFindParts parts;
    for (std::string_view script : {ClickAction(), EnterAction(), ExitAction(), RClickAction()})
      if (!script.empty()) parts.Actions.push_back(script);
    return parts;
  }

  // --- Document keys ----------------------------------------------------
  // Applies one of the type's own keys; false when the type does not take it.
  virtual bool ApplyKey(const KeyValue& key);
  // Page entering and leaving: where types build and free their heavy
  // inner parts.
  virtual void PageEntering() {}
  virtual void PageLeaving() {}

  // The variable the object shows or sets ("[Name]"); its changes reach the
  // object whether its page is shown or not. Empty unbinds.
  void BindVariable(std::string_view name);
  const std::string& BoundVariable() const { return boundVariable_; }
  // Follows every "[NAME]" that `texts` name (a caption, a file name): a
  // change of one reaches WatchedVariableChanged. Replaces the previous
  // set; call again whenever the texts change.
  void WatchTextVariables(std::initializer_list<std::string_view> texts);
  // Follows exactly these "[NAME]" names (upper-cased, each once), for
  // types that work out what their texts refer to themselves.
  void WatchVariableNames(std::vector<std::string> names);
  // A picture or file name prepared the way scripts prepare file
  // parameters: blanks trimmed, variables replaced, embedded names mapped
  // in a test run, a leading "!" removed.
  std::string PrepareFileName(std::string_view name) const;

  // The name of the page object holding the keyboard focus; empty for none.
  static std::string FocusedObjectName();
  // The page object `widget` is, or is inside; null for none.
  static TOrvalisObj* ObjectOf(QWidget* widget);
  // Takes the cursor of its slot again (the publication's cursors load
  // after the objects).
  virtual void UpdateCursor();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  // The bound variable's new value.
  virtual void BoundVariableChanged(std::string_view /*value*/) {}
  // A variable one of the watched texts names changed (`bracketName` is
  // "[NAME]", upper-cased). Also called for the bound variable when a
  // watched text names it too.
  virtual void WatchedVariableChanged(std::string_view /*bracketName*/, std::string_view /*value*/) {}
  virtual void FillChanged() {}
  virtual void LineChanged() {}
  virtual void TextChanged() {}
  virtual void ScriptsChanged() { UpdateCursor(); }
  // The cursor slot over the object.
  virtual int CursorSlot() const;
  void Repaint();
  bool Closing() const;
  // The mouse-inside rule of enter and leave.
  void HandleMouseEnter();
  void HandleMouseLeave();
  // Runs the click script of `button` for a release at `pos`.
  void ClickReleased(Qt::MouseButton button, QPoint pos);
  void ApplyOpaqueAttribute();
  // Document keys several types share; each true when it took the key.
  bool ApplyFontKey(const KeyValue& key);
  bool ApplyHoverKey(const KeyValue& key);  // "OBJENTERACTION=", "OBJEXITACTION="
  bool ApplyHintKey(const KeyValue& key);
  bool ApplyHotKeyKey(const KeyValue& key);
  // A note where a part cannot be shown: black Arial on grey, just inside
  // the outline.
  void DrawPlaceholderText(QPainter& painter, std::string_view text);

  TObjectText txt_;
  TObjectText hint_;
  TObjectText clickAction_;
  TObjectText rClickAction_;
  TObjectText enterAction_;
  TObjectText exitAction_;
  TObjectFont font_;
  bool pressed_ = false;  // a press on the object waits for its release

 private:
  void RecomputeTransparency();
  void RunNow(std::string_view script, int code, std::uint8_t options);
  void SyncHover();
  // During a page switch, looks at the mouse again once the switch is
  // over instead of now; true when it did.
  bool DeferredForPageSwitch();
  void VariableChanged(std::string_view bracketName, std::string_view value) override;

  TObjectHost* host_;
  int objType_;
  std::string name_;
  std::string boundVariable_;
  std::vector<std::string> watched_;  // "[NAME]" upper-cased, each once
  TObjectLook look_;
  bool visibleState_ = true;
  bool enabledState_ = true;
  bool isTransparent_ = false;
  bool transparencyLocked_ = false;
  bool mouseInside_ = false;
  bool hoverSyncPosted_ = false;
  int anchor_ = anNone;
  int tabOrder_ = 0;
  int hotKey_ = 0;
};

}  // namespace orv
