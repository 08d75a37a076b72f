#include "script/SystemVariables.h"

#include <unordered_map>

#include "base/Ansi.h"

namespace orv {
namespace {

constexpr SystemVarRec kSystemVars[] = {
    {"PageTitle", false},
    {"PageNumber", false},
    {"P", false},
    {"Time", false},
    {"Time24", false},
    {"Hour", false},
    {"Minute", false},
    {"Second", false},
    {"DateShort", false},
    {"DateLong", false},
    {"Month", false},
    {"MonthNum", false},
    {"Day", false},
    {"DayNum", false},
    {"Year", false},
    {"Clipboard", true},
    {"WindowLeft", true},
    {"WindowTop", true},
    {"WindowWidth", true},
    {"WindowHeight", true},
    {"WindowState", true},
    {"PubWidth", true},
    {"PubHeight", true},
    {"PubTitle", true},
    {"MailServer", true},
    {"CDRomDrive", false},
    {"CommandLine", false},
    {"CurrentDir", true},
    {"NetworkDrive", false},
    {"PubAuthor", false},
    {"PubColors", false},
    {"PubDir", false},
    {"PubDrive", false},
    {"ScreenColors", false},
    {"ScreenHeight", false},
    {"ScreenWidth", false},
    {"SystemDir", false},
    {"TempDir", false},
    {"UserName", false},
    {"WinHandle", false},
    {"WindowsDir", false},
    {"WindowsPlatform", false},
    {"WindowsVer", false},
    {"ClientWidth", true},
    {"ClientHeight", true},
    {"OVMode", false},
    {"Self", false},
    {"SystemLanguage", false},
    {"HDSerialNum", false},
    {"OrvalisVersion", false},
    {"Embedded", false},
    {"MyDocuments", false},
    {"ProgramFiles", false},
    {"OVType", false},
    {"WindowOrder", true},
    {"FocusedObject", false},
    {"AppTitle", true},
    {"SystemLanguageExt", false},
    {"PubVersion", false},
    {"PageNumberLeft", false},
    {"PageNumberRight", false},
    {"PageNumberOffset", true},
    {"PageCount", false},
    {"DecimalSymbol", true},
    {"PubLeft", false},
    {"PubTop", false},
};
static_assert(std::size(kSystemVars) == svCount);

}  // namespace

const SystemVarRec& SystemVarInfo(SystemVar var) { return kSystemVars[var]; }

std::optional<SystemVar> FindSystemVar(std::string_view name) {
  static const auto* index = [] {
    auto* map = new std::unordered_map<std::string_view, SystemVar, AnsiCaseHash, AnsiCaseEqual>();
    for (std::size_t i = 0; i < std::size(kSystemVars); ++i)
      map->emplace(kSystemVars[i].Name, static_cast<SystemVar>(i));
    return map;
  }();
  const auto it = index->find(name);
  if (it == index->end()) return std::nullopt;
  return it->second;
}

}  // namespace orv
