#pragma once
// The rich text a text block, article or linked article shows: its document
// (always there, empty until filled) and, while the object's page is shown,
// the read-only view over it, docked inside the object and transparent, so
// the object's own fill or the page shows beneath the text. Shared by the
// three types: loading, variable fields, link clicks, copying and painting
// into a surface.
#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "objects/text/TextFields.h"

class QColor;
class QMenu;
class QPainter;
class QPoint;

namespace orv {

class TOrvalisObj;

namespace rt {
class RichTextDocument;
class RichTextView;
}  // namespace rt

class TTextControl {
 public:
  explicit TTextControl(TOrvalisObj& owner);
  ~TTextControl();
  TTextControl(const TTextControl&) = delete;
  TTextControl& operator=(const TTextControl&) = delete;

  rt::RichTextDocument& Document() { return *document_; }
  const rt::RichTextDocument& Document() const { return *document_; }
  rt::RichTextView* View() const { return view_; }
  bool Built() const { return view_ != nullptr; }

  // Builds the view inside `rect` of the owner; nothing when built.
  void Build(const QRect& rect);
  void Free();
  void SetGeometry(const QRect& rect);
  // Takes a document in place of the present one (a box of a chain).
  void SetDocument(std::unique_ptr<rt::RichTextDocument> document);
  // Shows the document again after loading replaced what it holds.
  void Attach();
  // Text (RTF or plain text in `codePage`) as the document's new content.
  void Load(std::string_view text, int codePage);
  void Clear();
  // The colour of text that names none, in the document and the view.
  void SetDefaultTextColour(const QColor& colour);

  // --- Variable fields ----------------------------------------------------
  // Turns every "[...]" reference into a field; the caret goes to the start.
  int MakeFields();
  TFieldRefresh RefreshAllFields();
  // Refreshes every field that refers to `bracketName` now ("[NAME]",
  // upper-cased), inner references included.
  TFieldRefresh RefreshFieldsOf(std::string_view bracketName);
  // Whether some field would show another text now than it shows.
  bool FieldLengthsWouldChange(std::string_view bracketName) const;
  // Adds the variables the fields refer to now.
  void AddFieldVariables(std::vector<std::string>& names) const;

  // --- Links --------------------------------------------------------------
  // Text from outside the package and the publication's folder: its link
  // targets run restricted.
  void SetTrusted(bool trusted) { trusted_ = trusted; }
  bool Trusted() const { return trusted_; }
  // Targets starting with ":" jump to a bookmark through this; without it
  // they run as scripts like any other.
  std::function<void(const std::string& bookmark)> JumpToBookmark;
  // What a click on a link does: "HyperlinkClickedText", then the jump or
  // the target posted as the owner's script.
  void LinkClicked(const std::string& text, const std::string& target);

  // --- Copying ------------------------------------------------------------
  // Selection and the copy menu ("L_COPY=", "L_SELECTALL=").
  void SetAllowCopy(bool on);
  // The text without hidden text and protected characters: to the
  // clipboard as rich and plain text, or returned as plain text.
  std::string CopyText(bool toClipboard) const;

  // Paints the owner and then the view's text (as scrolled) with the
  // painter's origin at the owner's parent's top-left, for pages composed
  // off-screen; nothing when the owner is hidden.
  void PaintOwnerTo(QPainter& painter) const;

 private:
  void Configure();
  void ShowCopyMenu(const QPoint& pos);
  void PaintText(QPainter& painter) const;
  std::string FieldText(const std::string& name) const;

  TOrvalisObj& owner_;
  std::unique_ptr<rt::RichTextDocument> document_;
  rt::RichTextView* view_ = nullptr;
  QRect rect_;
  bool trusted_ = true;
  bool allowCopy_ = false;
};

}  // namespace orv
