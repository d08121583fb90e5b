#include "ProtocolRig.h"

#include "protocol/DpiSwitchTexts.h"

#include <QElapsedTimer>
#include <QtTest>

// The connect-time option exchange and the event reader. The reader runs on a
// pool thread, so these tests wait for it, briefly and for real.
class TestReader : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProtocolRig> rig;

    QList<TraceRow> eventRows(const char* op) const
    {
        QList<TraceRow> result;
        for (const TraceRow& row : rig->rows({QLatin1String(op)}))
            if (row.iface == QLatin1String("event"))
                result.append(row);
        return result;
    }

    void start(sim::MouseFamily family = sim::MouseFamily::F553)
    {
        rig = std::make_unique<ProtocolRig>(family);
        rig->select(ProtocolRig::kMouse);
        rig->hid.connectRead(ProtocolRig::kMouse);
    }

    void inject(const char* hex) { rig->sim.injectEvent(SimulatedHid::Device::Mouse, hexBytes(hex)); }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(dpitexts::dpiSwitchTexts(), QStringList(8, QStringLiteral("DPI Switch to"))); }

    void cleanup()
    {
        if (rig) {
            rig->hid.stopReader();
            rig->sim.interruptReads();
            rig->hid.waitForReader();
            rig.reset();
        }
        dpitexts::setDpiSwitchTexts(QStringList(8, QStringLiteral("DPI Switch to")));
    }

    // Read the options, set the connect bit, write them back, only when the read got an answer.
    void connectExchange_data()
    {
        QTest::addColumn<bool>("is560");
        QTest::addColumn<bool>("readFails");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QByteArray>("written");
        const QByteArray read553 = hexBytes("00 83 00 00 00 00 00 00 7c");
        QTest::newRow("553") << false << false << read553 << commandReport({0x03, 0x01, 0x02, 0x03, 0x44});
        QTest::newRow("560") << true << false << hexBytes("00 81 00 00 00 00 00 00 7e") << commandReport({0x01, 0x29, 0x05});
        QTest::newRow("553, no answer") << false << true << read553 << QByteArray();
    }

    void connectExchange()
    {
        QFETCH(bool, is560);
        QFETCH(bool, readFails);
        QFETCH(QByteArray, written);
        rig = std::make_unique<ProtocolRig>(is560 ? sim::MouseFamily::F560 : sim::MouseFamily::F553);
        rig->sim.mouse().state().options = {0x01, 0x02, 0x03, 0x04};
        rig->sim.mouse().state().options560 = {0x21, 0x05};
        rig->select(ProtocolRig::kMouse);
        if (readFails)
            rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        rig->hid.connectRead(ProtocolRig::kMouse);
        const QList<TraceRow> sent = rig->rows({QStringLiteral("send-feature")});
        QTEST(sent[0].data, "read");
        QCOMPARE(sent.size(), readFails ? 1 : 2);
        if (!readFails)
            QCOMPARE(sent[1].data, written);
        QVERIFY(rig->hid.isReaderRunning());
    }

    void stageReports_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<QStringList>("actions");
        const QStringList t{"T0", "T1", "T2", "T3", "T4", "T5", "T6", "T7"};
        QTest::newRow("stage 3") << t << QStringList{"06 07 00 03"} << QStringList{"dpi 3", "balloon Info|T2 |10000"};
        QTest::newRow("stage 0, last text") << t << QStringList{"06 07 00 00"}
                                            << QStringList{"dpi 0", "balloon Info|T7 |10000"};
        QTest::newRow("stage 9, last text") << t << QStringList{"06 07 00 09"}
                                            << QStringList{"dpi 9", "balloon Info|T7 |10000"};
        QTest::newRow("other reports ignored") << t << QStringList{"06 08 00 02", "06 07 00", "06 07 00 05"}
                                               << QStringList{"dpi 5", "balloon Info|T4 |10000"};
        QTest::newRow("short list keeps the defaults") << QStringList{"one", "two"} << QStringList{"06 07 00 02", "06 07 00 04"}
            << QStringList{"dpi 2", "balloon Info|two |10000", "dpi 4", "balloon Info|DPI Switch to |10000"};
    }

    void stageReports()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, reports);
        QFETCH(QStringList, actions);
        dpitexts::setDpiSwitchTexts(texts);
        start();
        rig->hid.connectRead(ProtocolRig::kMouse); // replaces the reader: still one notice per report
        for (const QString& report : reports)
            inject(report.toLatin1().constData());
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.actions(), actions, 2000);
    }

    void unplugIsNoticedWithinOneWait()
    {
        start();
        QTest::ignoreMessage(QtDebugMsg, "Device removed");
        QElapsedTimer timer;
        timer.start();
        rig->sim.unplug(SimulatedHid::Device::Mouse);
        QTRY_VERIFY_WITH_TIMEOUT(!rig->hid.isReaderRunning(), 2000);
        QVERIFY(timer.elapsed() < 600);
        QCOMPARE(rig->owner.actions(), QStringList{QStringLiteral("view 0")});
        QVERIFY(rig->hid.devices().at(ProtocolRig::kMouse).path2.isEmpty());
        QVERIFY(!rig->hid.devices().at(ProtocolRig::kMouse).path.isEmpty());
    }

    // An idle reader keeps its handle, so it wakes only when a read times out.
    void idleReaderKeepsOneHandleOpen()
    {
        start();
        QTRY_VERIFY_WITH_TIMEOUT(eventRows("read").size() >= 2, 2000);
        QCOMPARE(eventRows("open").size(), 1);
        QVERIFY(eventRows("close").isEmpty());
        inject("06 07 00 02");
        QTRY_VERIFY_WITH_TIMEOUT(rig->owner.actions().contains(QStringLiteral("dpi 2")), 2000);
        QCOMPARE(eventRows("open").size(), 1);
    }

    // A failed read with the device still there costs one reopen, not the device.
    void failedReadReopensAndGoesOn()
    {
        start();
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::Read, 1, SimulatedHid::Interface::Event);
        inject("06 07 00 04");
        QTRY_COMPARE_WITH_TIMEOUT(eventRows("open").size(), 2, 2000);
        inject("06 07 00 05");
        QTRY_VERIFY_WITH_TIMEOUT(rig->owner.actions().contains(QStringLiteral("dpi 5")), 2000);
        QVERIFY(rig->hid.isReaderRunning());
        QVERIFY(!rig->owner.actions().contains(QStringLiteral("view 0")));
    }

    // Without an event interface nothing can notice a removal, so no reader
    // claims to run: device changes must still start detection passes.
    void emptyEventPathStartsNoReader()
    {
        rig = std::make_unique<ProtocolRig>();
        rig->edit(ProtocolRig::kMouse, [](DeviceRecord& r) { r.path2.clear(); });
        rig->select(ProtocolRig::kMouse);
        rig->hid.connectRead(ProtocolRig::kMouse);
        rig->hid.waitForReader();
        QVERIFY(!rig->hid.isReaderRunning());
        QVERIFY(rig->owner.actions().isEmpty());
        for (const TraceRow& row : rig->rows())
            QCOMPARE(row.iface, QStringLiteral("command"));
    }

    void stopReaderEndsTheTask()
    {
        start();
        rig->hid.stopReader();
        rig->sim.interruptReads();
        QElapsedTimer timer;
        timer.start();
        rig->hid.waitForReader();
        QVERIFY(timer.elapsed() < 600);
        QVERIFY(!rig->hid.isReaderRunning());
        QVERIFY(rig->owner.actions().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReader)
#include "tst_reader.moc"
