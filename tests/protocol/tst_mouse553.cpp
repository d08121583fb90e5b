#include "ProtocolRig.h"

#include <QtTest>

// One golden case per command of the 553 mouse family.
class TestMouse553 : public QObject
{
    Q_OBJECT

    static uchar* bytes(QByteArray& b) { return reinterpret_cast<uchar*>(b.data()); }

private Q_SLOTS:
    void init() { rig = std::make_unique<ProtocolRig>(sim::MouseFamily::F553); rig->select(ProtocolRig::kMouse); }

    void reportRate()
    {
        rig->hid.hid553_01H_SetReportRate(2);
        const QString msg = checkSettledTrain(*rig, hexBytes("00 01 02 00 00 00 00 00 fc"), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void currentKeyMatrix()
    {
        rig->hid.hid553_02H_SetCurrentKeyMatrix(3);
        const QString msg = checkSettledTrain(*rig, commandReport({0x02, 3}), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().currentKeyMatrix, uchar(3));
    }

    void keyboardOptionUsesC1ToC4AndNoSettle()
    {
        rig->hid.hid553_03H_SetKeyboardoption(0x11, 0x22, 0x33, 0x44);
        const QString msg = checkQuickCommand(*rig, commandReport({0x03, 0x11, 0x22, 0x33, 0x44}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().options, (std::array<uchar, 4>{0x11, 0x22, 0x33, 0x44}));
    }

    void gunDataLeavesC1ClearAndNoSettle()
    {
        rig->hid.hid553_04H_SetGunData(0xA1, 0xA2, 0xA3, 0xA4);
        const QString msg = checkQuickCommand(*rig, commandReport({0x04, 0x00, 0xA1, 0xA2, 0xA3, 0xA4}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().gunData, (std::array<uchar, 4>{0xA1, 0xA2, 0xA3, 0xA4}));
    }

    void currentDpi()
    {
        rig->hid.hid553_0BH_SetCurrentDPI(4);
        const QString msg = checkSettledTrain(*rig, commandReport({0x0B, 4}), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().dpiStage, uchar(4));
    }

    void fixColourTravelsInTheBlock()
    {
        uchar rgb[3] = {0x10, 0x20, 0x30};
        rig->hid.hid553_0CH_SetFixLEDColor(rgb);
        const QString msg = checkSettledTrain(*rig, commandReport({0x0C, 0x10, 0x20, 0x30}), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().fixColor, (std::array<uchar, 3>{0x10, 0x20, 0x30}));
    }

    void ledEffect()
    {
        rig->hid.hid553_0DH_SetRGBLedEffect(5, 6, 7);
        const QString msg = checkSettledTrain(*rig, commandReport({0x0D, 5, 6, 7}), {}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    void stageColoursShortType()
    {
        QByteArray src = pattern(24);
        rig->hid.hid553_10H_SetLED8StageColor(2, bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x10, 2, 4}), {src.left(4)}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().stageColors, src.left(4));
    }

    void stageColoursFullTable()
    {
        QByteArray src = pattern(24);
        rig->hid.hid553_10H_SetLED8StageColor(1, bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x10, 1, 24}), {src}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().stageColors, src);
    }

    void dpiTable()
    {
        QByteArray src = pattern(8);
        rig->hid.hid553_11H_SetDPISet(6, bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x11, 6, 8}), {src}, 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().dpiTable, src);
        QCOMPARE(rig->sim.mouse().state().dpiStageCount, uchar(6));
    }

    void keyMatrix()
    {
        QByteArray src = pattern(64);
        rig->hid.hid553_12H_SetKeyMatrix(bytes(src), 2);
        const QString msg = checkSettledTrain(*rig, commandReport({0x12, 2, 0x40, 0x08}), chunks(src, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().keyMatrices.value(2), src);
    }

    void macro()
    {
        QByteArray src = pattern(128, 4);
        rig->hid.hid553_13H_SetMacroKey(7, bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x13, 7, 0x80}), chunks(src, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().macros.value(7), src);
    }

    void optionRead()
    {
        rig->sim.mouse().state().options = {1, 2, 3, 4};
        uchar a = 9, b = 9, c = 9, d = 9;
        rig->hid.hid553_83H_GetKeyboardoption(a, b, c, d);
        const QString msg = checkReplyCommand(*rig, hexBytes("00 83 00 00 00 00 00 00 7c"));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{1, 2, 3, 4}));
    }

    void failedOptionReadKeepsTheParameters()
    {
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        uchar a = 5, b = 6, c = 7, d = 8;
        rig->hid.hid553_83H_GetKeyboardoption(a, b, c, d);
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{5, 6, 7, 8}));
    }

    void currentDpiRead()
    {
        rig->sim.mouse().state().dpiStage = 3;
        uchar stage = 0;
        rig->hid.hid553_8BH_GetCurrentDPI(stage);
        const QString msg = checkReplyCommand(*rig, commandReport({0x8B}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(stage, uchar(3));
    }

    void failedCurrentDpiReadKeepsTheParameter()
    {
        rig->sim.unplug(SimulatedHid::Device::Mouse);
        uchar stage = 6;
        rig->hid.hid553_8BH_GetCurrentDPI(stage);
        QCOMPARE(stage, uchar(6));
    }

    void secrecyCodeSendsItsInputs()
    {
        uchar a = 1, b = 2, c = 3, d = 4;
        rig->hid.hid553_00H_GetSecrecyCode(a, b, c, d);
        const QString msg = checkReplyCommand(*rig, commandReport({0x00, 1, 2, 3, 4}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        const auto& code = rig->sim.mouse().state().secrecyCode;
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{code[0], code[1], code[2], code[3]}));
    }

    void failedSecrecyCodeReadZeroesTheParameters()
    {
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        uchar a = 1, b = 2, c = 3, d = 4;
        rig->hid.hid553_00H_GetSecrecyCode(a, b, c, d);
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{0, 0, 0, 0}));
    }

    void busyMessages_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("message");
        const char* messages[] = {"cmd Failed 00", "cmd Failed 01", "cmd Failed 02", "cmd Failed 03",
                                  "cmd Failed 04", "cmd Failed 0B", "cmd Failed 0C", "cmd Failed 0D",
                                  "cmd Failed 10", "cmd Failed 11", "cmd Failed 12", "cmd Failed 13",
                                  "cmd Failed 83", "cmd Failed 8BH"};
        for (int i = 0; i < 14; ++i)
            QTest::newRow(messages[i]) << i << QString::fromLatin1(messages[i]);
    }

    void busyMessages()
    {
        QFETCH(int, which);
        QFETCH(QString, message);
        QByteArray buffer(128, '\0');
        uchar* b = bytes(buffer);
        uchar r1 = 0, r2 = 0, r3 = 0, r4 = 0;
        QTimer::singleShot(0, [&] {
            auto& h = rig->hid;
            switch (which) {
            case 0: h.hid553_00H_GetSecrecyCode(r1, r2, r3, r4); break;
            case 1: h.hid553_01H_SetReportRate(1); break;
            case 2: h.hid553_02H_SetCurrentKeyMatrix(1); break;
            case 3: h.hid553_03H_SetKeyboardoption(1, 2, 3, 4); break;
            case 4: h.hid553_04H_SetGunData(1, 2, 3, 4); break;
            case 5: h.hid553_0BH_SetCurrentDPI(1); break;
            case 6: h.hid553_0CH_SetFixLEDColor(b); break;
            case 7: h.hid553_0DH_SetRGBLedEffect(1, 2, 3); break;
            case 8: h.hid553_10H_SetLED8StageColor(1, b); break;
            case 9: h.hid553_11H_SetDPISet(1, b); break;
            case 10: h.hid553_12H_SetKeyMatrix(b, 1); break;
            case 11: h.hid553_13H_SetMacroKey(1, b); break;
            case 12: h.hid553_83H_GetKeyboardoption(r1, r2, r3, r4); break;
            default: h.hid553_8BH_GetCurrentDPI(r1); break;
            }
        });
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        rig->hid.hid553_01H_SetReportRate(9);
        QCOMPARE(rig->rows({"send-feature", "write"}).size(), 1);
    }

private:
    std::unique_ptr<ProtocolRig> rig;
};

QTEST_GUILESS_MAIN(TestMouse553)
#include "tst_mouse553.moc"
