// The system variables the publication window answers and acts on.
#include <QGuiApplication>
#include <QWindow>
#include <charconv>

#include "app/WorkForm.h"

#include "objects/OrvalisObj.h"
#include "base/Ansi.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {

namespace {

// Integers written to the window are read with a default of 0.
int WrittenNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '+')) text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

bool TWorkForm::AnswersValue(SystemVar var) {
  switch (var) {
    case svWindowLeft: case svWindowTop: case svWindowWidth: case svWindowHeight:
    case svWindowState: case svPubWidth: case svPubHeight: case svPubTitle:
    case svClientWidth: case svClientHeight: case svWinHandle: case svWindowOrder:
    case svPubLeft: case svPubTop: case svFocusedObject:
      return true;
    default:
      return false;
  }
}

std::string TWorkForm::WindowValue(SystemVar var) const {
  const QRect frame = frameGeometry();
  switch (var) {
    case svWindowLeft: return std::to_string(frame.left());
    case svWindowTop: return std::to_string(frame.top());
    case svWindowWidth: return std::to_string(frame.width());
    case svWindowHeight: return std::to_string(frame.height());
    case svClientWidth: return std::to_string(width());
    case svClientHeight: return std::to_string(height());
    case svWindowState:
      if (isMinimized()) return "Minimized";
      if (isMaximized()) return "Maximized";
      return "Normal";
    case svPubWidth: return std::to_string(publicationArea_.width());
    case svPubHeight: return std::to_string(publicationArea_.height());
    case svPubTitle: return Utf8ToAnsi(windowTitle().toStdString());
    case svWinHandle: return std::to_string(static_cast<unsigned long long>(internalWinId()));
    case svWindowOrder:
      return settings_.Order == woOnTop ? "OnTop" : settings_.Order == woOnBottom ? "OnBottom" : "Normal";
    case svPubLeft: return std::to_string(geometry().left());
    case svPubTop: return std::to_string(geometry().top());
    case svFocusedObject: return TOrvalisObj::FocusedObjectName();
    default: return {};
  }
}

void TWorkForm::SetWindowOrder(int order) {
  if (order == settings_.Order) return;  // nothing happens when it stays
  settings_.Order = order;
  ApplyFrame();
}

void TWorkForm::SetWindowValue(SystemVar var, std::string_view value) {
  const QRect frame = frameGeometry();
  switch (var) {
    case svWindowLeft:
    case svWindowTop: {
      const QPoint to = var == svWindowLeft ? QPoint(WrittenNumber(value), frame.top())
                                            : QPoint(frame.left(), WrittenNumber(value));
      // The position lock now holds the new place.
      lockedPosition_ = to;
      move(to);
      return;
    }
    case svWindowWidth:
      resize(std::max(1, WrittenNumber(value) - (frame.width() - width())), height());
      return;
    case svWindowHeight:
      resize(width(), std::max(1, WrittenNumber(value) - (frame.height() - height())));
      return;
    case svClientWidth: resize(std::max(1, WrittenNumber(value)), height()); return;
    case svClientHeight: resize(width(), std::max(1, WrittenNumber(value))); return;
    case svPubWidth:
      ApplyWindowSize(std::max(1, WrittenNumber(value)), publicationArea_.height());
      return;
    case svPubHeight:
      ApplyWindowSize(publicationArea_.width(), std::max(1, WrittenNumber(value)));
      return;
    case svPubTitle: setWindowTitle(QString::fromStdString(AnsiToUtf8(value))); return;
    case svWindowState: {
      const std::string state = Trimmed(value);
      if (AnsiSameText(state, "MINIMIZED")) {
        showMinimized();
        return;
      }
      if (AnsiSameText(state, "MAXIMIZED"))
        showMaximized();
      else if (isMinimized() || isMaximized())
        showNormal();
      else
        show();
      raise();
      activateWindow();
      return;
    }
    case svWindowOrder: {
      const std::string order = Trimmed(value);
      SetWindowOrder(AnsiSameText(order, "ONTOP") ? woOnTop : AnsiSameText(order, "ONBOTTOM") ? woOnBottom : woNormal);
      return;
    }
    default: return;
  }
}

}  // namespace orv
