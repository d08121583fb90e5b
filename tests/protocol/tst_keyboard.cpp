#include "ProtocolRig.h"

#include <QtTest>

// The keyboard's commands: their bytes, payloads and pauses on the wire.
class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { rig = std::make_unique<ProtocolRig>(); rig->select(ProtocolRig::kKeyboard); }

    void settledCommands_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::addColumn<QByteArray>("payload");
        QByteArray keys = pattern(512, 1), picture = pattern(512, 2), macro = pattern(192, 3);
        QTest::newRow("0D key matrix in eight reports")
            << DeviceCall([keys](Hid_Thread& h) mutable { h.keyboard_0DH_SetKeyMatrix(bytesOf(keys)); })
            << commandReport({0x0D, 0, 0, 8}) << keys;
        QTest::newRow("12 picture index in c2")
            << DeviceCall([picture](Hid_Thread& h) mutable { h.keyboard_12H_SetPicture(bytesOf(picture), 3); })
            << hexBytes("00 12 00 03 08 00 00 00 e2") << picture;
        QTest::newRow("11 macro id in c2")
            << DeviceCall([macro](Hid_Thread& h) mutable { h.keyboard_11H_SetMacroKey(5, bytesOf(macro)); })
            << commandReport({0x11, 0, 5, 3}) << macro;
        QTest::newRow("14 stage colour")
            << DeviceCall([](Hid_Thread& h) { h.keyboard_14H_SetLED8StageColor(6, 0x10, 0x20, 0x30); })
            << commandReport({0x14, 0, 6, 0x10, 0x20, 0x30}) << QByteArray();
        QTest::newRow("08 effect") << DeviceCall([](Hid_Thread& h) { h.hidARM_08H_SetRGBLedEffect(1, 2, 3, 4); })
                                   << commandReport({0x08, 0, 1, 2, 3, 4}) << QByteArray();
        QTest::newRow("09 mode in c1") << DeviceCall([](Hid_Thread& h) { h.hidARM_09H_SetKeyboardMode(1); })
                                       << commandReport({0x09, 1}) << QByteArray();
        QTest::newRow("13 recovery") << DeviceCall([](Hid_Thread& h) { h.hidARM_13H_RecoveryData(); })
                                     << hexBytes("00 13 ff 00 00 00 00 00 ed") << QByteArray();
    }

    void settledCommands()
    {
        QFETCH(DeviceCall, call);
        QFETCH(QByteArray, feature);
        QFETCH(QByteArray, payload);
        call(rig->hid);
        const QString msg = checkSettledTrain(*rig, feature, payload.isEmpty() ? QList<QByteArray>() : chunks(payload, 64), 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void keyMatrixTakesItsPauses()
    {
        QByteArray src = pattern(512, 1);
        rig->hid.keyboard_0DH_SetKeyMatrix(bytesOf(src));
        // 128 + 8 x 120 + 128 ms.
        QCOMPARE(rig->clock.nowMs(), qint64(1216));
    }

    void profileReadDeliversTheLayoutByte()
    {
        rig->sim.keyboard().state().profile = pattern(512, 9);
        rig->sim.keyboard().setLayoutByte(0x02);
        QByteArray buffer(512, '\0');
        rig->hid.keyboardReadProfile(bytesOf(buffer));
        QCOMPARE(static_cast<uchar>(buffer[240]), uchar(0x02));
        QCOMPARE(buffer, rig->sim.keyboard().state().profile);
        const QList<TraceRow> rows = rig->rows({"send-feature", "get-feature", "read"});
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows[0].data, hexBytes("00 8d 00 00 00 00 00 00 72"));
        QCOMPARE(rows[2].data.size(), 64);
    }

    void busyMessages_data()
    {
        QTest::addColumn<DeviceCall>("call");
        QByteArray buffer(512, '\0');
        const auto row = [](const char* message, DeviceCall call) { QTest::newRow(message) << call; };
        row("cmd Failed 0DH", [buffer](Hid_Thread& h) mutable { h.keyboard_0DH_SetKeyMatrix(bytesOf(buffer)); });
        row("cmd Failed 11", [buffer](Hid_Thread& h) mutable { h.keyboard_11H_SetMacroKey(1, bytesOf(buffer)); });
        row("cmd Failed 12H", [buffer](Hid_Thread& h) mutable { h.keyboard_12H_SetPicture(bytesOf(buffer), 1); });
        row("cmd Failed 14", [](Hid_Thread& h) { h.keyboard_14H_SetLED8StageColor(1, 1, 1, 1); });
        row("hidARM_08H_SetRGBLedEffect", [](Hid_Thread& h) { h.hidARM_08H_SetRGBLedEffect(1, 2, 3, 4); });
        row("cmd Failed 09", [](Hid_Thread& h) { h.hidARM_09H_SetKeyboardMode(1); });
        row("cmd Failed 13H", [](Hid_Thread& h) { h.hidARM_13H_RecoveryData(); });
        // The profile read shares the mouse profile read's text, and keeps the caller's bytes.
        row("cmd Failed 8c", [](Hid_Thread& h) {
            QByteArray kept = pattern(512, 4);
            h.keyboardReadProfile(bytesOf(kept));
            QCOMPARE(kept, pattern(512, 4));
        });
    }

    // A command started while another holds the channel gives up with its own text.
    void busyMessages()
    {
        QFETCH(DeviceCall, call);
        QTimer::singleShot(0, [&] { call(rig->hid); });
        QTest::ignoreMessage(QtDebugMsg, QTest::currentDataTag());
        rig->hid.hidARM_13H_RecoveryData();
        QCOMPARE(rig->rows({"send-feature", "write"}).size(), 1);
    }

private:
    std::unique_ptr<ProtocolRig> rig;
};

QTEST_GUILESS_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
