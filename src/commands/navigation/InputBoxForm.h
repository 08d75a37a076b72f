#pragma once
// The input box: a prompt, a one-line edit field and OK and Cancel.
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

// Texts are Windows-1252; "|" in Prompt is a line break. Empty captions
// show Qt's own OK and Cancel.
struct TInputBoxRequest {
  std::string Title;
  std::string Prompt;
  std::string Text;  // what the field starts with
  std::string OkCaption;
  std::string CancelCaption;
};

class TInputBoxForm : public QDialog {
 public:
  TInputBoxForm(const TInputBoxRequest& request, const QFont& font, QWidget* parent = nullptr);

  QLabel* Prompt() const { return prompt_; }
  QLineEdit* Edit() const { return edit_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // Runs the dialog: the edited text (Windows-1252) after OK, empty after
  // Cancel or Escape.
  std::string Run();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* prompt_;
  QLineEdit* edit_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace orv
