#include "script/HeadlessScriptHost.h"

namespace orv {

void THeadlessScriptHost::ShowAlert(std::string_view text) {
  alerts_.emplace_back(text);
  if (!errors_) return;
  // One line per alert: the line breaks inside the text become blanks.
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  std::fprintf(errors_, "%s\n", line.c_str());
  std::fflush(errors_);
}

}  // namespace orv
