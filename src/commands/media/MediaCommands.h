#pragma once
// The commands of timers, animated pictures, cartoons, object movers and
// the media list. Their bodies act on the publication window they find
// through the player's script host.
namespace orv {

class TCommandTable;

// Binds every group below.
void RegisterMediaCommands(TCommandTable& table);
// TimerStart, TimerStop, GIFPlay, GIFStop.
void RegisterTimerAndAnimatorCommands(TCommandTable& table);
// MoveObjectAlongPath, StopMovingObject.
void RegisterMoverCommands(TCommandTable& table);
// PlayCartoonFile, StopMedia.
void RegisterCartoonCommands(TCommandTable& table);

}  // namespace orv
