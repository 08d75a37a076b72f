// Shortcuts as publications store them, turned into Qt key combinations,
// and key events turned into the same form so the two compare.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QKeySequence>
#include <string>

#include "ui/ShortcutKey.h"

namespace orv {
namespace {

std::string Text(QKeyCombination combination) {
  if (combination == QKeyCombination()) return "(none)";
  const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
  std::string text;
  if (modifiers & Qt::ShiftModifier) text += "Shift+";
  if (modifiers & Qt::ControlModifier) text += "Ctrl+";
  if (modifiers & Qt::AltModifier) text += "Alt+";
  if (modifiers & Qt::MetaModifier) text += "Meta+";
  if (modifiers & Qt::KeypadModifier) text += "Keypad+";
  return text + QKeySequence(combination.key()).toString(QKeySequence::PortableText).toStdString();
}

QKeyCombination Keys(Qt::KeyboardModifiers modifiers, Qt::Key key) { return QKeyCombination(modifiers, key); }

TEST(ShortcutKey, VirtualKeysBecomeQtKeys) {
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
  const struct {
    int shortcut;
    QKeyCombination expected;
  } cases[] = {
      {0x41, Keys(none, Qt::Key_A)},
      {0x5A, Keys(none, Qt::Key_Z)},
      {0x30, Keys(none, Qt::Key_0)},
      {0x39, Keys(none, Qt::Key_9)},
      {0x70, Keys(none, Qt::Key_F1)},
      {0x7B, Keys(none, Qt::Key_F12)},
      {0x87, Keys(none, Qt::Key_F24)},
      {0x60, Keys(pad, Qt::Key_0)},
      {0x69, Keys(pad, Qt::Key_9)},
      {0x6A, Keys(pad, Qt::Key_Asterisk)},
      {0x6B, Keys(pad, Qt::Key_Plus)},
      {0x6D, Keys(pad, Qt::Key_Minus)},
      {0x6E, Keys(pad, Qt::Key_Period)},
      {0x6F, Keys(pad, Qt::Key_Slash)},
      {0x0D, Keys(none, Qt::Key_Return)},
      {0x1B, Keys(none, Qt::Key_Escape)},
      {0x20, Keys(none, Qt::Key_Space)},
      {0x08, Keys(none, Qt::Key_Backspace)},
      {0x09, Keys(none, Qt::Key_Tab)},
      {0x21, Keys(none, Qt::Key_PageUp)},
      {0x24, Keys(none, Qt::Key_Home)},
      {0x25, Keys(none, Qt::Key_Left)},
      {0x28, Keys(none, Qt::Key_Down)},
      {0x2D, Keys(none, Qt::Key_Insert)},
      {0x2E, Keys(none, Qt::Key_Delete)},
      {0xBA, Keys(none, Qt::Key_Semicolon)},
      {0xBB, Keys(none, Qt::Key_Equal)},
      {0xBC, Keys(none, Qt::Key_Comma)},
      {0xBD, Keys(none, Qt::Key_Minus)},
      {0xBE, Keys(none, Qt::Key_Period)},
      {0xBF, Keys(none, Qt::Key_Slash)},
      {0xC0, Keys(none, Qt::Key_QuoteLeft)},
      {0xDB, Keys(none, Qt::Key_BracketLeft)},
      {0xDC, Keys(none, Qt::Key_Backslash)},
      {0xDD, Keys(none, Qt::Key_BracketRight)},
      {0xDE, Keys(none, Qt::Key_Apostrophe)},
      {0x2041, Keys(Qt::ShiftModifier, Qt::Key_A)},
      {0x4041, Keys(Qt::ControlModifier, Qt::Key_A)},
      {0x8041, Keys(Qt::AltModifier, Qt::Key_A)},
      {0xE070, Keys(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::Key_F1)},
      {0x4060, Keys(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0)},
      {0x2031, Keys(Qt::ShiftModifier, Qt::Key_1)},
      // Nothing, a modifier alone, and keys Qt has no key for.
      {0, QKeyCombination()},
      {0x2000, QKeyCombination()},
      {0xE000, QKeyCombination()},
      {0x10, QKeyCombination()},
      {0x11, QKeyCombination()},
      {0x5B, QKeyCombination()},
      {0x07, QKeyCombination()},
      {0xFF, QKeyCombination()},
      {0x40FF, QKeyCombination()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text(ShortcutToKeyCombination(c.shortcut)), Text(c.expected)) << std::hex << c.shortcut;
}

TEST(ShortcutKey, KeyEventsMatchTheShortcutsTheyType) {
  const struct {
    const char* label;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int shortcut;
  } cases[] = {
      {"Shift+1 arrives as !", Qt::Key_Exclam, Qt::ShiftModifier, 0x2031},
      {"Shift+8 arrives as *", Qt::Key_Asterisk, Qt::ShiftModifier, 0x2038},
      {"Ctrl+Shift+/ arrives as ?", Qt::Key_Question, Qt::ShiftModifier | Qt::ControlModifier, 0x60BF},
      {"Shift+Tab arrives as Backtab", Qt::Key_Backtab, Qt::ShiftModifier, 0x2009},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 0x0D},
      {"Return", Qt::Key_Return, Qt::NoModifier, 0x0D},
      {"Ctrl+keypad Enter", Qt::Key_Enter, Qt::KeypadModifier | Qt::ControlModifier, 0x400D},
      {"keypad 5", Qt::Key_5, Qt::KeypadModifier, 0x65},
      {"keypad *", Qt::Key_Asterisk, Qt::KeypadModifier, 0x6A},
      {"Alt+F4", Qt::Key_F4, Qt::AltModifier, 0x8073},
      {"Meta does not count", Qt::Key_A, Qt::ControlModifier | Qt::MetaModifier, 0x4041},
      // Without Num Lock the keypad types the keys of the main block.
      {"keypad Left", Qt::Key_Left, Qt::KeypadModifier, 0x25},
      {"keypad Home", Qt::Key_Home, Qt::KeypadModifier, 0x24},
      {"Shift+keypad Page Down", Qt::Key_PageDown, Qt::KeypadModifier | Qt::ShiftModifier, 0x2022},
      {"keypad Delete", Qt::Key_Delete, Qt::KeypadModifier, 0x2E},
      {"keypad Clear", Qt::Key_Clear, Qt::KeypadModifier, 0x0C},
  };
  for (const auto& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(Text(KeyCombinationOfEvent(event)), Text(ShortcutToKeyCombination(c.shortcut))) << c.label;
  }
  // The main keyboard's digits and the keypad's are different keys.
  const QKeyEvent keypad5(QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier);
  EXPECT_NE(KeyCombinationOfEvent(keypad5), ShortcutToKeyCombination(0x35));
  const QKeyEvent main5(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier);
  EXPECT_NE(KeyCombinationOfEvent(main5), ShortcutToKeyCombination(0x65));
}

}  // namespace
}  // namespace orv
