#include "app/PlayerMessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "base/Ansi.h"
#include "base/Messages.h"
#include "base/TextForms.h"

namespace orv {

QString DialogText(std::string_view ansi) {
  return QString::fromStdString(AnsiToUtf8(BarsToLineBreaks(ansi, "\n")));
}

void PrintPlayerMessage(std::string_view text) {
  std::string line = AnsiToUtf8(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  std::fprintf(stderr, "orvalis: %s\n", line.c_str());
  std::fflush(stderr);
}

void ShowPlayerMessage(std::string_view title, std::string_view text, std::string_view button, QWidget* parent) {
  PrintPlayerMessage(text);
  QMessageBox box(QMessageBox::Warning, DialogText(title), DialogText(text), QMessageBox::NoButton, parent);
  box.addButton(DialogText(button.empty() ? Message(msg::kOk) : button), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace orv
