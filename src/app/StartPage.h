#pragma once
// The page a publication starts on: "Config" for the screen-saver settings
// and a screen saver started without a switch, the page named by "/K", or
// the package's start page.
#include <string>
#include <string_view>
#include <vector>

#include "app/PlayerCommandLine.h"

namespace orv {

// `pageNames[0]` is the master page. `packageStartPage`: 1, or the page a
// test run names. Always an ordinary page (1 when there is nothing better),
// or 0 when the publication has no ordinary page.
int ChooseStartPage(const std::vector<std::string>& pageNames, const TPlayerCommandLine& commandLine,
                    int packageStartPage);

}  // namespace orv
