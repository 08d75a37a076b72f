#include "commands/navigation/FindForm.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>
#include <exception>

#include "app/ErrorReport.h"
#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "container/PublicationKeyTable.h"
#include "commands/navigation/FindFlash.h"
#include "commands/navigation/PlayerDialog.h"
#include "objects/input/EditField.h"
#include "objects/input/ListObjects.h"
#include "pages/OrvalisBackground.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "richtext/RichTextView.h"

namespace orv {

namespace {

constexpr int kMargin = 12;
constexpr int kButtonGap = 8;
constexpr int kButtonsBelowEdit = 21;
constexpr int kPromptToEdit = 8;
constexpr int kEditWidth = 260;

QString Caption(const TWorkForm& window, std::string_view key, const char* fallback) {
  const std::string_view text = window.LocalisedText(key);
  return text.empty() ? QString::fromLatin1(fallback) : QString::fromStdString(AnsiToUtf8(text));
}

// The busy cursor while a search runs.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

TFindForm::TFindForm(TWorkForm& window)
    : QDialog(&window, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      window_(window),
      search_(window) {
  setObjectName(QStringLiteral("FindForm"));
  setModal(false);
  setFont(DialogFont(&window));
  setWindowTitle(Caption(window, "L_FINDTITLE=", "Find"));
  prompt_ = new QLabel(Caption(window, "L_FINDPROMPT=", "Find what:"), this);
  edit_ = new QLineEdit(this);
  findFirst_ = new QPushButton(Caption(window, "L_FINDFIRST=", "Find First"), this);
  findNext_ = new QPushButton(Caption(window, "L_FINDNEXT=", "Find Next"), this);
  close_ = new QPushButton(ButtonCaption(window.LocalisedText("L_CLOSE="), QDialogButtonBox::Close), this);
  // Enter presses the focused button, and Find First from the edit field.
  findFirst_->setDefault(true);
  Ask = [this](const TQueryRequest& request) { return ShowQueryForm(request, &window_); };
  QObject::connect(edit_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
  QObject::connect(findFirst_, &QPushButton::clicked, this, [this] { RunSearch(true); });
  QObject::connect(findNext_, &QPushButton::clicked, this, [this] { RunSearch(false); });
  QObject::connect(close_, &QPushButton::clicked, this, [this] { hide(); });
  Arrange();
  UpdateButtons();
}

TFindForm::~TFindForm() = default;

void TFindForm::Arrange() {
  const QFontMetrics metrics(font());
  int buttonWidth = 0;
  for (QPushButton* button : {findFirst_, findNext_, close_})
    buttonWidth = std::max(buttonWidth, metrics.horizontalAdvance(button->text()) + 16);
  const int buttonHeight = std::max(25, metrics.boundingRect(QChar('M')).height() + 4);
  const int rowWidth = 3 * buttonWidth + 2 * kButtonGap;
  const int clientWidth = std::max(kEditWidth, rowWidth) + 2 * kMargin;
  prompt_->adjustSize();
  prompt_->move(kMargin, kMargin);
  const int editTop = prompt_->geometry().bottom() + 1 + kPromptToEdit;
  edit_->setGeometry(kMargin, editTop, clientWidth - 2 * kMargin, edit_->sizeHint().height());
  const int rowTop = edit_->geometry().bottom() + 1 + kButtonsBelowEdit;
  int left = (clientWidth - rowWidth) / 2;
  for (QPushButton* button : {findFirst_, findNext_, close_}) {
    button->setGeometry(left, rowTop, buttonWidth, buttonHeight);
    left += buttonWidth + kButtonGap;
  }
  setFixedSize(clientWidth, rowTop + buttonHeight + kMargin);
}

// --- Preparing and pressing -------------------------------------------------------------

void TFindForm::Prepare(std::string_view scope) {
  search_.State().scope = std::string(scope);
  SetSearchText(lastText_);
}

void TFindForm::SetSearchText(std::string_view text) {
  edit_->setText(QString::fromStdString(AnsiToUtf8(text)));
  UpdateButtons();
}

std::string TFindForm::SearchText() const { return Utf8ToAnsi(edit_->text().toStdString()); }

void TFindForm::PressFindFirst() { findFirst_->click(); }
void TFindForm::PressFindNext() { findNext_->click(); }

void TFindForm::UpdateButtons() {
  const bool text = !edit_->text().isEmpty();
  findFirst_->setEnabled(text);
  findNext_->setEnabled(text && search_.State().Searching());
}

// --- Searching --------------------------------------------------------------------------

void TFindForm::RunSearch(bool fromStart) {
  // Showing a match turns pages, which runs scripts; a Find of theirs
  // waits for none and changes nothing of this one.
  if (searching_) return;
  searching_ = true;
  const QPointer<TFindForm> self(this);
  // One match is highlighted at a time, and none once the search moved on
  // without showing one.
  ClearHighlight();
  if (fromStart) search_.Reset();
  lastText_ = SearchText();
  bool found = false;
  TFindMatch match;
  {
    const BusyCursor busy;
    try {
      found = search_.Next(lastText_, match);
    } catch (const std::exception& error) {
      search_.State().stopReason = fsException;
      search_.State().pageIndex = -1;
      ReportError(error, window_.LocalisedText("L_ERRORTITLE="), window_.LocalisedText("L_OK="));
    }
  }
  if (found) {
    // A match that cannot be shown ends this search there; the next goes
    // on past it.
    ShowMatch(match);
    // A script on the way closed the window.
    if (self == nullptr) return;
    if (isVisible()) raise();
  } else if (search_.State().stopReason == fsNone) {
    search_.Reset();
    Ask(TQueryRequest{std::string(window_.LocalisedText("L_FINDTITLE=")),
                      std::string(window_.LocalisedText("L_FINDERROR=")),
                      {std::string(window_.LocalisedText("L_OK="))},
                      std::string(window_.PublicationSettings().Text("ALERTBOXIMAGE="))});
    if (self == nullptr) return;
  }
  searching_ = false;
  UpdateButtons();
  if (found) {
    findNext_->setFocus();
  } else {
    edit_->setFocus();
    edit_->selectAll();
  }
}

bool TFindForm::ShowMatch(const TFindMatch& match) {
  TOVPageList& pages = window_.Pages();
  if (match.page != pages.PageIndex()) {
    window_.Navigator().RequestPageChange(match.page, true);
    if (pages.PageIndex() != match.page) return false;
  }
  if (match.kind == TFindMatch::fmFile) {
    rt::RichTextView* view = OpenTextWindow ? OpenTextWindow(*match.file) : nullptr;
    if (view == nullptr) return false;
    SelectInView(*view, match.position, match.length);
    return true;
  }
  // The page change ran scripts: the object may be gone, hidden or moved.
  TOrvalisObj* object = search_.State().lastObject;
  if (object == nullptr || !object->VisibleState()) return false;
  if (match.kind == TFindMatch::fmText) {
    const TFindParts parts = object->FindParts();
    if (parts.View == nullptr) return false;
    SelectInView(*parts.View, match.position, match.length);
    return true;
  }
  // A field shows the found text selected, and is not flashed.
  if (match.kind == TFindMatch::fmCaption)
    if (auto* field = dynamic_cast<TOrvalisEditField*>(object)) {
      field->SelectText(match.position, match.length);
      return true;
    }
  TOrvalisBackground* page = nullptr;
  const QPoint at = object->PagePosition(&page);
  if (page == nullptr) return false;
  QRect flashed(at, object->size());
  if (match.kind == TFindMatch::fmItem)
    if (auto* list = dynamic_cast<TOrvalisListObject*>(object)) flashed = ShowItem(*list, match.position, at);
  if (flash_ != nullptr) delete flash_.data();
  flash_ = new TFindFlash(*page, flashed);
  return true;
}

QRect TFindForm::ShowItem(TOrvalisListObject& list, int index, QPoint at) {
  // Chosen as a script would choose it: the variable is the reader's.
  list.SetItemSelected(index, true);
  const QRect whole(at, list.size());
  auto* box = dynamic_cast<TOrvalisListBox*>(&list);
  if (box == nullptr) return whole;
  QListWidget& view = box->List();
  QListWidgetItem* item = view.item(index);
  if (item == nullptr) return whole;
  view.scrollToItem(item);
  const QRect row = view.visualItemRect(item).intersected(view.viewport()->rect());
  if (row.isEmpty()) return whole;
  return QRect(at + view.viewport()->mapTo(box, row.topLeft()), row.size());
}

void TFindForm::SelectInView(rt::RichTextView& view, int position, int length) {
  // The text may have changed since it was searched (a field refreshed on
  // the way to the page): the match keeps within what it holds now.
  const int last = std::max(0, view.document()->characterCount() - 1);
  const int start = std::clamp(position, 0, last);
  const int end = std::clamp(position + length, start, last);
  QTextCursor cursor(view.document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  view.setTextCursor(cursor);
  view.ensureCursorVisible();
  highlighted_ = &view;
}

void TFindForm::ClearHighlight() {
  if (highlighted_ == nullptr) return;
  QTextCursor cursor = highlighted_->textCursor();
  cursor.clearSelection();
  highlighted_->setTextCursor(cursor);
  highlighted_ = nullptr;
}

// --- The window's Find window -------------------------------------------------------------

TFindForm* FindFormOf(TWorkForm& window) {
  return window.findChild<TFindForm*>(QStringLiteral("FindForm"), Qt::FindDirectChildrenOnly);
}

TFindForm& PrepareFindForm(TWorkForm& window, std::string_view scope) {
  TFindForm* form = FindFormOf(window);
  if (form == nullptr) form = new TFindForm(window);
  form->Prepare(scope);
  return *form;
}

void CloseFindForm(TWorkForm& window) {
  TFindForm* form = FindFormOf(window);
  if (form == nullptr) return;
  // It may be searching further down the stack (a script its match ran
  // closes it): gone for everyone at once, freed once that is over.
  form->hide();
  form->setObjectName(QString());
  form->deleteLater();
}

}  // namespace orv
