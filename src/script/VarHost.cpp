#include "script/VarHost.h"

namespace orv {

bool IsHostValue(SystemVar var) {
  switch (var) {
    case svClipboard: case svWindowLeft: case svWindowTop: case svWindowWidth:
    case svWindowHeight: case svWindowState: case svPubWidth: case svPubHeight:
    case svPubTitle: case svMailServer: case svCommandLine: case svPubAuthor:
    case svPubColors: case svPubDir: case svPubDrive: case svScreenColors:
    case svScreenHeight: case svScreenWidth: case svWinHandle: case svClientWidth:
    case svClientHeight: case svOVMode: case svOVType: case svWindowOrder:
    case svFocusedObject: case svAppTitle: case svPubVersion: case svPubLeft:
    case svPubTop:
      return true;
    default:
      return false;
  }
}

}  // namespace orv
