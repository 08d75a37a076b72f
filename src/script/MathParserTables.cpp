#include "script/MathParserTables.h"

#include <array>
#include <initializer_list>

namespace orv {
namespace {

using Step = MathParseStep;
using Token = MathToken;

constexpr MathParseAction Shift(int state) { return {Step::kShift, static_cast<std::uint8_t>(state)}; }
constexpr MathParseAction Reduce(int production) { return {Step::kReduce, static_cast<std::uint8_t>(production)}; }
constexpr MathParseAction Accept() { return {Step::kAccept, 0}; }
constexpr MathParseAction Error() { return {Step::kError, 0}; }

// A set of states or productions written as a list, held as a bit set.
constexpr std::uint64_t Set(std::initializer_list<int> members) {
  std::uint64_t bits = 0;
  for (int m : members) bits |= std::uint64_t{1} << m;
  return bits;
}

constexpr bool Has(std::uint64_t set, int member) { return (set >> member) & 1u; }

struct TokenAction {
  Token token = Token::kBad;  // a bad token never has an action: marks a free slot
  MathParseAction action;
};

// One row of the action table: the states it applies to, what some tokens
// do and what every other token does.
struct ActionRow {
  std::uint64_t states;
  std::array<TokenAction, 4> tokens;
  MathParseAction other;
};

struct GotoEdge {
  std::uint64_t from = 0;
  int to = -1;
};

// A reduction's target states, for the productions sharing them.
struct GotoRow {
  std::uint64_t productions;
  std::array<GotoEdge, 5> edges;
};

// State 0's row comes first: states without a row of their own behave like it.
constexpr ActionRow kActionRows[] = {
    {Set({0, 9, 12, 13, 14, 15, 16, 20, 30}),
     {{{Token::kNumber, Shift(10)}, {Token::kFunction, Shift(11)}, {Token::kMinus, Shift(5)}, {Token::kOpen, Shift(9)}}},
     Error()},
    {Set({1}), {{{Token::kEnd, Accept()}, {Token::kPlus, Shift(12)}, {Token::kMinus, Shift(13)}}}, Error()},
    {Set({2}), {{{Token::kTimes, Shift(14)}, {Token::kDivide, Shift(15)}, {Token::kModulo, Shift(30)}}}, Reduce(3)},
    {Set({3}), {}, Reduce(6)},
    {Set({4}), {{{Token::kPower, Shift(16)}}}, Reduce(8)},
    {Set({5}), {{{Token::kNumber, Shift(10)}, {Token::kFunction, Shift(11)}, {Token::kOpen, Shift(9)}}}, Error()},
    {Set({6}), {}, Reduce(10)},
    {Set({8}), {}, Reduce(12)},
    {Set({10}), {}, Reduce(15)},
    {Set({11}), {{{Token::kOpen, Shift(20)}}}, Error()},
    {Set({17}), {}, Reduce(9)},
    {Set({19}), {{{Token::kPlus, Shift(12)}, {Token::kMinus, Shift(13)}, {Token::kClose, Shift(27)}}}, Error()},
    {Set({21}), {{{Token::kTimes, Shift(14)}, {Token::kDivide, Shift(15)}, {Token::kModulo, Shift(30)}}}, Reduce(1)},
    {Set({22}), {{{Token::kTimes, Shift(14)}, {Token::kDivide, Shift(15)}, {Token::kModulo, Shift(30)}}}, Reduce(2)},
    {Set({23}), {}, Reduce(4)},
    {Set({24}), {}, Reduce(5)},
    {Set({25}), {}, Reduce(7)},
    {Set({27}), {}, Reduce(14)},
    {Set({28}), {{{Token::kPlus, Shift(12)}, {Token::kMinus, Shift(13)}, {Token::kClose, Shift(29)}}}, Error()},
    {Set({29}), {}, Reduce(16)},
    {Set({31}), {}, Reduce(32)},
};

constexpr GotoRow kGotoRows[] = {
    {Set({1, 2, 3}), {{{Set({0}), 1}, {Set({9}), 19}, {Set({20}), 28}}}},
    {Set({4, 5, 6}), {{{Set({0, 9, 20}), 2}, {Set({12}), 21}, {Set({13}), 22}}}},
    {Set({7, 8}),
     {{{Set({0, 9, 12, 13, 20}), 3}, {Set({14}), 23}, {Set({15}), 24}, {Set({16}), 25}, {Set({30}), 31}}}},
    {Set({9, 10}), {{{Set({0, 9, 12, 13, 14, 15, 16, 20, 30}), 4}}}},
    {Set({12}), {{{Set({0, 9, 12, 13, 14, 15, 16, 20, 30}), 6}, {Set({5}), 17}}}},
    {Set({14, 15, 16, 32}), {{{Set({0, 5, 9, 12, 13, 14, 15, 16, 20, 30}), 8}}}},
};

struct ProductionLength {
  int production;
  int length;
};
constexpr ProductionLength kProductionLengths[] = {
    {1, 3}, {2, 3}, {3, 1}, {4, 3}, {5, 3}, {32, 3}, {6, 1}, {7, 3},
    {8, 1}, {9, 2}, {10, 1}, {12, 1}, {14, 3}, {15, 1}, {16, 4},
};

using ActionTable = std::array<std::array<MathParseAction, kMathTokenCodes>, kMathParserStates>;
using GotoTable = std::array<std::array<std::int8_t, kMathParserStates>, kMathProductions>;

constexpr std::array<MathParseAction, kMathTokenCodes> ExpandRow(const ActionRow& row) {
  std::array<MathParseAction, kMathTokenCodes> dense{};
  for (auto& cell : dense) cell = row.other;
  for (const TokenAction& t : row.tokens)
    if (t.token != Token::kBad) dense[static_cast<int>(t.token)] = t.action;
  return dense;
}

constexpr ActionTable BuildActionTable() {
  ActionTable table{};
  const auto startRow = ExpandRow(kActionRows[0]);
  for (auto& row : table) row = startRow;
  for (const ActionRow& row : kActionRows)
    for (int state = 0; state < kMathParserStates; ++state)
      if (Has(row.states, state)) table[state] = ExpandRow(row);
  return table;
}

constexpr GotoTable BuildGotoTable() {
  GotoTable table{};
  for (auto& row : table)
    for (auto& cell : row) cell = -1;
  for (const GotoRow& row : kGotoRows)
    for (int production = 0; production < kMathProductions; ++production)
      if (Has(row.productions, production))
        for (const GotoEdge& edge : row.edges)
          for (int state = 0; state < kMathParserStates; ++state)
            if (Has(edge.from, state)) table[production][state] = static_cast<std::int8_t>(edge.to);
  return table;
}

constexpr std::array<std::int8_t, kMathProductions> BuildLengths() {
  std::array<std::int8_t, kMathProductions> lengths{};
  for (const ProductionLength& p : kProductionLengths) lengths[p.production] = static_cast<std::int8_t>(p.length);
  return lengths;
}

constexpr ActionTable kActionTable = BuildActionTable();
constexpr GotoTable kGotoTable = BuildGotoTable();
constexpr std::array<std::int8_t, kMathProductions> kLengths = BuildLengths();

}  // namespace

MathParseAction MathParseActionFor(int state, MathToken token) {
  if (state < 0 || state >= kMathParserStates) return Error();
  return kActionTable[state][static_cast<int>(token)];
}

int MathGotoState(int production, int state) {
  if (production < 0 || production >= kMathProductions || state < 0 || state >= kMathParserStates) return -1;
  return kGotoTable[production][state];
}

int MathProductionLength(int production) {
  if (production < 0 || production >= kMathProductions) return 0;
  return kLengths[production];
}

}  // namespace orv
