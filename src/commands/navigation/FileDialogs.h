#pragma once
// The file-open, file-save and folder dialogs of the scripts. They are Qt's
// own widgets, never the desktop's, so that an unattended run and the input
// replay reach them like any other dialog.
#include <QFileDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

class QFont;

namespace orv {

// "desc|pattern|desc|pattern..." as Qt name filters: "desc (p1 p2)" from
// "p1;p2", "*.*" being "*". A lone last part is dropped.
QStringList QtNameFilters(std::string_view filter);

// `hostPath` with every trailing "." of its last component removed.
QString WithoutTrailingDots(const QString& hostPath);

// The chosen paths as a script gets them: Windows-1252, joined by ";".
// Nothing when a path holds a character Windows-1252 cannot: the script
// would get "?" in its place and so name another file.
std::optional<std::string> ScriptPaths(const QStringList& hostPaths);

// Texts and names are Windows-1252.
struct TFileDialogRequest {
  std::string Title;   // empty: Qt's own title
  std::string Filter;  // see QtNameFilters
  std::string Start;   // the folder to open in, or a file in it to propose
  bool Multiple = false;
};

// The dialog of every kind: it opens with the name field focused, and when
// saving a name typed with trailing dots is taken without them, replacing
// an existing file being asked about for that name.
class TScriptFileDialog : public QFileDialog {
 public:
  TScriptFileDialog(AcceptMode mode, QWidget* parent);
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;
};

// Each runs its dialog modally over `parent` in `font`; the chosen host
// paths, none after Cancel.
QStringList RunFileOpenDialog(const TFileDialogRequest& request, const QFont& font, QWidget* parent);
QStringList RunFileSaveDialog(const TFileDialogRequest& request, const QFont& font, QWidget* parent);
// Only folders show; the folder of `request.Start` is opened and a new
// folder may be made.
QStringList RunFolderDialog(const TFileDialogRequest& request, const QFont& font, QWidget* parent);

}  // namespace orv
