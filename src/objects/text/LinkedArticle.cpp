#include "objects/text/LinkedArticle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QResizeEvent>
#include <QTextCursor>

#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/text/ArticleFile.h"
#include "objects/text/TextFields.h"
#include "objects/text/TextFont.h"
#include "pages/Colour.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextFlow.h"
#include "richtext/RichTextView.h"
#include "richtext/RtfCodePage.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

const QEvent::Type kReflowEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type kShowBookmarkEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class TShowBookmarkEvent : public QEvent {
 public:
  explicit TShowBookmarkEvent(std::string name) : QEvent(kShowBookmarkEvent), Name(std::move(name)) {}
  std::string Name;
};

}  // namespace

TOrvalisLinkedArticle::TOrvalisLinkedArticle(int type, QWidget* parent, TObjectHost* host)
    : TBaseArticle(type, parent, host) {}

TOrvalisLinkedArticle::~TOrvalisLinkedArticle() {
  // The neighbours may outlive this box (pages go one by one).
  if (prev_ != nullptr) prev_->next_ = nullptr;
  if (next_ != nullptr) next_->prev_ = nullptr;
}

bool TOrvalisLinkedArticle::ApplyKey(const KeyValue& key) {
  if (ApplyArticleKey(key)) return true;
  if (key.Name() != "TEXT=") return false;
  txt_.SetView(key.Text());
  return true;
}

// --- The chain ---------------------------------------------------------------------

void TOrvalisLinkedArticle::LinkTo(TOrvalisLinkedArticle* next) {
  next_ = next;
  if (next != nullptr) next->prev_ = this;
}

TOrvalisLinkedArticle& TOrvalisLinkedArticle::First() {
  TOrvalisLinkedArticle* box = this;
  while (box->prev_ != nullptr) box = box->prev_;
  return *box;
}

const TOrvalisLinkedArticle& TOrvalisLinkedArticle::First() const {
  return const_cast<TOrvalisLinkedArticle*>(this)->First();
}

void TOrvalisLinkedArticle::RequestReflow(bool reload) {
  TOrvalisLinkedArticle& first = First();
  ++first.pendingReflows_;
  first.reloadPending_ = first.reloadPending_ || reload;
  QCoreApplication::postEvent(&first, new QEvent(kReflowEvent));
}

void TOrvalisLinkedArticle::Reload(bool) { First().LayOutChain(true); }

void TOrvalisLinkedArticle::LoadSource(bool reload) {
  const std::string name = PreparedTextFile();
  if (!source_) {
    source_ = std::make_unique<rt::RichTextDocument>();
    if (Host() != nullptr) {
      source_->SetLinkColor(ResolveColour(Host()->LinkColor()));
      TVars* vars = &Host()->Engine().Vars();
      source_->SetFieldCallback([vars](const std::string& field) { return vars->SubstituteVars(field); });
    }
  }
  flow_.reset();  // the source changes now
  if (!sourceLoaded_ || reload || name != sourceName_) {
    source_->SetDefaultFont(TextFontOf(Font()));
    source_->LoadPlainText({});
    sourceTrusted_ = true;
    if (!name.empty()) {
      // A missing file leaves the chain empty, without a message.
      const TArticleFile file = ReadArticleFile(name, Vars());
      if (file.found) {
        LoadArticleFile(*source_, file, true, TextCodePageOf(Font()));
        sourceTrusted_ = file.trusted;
      }
    }
    source_->MakeVariableFields();
    if (overrideFont_) source_->ApplyFont(TextFontOf(Font()), false);
    sourceName_ = name;
    sourceLoaded_ = true;
  } else {
    // Fields show what their variables hold now, wherever the text lands.
    RefreshEveryField(*source_);
  }
  state_ = source_->HasFields() ? csHasFields : csNoFields;
  source_->SetDefaultTextColor(TextColourOf(Font()));
}

void TOrvalisLinkedArticle::LayOutChain(bool reload) {
  TOrvalisLinkedArticle& first = First();
  if (&first != this) {
    first.LayOutChain(reload);
    return;
  }
  if (layingOut_) {
    // Runs once the present layout is over.
    RequestReflow(reload);
    return;
  }
  layingOut_ = true;
  state_ = csNotLaidOut;
  std::vector<TOrvalisLinkedArticle*> boxes;
  for (TOrvalisLinkedArticle* box = this; box != nullptr; box = box->next_) boxes.push_back(box);
  for (TOrvalisLinkedArticle* box : boxes) {
    box->txt_.Set({});
    if (box->control_.Built()) box->control_.Clear();
  }
  const bool progress = boxes.size() > 1 && Host() != nullptr;
  if (progress) Host()->BeginProgress(static_cast<int>(boxes.size()));
  LoadSource(reload);

  // Each box takes what fits it, laid out as its view will show it: the
  // view fills the box inside its outline and has no scroll bars.
  flowing_ = true;
  flow_.reset();
  flow_ = std::make_unique<rt::RichTextFlow>(*source_);
  for (TOrvalisLinkedArticle* box : boxes) {
    const QSize size = box->ControlRect().size();
    std::unique_ptr<rt::RichTextDocument> part;
    if (!flow_->AtEnd()) part = flow_->NextBox(size.width(), size.height());
    box->FillBox(std::move(part));
    if (progress) Host()->StepProgress();
  }
  // Text left after the last box is dropped.
  flowing_ = false;
  if (progress) Host()->EndProgress();
  ++layouts_;
  layingOut_ = false;
  WatchChain();
}

void TOrvalisLinkedArticle::FillBox(std::unique_ptr<rt::RichTextDocument> part) {
  TOrvalisLinkedArticle& first = First();
  control_.SetTrusted(first.sourceTrusted_);
  if (!control_.Built()) {
    txt_.Set(part ? part->SaveRtf() : std::string());
    return;
  }
  control_.SetDocument(std::move(part));
  control_.Document().SetDefaultTextColor(TextColourOf(first.Font()));
  control_.Attach();
  update();
}

void TOrvalisLinkedArticle::WatchChain() {
  // The first box listens for the whole chain.
  if (prev_ != nullptr) {
    WatchVariableNames({});
    return;
  }
  std::vector<std::string> names;
  AddFileNameVariables(names);
  if (source_ && Host() != nullptr) AddFieldVariables(*source_, Host()->Engine().Vars(), names);
  WatchVariableNames(std::move(names));
}

void TOrvalisLinkedArticle::WatchedVariableChanged(std::string_view bracketName, std::string_view) {
  if (prev_ != nullptr || layingOut_) return;
  if (FileNameRefersTo(bracketName)) {
    // The chain shows another file: read it.
    RequestReflow(true);
    return;
  }
  if (state_ != csHasFields || !source_) return;
  TVars* vars = Host() != nullptr ? &Host()->Engine().Vars() : nullptr;
  // The shown text decides: a value of another length may flow the text
  // differently, so the chain is laid out again; one of the same length is
  // put in place.
  bool lengthChanges = FieldLengthsWouldChange(*source_, bracketName, vars);
  for (TOrvalisLinkedArticle* box = this; box != nullptr && !lengthChanges; box = box->next_)
    if (box->control_.Built()) lengthChanges = box->control_.FieldLengthsWouldChange(bracketName);
  if (lengthChanges) {
    RequestReflow(false);
    return;
  }
  flow_.reset();  // the source changes now
  RefreshFieldsOf(*source_, bracketName, vars);
  for (TOrvalisLinkedArticle* box = this; box != nullptr; box = box->next_)
    if (box->control_.Built()) box->control_.RefreshFieldsOf(bracketName);
  WatchChain();
}

void TOrvalisLinkedArticle::SetTextFileOfChain(std::string_view name, bool reload) {
  TOrvalisLinkedArticle& first = First();
  if (name != first.TextFile()) {
    for (TOrvalisLinkedArticle* box = &first; box != nullptr; box = box->next_) {
      box->textFile_.Set(name);
      if (box->control_.Built()) box->control_.Clear();
    }
  }
  if (reload) first.LayOutChain(true);
}

void TOrvalisLinkedArticle::FontColourChanged() {
  const QColor colour = TextColourOf(First().Font());
  for (TOrvalisLinkedArticle* box = &First(); box != nullptr; box = box->next_) {
    box->control_.SetDefaultTextColour(colour);
    box->update();
  }
}

void TOrvalisLinkedArticle::SetOverrideFontOfChain(bool on) {
  if (prev_ != nullptr) return;
  for (TOrvalisLinkedArticle* box = this; box != nullptr; box = box->next_) {
    if (box != this) {
      TObjectFont& font = box->MutableFont();
      font.Name = Font().Name;
      font.Size = Font().Size;
      font.Style = Font().Style;
      font.CharSet = Font().CharSet;
    }
    box->overrideFont_ = on;
  }
  LayOutChain(true);
}

// --- Bookmarks and finding ---------------------------------------------------------------

bool TOrvalisLinkedArticle::JumpToBookmark(std::string_view name) {
  for (TOrvalisLinkedArticle* box = &First(); box != nullptr; box = box->next_) {
    if (!box->SearchText().BookmarkPosition(name)) continue;
    QCoreApplication::postEvent(box, new TShowBookmarkEvent(std::string(name)));
    return true;
  }
  return false;
}

void TOrvalisLinkedArticle::ShowBookmark(const std::string& name) {
  if (Host() != nullptr) Host()->ShowObjectPage(*this);
  // The page may turn later: its entering scrolls then.
  if (control_.View() != nullptr) control_.View()->ScrollToBookmark(name);
  else pendingBookmark_ = name;
}

rt::RichTextDocument& TOrvalisLinkedArticle::SearchText() {
  if (!control_.Built()) control_.Document().Load(Txt());
  return control_.Document();
}

TFindParts TOrvalisLinkedArticle::FindParts() {
  TFindParts parts = TBaseArticle::FindParts();
  parts.Text = &SearchText();
  parts.View = control_.View();
  return parts;
}

// --- Page notifications -------------------------------------------------------------------

void TOrvalisLinkedArticle::PageEntering() {
  TBaseArticle::PageEntering();
  BuildControl();
  LoadKeptPart();
}

void TOrvalisLinkedArticle::LoadKeptPart() {
  TOrvalisLinkedArticle& first = First();
  control_.SetTrusted(first.sourceTrusted_);
  control_.Load(Txt(), rt::kWesternCodePage);
  control_.Document().SetDefaultTextColor(TextColourOf(first.Font()));
  control_.Attach();
  // What the box kept may show old values: a new length flows differently.
  if (first.state_ == csHasFields && control_.RefreshAllFields().lengthChanged) RequestReflow(false);
  if (!pendingBookmark_.empty() && control_.View() != nullptr) control_.View()->ScrollToBookmark(pendingBookmark_);
  pendingBookmark_.clear();
}

void TOrvalisLinkedArticle::PageLeaving() {
  TBaseArticle::PageLeaving();
  if (control_.Built()) txt_.Set(control_.Document().SaveRtf());
  control_.Free();
  control_.Clear();
}

bool TOrvalisLinkedArticle::event(QEvent* event) {
  if (event->type() == kReflowEvent) {
    if (--pendingReflows_ <= 0) {
      pendingReflows_ = 0;
      const bool reload = reloadPending_;
      reloadPending_ = false;
      LayOutChain(reload);
    }
    return true;
  }
  if (event->type() == kShowBookmarkEvent) {
    ShowBookmark(static_cast<TShowBookmarkEvent*>(event)->Name);
    return true;
  }
  return TBaseArticle::event(event);
}

void TOrvalisLinkedArticle::resizeEvent(QResizeEvent* event) {
  TBaseArticle::resizeEvent(event);
  // A laid-out chain flows again into the new size.
  // (The first show reports a size it had all along.)
  if (First().state_ != csNotLaidOut && event->oldSize().isValid() && event->size() != event->oldSize())
    RequestReflow(false);
}

}  // namespace orv
