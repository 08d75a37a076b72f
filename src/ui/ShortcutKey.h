#pragma once
// Shortcuts as publications store them: a Windows virtual-key code in the
// low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt. Hot keys of objects and
// menu items both come this way.
#include <QKeyCombination>

class QKeyEvent;

namespace orv {

inline constexpr int kShortcutShift = 0x2000;
inline constexpr int kShortcutCtrl = 0x4000;
inline constexpr int kShortcutAlt = 0x8000;

// An empty combination for 0 or a virtual key Qt has no key for.
QKeyCombination ShortcutToKeyCombination(int shortcut);

// The key event as a combination comparable with the converted shortcuts:
// only Shift, Ctrl and Alt count, keypad digits stay keypad keys, and a
// symbol typed with Shift is taken as the key it sits on (Shift+1, not "!").
QKeyCombination KeyCombinationOfEvent(const QKeyEvent& event);

}  // namespace orv
