#include "app/WindowInput.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <iterator>

namespace orv {

namespace {

struct ModifierKey {
  Qt::KeyboardModifier modifier;
  int key;
};

constexpr ModifierKey kModifierKeys[] = {
    {Qt::ControlModifier, Qt::Key_Control},
    {Qt::AltModifier, Qt::Key_Alt},
    {Qt::ShiftModifier, Qt::Key_Shift},
    {Qt::MetaModifier, Qt::Key_Meta},
};

bool IsLatin1Printable(int key) { return (key >= 0x20 && key <= 0x7E) || (key >= 0xA0 && key <= 0xFF); }

// The text a keyboard puts on the key: control characters for the editing
// keys and Ctrl+letter, the character for a printable key (small unless
// Shift is down), nothing with Alt or Meta.
QString KeyText(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return {};
  if (modifiers & Qt::ControlModifier)
    return key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key - Qt::Key_A + 1)) : QString();
  switch (key) {
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Delete: return QStringLiteral("\x7f");
    default: break;
  }
  if (!IsLatin1Printable(key)) return {};
  const QChar c(key);
  return QString(modifiers & Qt::ShiftModifier ? c : c.toLower());
}

// The key that types `c`: Qt numbers a Latin-1 key after its capital
// letter; a character without a key of its own arrives as text alone.
int KeyTyping(char32_t c, Qt::KeyboardModifiers& modifiers) {
  if (c == '\t') return Qt::Key_Tab;
  if (c > 0xFF || !IsLatin1Printable(static_cast<int>(c))) return 0;
  if (QChar::isUpper(c)) modifiers |= Qt::ShiftModifier;
  const char32_t upper = QChar::toUpper(c);
  return static_cast<int>(upper <= 0xFF ? upper : c);
}

}  // namespace

TWindowInput::TWindowInput() { clock_.start(); }

void TWindowInput::FollowPointer(QWindow* window, QPoint at) {
  const bool inside = QRect(QPoint(), window->size()).contains(at);
  if (inside && under_ != window) {
    if (under_) {
      QEvent leave(QEvent::Leave);
      QGuiApplication::sendEvent(under_, &leave);
    }
    under_ = window;
    QEnterEvent enter(at, at, window->mapToGlobal(at));
    QGuiApplication::sendEvent(window, &enter);
  } else if (!inside && under_ == window && held_ == Qt::NoButton) {
    // A held button keeps the pointer the window's until it is let go.
    under_ = nullptr;
    QEvent leave(QEvent::Leave);
    QGuiApplication::sendEvent(window, &leave);
  }
}

void TWindowInput::SendMouse(QWindow* window, QEvent::Type type, QPoint at, Qt::MouseButton button) {
  if (!window || !window->isVisible()) return;
  QPointer<QWindow> target(window);
  // The pointer gets to a button's point before the button acts there:
  // that move is what sends enter and leave to the widgets on the way.
  if (type != QEvent::MouseMove && (pointerWindow_ != window || pointerAt_ != at)) {
    SendMouse(window, QEvent::MouseMove, at, Qt::NoButton);
    if (!target || !target->isVisible()) return;
  }
  if (type != QEvent::MouseButtonRelease) FollowPointer(window, at);
  if (!target) return;
  pointerWindow_ = window;
  pointerAt_ = at;
  if (type == QEvent::MouseButtonPress) held_ |= button;
  if (type == QEvent::MouseButtonRelease) held_ &= ~Qt::MouseButtons(button);
  QMouseEvent event(type, at, at, window->mapToGlobal(at), button, held_, Qt::NoModifier);
  event.setTimestamp(static_cast<quint64>(clock_.elapsed()));
  QGuiApplication::sendEvent(window, &event);
  if (type == QEvent::MouseButtonRelease && target) FollowPointer(target, at);
}

void TWindowInput::Move(QWindow* window, QPoint at) { SendMouse(window, QEvent::MouseMove, at, Qt::NoButton); }

void TWindowInput::Press(QWindow* window, QPoint at, Qt::MouseButton button) {
  SendMouse(window, QEvent::MouseButtonPress, at, button);
}

void TWindowInput::Release(QWindow* window, QPoint at, Qt::MouseButton button) {
  SendMouse(window, QEvent::MouseButtonRelease, at, button);
}

void TWindowInput::SendKey(QWindow* fallback, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                           const QString& text) {
  QWindow* target = QGuiApplication::focusWindow();
  // A modal dialog just shown may not have been given the focus yet; the
  // windows it blocks take no keys meanwhile.
  if (QWindow* modal = QGuiApplication::modalWindow(); modal && modal != target) target = modal;
  if (!target) target = fallback;
  if (!target) return;
  QKeyEvent event(type, key, modifiers, text);
  event.setTimestamp(static_cast<quint64>(clock_.elapsed()));
  QGuiApplication::sendEvent(target, &event);
}

void TWindowInput::KeyClick(QWindow* fallback, int combination) {
  QPointer<QWindow> window(fallback);
  const QKeyCombination keys = QKeyCombination::fromCombined(combination);
  const Qt::KeyboardModifiers wanted = keys.keyboardModifiers();
  Qt::KeyboardModifiers down;
  for (const ModifierKey& m : kModifierKeys) {
    if (!(wanted & m.modifier)) continue;
    down |= m.modifier;
    SendKey(window, QEvent::KeyPress, m.key, down, {});
  }
  const int key = static_cast<int>(keys.key());
  const QString text = KeyText(key, wanted);
  SendKey(window, QEvent::KeyPress, key, wanted, text);
  SendKey(window, QEvent::KeyRelease, key, wanted, text);
  for (auto m = std::rbegin(kModifierKeys); m != std::rend(kModifierKeys); ++m) {
    if (!(wanted & m->modifier)) continue;
    down &= ~Qt::KeyboardModifiers(m->modifier);
    SendKey(window, QEvent::KeyRelease, m->key, down, {});
  }
}

void TWindowInput::Type(QWindow* fallback, const QString& text) {
  QPointer<QWindow> window(fallback);
  for (const char32_t c : text.toUcs4()) {
    Qt::KeyboardModifiers modifiers;
    const int key = KeyTyping(c, modifiers);
    const QString typed = QString::fromUcs4(&c, 1);
    SendKey(window, QEvent::KeyPress, key, modifiers, typed);
    SendKey(window, QEvent::KeyRelease, key, modifiers, typed);
  }
}

}  // namespace orv
