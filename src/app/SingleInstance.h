#pragma once

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QTimer;

// One running instance per executable and user. The first instance holds a lock
// file and listens on a local socket in $XDG_RUNTIME_DIR that only the same user
// can reach; later instances hand it a message and exit.
//
// Wire form of a message: tag (4 bytes, big-endian), length (4 bytes, big-endian),
// then `length` bytes; the receiver answers one byte 0x01 once it has taken it.
// Tag 0 carries a UTF-8 text; other tags carry raw bytes (0x250F is the warning).
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    static constexpr quint32 kTextTag = 0;
    static constexpr quint32 kMaxPayload = 64 * 1024;
    // More connections than honest senders keep open at once; beyond it the
    // oldest is dropped.
    static constexpr int kMaxConnections = 8;
    // A sender hands over one frame at once; a connection that has not completed
    // one within this time is dropped.
    static constexpr int kIdleTimeoutMs = 3000;
    // How often the listener checks that it still listens: Qt closes a server
    // for good when accept() fails (no descriptors left, say). The connection cap
    // makes that rare, and a program idling in the tray should not wake for it often.
    static constexpr int kListenCheckMs = 30000;

    // `identity` names the instance; the default derives from the canonical path of
    // the executable and the user id.
    explicit SingleInstance(const QString& identity = defaultIdentity(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultIdentity();
    // The identity of the instance started from `executablePath`.
    static QString identityFor(const QString& executablePath);
    QString socketPath() const;

    // True when another instance holds the lock. The first call of the first
    // instance takes the lock and starts listening.
    bool isRunning();

    // Sends to the running instance; false when it could not be reached or did not
    // confirm within `timeoutMs`.
    bool sendMessage(const QString& text, int timeoutMs);
    bool sendData(quint32 tag, const QByteArray& bytes, int timeoutMs);

    // Shorter waits for tests; the defaults are the constants above.
    void setTimeouts(int idleMs, int listenCheckMs);
    int openConnections() const { return int(m_open.size()); }

Q_SIGNALS:
    void messageReceived(const QString& message);
    void dataReceived(quint32 tag, const QByteArray& bytes);

private:
    void listen();
    void checkListening();
    void onNewConnection();
    // Takes every whole frame the socket holds; true when it took one.
    bool readFrom(QLocalSocket* socket);

    QString m_identity;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    QTimer* m_listenCheck = nullptr;
    int m_idleTimeoutMs = kIdleTimeoutMs;
    QList<QLocalSocket*> m_open; // oldest first
    bool m_checked = false;
    bool m_otherRunning = false;
};

// Reads the user id of the process on the other end of a connected local socket;
// -1 when it cannot be told.
qint64 peerUserId(qintptr socketDescriptor);
