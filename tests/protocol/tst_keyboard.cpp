#include "ProtocolRig.h"

#include <QtTest>

// One golden case per keyboard command.
class TestKeyboard : public QObject
{
    Q_OBJECT

    static uchar* bytes(QByteArray& b) { return reinterpret_cast<uchar*>(b.data()); }

private Q_SLOTS:
    void init() { rig = std::make_unique<ProtocolRig>(); rig->select(ProtocolRig::kKeyboard); }

    void keyMatrixTakesEightReports()
    {
        QByteArray src = pattern(512, 1);
        rig->hid.keyboard_0DH_SetKeyMatrix(bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x0D, 0, 0, 8}), chunks(src, 64), 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.keyboard().state().keyMatrix, src);
        // 128 + 8 x 120 + 128 ms.
        QCOMPARE(rig->clock.nowMs(), qint64(1216));
    }

    void pictureCarriesItsIndexInC2()
    {
        QByteArray src = pattern(512, 2);
        rig->hid.keyboard_12H_SetPicture(bytes(src), 3);
        const QString msg = checkSettledTrain(*rig, hexBytes("00 12 00 03 08 00 00 00 e2"), chunks(src, 64), 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.keyboard().state().pictures.value(3), src);
    }

    void macroCarriesItsIdInC2()
    {
        QByteArray src = pattern(192, 3);
        rig->hid.keyboard_11H_SetMacroKey(5, bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x11, 0, 5, 3}), chunks(src, 64), 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void stageColour()
    {
        rig->hid.keyboard_14H_SetLED8StageColor(6, 0x10, 0x20, 0x30);
        const QString msg = checkSettledTrain(*rig, commandReport({0x14, 0, 6, 0x10, 0x20, 0x30}), {}, 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.keyboard().state().stageColors[6], (std::array<uchar, 3>{0x10, 0x20, 0x30}));
    }

    void ledEffect()
    {
        rig->hid.hidARM_08H_SetRGBLedEffect(1, 2, 3, 4);
        const QString msg = checkSettledTrain(*rig, commandReport({0x08, 0, 1, 2, 3, 4}), {}, 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.keyboard().state().ledEffect, (std::array<uchar, 4>{1, 2, 3, 4}));
    }

    void ledEffectOnABusyChannel()
    {
        QTimer::singleShot(0, [&] { rig->hid.hidARM_08H_SetRGBLedEffect(1, 2, 3, 4); });
        QTest::ignoreMessage(QtDebugMsg, "hidARM_08H_SetRGBLedEffect");
        rig->hid.hidARM_09H_SetKeyboardMode(1);
        QCOMPARE(rig->rows({"send-feature"}).size(), 1);
    }

    void keyboardModeUsesC1()
    {
        rig->hid.hidARM_09H_SetKeyboardMode(1);
        const QString msg = checkSettledTrain(*rig, commandReport({0x09, 1}), {}, 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.keyboard().state().gameMode, uchar(1));
    }

    void recoveryData()
    {
        rig->hid.hidARM_13H_RecoveryData();
        const QString msg = checkSettledTrain(*rig, hexBytes("00 13 ff 00 00 00 00 00 ed"), {}, 64);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.keyboard().state().recoveries, 1);
    }

    void profileReadDeliversTheLayoutByte()
    {
        rig->sim.keyboard().state().profile = pattern(512, 9);
        rig->sim.keyboard().setLayoutByte(0x02);
        QByteArray buffer(512, '\0');
        rig->hid.keyboardReadProfile(bytes(buffer));
        QCOMPARE(static_cast<uchar>(buffer[240]), uchar(0x02));
        QCOMPARE(buffer, rig->sim.keyboard().state().profile);
        const QList<TraceRow> rows = rig->rows({"send-feature", "get-feature", "read"});
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows[0].data, hexBytes("00 8d 00 00 00 00 00 00 72"));
        QCOMPARE(rows[2].data.size(), 64);
    }

    void busyProfileReadSharesTheMouseMessage()
    {
        QByteArray buffer = pattern(512, 4);
        QTimer::singleShot(0, [&] { rig->hid.keyboardReadProfile(bytes(buffer)); });
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 8c");
        rig->hid.hidARM_13H_RecoveryData();
        QCOMPARE(buffer, pattern(512, 4));
    }

    void busyMessages_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("0D") << 0 << "cmd Failed 0DH";
        QTest::newRow("11") << 1 << "cmd Failed 11";
        QTest::newRow("12") << 2 << "cmd Failed 12H";
        QTest::newRow("14") << 3 << "cmd Failed 14";
        QTest::newRow("09") << 4 << "cmd Failed 09";
        QTest::newRow("13") << 5 << "cmd Failed 13H";
    }

    void busyMessages()
    {
        QFETCH(int, which);
        QFETCH(QString, message);
        QByteArray buffer(512, '\0');
        QTimer::singleShot(0, [&] {
            switch (which) {
            case 0: rig->hid.keyboard_0DH_SetKeyMatrix(bytes(buffer)); break;
            case 1: rig->hid.keyboard_11H_SetMacroKey(1, bytes(buffer)); break;
            case 2: rig->hid.keyboard_12H_SetPicture(bytes(buffer), 1); break;
            case 3: rig->hid.keyboard_14H_SetLED8StageColor(1, 1, 1, 1); break;
            case 4: rig->hid.hidARM_09H_SetKeyboardMode(1); break;
            default: rig->hid.hidARM_13H_RecoveryData(); break;
            }
        });
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        rig->hid.hidARM_08H_SetRGBLedEffect(0, 0, 0, 0);
        QCOMPARE(rig->rows({"send-feature", "write"}).size(), 1);
    }

private:
    std::unique_ptr<ProtocolRig> rig;
};

QTEST_GUILESS_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
