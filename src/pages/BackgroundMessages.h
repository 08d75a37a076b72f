#pragma once
// The notifications pages pass to their objects, by number. The numbers are
// the ones plug-ins and the debugger see, so they are kept as they are.
namespace orv {

inline constexpr int kMsgLoaded = 1224;
inline constexpr int kMsgSuspendResume = 1225;
inline constexpr int kMsgVariableChanged = 1226;
inline constexpr int kMsgPageLeaving = 1227;
inline constexpr int kMsgPageEntering = 1228;
inline constexpr int kMsgPageShown = 1229;  // also: an area was redrawn
inline constexpr int kMsgMoved = 1230;
inline constexpr int kMsgPaintBeneath = 1233;
inline constexpr int kMsgPostedScript = 1234;
inline constexpr int kMsgRealign = 1236;
inline constexpr int kMsgHostNotify = 1274;  // also: the publication is closing
inline constexpr int kMsgActivation = 1324;
inline constexpr int kMsgPageChange = 1325;

}  // namespace orv
