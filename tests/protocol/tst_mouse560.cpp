#include "ProtocolRig.h"

#include <QtTest>

// The 560 mouse family's commands: their bytes, payloads and pauses on the wire.
class TestMouse560 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { rig = std::make_unique<ProtocolRig>(sim::MouseFamily::F560); rig->select(ProtocolRig::kMouse); }

    void quickCommands_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::newRow("01 options") << DeviceCall([](Hid_Thread& h) { h.hid560_01H_SetKeyboardoption(0x0A, 0x0B); })
                                    << commandReport({0x01, 0x0A, 0x0B});
        QTest::newRow("02 current profile") << DeviceCall([](Hid_Thread& h) { h.hid560_02H_SetCurrentProfile(3); })
                                            << commandReport({0x02, 3});
    }

    void quickCommands()
    {
        QFETCH(DeviceCall, call);
        QFETCH(QByteArray, feature);
        call(rig->hid);
        const QString msg = checkQuickCommand(*rig, feature);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void currentDpiGoesToFourIndexes()
    {
        rig->hid.hid560_04H_SetCurrentDPI(3);
        const QList<TraceRow> sent = rig->rows({"send-feature", "write"});
        QCOMPARE(sent.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(sent[i].data, commandReport({0x04, i + 1, 3}));
            QCOMPARE(sent[i].t, qint64(128 * i));
        }
        QCOMPARE(rig->clock.nowMs(), qint64(4 * 128));
        QCOMPARE(rig->sim.mouse().state().dpiStages, (std::array<uchar, 4>{3, 3, 3, 3}));
        QVERIFY(rig->hid.isChannelFree());
    }

    void currentDpiWithGunFlagGoesToTheFirstIndexOnly()
    {
        rig->owner.gun = true;
        rig->hid.hid560_04H_SetCurrentDPI(3);
        const QString msg = checkSettledTrain(*rig, hexBytes("00 04 01 03 00 00 00 00 f7"), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void reportRateGoesToFourIndexes()
    {
        rig->hid.hid560_03H_SetReportRate(2);
        const QList<TraceRow> sent = rig->rows({"send-feature"});
        QCOMPARE(sent.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(sent[i].data, commandReport({0x03, i + 1, 2}));
        QCOMPARE(rig->sim.mouse().state().reportRates, (std::array<uchar, 4>{2, 2, 2, 2}));
    }

    void repeatedCommandGoesOnAfterAFailedIndex()
    {
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::SendFeature, 2);
        rig->hid.hid560_03H_SetReportRate(1);
        const QList<TraceRow> sent = rig->rows({"send-feature"});
        QCOMPARE(sent.size(), 4);
        QCOMPARE(sent[1].rc, -1);
        QCOMPARE(rig->sim.mouse().state().reportRates, (std::array<uchar, 4>{1, 0, 1, 1}));
    }

    void repeatedCommandHoldsTheChannelThroughout()
    {
        bool nestedRan = false;
        QTimer::singleShot(0, [&] {
            rig->hid.hid560_02H_SetCurrentProfile(4);
            nestedRan = true;
        });
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 02");
        rig->hid.hid560_04H_SetCurrentDPI(2);
        QVERIFY(nestedRan);
        QCOMPARE(rig->rows({"send-feature"}).size(), 4);
        QCOMPARE(rig->sim.mouse().state().currentProfile, uchar(0));
    }

    void blockCommands_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::addColumn<QByteArray>("payload");
        QByteArray profile = pattern(128, 6), keys = pattern(64, 7), macro = pattern(128, 8);
        QTest::newRow("0C profile block")
            << DeviceCall([profile](Hid_Thread& h) mutable { h.hid560_0CH_setProfile(bytesOf(profile), 4); })
            << commandReport({0x0C, 4, 0x80}) << profile;
        // The key matrix announces and sends a whole block: its 64 bytes, then zeros.
        QTest::newRow("0D key matrix")
            << DeviceCall([keys](Hid_Thread& h) mutable { h.hid560_0DH_SetKeyMatrix(bytesOf(keys), 1); })
            << commandReport({0x0D, 1, 0x80}) << keys + QByteArray(64, '\0');
        QTest::newRow("0F macro") << DeviceCall([macro](Hid_Thread& h) mutable { h.hid560_0FH_SetMacroKey(2, bytesOf(macro)); })
                                  << commandReport({0x0F, 2, 0x80}) << macro;
    }

    void blockCommands()
    {
        QFETCH(DeviceCall, call);
        QFETCH(QByteArray, feature);
        QFETCH(QByteArray, payload);
        call(rig->hid);
        const QString msg = checkSettledTrain(*rig, feature, chunks(payload, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void gettersReadTheReply()
    {
        auto& state = rig->sim.mouse().state();
        state.options560 = {0x31, 0x32};
        state.currentProfile = 2;
        state.dpiStages = {5, 6, 7, 1};
        uchar a = 0, b = 0;
        rig->hid.hid560_81H_GetKeyboardoption(a, b);
        QString msg = checkReplyCommand(*rig, hexBytes("00 81 00 00 00 00 00 00 7e"));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE((QList<int>{a, b}), (QList<int>{0x31, 0x32}));

        rig->trace.clear();
        uchar profile = 0;
        rig->hid.hid560_82H_GetCurrentProfile(profile);
        msg = checkReplyCommand(*rig, commandReport({0x82}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(profile, uchar(2));

        // The stage request sends its first input.
        rig->trace.clear();
        uchar index = 1, stage = 0;
        rig->hid.hid560_84H_GetCurrentDPI(index, stage);
        msg = checkReplyCommand(*rig, commandReport({0x84, 1}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(stage, uchar(5));
    }

    void failedGettersKeepTheirParameters()
    {
        rig->sim.unplug(SimulatedHid::Device::Mouse);
        uchar a = 1, b = 2, p = 3, i = 4, s = 5;
        rig->hid.hid560_81H_GetKeyboardoption(a, b);
        rig->hid.hid560_82H_GetCurrentProfile(p);
        rig->hid.hid560_84H_GetCurrentDPI(i, s);
        QCOMPARE((QList<int>{a, b, p, i, s}), (QList<int>{1, 2, 3, 4, 5}));
    }

    void profileReadReturnsWhatWasWritten()
    {
        for (int block = 0; block < 5; ++block) {
            QByteArray src = pattern(128, 20 + block);
            rig->hid.hid560_0CH_setProfile(bytesOf(src), static_cast<uchar>(block));
        }
        rig->trace.clear();
        QByteArray buffer(128, '\0');
        rig->hid.hid560_8CH_readProfile(bytesOf(buffer), 3);
        QCOMPARE(buffer, pattern(128, 23));
        const QList<TraceRow> rows = rig->rows({"send-feature", "get-feature", "read"});
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0].data, commandReport({0x8C, 3}));
        QCOMPARE(rows[1].op, QStringLiteral("get-feature"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rows[2 + i].data, pattern(128, 23).mid(32 * i, 32));
    }

    void profileReadOnAFailedFeatureReportKeepsTheBuffer()
    {
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::SendFeature, 1);
        QByteArray buffer = pattern(128, 40);
        rig->hid.hid560_8CH_readProfile(bytesOf(buffer), 0);
        QCOMPARE(buffer, pattern(128, 40));
        QVERIFY(rig->rows({"get-feature", "read"}).isEmpty());
    }

    void busyMessages_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QByteArray buffer(128, '\0');
        const auto row = [](const char* message, DeviceCall call) { QTest::newRow(message) << call; };
        row("cmd Failed 03", [](Hid_Thread& h) { h.hid560_01H_SetKeyboardoption(1, 2); });
        row("cmd Failed 02", [](Hid_Thread& h) { h.hid560_02H_SetCurrentProfile(1); });
        row("cmd Failed 01", [](Hid_Thread& h) { h.hid560_03H_SetReportRate(1); });
        row("cmd Failed 04", [](Hid_Thread& h) { h.hid560_04H_SetCurrentDPI(1); });
        row("cmd Failed 0C", [buffer](Hid_Thread& h) mutable { h.hid560_0CH_setProfile(bytesOf(buffer), 1); });
        row("cmd Failed 12", [buffer](Hid_Thread& h) mutable { h.hid560_0DH_SetKeyMatrix(bytesOf(buffer), 1); });
        row("cmd Failed 0F", [buffer](Hid_Thread& h) mutable { h.hid560_0FH_SetMacroKey(1, bytesOf(buffer)); });
        row("cmd Failed 81", [](Hid_Thread& h) { uchar r[2] = {}; h.hid560_81H_GetKeyboardoption(r[0], r[1]); });
        row("cmd Failed 82", [](Hid_Thread& h) { uchar r = 0; h.hid560_82H_GetCurrentProfile(r); });
        row("cmd Failed 84", [](Hid_Thread& h) { uchar r[2] = {}; h.hid560_84H_GetCurrentDPI(r[0], r[1]); });
        row("cmd Failed 8c", [buffer](Hid_Thread& h) mutable { h.hid560_8CH_readProfile(bytesOf(buffer), 0); });
    }

    // A command started while another holds the channel gives up with its own text.
    void busyMessages()
    {
        QFETCH(DeviceCall, call);
        QTimer::singleShot(0, [&] { call(rig->hid); });
        QTest::ignoreMessage(QtDebugMsg, QTest::currentDataTag());
        rig->hid.hid560_02H_SetCurrentProfile(1);
        QCOMPARE(rig->rows({"send-feature", "write"}).size(), 1);
    }

private:
    std::unique_ptr<ProtocolRig> rig;
};

QTEST_GUILESS_MAIN(TestMouse560)
#include "tst_mouse560.moc"
