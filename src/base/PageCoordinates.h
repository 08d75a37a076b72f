#pragma once
// Page coordinates and sizes reach at most 16,777,215 either way: the
// largest a widget takes, whatever a document or a script asks for.
namespace orv {

inline constexpr int kLargestCoordinate = 16777215;

}  // namespace orv
