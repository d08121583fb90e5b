#include "ProtocolRig.h"

#include <QtTest>

// The 553 mouse family's commands: their bytes, payloads and pauses on the wire.
class TestMouse553 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { rig = std::make_unique<ProtocolRig>(sim::MouseFamily::F553); rig->select(ProtocolRig::kMouse); }

    void settledCommands_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::addColumn<QByteArray>("payload");
        QByteArray p24 = pattern(24), p8 = pattern(8), p64 = pattern(64), p128 = pattern(128, 4);
        QTest::newRow("01 report rate") << DeviceCall([](Hid_Thread& h) { h.hid553_01H_SetReportRate(2); })
                                        << hexBytes("00 01 02 00 00 00 00 00 fc") << QByteArray();
        QTest::newRow("02 key layer") << DeviceCall([](Hid_Thread& h) { h.hid553_02H_SetCurrentKeyMatrix(3); })
                                      << commandReport({0x02, 3}) << QByteArray();
        QTest::newRow("0B current stage") << DeviceCall([](Hid_Thread& h) { h.hid553_0BH_SetCurrentDPI(4); })
                                          << commandReport({0x0B, 4}) << QByteArray();
        QTest::newRow("0C fixed colour in the block") << DeviceCall([](Hid_Thread& h) {
            uchar rgb[3] = {0x10, 0x20, 0x30};
            h.hid553_0CH_SetFixLEDColor(rgb);
        }) << commandReport({0x0C, 0x10, 0x20, 0x30}) << QByteArray();
        QTest::newRow("0D effect") << DeviceCall([](Hid_Thread& h) { h.hid553_0DH_SetRGBLedEffect(5, 6, 7); })
                                   << commandReport({0x0D, 5, 6, 7}) << QByteArray();
        QTest::newRow("10 stage colours, short type")
            << DeviceCall([p24](Hid_Thread& h) mutable { h.hid553_10H_SetLED8StageColor(2, bytesOf(p24)); })
            << commandReport({0x10, 2, 4}) << p24.left(4);
        QTest::newRow("10 stage colours, full table")
            << DeviceCall([p24](Hid_Thread& h) mutable { h.hid553_10H_SetLED8StageColor(1, bytesOf(p24)); })
            << commandReport({0x10, 1, 24}) << p24;
        QTest::newRow("11 DPI table") << DeviceCall([p8](Hid_Thread& h) mutable { h.hid553_11H_SetDPISet(6, bytesOf(p8)); })
                                      << commandReport({0x11, 6, 8}) << p8;
        QTest::newRow("12 key matrix")
            << DeviceCall([p64](Hid_Thread& h) mutable { h.hid553_12H_SetKeyMatrix(bytesOf(p64), 2); })
            << commandReport({0x12, 2, 0x40, 0x08}) << p64;
        QTest::newRow("13 macro") << DeviceCall([p128](Hid_Thread& h) mutable { h.hid553_13H_SetMacroKey(7, bytesOf(p128)); })
                                  << commandReport({0x13, 7, 0x80}) << p128;
    }

    void settledCommands()
    {
        QFETCH(DeviceCall, call);
        QFETCH(QByteArray, feature);
        QFETCH(QByteArray, payload);
        call(rig->hid);
        const QString msg = checkSettledTrain(*rig, feature, payload.isEmpty() ? QList<QByteArray>() : chunks(payload, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void quickCommands_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::newRow("03 options in c1 to c4")
            << DeviceCall([](Hid_Thread& h) { h.hid553_03H_SetKeyboardoption(0x11, 0x22, 0x33, 0x44); })
            << commandReport({0x03, 0x11, 0x22, 0x33, 0x44});
        QTest::newRow("04 gun data leaves c1 clear")
            << DeviceCall([](Hid_Thread& h) { h.hid553_04H_SetGunData(0xA1, 0xA2, 0xA3, 0xA4); })
            << commandReport({0x04, 0x00, 0xA1, 0xA2, 0xA3, 0xA4});
    }

    void quickCommands()
    {
        QFETCH(DeviceCall, call);
        QFETCH(QByteArray, feature);
        call(rig->hid);
        const QString msg = checkQuickCommand(*rig, feature);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void gettersReadTheReply()
    {
        auto& state = rig->sim.mouse().state();
        state.options = {1, 2, 3, 4};
        state.dpiStage = 3;
        uchar a = 9, b = 9, c = 9, d = 9;
        rig->hid.hid553_83H_GetKeyboardoption(a, b, c, d);
        QString msg = checkReplyCommand(*rig, hexBytes("00 83 00 00 00 00 00 00 7c"));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{1, 2, 3, 4}));

        rig->trace.clear();
        uchar stage = 0;
        rig->hid.hid553_8BH_GetCurrentDPI(stage);
        msg = checkReplyCommand(*rig, commandReport({0x8B}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(stage, uchar(3));

        // The secrecy code request sends its inputs in c1 to c4.
        rig->trace.clear();
        a = 1, b = 2, c = 3, d = 4;
        rig->hid.hid553_00H_GetSecrecyCode(a, b, c, d);
        msg = checkReplyCommand(*rig, commandReport({0x00, 1, 2, 3, 4}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        const auto& code = state.secrecyCode;
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{code[0], code[1], code[2], code[3]}));
    }

    // Getters pre-fill the reply: a failed read leaves their parameters as
    // they were, except the secrecy code, whose pre-fill is zero.
    void failedGetters()
    {
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        uchar a = 5, b = 6, c = 7, d = 8;
        rig->hid.hid553_83H_GetKeyboardoption(a, b, c, d);
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{5, 6, 7, 8}));

        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        rig->hid.hid553_00H_GetSecrecyCode(a, b, c, d);
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{0, 0, 0, 0}));

        rig->sim.unplug(SimulatedHid::Device::Mouse);
        uchar stage = 6;
        rig->hid.hid553_8BH_GetCurrentDPI(stage);
        QCOMPARE(stage, uchar(6));
    }

    void busyMessages_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QByteArray buffer(128, '\0');
        const auto row = [](const char* message, DeviceCall call) { QTest::newRow(message) << call; };
        row("cmd Failed 00", [](Hid_Thread& h) { uchar r[4] = {}; h.hid553_00H_GetSecrecyCode(r[0], r[1], r[2], r[3]); });
        row("cmd Failed 01", [](Hid_Thread& h) { h.hid553_01H_SetReportRate(1); });
        row("cmd Failed 02", [](Hid_Thread& h) { h.hid553_02H_SetCurrentKeyMatrix(1); });
        row("cmd Failed 03", [](Hid_Thread& h) { h.hid553_03H_SetKeyboardoption(1, 2, 3, 4); });
        row("cmd Failed 04", [](Hid_Thread& h) { h.hid553_04H_SetGunData(1, 2, 3, 4); });
        row("cmd Failed 0B", [](Hid_Thread& h) { h.hid553_0BH_SetCurrentDPI(1); });
        row("cmd Failed 0C", [buffer](Hid_Thread& h) mutable { h.hid553_0CH_SetFixLEDColor(bytesOf(buffer)); });
        row("cmd Failed 0D", [](Hid_Thread& h) { h.hid553_0DH_SetRGBLedEffect(1, 2, 3); });
        row("cmd Failed 10", [buffer](Hid_Thread& h) mutable { h.hid553_10H_SetLED8StageColor(1, bytesOf(buffer)); });
        row("cmd Failed 11", [buffer](Hid_Thread& h) mutable { h.hid553_11H_SetDPISet(1, bytesOf(buffer)); });
        row("cmd Failed 12", [buffer](Hid_Thread& h) mutable { h.hid553_12H_SetKeyMatrix(bytesOf(buffer), 1); });
        row("cmd Failed 13", [buffer](Hid_Thread& h) mutable { h.hid553_13H_SetMacroKey(1, bytesOf(buffer)); });
        row("cmd Failed 83", [](Hid_Thread& h) { uchar r[4] = {}; h.hid553_83H_GetKeyboardoption(r[0], r[1], r[2], r[3]); });
        row("cmd Failed 8BH", [](Hid_Thread& h) { uchar r = 0; h.hid553_8BH_GetCurrentDPI(r); });
    }

    // A command started while another holds the channel gives up with its own text.
    void busyMessages()
    {
        QFETCH(DeviceCall, call);
        QTimer::singleShot(0, [&] { call(rig->hid); });
        QTest::ignoreMessage(QtDebugMsg, QTest::currentDataTag());
        rig->hid.hid553_01H_SetReportRate(9);
        QCOMPARE(rig->rows({"send-feature", "write"}).size(), 1);
    }

private:
    std::unique_ptr<ProtocolRig> rig;
};

QTEST_GUILESS_MAIN(TestMouse553)
#include "tst_mouse553.moc"
