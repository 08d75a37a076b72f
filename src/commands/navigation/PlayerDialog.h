#pragma once
// What every dialog the scripts open shares: the publication's dialog font,
// button captions that fall back to Qt's own, the owner window, and the
// state the application is put in while one is up.
#include <QDialogButtonBox>
#include <QFont>
#include <QString>
#include <string_view>

class QWidget;

namespace orv {

class PublicationKeyTable;
class TWorkForm;

// "CUSTOMFONTNAME=", "CUSTOMFONTSIZE=" and "CUSTOMFONTSTYLE=".
QFont DialogFontOf(const PublicationKeyTable& settings);
// The dialog font of `window`'s publication; the application's font without
// a window.
QFont DialogFont(const TWorkForm* window);

// Qt's own text of a standard button.
QString StandardButtonText(QDialogButtonBox::StandardButton button);
// A Windows-1252 caption ("|" a line break), or Qt's text for `fallback`
// when the publication left it empty.
QString ButtonCaption(std::string_view ansi, QDialogButtonBox::StandardButton fallback);
// `window`'s "L_" text for `key` as a Windows-1252 caption; empty without a
// window.
std::string_view LocalisedCaption(const TWorkForm* window, std::string_view key);

// The window a dialog belongs to: the active one, else `window`.
QWidget* DialogOwner(QWidget* window);

// While alive: the application's minimised windows are restored and the
// mouse cursor shows as an arrow, whatever a busy script or a screen saver
// set.
class TModalDialogScope {
 public:
  TModalDialogScope();
  ~TModalDialogScope();
  TModalDialogScope(const TModalDialogScope&) = delete;
  TModalDialogScope& operator=(const TModalDialogScope&) = delete;
};

}  // namespace orv
