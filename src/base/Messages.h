#pragma once
// The player's own numbered messages (202 and up), looked up by number. Every
// message text the system shows comes from this one table.
#include <string_view>

namespace orv {

std::string_view Message(int number);  // empty when the number has no text
bool HasMessage(int number);

namespace msg {
inline constexpr int kOk = 202;
inline constexpr int kInvalidFileName = 205;
inline constexpr int kUnknownError = 227;
inline constexpr int kUnknown = 228;
inline constexpr int kReadOnlyVariable = 229;
inline constexpr int kNoSuchFile = 232;
inline constexpr int kResourceUnavailable = 236;
inline constexpr int kParamCount = 239;
inline constexpr int kNoSubroutine = 240;
inline constexpr int kMissingQuotes = 241;
inline constexpr int kSyntaxError = 242;
inline constexpr int kNoLabel = 244;
inline constexpr int kNoFunction = 245;
inline constexpr int kNoPage = 246;
inline constexpr int kUnknownCommand = 247;
inline constexpr int kNoSuchObject = 251;
inline constexpr int kInvalidObjectInfo = 252;
inline constexpr int kLoopNeedsVariable = 254;
inline constexpr int kPageChangeBlocked = 255;
inline constexpr int kInvalidApplication = 256;
inline constexpr int kFileMissing = 303;
inline constexpr int kPathMissing = 304;
inline constexpr int kInvalidInput = 320;
inline constexpr int kRestrictedCommand = 321;
inline constexpr int kMathSyntax = 323;
inline constexpr int kInvalidInteger = 324;
inline constexpr int kInvalidBoolean = 327;
inline constexpr int kInvalidDate = 328;
inline constexpr int kGlobalTypeFixed = 329;
inline constexpr int kInvalidVarType = 330;
inline constexpr int kInvalidCharacter = 336;
inline constexpr int kMissingBrace = 337;
inline constexpr int kInvalidOperator = 338;
inline constexpr int kMissingOperator = 339;
inline constexpr int kInvalidExpression = 340;
inline constexpr int kNoObjectCaption = 341;
inline constexpr int kNoObjectFileName = 342;
inline constexpr int kSinglePageNavigation = 345;
inline constexpr int kExitOutsideLoop = 346;
inline constexpr int kNotOnThisPlatform = 350;
inline constexpr int kTooManyNestedScripts = 351;
}  // namespace msg

}  // namespace orv
