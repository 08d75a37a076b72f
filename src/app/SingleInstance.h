#pragma once
// One running instance per publication and user: the first start listens on
// a local socket named after the publication file; a later start hands its
// command-line text to it and ends. A socket left behind by a run that
// crashed is removed when nobody answers on it.
#include <QLocalServer>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace orv {

class TSingleInstance : public QObject {
 public:
  TSingleInstance();

  // The socket name for `publicationFile`: its file name without folder and
  // extension, with the user's id in front so users never meet.
  static QString ServerName(std::string_view publicationFile);

  // Sends `text` (Windows-1252) to the instance listening on `name`; true
  // when it was delivered.
  static bool HandOver(const QString& name, const std::string& text);

  // Listens on `name`, first removing a stale socket of that name. False
  // when listening failed.
  bool Listen(const QString& name);
  QString FullServerName() const { return server_.fullServerName(); }

  // A later start's command-line text arrived.
  std::function<void(const std::string& text)> OnCommandLine;

 private:
  void Accept();

  QLocalServer server_;
};

}  // namespace orv
