#pragma once
// Work the publication window does later, once the event loop comes back
// to it: a posted script or subroutine (1234), the activate or deactivate
// script (1324) and a page change (1325). Each is a custom event whose type
// keeps the window's message number on top of QEvent::User.
#include <QEvent>
#include <cstdint>
#include <string>

#include "pages/BackgroundMessages.h"

namespace orv {

inline constexpr QEvent::Type kPostedScriptEvent = static_cast<QEvent::Type>(QEvent::User + kMsgPostedScript);
inline constexpr QEvent::Type kActivationEvent = static_cast<QEvent::Type>(QEvent::User + kMsgActivation);
inline constexpr QEvent::Type kPageChangeEvent = static_cast<QEvent::Type>(QEvent::User + kMsgPageChange);

// True for the three kinds above.
inline bool IsPostedWork(QEvent::Type type) {
  return type == kPostedScriptEvent || type == kActivationEvent || type == kPageChangeEvent;
}

class TPostedScriptEvent : public QEvent {
 public:
  // `subroutine` true: `script` is the label of a subroutine to run.
  // `options` are the run's options (1 no page change, 2 restricted, 4 run
  // now).
  TPostedScriptEvent(std::string script, std::uint8_t source, std::string sourceName, bool subroutine = false,
                     std::uint8_t options = 0)
      : QEvent(kPostedScriptEvent),
        Script(std::move(script)),
        Source(source),
        SourceName(std::move(sourceName)),
        Subroutine(subroutine),
        Options(options) {}
  const std::string Script;
  const std::uint8_t Source;
  const std::string SourceName;
  const bool Subroutine;
  const std::uint8_t Options;
};

class TActivationEvent : public QEvent {
 public:
  explicit TActivationEvent(bool active) : QEvent(kActivationEvent), Active(active) {}
  const bool Active;
};

class TPageChangeEvent : public QEvent {
 public:
  explicit TPageChangeEvent(int index) : QEvent(kPageChangeEvent), Index(index) {}
  const int Index;
};

}  // namespace orv
