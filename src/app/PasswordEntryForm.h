#pragma once
// The password prompt of "STARTPASSWORD=" and "EXITPASSWORD=": OK stays
// disabled while the entry is empty; OK compares without regard to case and
// a mismatch shows the publication's error alert before refusing.
#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

namespace orv {

// The dialog's texts, Windows-1252, from the publication's "L_" keys.
struct PasswordTexts {
  std::string Title;    // "L_PWORDTITLE="
  std::string Message;  // "L_PWORDMSG=", "|" for a line break
  std::string Prompt;   // "L_PWORDPROMPT="
  std::string Ok;       // "L_OK="
  std::string Cancel;   // "L_CANCEL="
  std::string Error;    // "L_PWORDERROR="
};

class TPasswordEntryForm : public QDialog {
 public:
  TPasswordEntryForm(std::string password, PasswordTexts texts, QWidget* parent = nullptr);

  QLineEdit* Entry() const { return entry_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // Shows the mismatch alert (title, text, button; Windows-1252); the
  // player's message box unless replaced.
  std::function<void(const std::string&, const std::string&, const std::string&)> OnMismatch;

  // Runs the dialog; true when the right password was given.
  bool Confirmed();

 private:
  void OkClicked();

  std::string password_;
  PasswordTexts texts_;
  QLineEdit* entry_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace orv
