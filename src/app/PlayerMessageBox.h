#pragma once
// The player's alert for what it reports by itself (a publication that
// cannot be opened, an error caught in a window callback, a shown
// "[LastError]"): the message dialog with one button, "|" as a line break,
// over a publication window in its dialog font with its "ALERTBOXIMAGE="
// picture. Every text shown is also written to standard error, so an
// unattended run leaves a trace of it. Texts are Windows-1252; an empty
// button caption shows Qt's own OK.
#include <QString>
#include <string_view>

class QWidget;

namespace orv {

void ShowPlayerMessage(std::string_view title, std::string_view text, std::string_view button,
                       QWidget* parent = nullptr);

// A Windows-1252 text as a dialog shows it: "|" is a line break.
QString DialogText(std::string_view ansi);

// The text alone on standard error, as "orvalis: TEXT" in UTF-8.
void PrintPlayerMessage(std::string_view text);

}  // namespace orv
