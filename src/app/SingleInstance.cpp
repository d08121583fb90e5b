#include "app/SingleInstance.h"

#include "app/AppLog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>

namespace {

QString runtimeDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

QByteArray frame(quint32 tag, const QByteArray& bytes)
{
    QByteArray out(8, '\0');
    qToBigEndian<quint32>(tag, out.data());
    qToBigEndian<quint32>(static_cast<quint32>(bytes.size()), out.data() + 4);
    return out + bytes;
}

} // namespace

qint64 peerUserId(qintptr socketDescriptor)
{
    struct ucred cred = {};
    socklen_t len = sizeof(cred);
    if (getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0)
        return -1;
    return static_cast<qint64>(cred.uid);
}

SingleInstance::SingleInstance(const QString& identity, QObject* parent)
    : QObject(parent)
    , m_identity(identity)
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultIdentity()
{
    return identityFor(QCoreApplication::applicationFilePath());
}

QString SingleInstance::identityFor(const QString& executablePath)
{
    QString exe = QFileInfo(executablePath).canonicalFilePath();
    if (exe.isEmpty())
        exe = executablePath;
    const QByteArray key = exe.toUtf8() + '\0' + QByteArray::number(static_cast<qulonglong>(getuid()));
    return QStringLiteral("quorix-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

QString SingleInstance::socketPath() const
{
    return runtimeDir() + QLatin1Char('/') + m_identity + QStringLiteral(".sock");
}

bool SingleInstance::isRunning()
{
    if (m_checked)
        return m_otherRunning;
    m_checked = true;
    m_lock = std::make_unique<QLockFile>(runtimeDir() + QLatin1Char('/') + m_identity + QStringLiteral(".lock"));
    // Only a dead owner makes the lock stale: an instance may run for weeks.
    m_lock->setStaleLockTime(0);
    m_otherRunning = !m_lock->tryLock(0);
    if (!m_otherRunning)
        listen();
    return m_otherRunning;
}

void SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
        m_listenCheck = new QTimer(this);
        m_listenCheck->setInterval(kListenCheckMs);
        connect(m_listenCheck, &QTimer::timeout, this, &SingleInstance::checkListening);
        m_listenCheck->start();
    }
    // A socket file left by a crashed instance would block listen(); we hold the lock.
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath()))
        qCWarning(lcApp, "Cannot listen on %s: %s", qPrintable(socketPath()),
                  qPrintable(m_server->errorString()));
}

void SingleInstance::checkListening()
{
    if (m_server->isListening())
        return;
    qCWarning(lcApp, "The instance socket was closed (%s); listening again",
              qPrintable(m_server->errorString()));
    m_server->close();
    listen();
}

void SingleInstance::setTimeouts(int idleMs, int listenCheckMs)
{
    m_idleTimeoutMs = idleMs;
    if (m_listenCheck)
        m_listenCheck->setInterval(listenCheckMs);
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (peerUserId(socket->socketDescriptor()) != static_cast<qint64>(getuid())) {
            qCWarning(lcApp, "Refused a message from another user");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // A flood of connections must not use up our descriptors. The oldest is
        // the likeliest to be stale; an honest sender completes its frame at once.
        if (m_open.size() >= kMaxConnections) {
            qCWarning(lcApp, "Dropped the oldest of %d open connections", int(m_open.size()));
            QLocalSocket* oldest = m_open.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
        m_open.append(socket);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_open.removeOne(socket); });
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, [socket] {
            qCWarning(lcApp, "Dropped a connection that sent no whole message");
            socket->abort();
            socket->deleteLater();
        });
        idle->start(m_idleTimeoutMs);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
            if (readFrom(socket))
                idle->start(m_idleTimeoutMs);
        });
        if (readFrom(socket))
            idle->start(m_idleTimeoutMs);
    }
}

bool SingleInstance::readFrom(QLocalSocket* socket)
{
    bool took = false;
    while (socket->bytesAvailable() >= 8) {
        const QByteArray head = socket->peek(8);
        const quint32 tag = qFromBigEndian<quint32>(head.constData());
        const quint32 length = qFromBigEndian<quint32>(head.constData() + 4);
        if (length > kMaxPayload) {
            qCWarning(lcApp, "Refused a message of %u bytes", length);
            socket->abort();
            socket->deleteLater();
            return false;
        }
        if (socket->bytesAvailable() < 8 + static_cast<qint64>(length))
            return took;
        socket->read(8);
        const QByteArray payload = socket->read(length);
        socket->write("\x01", 1);
        socket->flush();
        if (tag == kTextTag)
            Q_EMIT messageReceived(QString::fromUtf8(payload));
        else
            Q_EMIT dataReceived(tag, payload);
        took = true;
    }
    return took;
}

bool SingleInstance::sendMessage(const QString& text, int timeoutMs)
{
    return sendData(kTextTag, text.toUtf8(), timeoutMs);
}

bool SingleInstance::sendData(quint32 tag, const QByteArray& bytes, int timeoutMs)
{
    if (static_cast<quint32>(bytes.size()) > kMaxPayload)
        return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(frame(tag, bytes));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.read(1) == QByteArray("\x01", 1);
}
