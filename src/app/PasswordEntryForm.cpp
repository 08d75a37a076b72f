#include "app/PasswordEntryForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PlayerMessageBox.h"
#include "base/Ansi.h"
#include "base/Messages.h"

namespace orv {

TPasswordEntryForm::TPasswordEntryForm(std::string password, PasswordTexts texts, QWidget* parent)
    : QDialog(parent), password_(std::move(password)), texts_(std::move(texts)) {
  setWindowTitle(DialogText(texts_.Title));
  auto* layout = new QVBoxLayout(this);
  if (!texts_.Message.empty()) layout->addWidget(new QLabel(DialogText(texts_.Message), this));
  auto* promptRow = new QHBoxLayout;
  if (!texts_.Prompt.empty()) promptRow->addWidget(new QLabel(DialogText(texts_.Prompt), this));
  entry_ = new QLineEdit(this);
  entry_->setEchoMode(QLineEdit::Password);
  promptRow->addWidget(entry_);
  layout->addLayout(promptRow);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  // A publication without its own captions still gets usable buttons.
  ok_ = new QPushButton(texts_.Ok.empty() ? DialogText(Message(msg::kOk)) : DialogText(texts_.Ok), this);
  cancel_ = new QPushButton(texts_.Cancel.empty() ? QStringLiteral("Cancel") : DialogText(texts_.Cancel), this);
  ok_->setDefault(true);
  ok_->setEnabled(false);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(entry_, &QLineEdit::textChanged, this, [this](const QString& text) { ok_->setEnabled(!text.isEmpty()); });
  connect(ok_, &QPushButton::clicked, this, [this] { OkClicked(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TPasswordEntryForm::OkClicked() {
  if (entry_->text().isEmpty()) return;
  if (AnsiSameText(Utf8ToAnsi(entry_->text().toStdString()), password_)) {
    accept();
    return;
  }
  if (OnMismatch)
    OnMismatch(texts_.Title, texts_.Error, texts_.Ok);
  else
    ShowPlayerMessage(texts_.Title, texts_.Error, texts_.Ok, this);
  reject();
}

bool TPasswordEntryForm::Confirmed() { return exec() == QDialog::Accepted; }

}  // namespace orv
