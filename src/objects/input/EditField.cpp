#include "objects/input/EditField.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "base/Ansi.h"
#include "base/Messages.h"
#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/buttons/ButtonCaption.h"
#include "objects/input/EditControls.h"
#include "objects/input/EditPasswordStyle.h"
#include "pages/BackgroundMessages.h"
#include "pages/Colour.h"
#include "script/DateText.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

// Set while a field takes the focus back: the field it takes it from lets
// it go, whatever its own text, or two fields would take it from each
// other without end.
bool takingFocusBack = false;

// Every line break as CR LF, as stored texts have them.
std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

// A position in the control's text as the variable counts it: a line
// break of a multi-line field is two characters there.
int VariablePosition(const QString& text, int position, bool multiLine) {
  position = std::clamp(position, 0, static_cast<int>(text.size()));
  if (!multiLine) return position;
  return position + static_cast<int>(QStringView(text).left(position).count(QLatin1Char('\n')));
}

// The control's position for a position the variable counts.
int ControlPosition(const QString& text, int position, bool multiLine) {
  if (!multiLine) return std::clamp(position, 0, static_cast<int>(text.size()));
  int counted = 0;
  for (int i = 0; i < text.size(); ++i) {
    counted += text[i] == QLatin1Char('\n') ? 2 : 1;
    if (counted > position) return i;
  }
  return static_cast<int>(text.size());
}

}  // namespace

TOrvalisEditField::TOrvalisEditField(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host) {
  UpdateCursor();
  BuildControl();
}

TOrvalisEditField::~TOrvalisEditField() {
  // The control goes before the password style it may be drawn with.
  DropControl();
}

bool TOrvalisEditField::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key)) {
    FontChanged();
    return true;
  }
  if (ApplyHoverKey(key) || ApplyHintKey(key) || ApplyHotKeyKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "OBJACTION=") changeAction_.SetView(key.Text());
  else if (name == "OBJSETFOCUSACTION=") gainFocusAction_.SetView(key.Text());
  else if (name == "OBJLOSEFOCUSACTION=") loseFocusAction_.SetView(key.Text());
  else if (name == "VARNAME=") {
    varName_ = key.Text();
    BindVariable(varName_);
  } else if (name == "WORDWRAP=") SetWordWrap(key.Yes());
  else if (name == "SCROLLBAR=") SetScrollBar(key.Yes());
  else if (name == "EDITMULTILINE=") SetMultiLine(key.Yes());
  else if (name == "EDITLEN=") SetMaxLength(key.Number());
  else if (name == "EDITMASK=") {
    editMask_.SetView(key.Text());
    if (!editMask_.Empty()) passwordChar_ = 0;
    ApplyPassword();
    ApplyMask();
  } else if (name == "EDITCASE=") SetEditCase(key.Number());
  else if (name == "EDITPASSWORD=") {
    if (key.Yes()) SetPasswordChar('*');
  } else if (name == "EDITNUMBER=") {
    if (key.Yes()) {
      SetEditMask({});
      SetPasswordChar(0);
      SetNumbersOnly(true);
    }
  } else {
    return false;
  }
  return true;
}

// --- The control ------------------------------------------------------------

QWidget* TOrvalisEditField::InnerControl() const { return control_ != nullptr ? &control_->Widget() : nullptr; }

bool TOrvalisEditField::Masked() const { return !mask_.Empty() && !rules_.MultiLine; }

template <typename Change>
void TOrvalisEditField::Quietly(Change change) {
  const bool wasProgrammatic = programmatic_, wasQuiet = quiet_;
  programmatic_ = quiet_ = true;
  change();
  programmatic_ = wasProgrammatic;
  quiet_ = wasQuiet;
  shownValue_ = Text();
}

void TOrvalisEditField::DropControl() {
  if (control_ == nullptr) return;
  // Gone before it is deleted: the focus it loses on the way is no loss
  // of the field's.
  QWidget* widget = &control_->Widget();
  control_ = nullptr;
  widget->removeEventFilter(this);
  widget->disconnect(this);
  setFocusProxy(nullptr);
  delete widget;
}

void TOrvalisEditField::BuildControl() {
  QString text;
  bool focused = false;
  if (control_ != nullptr) {
    text = control_->Text();
    focused = control_->Widget().hasFocus();
    DropControl();
  }
  if (rules_.MultiLine) {
    auto* memo = new TEditMemo(rules_, this);
    memo->setLineWrapMode(wordWrap_ ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(scrollBar_ ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(scrollBar_ && !wordWrap_ ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    connect(memo, &QPlainTextEdit::textChanged, this, &TOrvalisEditField::ControlTextChanged);
    control_ = memo;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  } else {
    auto* line = new TEditLine(rules_, this);
    connect(line, &QLineEdit::textChanged, this, &TOrvalisEditField::ControlTextChanged);
    control_ = line;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  }
  QWidget& widget = control_->Widget();
  widget.installEventFilter(this);
  widget.setEnabled(EnabledState());
  widget.setAcceptDrops(acceptDrops_);
  control_->SetMaxLength(EffectiveMaxLength());
  Quietly([&] {
    ApplyMask();
    ApplyPassword();
    control_->ReplaceText(text, true);
  });
  setFocusProxy(&widget);
  UpdateTabStop();
  ApplyColours();
  PlaceControl();
  widget.show();
  if (focused) widget.setFocus(Qt::OtherFocusReason);
}

void TOrvalisEditField::ApplyMask() {
  const DateFormatSettings dates = Host() != nullptr ? Host()->Engine().Vars().DateSettings() : DateFormatSettings();
  mask_ = TranslateEditMask(editMask_.View(), dates.DateSeparator, dates.TimeSeparator);
  if (auto* line = dynamic_cast<TEditLine*>(control_)) Quietly([&] { line->setInputMask(mask_.QtMask); });
}

void TOrvalisEditField::ApplyPassword() {
  auto* line = dynamic_cast<TEditLine*>(control_);
  if (line == nullptr) return;
  if (passwordChar_ == 0) {
    line->setEchoMode(QLineEdit::Normal);
    line->setStyle(nullptr);
    passwordStyle_.reset();
    return;
  }
  auto style = std::make_unique<TEditPasswordStyle>(QChar(AnsiCharToUnicode(static_cast<unsigned char>(passwordChar_))));
  line->setStyle(style.get());
  passwordStyle_ = std::move(style);
  line->setEchoMode(QLineEdit::Password);
}

void TOrvalisEditField::SetEditMask(std::string_view mask) {
  editMask_.Set(mask);
  if (!mask.empty() && passwordChar_ != 0) {
    passwordChar_ = 0;
    ApplyPassword();
  }
  ApplyMask();
}

void TOrvalisEditField::SetMaxLength(int length) {
  maxLength_ = std::max(0, length);
  if (control_ != nullptr) control_->SetMaxLength(EffectiveMaxLength());
}

void TOrvalisEditField::SetEditCase(int letterCase) {
  if (letterCase < ecNormal || letterCase > ecLowerCase) return;
  rules_.LetterCase = letterCase;
}

void TOrvalisEditField::SetPasswordChar(char shown) {
  passwordChar_ = shown;
  if (shown != 0 && !editMask_.Empty()) {
    editMask_.Set({});
    ApplyMask();
  }
  ApplyPassword();
}

void TOrvalisEditField::SetMultiLine(bool value) {
  if (value == rules_.MultiLine) return;
  rules_.MultiLine = value;
  BuildControl();
}

void TOrvalisEditField::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  BuildControl();
}

void TOrvalisEditField::SetScrollBar(bool value) {
  if (value == scrollBar_) return;
  scrollBar_ = value;
  BuildControl();
}

void TOrvalisEditField::SetNumbersOnly(bool value) {
  if (value == rules_.NumbersOnly) return;
  rules_.NumbersOnly = value;
  BuildControl();
}

// --- Look and place -------------------------------------------------------------

QFont TOrvalisEditField::ControlFont() const { return CaptionFont(Font(), 1.0); }

void TOrvalisEditField::FontChanged() {
  ApplyColours();
  PlaceControl();
}

void TOrvalisEditField::ApplyColours() {
  if (control_ != nullptr) control_->SetColours(ResolveColour(FillColor()), ResolveColour(Font().Color));
}

QRect TOrvalisEditField::ControlRect() const {
  const QRect area = ClientArea();
  if (rules_.MultiLine) return area;
  const int line = std::clamp(LineWidth(), 0, kLargestCoordinate);
  // The height of "Mg" on a screen of 96 pixels per inch.
  const int textHeight = QFontMetrics(ControlFont()).size(Qt::TextSingleLine, QStringLiteral("Mg")).height();
  const int left = area.x() + line + 4;
  const int top = area.height() / 2 - textHeight / 2;
  const int width = std::max(0, area.width() - 2 * line - 5);
  return QRect(left, top, width, textHeight + 1);
}

void TOrvalisEditField::PlaceControl() {
  if (control_ == nullptr) return;
  QWidget& widget = control_->Widget();
  widget.setFont(ControlFont());
  widget.setGeometry(ControlRect());
}

void TOrvalisEditField::resizeEvent(QResizeEvent* event) {
  TOrvalisObj::resizeEvent(event);
  PlaceControl();
}

void TOrvalisEditField::UpdateTabStop() {
  UpdateInnerTabStop(control_ != nullptr ? &control_->Widget() : nullptr);
}

void TOrvalisEditField::SetEnabledState(bool value) {
  TOrvalisObj::SetEnabledState(value);
  if (control_ != nullptr) control_->Widget().setEnabled(value);
}

void TOrvalisEditField::PaintTo(QPainter& painter) {
  TOrvalisObj::PaintTo(painter);
  if (isHidden() || control_ == nullptr || control_->Widget().isHidden()) return;
  // A page painted before it was ever shown has had no resize events.
  PlaceControl();
  QWidget& widget = control_->Widget();
  painter.save();
  painter.translate(pos() + widget.pos());
  widget.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.restore();
}

// --- Text -----------------------------------------------------------------------

std::string TOrvalisEditField::Text() const {
  if (control_ == nullptr) return {};
  QString text;
  if (Masked())
    text = MaskedValue(mask_, static_cast<TEditLine*>(control_)->displayText());
  else
    text = control_->Text();
  if (rules_.MultiLine) text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return Utf8ToAnsi(text.toStdString());
}

QString TOrvalisEditField::ShownForm(std::string_view text) const {
  std::string value = WithCrLf(text);
  const std::size_t longest = static_cast<std::size_t>(EffectiveMaxLength());
  if (value.size() > longest) {
    // A line break is not cut in half.
    std::size_t cut = longest;
    if (cut > 0 && value[cut - 1] == '\r' && value[cut] == '\n') --cut;
    value.resize(cut);
  }
  QString shown = QString::fromStdString(AnsiToUtf8(value));
  if (rules_.MultiLine) shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return rules_.Cased(shown);
}

void TOrvalisEditField::SetText(std::string_view text) {
  if (control_ == nullptr) return;
  const bool was = programmatic_;
  programmatic_ = true;
  control_->ReplaceText(ShownForm(text), false);
  programmatic_ = was;
}

int TOrvalisEditField::SelectionStart() const {
  if (control_ == nullptr) return 0;
  return VariablePosition(control_->Text(), control_->SelectionStart(), rules_.MultiLine);
}

int TOrvalisEditField::SelectionLength() const {
  if (control_ == nullptr) return 0;
  const QString text = control_->Text();
  const int start = control_->SelectionStart();
  return VariablePosition(text, start + control_->SelectionLength(), rules_.MultiLine) -
         VariablePosition(text, start, rules_.MultiLine);
}

void TOrvalisEditField::SelectText(int start, int length) {
  if (control_ == nullptr) return;
  const QString text = control_->Text();
  const int from = ControlPosition(text, start, rules_.MultiLine);
  control_->Select(from, ControlPosition(text, start + length, rules_.MultiLine) - from);
}

TFindParts TOrvalisEditField::FindParts() {
  TFindParts parts = TOrvalisObj::FindParts();
  for (std::string_view script : {ChangeAction(), GainFocusAction(), LoseFocusAction()})
    if (!script.empty()) parts.Actions.push_back(script);
  // A search must not give a password away.
  if (passwordChar_ == 0) parts.Caption = Text();
  return parts;
}

std::string TOrvalisEditField::SelectedText() const {
  if (control_ == nullptr) return {};
  QString selected = control_->Text().mid(control_->SelectionStart(), control_->SelectionLength());
  if (rules_.MultiLine) selected.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return Utf8ToAnsi(selected.toStdString());
}

bool TOrvalisEditField::SatisfiesMask() const {
  if (!Masked()) return true;
  return static_cast<TEditLine*>(control_)->hasAcceptableInput();
}

void TOrvalisEditField::ControlTextChanged() {
  const std::string value = Text();
  if (value == shownValue_) return;
  shownValue_ = value;
  if (!programmatic_) changedSinceFocus_ = true;
  if (quiet_) return;
  if (!varName_.empty() && Host() != nullptr) Host()->Engine().Vars().SetVar(varName_, value);
  if (!Closing()) RunEventScript(changeAction_.View(), evEditChange);
}

void TOrvalisEditField::BoundVariableChanged(std::string_view value) {
  if (control_ == nullptr) return;
  const std::string incoming = WithCrLf(value);
  if (Text() == incoming) return;
  Quietly([&] { control_->ReplaceText(ShownForm(incoming), true); });
}

// --- Notifications -----------------------------------------------------------------

void TOrvalisEditField::Notify(int message, const std::string& text, const std::string& data) {
  switch (message) {
    case kMsgLoaded:
      UpdateTabStop();
      ApplyColours();
      PlaceControl();
      SetText(Txt());
      break;
    case kMsgMoved:
      UpdateTabStop();
      break;
    default:
      break;
  }
  TOrvalisObj::Notify(message, text, data);
}

void TOrvalisEditField::PageEntering() {
  TOrvalisObj::PageEntering();
  acceptDrops_ = true;
  if (control_ != nullptr) control_->Widget().setAcceptDrops(true);
}

void TOrvalisEditField::PageLeaving() {
  TOrvalisObj::PageLeaving();
  acceptDrops_ = false;
  if (control_ != nullptr) control_->Widget().setAcceptDrops(false);
}

// --- Focus and keys ------------------------------------------------------------------

void TOrvalisEditField::mousePressEvent(QMouseEvent* event) {
  // A click on the frame is a click for the text.
  if (event->button() == Qt::LeftButton && control_ != nullptr && EnabledState())
    control_->Widget().setFocus(Qt::MouseFocusReason);
  TOrvalisObj::mousePressEvent(event);
}

bool TOrvalisEditField::eventFilter(QObject* watched, QEvent* event) {
  if (control_ != nullptr && watched == &control_->Widget()) {
    switch (event->type()) {
      case QEvent::FocusIn: FocusGained(static_cast<QFocusEvent*>(event)->reason()); break;
      case QEvent::FocusOut: FocusLost(static_cast<QFocusEvent*>(event)->reason()); break;
      default: break;
    }
  }
  return TOrvalisObj::eventFilter(watched, event);
}

void TOrvalisEditField::FocusGained(Qt::FocusReason reason) {
  // Coming back to the window, or the field taking its focus back, goes on
  // with the same editing.
  if (!takingFocusBack && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    textAtFocus_ = control_->Text();
    changedSinceFocus_ = false;
  }
  if (EnabledState() && !Closing()) RunEventScript(gainFocusAction_.View(), evFocusChange, roRunNow);
}

void TOrvalisEditField::FocusLost(Qt::FocusReason reason) {
  // Only a text the reader changed is held back, once for this loss, never
  // when the window itself lost the focus or another field is taking its
  // focus back.
  const bool holdBack = changedSinceFocus_ && !SatisfiesMask() && !takingFocusBack && !takeBackPosted_ &&
                        reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !Closing();
  if (holdBack) {
    takeBackPosted_ = true;
    // Never from inside the focus change itself.
    QMetaObject::invokeMethod(this, [this] { TakeFocusBack(); }, Qt::QueuedConnection);
  }
  if (EnabledState() && !Closing()) RunEventScript(loseFocusAction_.View(), evFocusChange, roRunNow);
}

void TOrvalisEditField::TakeFocusBack() {
  takeBackPosted_ = false;
  if (control_ == nullptr || !isVisible() || !isEnabled() || Closing() || control_->Widget().hasFocus()) return;
  // Mended meanwhile (Esc, a script): nothing to hold back.
  if (!changedSinceFocus_ || SatisfiesMask()) return;
  if (Host() != nullptr) Host()->Engine().Vars().SetLastError(Message(msg::kInvalidInput));
  takingFocusBack = true;
  control_->Widget().setFocus(Qt::OtherFocusReason);
  takingFocusBack = false;
}

bool TOrvalisEditField::TakeEscape() {
  if (!Masked() || !changedSinceFocus_ || SatisfiesMask()) return false;
  // The change back is a change like any: the variable follows.
  control_->ReplaceText(textAtFocus_, true);
  changedSinceFocus_ = false;
  return true;
}

}  // namespace orv
