#pragma once
// An exception caught in a window callback, shown to the user: an I/O error
// by its error text, running out of memory by message 209, anything else by
// its own message.
#include <exception>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace orv {

// Windows-1252 text for `error`; empty when there is nothing to say.
std::string ExceptionText(const std::exception& error);

// Shows ExceptionText in the player's message box, captioned `title`, with
// one `okCaption` button, over `window` when one is given; nothing for an
// empty text.
void ReportError(const std::exception& error, std::string_view title, std::string_view okCaption,
                 QWidget* window = nullptr);

// Runs `deliver` (an event's delivery, say); an exception it throws goes to
// `report` instead of through the event loop, which cannot pass it on.
// Returns what `deliver` returned, or false after an exception.
bool DeliverReportingErrors(const std::function<bool()>& deliver,
                            const std::function<void(const std::exception&)>& report);

}  // namespace orv
