#include "app/StartPage.h"

#include "base/Ansi.h"

namespace orv {

namespace {

int PageNamed(const std::vector<std::string>& pageNames, std::string_view name) {
  for (std::size_t i = 1; i < pageNames.size(); ++i)
    if (AnsiSameText(pageNames[i], name)) return static_cast<int>(i);
  return 0;
}

}  // namespace

int ChooseStartPage(const std::vector<std::string>& pageNames, const TPlayerCommandLine& commandLine,
                    int packageStartPage) {
  const int count = static_cast<int>(pageNames.size());
  if (count < 2) return 0;
  int page = 0;
  if (commandLine.RunMode == cmdmode::kSaverNoSwitch || commandLine.RunMode == cmdmode::kSaverSettings) {
    page = PageNamed(pageNames, "Config");
  } else if (commandLine.HasStartPage && !commandLine.StartPage.empty()) {
    page = PageNamed(pageNames, commandLine.StartPage);
  } else {
    page = packageStartPage;
  }
  return page >= 1 && page < count ? page : 1;
}

}  // namespace orv
