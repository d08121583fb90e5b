#include "ProtocolRig.h"

#include <QProcess>
#include <QTimer>
#include <QtTest>

// The framing, pacing, failure paths and trace shared by every command.
class TestTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A protocol object nobody gave a back end must not reach a real device.
    void withoutAChosenBackEndTheFirstDeviceCallAborts()
    {
        QProcess helper;
        helper.start(QStringLiteral(QUORIX_UNCHOSEN_BACKEND), QStringList());
        QVERIFY(helper.waitForFinished(30000));
        QVERIFY(helper.exitStatus() == QProcess::CrashExit || helper.exitCode() != 0);
        QVERIFY2(helper.readAllStandardError().contains("No HID back end was chosen"), "no reason given");
    }

    void traceLineFormat()
    {
        const uchar data[3] = {0x00, 0x12, 0xAB};
        QCOMPARE(TracingBackend::formatLine(1216, "keyboard", "command", "write", 65, data, 3),
                 QStringLiteral("{\"t\": 1216, \"dev\": \"keyboard\", \"iface\": \"command\", \"op\": \"write\", "
                                "\"rc\": 65, \"data\": \"00 12 ab\"}"));
        QCOMPARE(TracingBackend::formatLine(0, "mouse", "event", "open", -1, nullptr, 0),
                 QStringLiteral("{\"t\": 0, \"dev\": \"mouse\", \"iface\": \"event\", \"op\": \"open\", \"rc\": -1, "
                                "\"data\": \"\"}"));
    }

    // 2147483647 would cost 2.1 GB per transfer, then bad_alloc, if believed.
    void anUnservableRecordSendsNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("reportLength");
        QTest::addColumn<bool>("quickGoesOut");
        QTest::newRow("no path") << QString() << 32 << false;
        QTest::newRow("report length 0") << QStringLiteral("keep") << 0 << true;
        QTest::newRow("report length -4") << QStringLiteral("keep") << -4 << true;
        QTest::newRow("report length 2147483647") << QStringLiteral("keep") << 2147483647 << true;
    }

    void anUnservableRecordSendsNothing()
    {
        QFETCH(QString, path);
        QFETCH(int, reportLength);
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.edit(ProtocolRig::kMouse, [&](DeviceRecord& r) {
            r.reportLength = reportLength;
            if (path.isEmpty())
                r.path.clear();
        });
        rig.select(ProtocolRig::kMouse);
        QByteArray buffer(128, '\x33');
        rig.hid.hid560_0FH_SetMacroKey(1, bytesOf(buffer));
        rig.hid.hid560_8CH_readProfile(bytesOf(buffer), 0);
        QVERIFY(rig.trace.lines().isEmpty());
        QCOMPARE(buffer, QByteArray(128, '\x33'));
        QVERIFY(rig.hid.isChannelFree());
        // Commands without a payload do not depend on the length.
        rig.hid.hid560_02H_SetCurrentProfile(1);
        QTEST(rig.rows({QStringLiteral("send-feature")}).size() == 1, "quickGoesOut");
    }

    void everyFailedTransferIsLoggedOnce_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("readsProfile");
        QTest::addColumn<QString>("expected");
        using Op = SimulatedHid::Op;
        const QString macro = QStringLiteral("Command 0f to the mouse (record 1) failed: %1");
        const QString profile = QStringLiteral("Command 8c to the mouse (record 1) failed: %1");
        QTest::newRow("open") << int(Op::Open) << 1 << false << macro.arg("open returned -1");
        QTest::newRow("command report") << int(Op::SendFeature) << 1 << false << macro.arg("send-feature returned -1");
        QTest::newRow("third output report") << int(Op::Write) << 3 << false << macro.arg("write returned -1");
        QTest::newRow("reply") << int(Op::GetFeature) << 1 << true << profile.arg("get-feature returned -1");
        QTest::newRow("second input report") << int(Op::Read) << 2 << true << profile.arg("read returned -1");
        QTest::newRow("report length") << -1 << 0 << false
                                       << macro.arg("cutting the payload (report length) returned 0");
    }

    // Whatever step fails, the log names it once and the transfer ends there.
    void everyFailedTransferIsLoggedOnce()
    {
        QFETCH(int, op);
        QFETCH(int, nth);
        QFETCH(bool, readsProfile);
        ProtocolRig rig(sim::MouseFamily::F560);
        if (op < 0)
            rig.edit(ProtocolRig::kMouse, [](DeviceRecord& r) { r.reportLength = 0; });
        rig.select(ProtocolRig::kMouse);
        if (op >= 0)
            rig.sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op(op), nth);
        QByteArray buffer = pattern(128);
        const QStringList log = logged(QtWarningMsg, [&] {
            if (readsProfile)
                rig.hid.hid560_8CH_readProfile(bytesOf(buffer), 0);
            else
                rig.hid.hid560_0FH_SetMacroKey(1, bytesOf(buffer));
        });
        QFETCH(QString, expected);
        QCOMPARE(log, QStringList{QStringLiteral("quorix.protocol|") + expected});
        // Nothing follows the failed call but, at once, the close.
        const QList<TraceRow> rows = rig.rows();
        if (op >= 0) {
            const bool closed = rows.last().op == QLatin1String("close");
            const TraceRow failed = rows.at(rows.size() - (closed ? 2 : 1));
            QCOMPARE(failed.rc, -1);
            QCOMPARE(rows.last().t, failed.t);
            QCOMPARE(closed, op != int(SimulatedHid::Op::Open));
        }
        QVERIFY(rig.hid.isChannelFree());
        // A node that cannot be opened is gone until the next detection pass.
        QCOMPARE(rig.hid.devices().at(ProtocolRig::kMouse).path.isEmpty(), op == int(SimulatedHid::Op::Open));
    }

    // Each input report is waited for at most about a second, with events served meanwhile.
    void silentInputReadFailsWithinTheBound()
    {
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.select(ProtocolRig::kMouse);
        rig.sim.setInputSilent(SimulatedHid::Device::Mouse, true);
        qint64 eventAt = -1;
        QTimer::singleShot(0, [&] { eventAt = rig.clock.nowMs(); });
        QByteArray buffer = pattern(128, 9);
        rig.hid.hid560_8CH_readProfile(bytesOf(buffer), 0);

        // A row's time is when its call returned.
        const qint64 readStart = rig.rows({QStringLiteral("get-feature")}).first().t;
        const QList<TraceRow> reads = rig.rows({QStringLiteral("read")});
        QCOMPARE(reads.size(), 10);
        for (const TraceRow& read : reads)
            QCOMPARE(read.rc, 0);
        QVERIFY2(eventAt > readStart && eventAt < readStart + 1000, "events wait until the read gives up");
        QCOMPARE(rig.rows().last().op, QStringLiteral("close"));
        QCOMPARE(rig.rows().last().t - readStart, qint64(1000));
        QCOMPARE(buffer, pattern(128, 9));
        QVERIFY(rig.hid.isChannelFree());
    }
};

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
