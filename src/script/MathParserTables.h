#pragma once
// The shift-reduce tables of the math expression grammar:
//
//   1 E -> E + T     2 E -> E - T     3 E -> T
//   4 T -> T * F     5 T -> T / F    32 T -> T & F     6 T -> F
//   7 F -> K ^ F     8 F -> K
//   9 K -> - P      10 K -> P
//  12 P -> U
//  14 U -> ( E )    15 U -> number   16 U -> function ( E )
//
// The tables are kept as data, the way the grammar is usually written down,
// and expanded into dense lookup arrays at compile time.
#include <cstdint>

#include "script/MathTokenizer.h"

namespace orv {

inline constexpr int kMathParserStates = 32;
inline constexpr int kMathProductions = 33;  // numbered 1..32, some unused

enum class MathParseStep : std::uint8_t { kError, kShift, kReduce, kAccept };

struct MathParseAction {
  MathParseStep step = MathParseStep::kError;
  std::uint8_t target = 0;  // the new state of a shift, the production of a reduce
};

// The action for the state on top of the stack and the token read.
MathParseAction MathParseActionFor(int state, MathToken token);
// The state pushed after reducing by `production` when `state` is left on
// top; -1 when the grammar never gets there.
int MathGotoState(int production, int state);
// The number of stack entries the production's right-hand side occupies.
int MathProductionLength(int production);

}  // namespace orv
