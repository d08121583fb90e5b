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

    static QByteArray report(const char* hex) { return hexBytes(hex); }

    QList<TraceRow> commandRows(const QStringList& ops) const
    {
        QList<TraceRow> result;
        for (const TraceRow& row : rig->rows(ops))
            if (row.iface == QLatin1String("command"))
                result.append(row);
        return result;
    }

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

private Q_SLOTS:
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

    void defaultTexts()
    {
        QCOMPARE(dpitexts::dpiSwitchTexts(), QStringList(8, QStringLiteral("DPI Switch to")));
        dpitexts::setDpiSwitchTexts({QStringLiteral("one"), QStringLiteral("two")});
        QCOMPARE(dpitexts::dpiSwitchTexts().mid(0, 3),
                 (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("DPI Switch to")}));
        QCOMPARE(dpitexts::textForStage(2), QStringLiteral("two"));
    }

    void connectExchange553()
    {
        rig = std::make_unique<ProtocolRig>(sim::MouseFamily::F553);
        rig->sim.mouse().state().options = {0x01, 0x02, 0x03, 0x04};
        rig->select(ProtocolRig::kMouse);
        rig->hid.connectRead(ProtocolRig::kMouse);
        const QList<TraceRow> rows = commandRows({"send-feature", "get-feature", "write"});
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].data, hexBytes("00 83 00 00 00 00 00 00 7c"));
        QCOMPARE(rows[1].op, QStringLiteral("get-feature"));
        QCOMPARE(rows[2].data, commandReport({0x03, 0x01, 0x02, 0x03, 0x44}));
        QVERIFY(rig->hid.isReaderRunning());
        QCOMPARE(rig->sim.mouse().state().options[3], uchar(0x44));
    }

    void connectExchange560()
    {
        rig = std::make_unique<ProtocolRig>(sim::MouseFamily::F560);
        rig->sim.mouse().state().options560 = {0x21, 0x05};
        rig->select(ProtocolRig::kMouse);
        rig->hid.connectRead(ProtocolRig::kMouse);
        const QList<TraceRow> rows = commandRows({"send-feature", "get-feature", "write"});
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].data, hexBytes("00 81 00 00 00 00 00 00 7e"));
        QCOMPARE(rows[2].data, commandReport({0x01, 0x29, 0x05}));
        QCOMPARE(rig->sim.mouse().state().options560, (std::array<uchar, 2>{0x29, 0x05}));
    }

    void failedOptionReadSkipsTheWriteBack()
    {
        rig = std::make_unique<ProtocolRig>();
        rig->select(ProtocolRig::kMouse);
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        rig->hid.connectRead(ProtocolRig::kMouse);
        QCOMPARE(commandRows({"send-feature"}).size(), 1);
        QVERIFY(rig->hid.isReaderRunning());
    }

    void stageReportUpdatesScreensAndBalloon()
    {
        start();
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00 03"));
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.stages(), QList<int>{3}, 2000);
        QCOMPARE(rig->owner.balloons(), QStringList{QStringLiteral("Info|DPI Switch to |10000")});
        bool sawEvent = false;
        for (const TraceRow& row : rig->rows({"read"}))
            sawEvent = sawEvent || (row.iface == QLatin1String("event") && row.data == report("06 07 00 03"));
        QVERIFY(sawEvent);
    }

    void outOfRangeStagesUseTheLastText_data()
    {
        QTest::addColumn<int>("stage");
        QTest::newRow("0") << 0;
        QTest::newRow("9") << 9;
    }

    void outOfRangeStagesUseTheLastText()
    {
        QFETCH(int, stage);
        QStringList texts;
        for (int i = 0; i < 8; ++i)
            texts << QStringLiteral("T%1").arg(i);
        dpitexts::setDpiSwitchTexts(texts);
        start();
        QByteArray event = report("06 07 00 00");
        event[3] = static_cast<char>(stage);
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, event);
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.stages(), QList<int>{stage}, 2000);
        QCOMPARE(rig->owner.balloons(), QStringList{QStringLiteral("Info|T7 |10000")});
    }

    void otherReportsAreIgnored()
    {
        start();
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 08 00 02"));
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00"));
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00 05"));
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.stages(), QList<int>{5}, 2000);
        QCOMPARE(rig->owner.balloons().size(), 1);
    }

    void dpiButtonOfTheSimulatedMouse()
    {
        start();
        rig->sim.pressDpiButton();
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.stages(), QList<int>{2}, 2000);
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
        QCOMPARE(rig->owner.viewEnabled(), QList<bool>{false});
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
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00 02"));
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.stages(), QList<int>{2}, 2000);
        QCOMPARE(eventRows("open").size(), 1);
    }

    // A failed read with the device still there costs one reopen, not the device.
    void failedReadReopensAndGoesOn()
    {
        start();
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::Read, 1,
                             SimulatedHid::Interface::Event);
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00 04"));
        QTRY_COMPARE_WITH_TIMEOUT(eventRows("open").size(), 2, 2000);
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00 05"));
        QTRY_VERIFY_WITH_TIMEOUT(rig->owner.stages().contains(5), 2000);
        QVERIFY(rig->hid.isReaderRunning());
        QVERIFY(rig->owner.viewEnabled().isEmpty());
    }

    // Without an event interface nothing can notice a removal, so no reader
    // claims to run: device changes must still start detection passes.
    void emptyEventPathStartsNoReader()
    {
        rig = std::make_unique<ProtocolRig>();
        QList<DeviceRecord> list = rig->hid.devices();
        list[ProtocolRig::kMouse].path2.clear();
        rig->hid.setDevices(list);
        rig->select(ProtocolRig::kMouse);
        rig->hid.connectRead(ProtocolRig::kMouse);
        QElapsedTimer timer;
        timer.start();
        rig->hid.waitForReader();
        QVERIFY(timer.elapsed() < 200);
        QVERIFY(!rig->hid.isReaderRunning());
        QVERIFY(rig->owner.viewEnabled().isEmpty());
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
        QVERIFY(rig->owner.viewEnabled().isEmpty());
    }

    void reconnectReplacesTheReader()
    {
        start();
        rig->hid.connectRead(ProtocolRig::kMouse);
        rig->sim.injectEvent(SimulatedHid::Device::Mouse, report("06 07 00 04"));
        QTRY_COMPARE_WITH_TIMEOUT(rig->owner.stages(), QList<int>{4}, 2000);
    }
};

QTEST_GUILESS_MAIN(TestReader)
#include "tst_reader.moc"
