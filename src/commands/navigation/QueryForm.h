#pragma once
// The player's message dialog: a title, a message, up to 50 buttons and an
// icon or picture, answered by the number of the button pressed.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace orv {

class TWorkForm;

// Texts are Windows-1252; "|" in Message is a line break. An empty caption
// shows Qt's standard text: OK for a lone button, Yes and No for a pair.
struct TQueryRequest {
  std::string Title;
  std::string Message;
  std::vector<std::string> Captions;
  std::string PictureFile;
};

// Shows the modal message dialog over `window` (may be null) and returns
// the 1-based number of the button pressed, 0 for Escape or no buttons.
int ShowQueryForm(const TQueryRequest& request, TWorkForm* window);

class TQueryForm : public QDialog {
 public:
  static constexpr int kMaxButtons = 50;
  enum class Symbol { Alert, Question, Picture };

  // `screenWidth` 0: the width available on the screen the dialog opens on.
  TQueryForm(const TQueryRequest& request, const QFont& font, QWidget* parent = nullptr, int screenWidth = 0);

  const std::vector<QPushButton*>& Buttons() const { return buttons_; }
  QLabel* MessageLabel() const { return message_; }
  QLabel* PicturePanel() const { return panel_; }
  Symbol Shown() const { return symbol_; }

  // Runs the dialog: the number of the button pressed, 0 for Escape.
  int Run();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<QPushButton*> buttons_;
  QLabel* message_;
  QLabel* panel_;
  Symbol symbol_ = Symbol::Alert;
};

}  // namespace orv
