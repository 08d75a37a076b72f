#include "app/ErrorReport.h"

#include <new>
#include <system_error>

#include "app/PlayerMessageBox.h"
#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/Messages.h"

namespace orv {

std::string ExceptionText(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) return ErrorText(err::kOutOfMemory);
  // On this system both categories carry errno values.
  if (const auto* io = dynamic_cast<const std::system_error*>(&error);
      io && (io->code().category() == std::generic_category() || io->code().category() == std::system_category()))
    return ErrorText(ErrorCodeFromErrno(io->code().value()));
  return Utf8ToAnsi(error.what());
}

void ReportError(const std::exception& error, std::string_view title, std::string_view okCaption,
                 QWidget* window) {
  const std::string text = ExceptionText(error);
  if (!text.empty()) ShowPlayerMessage(title, text, okCaption, window);
}

bool DeliverReportingErrors(const std::function<bool()>& deliver,
                            const std::function<void(const std::exception&)>& report) {
  try {
    return deliver();
  } catch (const std::exception& error) {
    if (report) report(error);
    return false;
  }
}

}  // namespace orv
