#pragma once
// One Kelvra window per user: the running program listens on a per-user local socket, and a
// second start hands its files over instead of opening a second window on the same data.
// main() owns the server for the program's run.

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

class clsInstanceServer : public QObject
{
    Q_OBJECT

public:
    // The socket: in the user's runtime folder ($XDG_RUNTIME_DIR), else a name with the user's
    // id in the temporary folder.
    static QString ServerName();
    // A second start: true when a running window took the files (none: it only comes forward).
    // False when no window listens, or it did not answer within lngTimeoutMs.
    static bool HandOver(const QStringList& files, int lngTimeoutMs = 5000);

    explicit clsInstanceServer(QObject* parent = nullptr);
    ~clsInstanceServer() override;

    // Starts listening. A socket left behind by a program that crashed is removed; false when
    // another window already listens (it keeps the name) or the socket cannot be made.
    bool Listen();

signals:
    // Absolute paths, in the order given; empty when the second start named no file.
    void FilesArrived(const QStringList& files);

private:
    void OnConnection();
    void OnReadable(QLocalSocket* socket);

    QLocalServer* m_server = nullptr;
};
