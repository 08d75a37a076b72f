#include "commands/objectparams/ListIndexText.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {

ListIndex ReadListIndex(std::string_view text, char decimalSymbol) {
  ListIndex index;
  if (AnsiSameText(text, "ALL")) {
    index.What = ListIndex::Kind::All;
  } else if (AnsiSameText(text, "SELECTED")) {
    index.What = ListIndex::Kind::Selected;
  } else if (const auto number = ReadWholeNumber(text, decimalSymbol)) {
    index.What = ListIndex::Kind::Number;
    // Out of any list either way, whatever its size.
    index.Number = static_cast<int>(std::clamp<std::int64_t>(*number, std::numeric_limits<int>::min(),
                                                             std::numeric_limits<int>::max()));
  }
  return index;
}

}  // namespace orv
