#include "commands/navigation/InputBoxForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/PlayerMessageBox.h"
#include "base/Ansi.h"
#include "commands/navigation/PlayerDialog.h"

namespace orv {

namespace {

constexpr int kMargin = 12;
constexpr int kEditGap = 8;     // prompt to edit field
constexpr int kButtonGap = 12;  // edit field to buttons
constexpr int kHalfSpace = 4;   // each button to the centre
constexpr int kMinButtonHeight = 25;
// The edit field fits this many average characters before the prompt
// widens it.
constexpr int kEditChars = 40;

}  // namespace

TInputBoxForm::TInputBoxForm(const TInputBoxRequest& request, const QFont& font, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(DialogText(request.Title));
  setFont(font);
  const QFontMetrics metrics(font);

  prompt_ = new QLabel(this);
  prompt_->setTextFormat(Qt::PlainText);
  prompt_->setMargin(0);
  prompt_->setIndent(0);
  prompt_->setText(DialogText(request.Prompt));
  const QSize promptSize = prompt_->sizeHint();

  edit_ = new QLineEdit(QString::fromStdString(AnsiToUtf8(request.Text)), this);
  const int editWidth = metrics.averageCharWidth() * kEditChars;
  const int clientWidth = std::max(editWidth, promptSize.width()) + 2 * kMargin;
  const int editTop = kMargin + promptSize.height() + kEditGap;
  const int editHeight = edit_->sizeHint().height();
  prompt_->setGeometry(kMargin, kMargin, promptSize.width(), promptSize.height());
  edit_->setGeometry(kMargin, editTop, clientWidth - 2 * kMargin, editHeight);

  ok_ = new QPushButton(ButtonCaption(request.OkCaption, QDialogButtonBox::Ok), this);
  cancel_ = new QPushButton(ButtonCaption(request.CancelCaption, QDialogButtonBox::Cancel), this);
  const int buttonWidth =
      std::max(metrics.horizontalAdvance(ok_->text()), metrics.horizontalAdvance(cancel_->text())) + 16;
  const int buttonHeight = std::max(kMinButtonHeight, metrics.height() + 4);
  const int buttonTop = editTop + editHeight + kButtonGap;
  const int centre = clientWidth / 2;
  ok_->setGeometry(centre - kHalfSpace - buttonWidth, buttonTop, buttonWidth, buttonHeight);
  cancel_->setGeometry(centre + kHalfSpace, buttonTop, buttonWidth, buttonHeight);
  // Enter in the field answers OK; on a button it presses that button.
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  setTabOrder(edit_, ok_);
  setTabOrder(ok_, cancel_);
  setFixedSize(clientWidth, buttonTop + buttonHeight + kMargin);
}

void TInputBoxForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit_->setFocus(Qt::OtherFocusReason);
  edit_->selectAll();
}

std::string TInputBoxForm::Run() {
  if (exec() != QDialog::Accepted) return std::string();
  return Utf8ToAnsi(edit_->text().toStdString());
}

}  // namespace orv
