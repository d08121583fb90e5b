#include "TestData.h"
#include "app/Widget.h"
#include "devices/UdevRuleHint.h"
#include "protocol/Clock.h"
#include "protocol/sim/VirtualClock.h"
#include "protocol/DpiSwitchTexts.h"
#include "protocol/HidBackend.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"
#include "view/myQQuickView.h"

#include <QElapsedTimer>
#include <QSet>
#include <QEventLoop>
#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// The host with a tray, balloons recorded instead of shown.
class Host : public Widget
{
public:
    QStringList balloons;
    QList<int> stages;
    int depth = 0;
    int maxDepth = 0;

    void connectSequence(int index) override
    {
        maxDepth = std::max(maxDepth, ++depth);
        Widget::connectSequence(index);
        --depth;
    }

    void showBalloon(const QString& title, const QString& text, int msecs) override
    {
        balloons << QStringLiteral("%1|%2|%3").arg(title, text).arg(msecs);
    }
    void readerSetCurrentDPI(int stage) override
    {
        QMetaObject::invokeMethod(this, [this, stage] { stages << stage; }, Qt::QueuedConnection);
        Widget::readerSetCurrentDPI(stage);
    }

protected:
    bool trayAvailable() const override { return true; }
};

// Refuses to open the nodes it is given, as the system does without the udev rule.
class DenyingBackend : public HidBackend
{
public:
    explicit DenyingBackend(HidBackend& inner)
        : m_inner(inner)
    {
    }
    QSet<QByteArray> denied;

    QList<HidInterfaceInfo> enumerate(quint16 v, quint16 p) override { return m_inner.enumerate(v, p); }
    HidHandle* open(const QByteArray& path) override { return denied.contains(path) ? nullptr : m_inner.open(path); }
    int setNonblocking(HidHandle* h, bool n) override { return m_inner.setNonblocking(h, n); }
    int sendFeatureReport(HidHandle* h, const uchar* d, std::size_t l) override { return m_inner.sendFeatureReport(h, d, l); }
    int getFeatureReport(HidHandle* h, uchar* d, std::size_t l) override { return m_inner.getFeatureReport(h, d, l); }
    int write(HidHandle* h, const uchar* d, std::size_t l) override { return m_inner.write(h, d, l); }
    int read(HidHandle* h, uchar* d, std::size_t l) override { return m_inner.read(h, d, l); }
    int readTimeout(HidHandle* h, uchar* d, std::size_t l, int t) override { return m_inner.readTimeout(h, d, l, t); }
    void close(HidHandle* h) override { m_inner.close(h); }
    bool accessDenied(const QByteArray& path) override { return denied.contains(path); }

private:
    HidBackend& m_inner;
};

QStringList featureReports(const TracingBackend& trace)
{
    QStringList features;
    for (const QString& line : trace.lines())
        if (line.contains(QLatin1String("\"send-feature\"")))
            features << line.section(QLatin1String("\"data\": \""), 1).section(QLatin1Char('"'), 0, 0);
    return features;
}

} // namespace

// Detection, connection and the event reader, on the simulated devices.
class TestConnection : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataRoot> m_root;
    VirtualClock m_clock;
    std::unique_ptr<SimulatedHid> m_sim;
    std::unique_ptr<TracingBackend> m_trace;
    std::unique_ptr<Host> m_host;

    // A host on the simulated devices, with those not wanted unplugged.
    void makeHost(bool keyboard = true, bool mouse = true)
    {
        if (!keyboard)
            m_sim->unplug(SimulatedHid::Device::Keyboard);
        if (!mouse)
            m_sim->unplug(SimulatedHid::Device::Mouse);
        m_trace = std::make_unique<TracingBackend>(*m_sim, m_clock);
        m_host = std::make_unique<Host>();
        m_host->hid().setBackend(m_trace.get());
        m_host->hid().setClock(&m_clock);
    }

    // A device-change notice arms the detection timer; its pass runs at once.
    void runNotifiedPass()
    {
        m_host->deviceChangeNotified();
        QVERIFY(m_host->checkTimer().isActive());
        m_host->checkTimer().stop();
        m_host->checkDevice();
    }

    void stopHost()
    {
        if (!m_host)
            return;
        m_host->hid().stopReader();
        m_sim->interruptReads();
        m_host->hid().waitForReader();
        m_host.reset();
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestDataRoot>();
        QVERIFY(m_root->isValid());
        Widget::setDeviceConnected(false);
        m_sim = std::make_unique<SimulatedHid>(sim::MouseFamily::F560, &m_clock);
    }

    void cleanup()
    {
        stopHost();
        m_trace.reset();
        m_sim.reset();
        m_root.reset();
    }

    void theFirstListedPresentDeviceIsServed()
    {
        makeHost();
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        m_host->checkDevice();
        QCOMPARE(m_host->hid().currentDevice(), 0);
        QCOMPARE(m_host->view()->rootObject()->property("deviceType").toString(), QStringLiteral("keyboard"));
        QVERIFY(Widget::deviceConnected());
        QVERIFY(m_host->hid().isReaderRunning());
        QVERIFY(m_host->view()->isEnabled());
        QCOMPARE(m_host->balloons, QStringList{QStringLiteral("Info|Detect Device|10000")});
    }

    void withOnlyTheMouseTheMouseIsServed()
    {
        makeHost(false);
        m_host->checkDevice();
        QCOMPARE(m_host->hid().currentDevice(), 1);
        // The screens get the mouse's layout before they initialise.
        QCOMPARE(m_host->view()->rootObject()->property("deviceType").toString(), QStringLiteral("mouse"));
        // After the option exchange, the five profile blocks of a mouse with gun layers, in order.
        QCOMPARE(featureReports(*m_trace).mid(2, 5),
                 (QStringList{QStringLiteral("00 8c 00 00 00 00 00 00 73"), QStringLiteral("00 8c 01 00 00 00 00 00 72"),
                              QStringLiteral("00 8c 02 00 00 00 00 00 71"), QStringLiteral("00 8c 03 00 00 00 00 00 70"),
                              QStringLiteral("00 8c 04 00 00 00 00 00 6f")}));
    }

    void noDeviceHidesTheWindowUntilOneComes()
    {
        makeHost(false, false);
        m_host->show();
        Widget::setDeviceConnected(true);
        QTest::ignoreMessage(QtDebugMsg, "Device DisConnect");
        m_host->checkDevice();
        QVERIFY(!Widget::deviceConnected());
        QVERIFY(!m_host->isVisible());
        QVERIFY(m_host->balloons.isEmpty());

        // Waiting in the tray it has built no screens and let its window go; a
        // device found then gets them, and the window comes back whole.
        QCOMPARE(m_host->view()->status(), QQuickWidget::Null);
        m_host->releaseWhileHidden();
        m_sim->plug(SimulatedHid::Device::Mouse);
        runNotifiedPass();
        QVERIFY(Widget::deviceConnected());
        QCOMPARE(m_host->view()->rootObject()->property("deviceType").toString(), QStringLiteral("mouse"));
        m_host->restoreWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        QCOMPARE(m_host->view()->grabFramebuffer().size(), QSize(1024, 640));
    }

    void aBurstOfNotificationsGivesOnePass()
    {
        makeHost(false, false);
        m_host->checkDevice();
        // A coarse timer fires up to 5 % early, inside the burst it waits out.
        QCOMPARE(m_host->checkTimer().timerType(), Qt::PreciseTimer);
        int passes = 0;
        connect(&m_host->checkTimer(), &QTimer::timeout, this, [&passes] { ++passes; });
        m_sim->plug(SimulatedHid::Device::Mouse);
        QElapsedTimer clock;
        for (int i = 0; i < 5; ++i) {
            m_host->deviceChangeNotified();
            QTest::qWait(50);
        }
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(passes, 1, 4000);
        QVERIFY2(clock.elapsed() >= 1900, "the pass follows the last notification by 2048 ms");
        QTest::qWait(200);
        QCOMPARE(passes, 1);
        QVERIFY(Widget::deviceConnected());
        QCOMPARE(m_host->hid().currentDevice(), 1);
    }

    // A served device whose event interface is not found has no reader to
    // notice its removal: device changes must still run passes.
    void aDeviceWithoutEventInterfaceIsLostAndFoundLikeAnyOther()
    {
        QSettings list(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
        list.setValue(QStringLiteral("0/usagePage2"), QStringLiteral("fff0"));
        list.sync();
        makeHost(true, false);
        m_host->checkDevice();
        QCOMPARE(m_host->hid().currentDevice(), 0);
        QVERIFY(!m_host->hid().isReaderRunning());

        QTest::ignoreMessage(QtDebugMsg, "Device removed");
        QTest::ignoreMessage(QtDebugMsg, "Device DisConnect");
        m_sim->unplug(SimulatedHid::Device::Keyboard);
        runNotifiedPass();
        QVERIFY(!Widget::deviceConnected());
        QVERIFY(!m_host->view()->isEnabled());

        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        m_sim->plug(SimulatedHid::Device::Keyboard);
        runNotifiedPass();
        QVERIFY(Widget::deviceConnected());
        QCOMPARE(m_host->balloons.size(), 2);
    }

    // Without the udev rule the nodes are listed but refused: no endless
    // reconnect, and the user is told once how to install the rule.
    void aDeviceThatCannotBeOpenedWaitsForTheNextChange()
    {
        makeHost(false);
        DenyingBackend deny(*m_trace);
        for (const HidInterfaceInfo& i : m_sim->enumerate(0x04d9, 0xa1ee))
            deny.denied.insert(i.path);
        m_host->hid().setBackend(&deny);

        m_host->checkDevice();
        QVERIFY(!Widget::deviceConnected());
        m_host->hid().waitForReader();
        QCoreApplication::processEvents();
        QVERIFY(!m_host->hid().isReaderRunning());
        QVERIFY(!m_host->checkTimer().isActive());
        QCOMPARE(m_host->balloons.size(), 1);
        QVERIFY(m_host->balloons[0].contains(QLatin1String(UdevRuleHint::kInstallCommand)));

        runNotifiedPass();
        QCOMPARE(m_host->balloons.size(), 1);

        // Once the rule is installed, the next change serves the mouse.
        deny.denied.clear();
        m_host->checkDevice();
        QVERIFY(Widget::deviceConnected());
        QCOMPARE(m_host->hid().currentDevice(), 1);
        m_host->hid().setBackend(m_trace.get());
    }

    void noPassRunsInsideAnother()
    {
        // The 560 mouse's profile reads process events while they wait; a pass
        // due then must wait for the running one, not run inside it.
        makeHost(false);
        m_host->checkTimer().setInterval(0);
        m_host->checkTimer().start();
        m_host->checkDevice();
        QCOMPARE(m_host->maxDepth, 1);
        QVERIFY(m_host->checkTimer().isActive());
        m_host->checkTimer().stop();
    }

    void eachDeviceGetsOnlyItsOwnCommands_data()
    {
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<bool>("is553");
        QTest::addColumn<int>("served");
        QTest::addColumn<QStringList>("foreign");
        QTest::newRow("keyboard, 560 listed for the mouse") << true << false << 0 << QStringList{"00 81 ", "00 8c "};
        QTest::newRow("560 mouse") << false << false << 1 << QStringList{"00 8d "};
        QTest::newRow("553 mouse") << false << true << 1 << QStringList{"00 8d ", "00 8c "};
    }

    void eachDeviceGetsOnlyItsOwnCommands()
    {
        QFETCH(bool, keyboard);
        QFETCH(bool, is553);
        QFETCH(QStringList, foreign);
        if (is553) {
            QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
            global.setValue(QStringLiteral("mouse/icType"), QStringLiteral("553"));
            global.sync();
            m_sim = std::make_unique<SimulatedHid>(sim::MouseFamily::F553, &m_clock);
        }
        makeHost(keyboard);
        m_host->checkDevice();
        QTEST(m_host->hid().currentDevice(), "served");
        m_host->view()->mouseReadKeyboardType();
        const QStringList features = featureReports(*m_trace);
        QVERIFY(!features.isEmpty());
        for (const QString& f : features)
            for (const QString& prefix : foreign)
                QVERIFY2(!f.startsWith(prefix), qPrintable(f));
    }

    void unpluggingTheServedDevice()
    {
        makeHost();
        m_host->checkDevice();
        QVERIFY(m_host->hid().isReaderRunning());
        QElapsedTimer clock;
        clock.start();
        QTest::ignoreMessage(QtDebugMsg, "Device removed");
        m_sim->unplug(SimulatedHid::Device::Keyboard);
        QTRY_VERIFY_WITH_TIMEOUT(!m_host->hid().isReaderRunning(), 2000);
        QVERIFY(clock.elapsed() < 1000);
        QTRY_VERIFY(!m_host->view()->isEnabled());

        // On Linux the removal was announced before the reader noticed it, so the
        // reader's notice itself starts the pass that follows; it finds the mouse.
        QTRY_VERIFY(m_host->checkTimer().isActive());
        m_host->checkTimer().stop();
        QTest::ignoreMessage(QtDebugMsg, "Device Connect");
        m_host->checkDevice();
        QCOMPARE(m_host->hid().currentDevice(), 1);
    }

    void stageReportsReachTheScreensAndTheTray()
    {
        makeHost(false);
        m_host->checkDevice();
        m_host->balloons.clear();
        m_sim->injectEvent(SimulatedHid::Device::Mouse, QByteArray::fromHex("06070003"));
        QTRY_COMPARE_WITH_TIMEOUT(m_host->stages, QList<int>{3}, 3000);
        // The screens have loaded the language's texts by now; stage 3 takes the third.
        QTRY_COMPARE(m_host->balloons, QStringList{QStringLiteral("Info|%1 |10000").arg(dpitexts::dpiSwitchTexts()[2])});
    }

    void quittingWhileTheReaderRunsEndsPromptly()
    {
        makeHost();
        m_host->checkDevice();
        QVERIFY(m_host->hid().isReaderRunning());
        QEventLoop loop;
        QTimer::singleShot(0, m_host.get(), &Widget::exitSYS);
        QCOMPARE(loop.exec(), 0);
        QElapsedTimer clock;
        clock.start();
        m_host.reset();
        QVERIFY2(clock.elapsed() < 1000, "the host waits at most one read for the reader");
    }
};

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
