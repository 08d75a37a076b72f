#pragma once
// The action errors that stop a script, and their texts.
#include <string>
#include <string_view>

namespace orv::ae {

inline constexpr int kMissingQuote = -1;
inline constexpr int kParamCount = -2;        // data: the command's minimum
inline constexpr int kLoopVariable = -3;
inline constexpr int kUnknownCommand = -4;
inline constexpr int kPageChangeBlocked = -5;
inline constexpr int kNoPage = -6;            // data: the page name
inline constexpr int kRestricted = -7;        // data: the command's name
inline constexpr int kNoLabel = -8;
inline constexpr int kNoSubroutine = -9;
inline constexpr int kMathSyntax = -10;
inline constexpr int kPopUpFile = -11;        // data: the file name
inline constexpr int kNoFunction = -12;       // data: the function file
inline constexpr int kBadKey = -13;
inline constexpr int kKeyBrace = -14;
inline constexpr int kBadOperator = -15;      // data: the operator text
inline constexpr int kNoOperator = -16;
inline constexpr int kBadCondition = -17;
inline constexpr int kSinglePageTest = -18;
inline constexpr int kExitOutsideLoop = -19;
inline constexpr int kFunctionError = -20;    // stop code only
inline constexpr int kTooDeep = -21;          // nesting of runs too deep

}  // namespace orv::ae

namespace orv {
std::string ActionErrorText(int code, std::string_view data);
}  // namespace orv
