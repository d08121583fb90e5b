#include "ProtocolRig.h"

#include "protocol/WakeSignal.h"

#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The event interface as a socket pair: one report per datagram, a hang-up
// when the test closes its end, as a hidraw node behaves when unplugged.
// Everything else goes to the simulated devices.
class SocketEventBackend final : public HidBackend
{
public:
    explicit SocketEventBackend(HidBackend& inner, const QByteArray& eventPath)
        : m_inner(inner)
        , m_eventPath(eventPath)
    {
        int fds[2];
        ::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds);
        m_deviceEnd = fds[0];
        m_hostEnd = fds[1];
    }
    ~SocketEventBackend() override
    {
        unplug();
        if (m_hostEnd >= 0)
            ::close(m_hostEnd);
    }

    void send(const QByteArray& report) { QCOMPARE(::write(m_deviceEnd, report.constData(), report.size()), report.size()); }
    void unplug()
    {
        if (m_deviceEnd >= 0)
            ::close(m_deviceEnd);
        m_deviceEnd = -1;
    }

    QList<HidInterfaceInfo> enumerate(quint16 v, quint16 p) override { return m_inner.enumerate(v, p); }
    HidHandle* open(const QByteArray& path) override
    {
        if (path != m_eventPath)
            return m_inner.open(path);
        return m_deviceEnd >= 0 ? &m_eventHandle : nullptr;
    }
    int setNonblocking(HidHandle* h, bool on) override { return h == &m_eventHandle ? 0 : m_inner.setNonblocking(h, on); }
    int sendFeatureReport(HidHandle* h, const uchar* d, std::size_t n) override { return m_inner.sendFeatureReport(h, d, n); }
    int getFeatureReport(HidHandle* h, uchar* d, std::size_t n) override { return m_inner.getFeatureReport(h, d, n); }
    int write(HidHandle* h, const uchar* d, std::size_t n) override { return m_inner.write(h, d, n); }
    int read(HidHandle* h, uchar* d, std::size_t n) override { return m_inner.read(h, d, n); }
    int readTimeout(HidHandle* h, uchar* d, std::size_t n, int ms) override
    {
        return h == &m_eventHandle ? -1 : m_inner.readTimeout(h, d, n, ms);
    }
    // No slices: a reader that is not woken would wait for ever.
    int readOrWake(HidHandle* h, uchar* d, std::size_t n, int wakeFd, int) override
    {
        ++waits;
        return h == &m_eventHandle ? waitAndReadReport(m_hostEnd, wakeFd, d, n) : -1;
    }
    void close(HidHandle* h) override
    {
        if (h != &m_eventHandle)
            m_inner.close(h);
    }

    std::atomic_int waits{0};

private:
    HidBackend& m_inner;
    QByteArray m_eventPath;
    HidHandle m_eventHandle;
    int m_deviceEnd = -1;
    int m_hostEnd = -1;
};

} // namespace

// An idle event reader sleeps until a report, a hang-up or a stop: no wakeups
// while nothing happens, and each of the three is seen at once.
class TestReaderWait : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitAndRead()
    {
        int fds[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
        WakeSignal wake;
        uchar buf[8] = {};

        QCOMPARE(::write(fds[0], "\x06\x07\x00\x03", 4), 4);
        QCOMPARE(waitAndReadReport(fds[1], wake.fd(), buf, sizeof buf), 4);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 4), QByteArray("\x06\x07\x00\x03", 4));

        wake.raise();
        QCOMPARE(waitAndReadReport(fds[1], wake.fd(), buf, sizeof buf), 0);
        wake.clear();

        // A report queued before the hang-up is still delivered, then the hang-up.
        QCOMPARE(::write(fds[0], "\x06\x07\x00\x05", 4), 4);
        ::close(fds[0]);
        QCOMPARE(waitAndReadReport(fds[1], wake.fd(), buf, sizeof buf), 4);
        QCOMPARE(buf[3], uchar(5));
        QCOMPARE(waitAndReadReport(fds[1], wake.fd(), buf, sizeof buf), -1);
        ::close(fds[1]);
    }

    void readerSleepsUntilReportStopOrUnplug()
    {
        ProtocolRig rig;
        SocketEventBackend events(rig.trace, rig.hid.devices().at(ProtocolRig::kMouse).path2.toLatin1());
        rig.hid.setBackend(&events);
        rig.select(ProtocolRig::kMouse);
        rig.hid.connectRead(ProtocolRig::kMouse);
        QTRY_COMPARE_WITH_TIMEOUT(events.waits.load(), 1, 500);

        events.send(QByteArray("\x06\x07\x00\x04", 4));
        QTRY_VERIFY_WITH_TIMEOUT(rig.owner.actions().contains(QStringLiteral("dpi 4")), 500);
        QTRY_COMPARE_WITH_TIMEOUT(events.waits.load(), 2, 500);
        QTest::qWait(50);
        QCOMPARE(events.waits.load(), 2); // asleep, not polling

        // A stop wakes it: no time-out stands between stopReader and the end.
        QFuture<void> ended = QtConcurrent::run([&] { rig.hid.waitForReader(); });
        rig.hid.stopReader();
        QTRY_VERIFY_WITH_TIMEOUT(ended.isFinished(), 500);
        QVERIFY(!rig.owner.actions().contains(QStringLiteral("view 0")));

        // Started again, it notices the unplug at once and says so.
        rig.hid.connectRead(ProtocolRig::kMouse);
        QTRY_VERIFY_WITH_TIMEOUT(events.waits.load() >= 3, 500);
        events.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(rig.owner.actions().contains(QStringLiteral("view 0")), 500);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.hid.isReaderRunning(), 500);
        rig.hid.waitForReader();
    }
};

QTEST_GUILESS_MAIN(TestReaderWait)
#include "tst_readerwait.moc"
