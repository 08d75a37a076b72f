#pragma once
// The variables the system computes when they are read. They hold no values
// of their own; the writable ones act on the window or the engine.
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// In table order; the order is the variables' numbering.
enum SystemVar : std::uint8_t {
  svPageTitle,
  svPageNumber,
  svP,
  svTime,
  svTime24,
  svHour,
  svMinute,
  svSecond,
  svDateShort,
  svDateLong,
  svMonth,
  svMonthNum,
  svDay,
  svDayNum,
  svYear,
  svClipboard,
  svWindowLeft,
  svWindowTop,
  svWindowWidth,
  svWindowHeight,
  svWindowState,
  svPubWidth,
  svPubHeight,
  svPubTitle,
  svMailServer,
  svCDRomDrive,
  svCommandLine,
  svCurrentDir,
  svNetworkDrive,
  svPubAuthor,
  svPubColors,
  svPubDir,
  svPubDrive,
  svScreenColors,
  svScreenHeight,
  svScreenWidth,
  svSystemDir,
  svTempDir,
  svUserName,
  svWinHandle,
  svWindowsDir,
  svWindowsPlatform,
  svWindowsVer,
  svClientWidth,
  svClientHeight,
  svOVMode,
  svSelf,
  svSystemLanguage,
  svHDSerialNum,
  svOrvalisVersion,
  svEmbedded,
  svMyDocuments,
  svProgramFiles,
  svOVType,
  svWindowOrder,
  svFocusedObject,
  svAppTitle,
  svSystemLanguageExt,
  svPubVersion,
  svPageNumberLeft,
  svPageNumberRight,
  svPageNumberOffset,
  svPageCount,
  svDecimalSymbol,
  svPubLeft,
  svPubTop,
  svCount
};

struct SystemVarRec {
  std::string_view Name;
  bool Writable;
};

const SystemVarRec& SystemVarInfo(SystemVar var);
// The system variable of that name (without brackets, any case).
std::optional<SystemVar> FindSystemVar(std::string_view name);

}  // namespace orv
