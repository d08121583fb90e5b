#include "ProtocolRig.h"

#include <QProcess>
#include <QTimer>
#include <QtTest>

// The framing, pacing and failure paths shared by every command.
class TestTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checksumOfExampleBlock()
    {
        Hid_Thread hid;
        uchar block[8] = {0x01, 0x02, 0, 0, 0, 0, 0, 0xAA};
        QCOMPARE(hid.hidCS(block), uchar(0xFC));
        uchar wraps[8] = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0};
        QCOMPARE(hid.hidCS(wraps), uchar(~(0xFF * 3) & 0xFF));
    }

    // A protocol object nobody gave a back end must not reach a real device.
    void withoutAChosenBackEndTheFirstDeviceCallAborts()
    {
        QProcess helper;
        helper.start(QStringLiteral(QUORIX_UNCHOSEN_BACKEND), QStringList());
        QVERIFY(helper.waitForFinished(30000));
        QVERIFY(helper.exitStatus() == QProcess::CrashExit || helper.exitCode() != 0);
        QVERIFY2(helper.readAllStandardError().contains("No HID back end was chosen"), "no reason given");
    }

    void plainFeatureReportOnTheWire()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        rig.hid.hid553_01H_SetReportRate(2);
        QCOMPARE(rig.trace.lines().first(),
                 QStringLiteral("{\"t\": 0, \"dev\": \"mouse\", \"iface\": \"command\", \"op\": \"open\", \"rc\": 0, \"data\": \"\"}"));
        const QString msg = checkSettledTrain(rig, hexBytes("00 01 02 00 00 00 00 00 fc"), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig.sim.mouse().state().reportRate, uchar(2));
    }

    void everyStepReopensTheInterface()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        rig.hid.hid553_01H_SetReportRate(1);
        QStringList ops;
        for (const TraceRow& row : rig.rows())
            ops << row.op;
        QCOMPARE(ops, (QStringList{"open", "close", "open", "send-feature", "close"}));
    }

    void shortPayloadIsPaddedInOneReport()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        QByteArray colours = pattern(24);
        rig.hid.hid553_10H_SetLED8StageColor(0, reinterpret_cast<uchar*>(colours.data()));
        const QString msg = checkSettledTrain(rig, hexBytes("00 10 00 18 00 00 00 00 d7"), {colours}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig.rows({"write"}).first().data.size(), 33);
    }

    void longPayloadTravelsAsATrain()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kKeyboard);
        QByteArray macro = pattern(192, 3);
        rig.hid.keyboard_11H_SetMacroKey(5, reinterpret_cast<uchar*>(macro.data()));
        const QString msg =
            checkSettledTrain(rig, hexBytes("00 11 00 05 03 00 00 00 e6"), chunks(macro, 64), 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig.sim.keyboard().state().macros.value(5), macro);
    }

    void failedOutputReportStopsTheTrain()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        rig.sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::Write, 3);
        QByteArray macro = pattern(128);
        rig.hid.hid553_13H_SetMacroKey(1, reinterpret_cast<uchar*>(macro.data()));
        const QList<TraceRow> writes = rig.rows({"write"});
        QCOMPARE(writes.size(), 3);
        QCOMPARE(writes[2].rc, -1);
        const TraceRow last = rig.rows().last();
        QCOMPARE(last.op, QStringLiteral("close"));
        QCOMPARE(last.t, writes[2].t);
        QVERIFY(rig.hid.isChannelFree());
        QVERIFY(!rig.sim.mouse().state().macros.contains(1));
    }

    void emptyPathMakesNoCall()
    {
        ProtocolRig rig;
        rig.clearPath(ProtocolRig::kMouse);
        rig.select(ProtocolRig::kMouse);
        QByteArray macro = pattern(128);
        rig.hid.hid553_13H_SetMacroKey(1, reinterpret_cast<uchar*>(macro.data()));
        uchar stage = 4;
        rig.hid.hid553_8BH_GetCurrentDPI(stage);
        QVERIFY(rig.trace.lines().isEmpty());
        QCOMPARE(stage, uchar(4));
        QVERIFY(rig.hid.isChannelFree());
    }

    void failedOpenEmptiesThePath()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        rig.sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::Open, 1);
        rig.hid.hid553_01H_SetReportRate(1);
        QCOMPARE(rig.rows().size(), 1);
        QCOMPARE(rig.rows().first().rc, -1);
        QVERIFY(rig.hid.devices().at(ProtocolRig::kMouse).path.isEmpty());
        QVERIFY(!rig.hid.devices().at(ProtocolRig::kMouse).path2.isEmpty());
        rig.trace.clear();
        rig.hid.hid553_01H_SetReportRate(1);
        QVERIFY(rig.trace.lines().isEmpty());
        QVERIFY(rig.hid.isChannelFree());
    }

    void unpluggedDeviceFailsAndFreesTheChannel()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kKeyboard);
        rig.sim.unplug(SimulatedHid::Device::Keyboard);
        QByteArray table = pattern(512);
        rig.hid.keyboard_0DH_SetKeyMatrix(reinterpret_cast<uchar*>(table.data()));
        QVERIFY(rig.rows({"write", "send-feature"}).isEmpty());
        QVERIFY(rig.hid.isChannelFree());
        QVERIFY(rig.hid.devices().at(ProtocolRig::kKeyboard).path.isEmpty());
    }

    void busyChannelGivesTheMessageAndSendsNothing()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        qint64 nestedStart = -1;
        qint64 nestedEnd = -1;
        // The nested command runs from the event processing at the start of
        // the outer transfer, while the outer command holds the token.
        QTimer::singleShot(0, [&] {
            nestedStart = rig.clock.nowMs();
            rig.hid.hid553_0BH_SetCurrentDPI(5);
            nestedEnd = rig.clock.nowMs();
        });
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 0B");
        rig.hid.hid553_01H_SetReportRate(3);
        QCOMPARE(nestedEnd - nestedStart, qint64(255 * 8));
        const QList<TraceRow> sent = rig.rows({"send-feature", "write"});
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].data, hexBytes("00 01 03 00 00 00 00 00 fb"));
        QCOMPARE(rig.sim.mouse().state().dpiStage, uchar(1));
        QVERIFY(rig.hid.isChannelFree());
    }

    void failureMessagesUseTheProtocolCategory()
    {
        static QStringList captured;
        captured.clear();
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        QTimer::singleShot(0, [&] { rig.hid.hid553_12H_SetKeyMatrix(nullptr, 1); });
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (type == QtDebugMsg)
                    captured << QString::fromLatin1(context.category) + QLatin1Char('|') + text;
            });
        rig.hid.hid553_01H_SetReportRate(3);
        qInstallMessageHandler(previous);
        QCOMPARE(captured, QStringList{QStringLiteral("quorix.protocol|cmd Failed 12")});
    }

    void everyFailedTransferIsLoggedOnce_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("readsProfile");
        QTest::addColumn<QString>("logged");
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

    // Whatever step fails, the log says once which device, command and call.
    void everyFailedTransferIsLoggedOnce()
    {
        QFETCH(int, op);
        QFETCH(int, nth);
        QFETCH(bool, readsProfile);
        QFETCH(QString, logged);
        static QStringList captured;
        captured.clear();
        ProtocolRig rig(sim::MouseFamily::F560);
        if (op < 0)
            rig.setReportLength(ProtocolRig::kMouse, 0);
        rig.select(ProtocolRig::kMouse);
        if (op >= 0)
            rig.sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op(op), nth);
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (type == QtWarningMsg)
                    captured << QString::fromLatin1(context.category) + QLatin1Char('|') + text;
            });
        QByteArray buffer = pattern(128);
        if (readsProfile)
            rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(buffer.data()), 0);
        else
            rig.hid.hid560_0FH_SetMacroKey(1, reinterpret_cast<uchar*>(buffer.data()));
        qInstallMessageHandler(previous);
        QCOMPARE(captured, QStringList{QStringLiteral("quorix.protocol|") + logged});
    }

    void busyChannelLeavesGetterOutputs()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        uchar a = 1, b = 2, c = 3, d = 4;
        QTimer::singleShot(0, [&] { rig.hid.hid553_00H_GetSecrecyCode(a, b, c, d); });
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 00");
        rig.hid.hid553_02H_SetCurrentKeyMatrix(1);
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{1, 2, 3, 4}));
    }

    void clearingTheTokenLetsTheNextCommandThrough()
    {
        ProtocolRig rig;
        rig.select(ProtocolRig::kMouse);
        rig.hid.setChannelFree();
        rig.hid.hid553_0BH_SetCurrentDPI(2);
        QCOMPARE(rig.sim.mouse().state().dpiStage, uchar(2));
    }

    void silentInputReadFailsWithinTheBound()
    {
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.select(ProtocolRig::kMouse);
        rig.sim.setInputSilent(SimulatedHid::Device::Mouse, true);
        qint64 eventAt = -1;
        QTimer::singleShot(0, [&] { eventAt = rig.clock.nowMs(); });
        QByteArray buffer = pattern(128, 9);
        const QByteArray before = buffer;
        rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(buffer.data()), 0);

        // A row's time is when its call returned.
        const qint64 readStart = rig.rows({"get-feature"}).first().t;
        const QList<TraceRow> reads = rig.rows({"read"});
        QCOMPARE(reads.size(), 10);
        for (const TraceRow& read : reads)
            QCOMPARE(read.rc, 0);
        QVERIFY2(eventAt > readStart && eventAt < readStart + 1000, "events wait until the read gives up");
        QCOMPARE(rig.rows().last().op, QStringLiteral("close"));
        QCOMPARE(rig.rows().last().t - readStart, qint64(1000));
        QCOMPARE(buffer, before);
        QVERIFY(rig.hid.isChannelFree());
    }

    void failedSecondChunkKeepsTheCallersBytes()
    {
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.sim.mouse().state().profiles[2] = pattern(128, 5);
        rig.select(ProtocolRig::kMouse);
        rig.sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::Read, 2);
        QByteArray buffer(128, '\x11');
        rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(buffer.data()), 2);
        QCOMPARE(buffer.left(32), pattern(128, 5).left(32));
        QCOMPARE(buffer.mid(32), QByteArray(96, '\x11'));
    }

    void zeroReportLengthFailsAtOnce()
    {
        ProtocolRig rig;
        rig.setReportLength(ProtocolRig::kMouse, 0);
        rig.select(ProtocolRig::kMouse);
        QByteArray matrix = pattern(64);
        rig.hid.hid553_12H_SetKeyMatrix(reinterpret_cast<uchar*>(matrix.data()), 1);
        QVERIFY(rig.trace.lines().isEmpty());
        QVERIFY(rig.hid.isChannelFree());
        // Commands without a payload do not depend on it.
        rig.hid.hid553_01H_SetReportRate(1);
        QCOMPARE(rig.rows({"send-feature"}).size(), 1);
    }

    void negativeReportLengthFailsAtOnce()
    {
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.setReportLength(ProtocolRig::kMouse, -4);
        rig.select(ProtocolRig::kMouse);
        QByteArray buffer(128, '\x22');
        rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(buffer.data()), 0);
        QVERIFY(rig.trace.lines().isEmpty());
        QCOMPARE(buffer, QByteArray(128, '\x22'));
    }

    // 2.1 GB per transfer, then bad_alloc, if the length were believed.
    void absurdReportLengthFailsAtOnce()
    {
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.setReportLength(ProtocolRig::kMouse, 2147483647);
        rig.select(ProtocolRig::kMouse);
        QByteArray buffer(128, '\x33');
        rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(buffer.data()), 0);
        rig.hid.hid560_0CH_setProfile(reinterpret_cast<uchar*>(buffer.data()), 0);
        QVERIFY(rig.trace.lines().isEmpty());
        QCOMPARE(buffer, QByteArray(128, '\x33'));
        QVERIFY(rig.hid.isChannelFree());
    }

    void traceIsReproducibleOnVirtualTime()
    {
        auto run = [] {
            ProtocolRig rig;
            rig.select(ProtocolRig::kKeyboard);
            QByteArray picture = pattern(512, 2);
            rig.hid.keyboard_12H_SetPicture(reinterpret_cast<uchar*>(picture.data()), 1);
            rig.hid.hidARM_09H_SetKeyboardMode(1);
            return rig.trace.lines();
        };
        const QStringList first = run();
        QCOMPARE(run(), first);
        QVERIFY(first.size() > 20);
    }

    void traceGoesToAFile()
    {
        QTemporaryDir dir;
        ProtocolRig rig;
        const QString file = dir.filePath(QStringLiteral("trace.jsonl"));
        QVERIFY(rig.trace.writeTo(file));
        rig.select(ProtocolRig::kMouse);
        rig.hid.hid553_01H_SetReportRate(1);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList fromFile = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(fromFile, rig.trace.lines());
    }
};

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
