#include "commands/navigation/PlayerDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>

#include "app/PlayerMessageBox.h"
#include "app/WorkForm.h"
#include "container/PublicationKeyTable.h"
#include "objects/OrvalisObj.h"
#include "objects/text/TextFont.h"

namespace orv {

QFont DialogFontOf(const PublicationKeyTable& settings) {
  TObjectFont font;
  font.Name = std::string(settings.Text("CUSTOMFONTNAME="));
  font.Size = settings.Number("CUSTOMFONTSIZE=");
  font.Style = settings.Number("CUSTOMFONTSTYLE=");
  if (font.Name.empty() || font.Size == 0) return QApplication::font();
  return TextFontOf(font);
}

QFont DialogFont(const TWorkForm* window) {
  return window != nullptr ? DialogFontOf(window->PublicationSettings()) : QApplication::font();
}

QString StandardButtonText(QDialogButtonBox::StandardButton button) {
  QDialogButtonBox box(button);
  const QPushButton* made = box.button(button);
  return made != nullptr ? made->text() : QString();
}

QString ButtonCaption(std::string_view ansi, QDialogButtonBox::StandardButton fallback) {
  return ansi.empty() ? StandardButtonText(fallback) : DialogText(ansi);
}

std::string_view LocalisedCaption(const TWorkForm* window, std::string_view key) {
  return window != nullptr ? window->LocalisedText(key) : std::string_view();
}

QWidget* DialogOwner(QWidget* window) {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return window != nullptr ? window->window() : nullptr;
}

TModalDialogScope::TModalDialogScope() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top->isMinimized()) top->setWindowState(top->windowState() & ~Qt::WindowMinimized);
  QApplication::setOverrideCursor(Qt::ArrowCursor);
}

TModalDialogScope::~TModalDialogScope() { QApplication::restoreOverrideCursor(); }

}  // namespace orv
