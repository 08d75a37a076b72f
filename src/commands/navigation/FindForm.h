#pragma once
// TFindForm: the Find window. Modeless and kept on top, one per
// publication window, made on first use; its close button only hides it,
// and the search (text, scope, where it stands) lives on until the next
// Find First. Find First searches from the start of the scope, Find Next
// from the last match; a match turns to its page and is selected in its
// text or flashed, and a scope searched through without one is told in the
// message dialog.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "commands/navigation/FindFlash.h"
#include "commands/navigation/FindSearch.h"
#include "commands/navigation/QueryForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

class TOrvalisListObject;
class TWorkForm;

namespace rt {
class RichTextView;
}

class TFindForm : public QDialog {
  Q_OBJECT

 public:
  explicit TFindForm(TWorkForm& window);
  ~TFindForm() override;

  TFindSearch& Search() { return search_; }
  const TFindState& State() const { return search_.State(); }

  // What Find and FindFirst do first: the scope, and the edit field showing
  // the last search text.
  void Prepare(std::string_view scope);
  // The edit field's text (Windows-1252).
  void SetSearchText(std::string_view text);
  std::string SearchText() const;
  // The buttons as a click presses them: nothing while disabled.
  void PressFindFirst();
  void PressFindNext();

  QLineEdit& Edit() const { return *edit_; }
  QPushButton& FindFirstButton() const { return *findFirst_; }
  QPushButton& FindNextButton() const { return *findNext_; }
  QPushButton& CloseButton() const { return *close_; }
  // The running flash of the last match, if any.
  TFindFlash* Flash() const { return flash_; }

  // Asks the message dialog (the not-found message); the player's dialog
  // unless replaced.
  std::function<int(const TQueryRequest&)> Ask;
  // Opens the text window a TextWindow line of the scope names and gives
  // the view showing the file; null when it cannot. Without it no such
  // window opens, and a match in a text file stops the search there
  // unselected.
  std::function<rt::RichTextView*(const TFindFile& file)> OpenTextWindow;

 private:
  void RunSearch(bool fromStart);
  // False when the match cannot be shown: the change to its page was
  // refused, or nothing there shows it.
  bool ShowMatch(const TFindMatch& match);
  void SelectInView(rt::RichTextView& view, int position, int length);
  // Selects item `index` of a list or combo box whose page rectangle is at
  // `at`; the rectangle to flash: the item's for a list box, the box's
  // otherwise.
  QRect ShowItem(TOrvalisListObject& list, int index, QPoint at);
  void ClearHighlight();
  void UpdateButtons();
  void Arrange();

  TWorkForm& window_;
  TFindSearch search_;
  std::string lastText_;
  QLabel* prompt_;
  QLineEdit* edit_;
  QPushButton* findFirst_;
  QPushButton* findNext_;
  QPushButton* close_;
  QPointer<rt::RichTextView> highlighted_;
  QPointer<TFindFlash> flash_;
  bool searching_ = false;
};

// The window's Find window; null before the first Find or FindFirst.
TFindForm* FindFormOf(TWorkForm& window);
// The Find window, made when there is none, prepared with `scope`.
TFindForm& PrepareFindForm(TWorkForm& window, std::string_view scope);
// Closes and frees the Find window (CloseWindow "FIND"); nothing when
// there is none.
void CloseFindForm(TWorkForm& window);

}  // namespace orv
