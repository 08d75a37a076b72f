#include "app/SingleInstance.h"

#include <unistd.h>

#include <QDataStream>
#include <QLocalSocket>

#include "base/PathNames.h"

namespace orv {

namespace {

constexpr int kTimeoutMs = 2000;

}  // namespace

QString TSingleInstance::ServerName(std::string_view publicationFile) {
  const std::string_view fileName = ExtractFileName(publicationFile);
  const std::string_view ext = ExtractFileExt(fileName);
  const std::string_view base = fileName.substr(0, fileName.size() - ext.size());
  // Only plain characters in a socket name; anything else by its hex code.
  QString name = QStringLiteral("orvalis-%1-").arg(::getuid());
  for (const char c : base) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '.')
      name += QLatin1Char(c);
    else
      name += QStringLiteral("%%%1").arg(u, 2, 16, QLatin1Char('0'));
  }
  return name;
}

bool TSingleInstance::HandOver(const QString& name, const std::string& text) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << QByteArray(text.data(), static_cast<qsizetype>(text.size()));
  socket.write(message);
  if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  // The answer byte says the text arrived whole.
  const bool delivered = socket.waitForReadyRead(kTimeoutMs) && socket.read(1) == "1";
  socket.disconnectFromServer();
  return delivered;
}

TSingleInstance::TSingleInstance() {
  connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
}

bool TSingleInstance::Listen(const QString& name) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(name)) return true;
  if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
  // Nobody answered on it (or HandOver would have been used): left by a
  // run that did not end cleanly.
  QLocalServer::removeServer(name);
  return server_.listen(name);
}

void TSingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      QDataStream in(socket);
      in.startTransaction();
      QByteArray text;
      in >> text;
      if (!in.commitTransaction()) return;  // not all there yet
      socket->write("1");
      socket->flush();
      if (OnCommandLine) OnCommandLine(text.toStdString());
    });
  }
}

}  // namespace orv
