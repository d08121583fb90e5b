#include "app/SingleInstance.h"

#include "app/AppLog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
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
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed instance would block listen(); we hold the lock.
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath())) {
        qCWarning(lcApp, "Cannot listen on %s: %s", qPrintable(socketPath()),
                  qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    while (socket->bytesAvailable() >= 8) {
        const QByteArray head = socket->peek(8);
        const quint32 tag = qFromBigEndian<quint32>(head.constData());
        const quint32 length = qFromBigEndian<quint32>(head.constData() + 4);
        if (length > kMaxPayload) {
            qCWarning(lcApp, "Refused a message of %u bytes", length);
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < 8 + static_cast<qint64>(length))
            return;
        socket->read(8);
        const QByteArray payload = socket->read(length);
        socket->write("\x01", 1);
        socket->flush();
        if (tag == kTextTag)
            Q_EMIT messageReceived(QString::fromUtf8(payload));
        else
            Q_EMIT dataReceived(tag, payload);
    }
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
