#include "ui/ShortcutKey.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace orv {

namespace {

constexpr std::pair<int, Qt::Key> kNamedKeys[] = {
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},      {0x0C, Qt::Key_Clear},    {0x0D, Qt::Key_Return},
    {0x13, Qt::Key_Pause},     {0x14, Qt::Key_CapsLock}, {0x1B, Qt::Key_Escape},   {0x20, Qt::Key_Space},
    {0x21, Qt::Key_PageUp},    {0x22, Qt::Key_PageDown}, {0x23, Qt::Key_End},      {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},       {0x27, Qt::Key_Right},    {0x28, Qt::Key_Down},
    {0x2C, Qt::Key_Print},     {0x2D, Qt::Key_Insert},   {0x2E, Qt::Key_Delete},   {0x2F, Qt::Key_Help},
    {0x90, Qt::Key_NumLock},   {0x91, Qt::Key_ScrollLock},
    {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal},    {0xBC, Qt::Key_Comma},    {0xBD, Qt::Key_Minus},
    {0xBE, Qt::Key_Period},    {0xBF, Qt::Key_Slash},    {0xC0, Qt::Key_QuoteLeft}, {0xDB, Qt::Key_BracketLeft},
    {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
};

// Keypad keys: digits 0x60 to 0x69, then * + separator - . /
constexpr Qt::Key kKeypadOperators[] = {Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Comma,
                                        Qt::Key_Minus,    Qt::Key_Period, Qt::Key_Slash};

// What Shift makes of the keys of a US keyboard.
constexpr std::pair<Qt::Key, Qt::Key> kShifted[] = {
    {Qt::Key_Exclam, Qt::Key_1},        {Qt::Key_At, Qt::Key_2},          {Qt::Key_NumberSign, Qt::Key_3},
    {Qt::Key_Dollar, Qt::Key_4},        {Qt::Key_Percent, Qt::Key_5},     {Qt::Key_AsciiCircum, Qt::Key_6},
    {Qt::Key_Ampersand, Qt::Key_7},     {Qt::Key_Asterisk, Qt::Key_8},    {Qt::Key_ParenLeft, Qt::Key_9},
    {Qt::Key_ParenRight, Qt::Key_0},    {Qt::Key_Colon, Qt::Key_Semicolon}, {Qt::Key_Plus, Qt::Key_Equal},
    {Qt::Key_Less, Qt::Key_Comma},      {Qt::Key_Underscore, Qt::Key_Minus}, {Qt::Key_Greater, Qt::Key_Period},
    {Qt::Key_Question, Qt::Key_Slash},  {Qt::Key_AsciiTilde, Qt::Key_QuoteLeft},
    {Qt::Key_BraceLeft, Qt::Key_BracketLeft}, {Qt::Key_Bar, Qt::Key_Backslash},
    {Qt::Key_BraceRight, Qt::Key_BracketRight}, {Qt::Key_QuoteDbl, Qt::Key_Apostrophe},
    {Qt::Key_Backtab, Qt::Key_Tab},
};

Qt::Key KeyOfVirtualKey(int vk, bool& keypad) {
  keypad = false;
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return static_cast<Qt::Key>(vk);
  if (vk >= 0x70 && vk <= 0x87) return static_cast<Qt::Key>(Qt::Key_F1 + (vk - 0x70));
  if (vk >= 0x60 && vk <= 0x69) {
    keypad = true;
    return static_cast<Qt::Key>(Qt::Key_0 + (vk - 0x60));
  }
  if (vk >= 0x6A && vk <= 0x6F) {
    keypad = true;
    return kKeypadOperators[vk - 0x6A];
  }
  for (const auto& [code, key] : kNamedKeys)
    if (code == vk) return key;
  return Qt::Key_unknown;
}

bool IsKeypadOwnKey(Qt::Key key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return true;
  for (const Qt::Key op : kKeypadOperators)
    if (op == key) return true;
  return false;
}

}  // namespace

QKeyCombination ShortcutToKeyCombination(int shortcut) {
  const int vk = shortcut & 0xFF;
  if (vk == 0) return QKeyCombination();
  bool keypad = false;
  const Qt::Key key = KeyOfVirtualKey(vk, keypad);
  if (key == Qt::Key_unknown) return QKeyCombination();
  Qt::KeyboardModifiers mods;
  if (shortcut & kShortcutShift) mods |= Qt::ShiftModifier;
  if (shortcut & kShortcutCtrl) mods |= Qt::ControlModifier;
  if (shortcut & kShortcutAlt) mods |= Qt::AltModifier;
  if (keypad) mods |= Qt::KeypadModifier;
  return QKeyCombination(mods, key);
}

QKeyCombination KeyCombinationOfEvent(const QKeyEvent& event) {
  const Qt::KeyboardModifiers all = event.modifiers();
  Qt::KeyboardModifiers mods = all & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  auto key = static_cast<Qt::Key>(event.key());
  // Both Enter keys are one virtual key.
  if (key == Qt::Key_Enter) return QKeyCombination(mods, Qt::Key_Return);
  // Only the keypad's digits and operators are keys of their own; its
  // arrows, Home, Delete and the like are the main block's.
  const bool keypad = (all & Qt::KeypadModifier) != 0 && IsKeypadOwnKey(key);
  if (keypad) {
    mods |= Qt::KeypadModifier;
  } else if (mods & Qt::ShiftModifier) {
    for (const auto& [shifted, base] : kShifted)
      if (shifted == key) {
        key = base;
        break;
      }
  }
  return QKeyCombination(mods, key);
}

}  // namespace orv
