#include "script/HeadlessVarHost.h"

namespace orv {

THeadlessVarHost::THeadlessVarHost() {
  values_[svWindowLeft] = "0";
  values_[svWindowTop] = "0";
  values_[svWindowWidth] = "800";
  values_[svWindowHeight] = "600";
  values_[svClientWidth] = "800";
  values_[svClientHeight] = "600";
  values_[svPubWidth] = "800";
  values_[svPubHeight] = "600";
  values_[svWindowState] = "Normal";
  values_[svWindowOrder] = "Normal";
  values_[svScreenWidth] = "1024";
  values_[svScreenHeight] = "768";
  values_[svScreenColors] = "16777216";
  values_[svWinHandle] = "0";
  values_[svOVMode] = "R";
  values_[svOVType] = "A";
  values_[svPubDrive] = "C:";
  values_[svPubLeft] = "0";
  values_[svPubTop] = "0";
}

std::string THeadlessVarHost::ReadValue(SystemVar var) { return values_[var]; }

void THeadlessVarHost::WriteValue(SystemVar var, std::string_view value) {
  values_[var] = std::string(value);
}

TDateTime THeadlessVarHost::Now() { return heldNow_ ? *heldNow_ : LocalNow(); }

void THeadlessVarHost::LastErrorAssigned(std::string_view text, bool display) {
  if (display) shownErrors_.emplace_back(text);
}

}  // namespace orv
