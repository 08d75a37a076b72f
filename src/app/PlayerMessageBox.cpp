#include "app/PlayerMessageBox.h"

#include <QWidget>
#include <cstdio>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/TextForms.h"
#include "commands/navigation/QueryForm.h"
#include "container/PublicationKeyTable.h"

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
  // Over a publication window the alert takes its dialog font and picture.
  TWorkForm* window = parent != nullptr ? dynamic_cast<TWorkForm*>(parent->window()) : nullptr;
  TQueryRequest request;
  request.Title = title;
  request.Message = text;
  request.Captions = {std::string(button)};
  if (window != nullptr) request.PictureFile = window->PublicationSettings().Text("ALERTBOXIMAGE=");
  ShowQueryForm(request, window);
}

}  // namespace orv
