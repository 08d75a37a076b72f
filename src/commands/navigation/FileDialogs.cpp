#include "commands/navigation/FileDialogs.h"

#include <QFileInfo>
#include <QFont>
#include <QLineEdit>
#include <vector>

#include "app/PlayerMessageBox.h"
#include "base/Ansi.h"
#include "base/HostPath.h"

namespace orv {

namespace {

QString FromAnsi(std::string_view ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

QString QtPatterns(std::string_view patterns) {
  QStringList out;
  for (std::string_view part : SplitAt(patterns, ';')) {
    const QString pattern = FromAnsi(part).trimmed();
    if (pattern.isEmpty()) continue;
    out << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
  }
  if (out.isEmpty()) out << QStringLiteral("*");
  return out.join(QLatin1Char(' '));
}

// The dialog every kind starts from: Qt's widgets, the dialog font, the
// script's title when it gave one.
void Prepare(QFileDialog& dialog, const TFileDialogRequest& request, const QFont& font) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFont(font);
  if (!request.Title.empty()) dialog.setWindowTitle(DialogText(request.Title));
  const QStringList filters = QtNameFilters(request.Filter);
  if (!filters.isEmpty()) {
    // The description alone shows, as the script wrote it.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(filters);
  }
}

QString StartPath(const TFileDialogRequest& request) {
  return request.Start.empty() ? QString() : QString::fromStdString(HostPath(request.Start));
}

QStringList Run(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return QStringList();
  return dialog.selectedFiles();
}

}  // namespace

QStringList QtNameFilters(std::string_view filter) {
  QStringList out;
  if (filter.empty()) return out;
  const std::vector<std::string_view> parts = SplitAt(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QtPatterns(parts[i + 1]);
    QString description = FromAnsi(parts[i]).trimmed();
    if (description.isEmpty()) description = patterns;
    out << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return out;
}

QString WithoutTrailingDots(const QString& hostPath) {
  const qsizetype nameStart = hostPath.lastIndexOf(QLatin1Char('/')) + 1;
  qsizetype end = hostPath.size();
  while (end > nameStart && hostPath[end - 1] == QLatin1Char('.')) --end;
  return hostPath.left(end);
}

std::optional<std::string> ScriptPaths(const QStringList& hostPaths) {
  std::string joined;
  for (const QString& path : hostPaths) {
    const std::string utf8 = path.toStdString();
    std::string ansi = AnsiFromHostPath(utf8);
    if (AnsiToUtf8(ansi) != utf8) return std::nullopt;
    if (!joined.empty()) joined.push_back(';');
    joined += ansi;
  }
  return joined;
}

TScriptFileDialog::TScriptFileDialog(AcceptMode mode, QWidget* parent) : QFileDialog(parent) {
  setAcceptMode(mode);
}

void TScriptFileDialog::showEvent(QShowEvent* event) {
  QFileDialog::showEvent(event);
  // Even when a proposed name selects its file in the list, typing goes
  // on in the name field.
  if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) field->setFocus(Qt::OtherFocusReason);
}

void TScriptFileDialog::accept() {
  if (acceptMode() != AcceptSave) {
    QFileDialog::accept();
    return;
  }
  // Stripped before Qt looks at the name, so that the overwrite question
  // is about the file that will be written.
  const QStringList chosen = selectedFiles();
  if (chosen.size() == 1) {
    const QString stripped = WithoutTrailingDots(chosen.front());
    const QString name = QFileInfo(stripped).fileName();
    if (stripped != chosen.front() && !name.isEmpty() && !QFileInfo(stripped).isDir()) {
      // selectFile leaves a focused name field as typed.
      if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        field->setText(name);
      else
        selectFile(name);
    }
  }
  QFileDialog::accept();
}

QStringList RunFileOpenDialog(const TFileDialogRequest& request, const QFont& font, QWidget* parent) {
  TScriptFileDialog dialog(QFileDialog::AcceptOpen, parent);
  Prepare(dialog, request, font);
  dialog.setFileMode(request.Multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  if (const QString start = StartPath(request); !start.isEmpty()) dialog.setDirectory(start);
  return Run(dialog);
}

QStringList RunFileSaveDialog(const TFileDialogRequest& request, const QFont& font, QWidget* parent) {
  TScriptFileDialog dialog(QFileDialog::AcceptSave, parent);
  Prepare(dialog, request, font);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (const QString start = StartPath(request); !start.isEmpty()) {
    const QFileInfo info(start);
    if (info.isDir()) {
      dialog.setDirectory(start);
    } else {
      if (const QString folder = info.path(); !folder.isEmpty() && start.contains(QLatin1Char('/')))
        dialog.setDirectory(folder);
      dialog.selectFile(info.fileName());
    }
  }
  QStringList chosen = Run(dialog);
  for (QString& path : chosen) path = WithoutTrailingDots(path);
  return chosen;
}

QStringList RunFolderDialog(const TFileDialogRequest& request, const QFont& font, QWidget* parent) {
  TScriptFileDialog dialog(QFileDialog::AcceptOpen, parent);
  Prepare(dialog, request, font);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  std::string start = request.Start;
  while (start.size() > 1 && (start.back() == '\\' || start.back() == '/')) start.pop_back();
  if (!start.empty()) dialog.setDirectory(QString::fromStdString(HostPath(start)));
  return Run(dialog);
}

}  // namespace orv
