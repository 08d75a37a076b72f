#pragma once
// The number parameters of MoveObject and SizeObject, read with the
// script's decimal symbol.
namespace orv {

class TActionEval;

// Parameter n as a page coordinate, clamped to +-16,777,215.
int CoordinateParam(TActionEval& eval, int n);
// Parameter n as a width or height: -1 keeps, other negatives are 0.
int SizeParam(TActionEval& eval, int n);

}  // namespace orv
