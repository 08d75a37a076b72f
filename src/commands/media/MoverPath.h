#pragma once
// The parameters of MoveObjectAlongPath as the mover takes them: the path
// text and the delay per step.
#include <QPoint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Turns a part of the path that is not a plain number into its value
// (arithmetic after substitution); left as it is when it is no expression.
using PathPartEvaluator = std::function<void(std::string& part)>;

// Numbers separated by ",", read in pairs (x, y): a part that is no number
// counts 0, a trailing odd number is ignored, values are truncated toward
// zero and kept within the coordinates a widget takes.
std::vector<QPoint> ReadMoverPath(std::string_view text, char decimalSymbol,
                                  const PathPartEvaluator& evaluate = {});

// Milliseconds between two steps, without sign (the largest negative
// number saturates); 15 when the text is no number.
int ReadMoverDelay(std::string_view text, char decimalSymbol);

}  // namespace orv
