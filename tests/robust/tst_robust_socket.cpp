#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>

#include <memory>
#include <vector>

namespace {

constexpr int kIdleMs = 300;
constexpr int kListenCheckMs = 100;

// Sends from a pool thread, since the listener serves on this one.
bool sendFromAnother(const QString& identity, const QString& text)
{
    SingleInstance other(identity);
    return other.isRunning() && other.sendMessage(text, 5000);
}

} // namespace

// The single-instance socket keeps answering whatever is done to it.
class TestRobustSocket : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void aFloodOfHostileConnectionsLeavesItAnswering()
    {
        SingleInstance first(QStringLiteral("flood"));
        QVERIFY(!first.isRunning());
        first.setTimeouts(kIdleMs, kListenCheckMs);
        QSignalSpy texts(&first, &SingleInstance::messageReceived);

        // 300 connections held open at once: silent ones, half headers, frames
        // that announce more than is allowed; then an honest sender.
        QFuture<bool> attack = QtConcurrent::run([path = first.socketPath()] {
            std::vector<std::unique_ptr<QLocalSocket>> held;
            for (int i = 0; i < 300; ++i) {
                auto s = std::make_unique<QLocalSocket>();
                s->connectToServer(path);
                if (!s->waitForConnected(2000))
                    continue;
                if (i % 3 == 1)
                    s->write(QByteArray::fromHex("0000"));
                else if (i % 3 == 2)
                    s->write(QByteArray::fromHex("00000000ffffffff"));
                s->waitForBytesWritten(100);
                held.push_back(std::move(s));
            }
            return sendFromAnother(QStringLiteral("flood"), QStringLiteral("still here"));
        });
        // Sampled while the attack holds its connections: the cap holds throughout.
        int peak = 0;
        QTRY_VERIFY_WITH_TIMEOUT((peak = std::max(peak, first.openConnections()), attack.isFinished()), 30000);
        QVERIFY(attack.result());
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().first().toString(), QStringLiteral("still here"));
        QVERIFY2(peak <= SingleInstance::kMaxConnections, qPrintable(QString::number(peak)));
    }

    void aConnectionThatSendsNoWholeFrameIsDropped()
    {
        SingleInstance first(QStringLiteral("idle"));
        QVERIFY(!first.isRunning());
        first.setTimeouts(kIdleMs, kListenCheckMs);
        QLocalSocket half;
        half.connectToServer(first.socketPath());
        QTRY_COMPARE(half.state(), QLocalSocket::ConnectedState);
        half.write(QByteArray::fromHex("00000000000000"));
        QTRY_COMPARE(first.openConnections(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(half.state(), QLocalSocket::UnconnectedState, 5000);
        QTRY_COMPARE(first.openConnections(), 0);
    }

    void aClosedListenerListensAgain()
    {
        SingleInstance first(QStringLiteral("relisten"));
        QVERIFY(!first.isRunning());
        first.setTimeouts(kIdleMs, kListenCheckMs);
        QSignalSpy texts(&first, &SingleInstance::messageReceived);
        // What Qt does when accept() fails, for instance with no descriptors left.
        auto* server = first.findChild<QLocalServer*>();
        QVERIFY(server);
        server->close();
        QTRY_VERIFY_WITH_TIMEOUT(server->isListening(), 5000);
        QFuture<bool> sent = QtConcurrent::run(sendFromAnother, QStringLiteral("relisten"), QStringLiteral("again"));
        QTRY_VERIFY_WITH_TIMEOUT(sent.isFinished(), 10000);
        QVERIFY(sent.result());
        QCOMPARE(texts.size(), 1);
    }
};

QTEST_MAIN(TestRobustSocket)
#include "tst_robust_socket.moc"
