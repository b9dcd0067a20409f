#include "app/qt/clsInstanceServer.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

namespace {
// One line of each: the greeting, the files, an empty line; the answer is kAck.
constexpr char kGreeting[] = "KELVRA 1";
constexpr char kAck[] = "OK";
// A client that sends more than this is not a Kelvra start.
constexpr qint64 kMaxRequest = 1 << 20;
} // namespace

QString clsInstanceServer::ServerName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(QStringLiteral("kelvra.sock"));
    }
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("kelvra-%1.sock").arg(static_cast<qulonglong>(::getuid())));
}

bool clsInstanceServer::HandOver(const QStringList& files, int lngTimeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(lngTimeoutMs)) {
        return false;
    }
    QByteArray request = QByteArray(kGreeting) + '\n';
    for (const QString& file : files) {
        request += file.toUtf8() + '\n';
    }
    request += '\n';
    socket.write(request);
    if (!socket.waitForBytesWritten(lngTimeoutMs)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(lngTimeoutMs)) {
            return false;
        }
    }
    return socket.readLine().trimmed() == kAck;
}

clsInstanceServer::clsInstanceServer(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    // Another user must not hand this user's window files.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &clsInstanceServer::OnConnection);
}

clsInstanceServer::~clsInstanceServer() = default;

bool clsInstanceServer::Listen()
{
    const QString name = ServerName();
    // Qt's listen() takes the name over even from a live window, so ask first: a window
    // answers; a socket nobody answers was left by a crash and goes.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000)) {
        return false;
    }
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void clsInstanceServer::OnConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        OnReadable(socket);
    }
}

void clsInstanceServer::OnReadable(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxRequest) {
        socket->abort();
        return;
    }
    // Wait for the whole request: it ends with an empty line.
    const QByteArray all = socket->peek(socket->bytesAvailable());
    if (!all.endsWith("\n\n")) {
        return;
    }
    QList<QByteArray> lines = socket->readAll().split('\n');
    if (lines.isEmpty() || lines.front() != kGreeting) {
        socket->abort();
        return;
    }
    QStringList files;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) {
            files.append(QString::fromUtf8(lines[i]));
        }
    }
    socket->write(QByteArray(kAck) + '\n');
    socket->flush();
    // The files open after the answer: opening may ask questions, and the second start
    // should not wait for the user to answer them.
    QTimer::singleShot(0, this, [this, files] { emit FilesArrived(files); });
}
