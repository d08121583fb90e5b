#include "ProtocolRig.h"

#include <QtTest>

// One golden case per command of the 560 mouse family.
class TestMouse560 : public QObject
{
    Q_OBJECT

    static uchar* bytes(QByteArray& b) { return reinterpret_cast<uchar*>(b.data()); }

private Q_SLOTS:
    void init() { rig = std::make_unique<ProtocolRig>(sim::MouseFamily::F560); rig->select(ProtocolRig::kMouse); }

    void keyboardOption()
    {
        rig->hid.hid560_01H_SetKeyboardoption(0x0A, 0x0B);
        const QString msg = checkQuickCommand(*rig, commandReport({0x01, 0x0A, 0x0B}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().options560, (std::array<uchar, 2>{0x0A, 0x0B}));
    }

    void currentProfileDoesNotSettle()
    {
        rig->hid.hid560_02H_SetCurrentProfile(3);
        const QString msg = checkQuickCommand(*rig, commandReport({0x02, 3}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().currentProfile, uchar(3));
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

    void busyReportRateWritesTheSharedMessage()
    {
        QTimer::singleShot(0, [&] { rig->hid.hid560_03H_SetReportRate(1); });
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 01");
        rig->hid.hid560_02H_SetCurrentProfile(1);
        QCOMPARE(rig->rows({"send-feature"}).size(), 1);
    }

    void profileWrite()
    {
        QByteArray src = pattern(128, 6);
        rig->hid.hid560_0CH_setProfile(bytes(src), 4);
        const QString msg = checkSettledTrain(*rig, commandReport({0x0C, 4, 0x80}), chunks(src, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().profiles[4], src);
    }

    void keyMatrixAnnouncesAWholeBlock()
    {
        QByteArray src = pattern(64, 7);
        rig->hid.hid560_0DH_SetKeyMatrix(bytes(src), 1);
        QByteArray block = src + QByteArray(64, '\0');
        const QString msg = checkSettledTrain(*rig, commandReport({0x0D, 1, 0x80}), chunks(block, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().keyMatrices.value(1), block);
    }

    void macro()
    {
        QByteArray src = pattern(128, 8);
        rig->hid.hid560_0FH_SetMacroKey(2, bytes(src));
        const QString msg = checkSettledTrain(*rig, commandReport({0x0F, 2, 0x80}), chunks(src, 32), 32);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(rig->sim.mouse().state().macros.value(2), src);
    }

    void optionRead()
    {
        rig->sim.mouse().state().options560 = {0x31, 0x32};
        uchar a = 0, b = 0;
        rig->hid.hid560_81H_GetKeyboardoption(a, b);
        const QString msg = checkReplyCommand(*rig, hexBytes("00 81 00 00 00 00 00 00 7e"));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE((QList<int>{a, b}), (QList<int>{0x31, 0x32}));
    }

    void currentProfileRead()
    {
        rig->sim.mouse().state().currentProfile = 2;
        uchar profile = 0;
        rig->hid.hid560_82H_GetCurrentProfile(profile);
        const QString msg = checkReplyCommand(*rig, commandReport({0x82}));
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
        QCOMPARE(profile, uchar(2));
    }

    void currentDpiReadSendsItsFirstInput()
    {
        rig->sim.mouse().state().dpiStages = {5, 6, 7, 1};
        uchar index = 1, stage = 0;
        rig->hid.hid560_84H_GetCurrentDPI(index, stage);
        const QString msg = checkReplyCommand(*rig, commandReport({0x84, 1}));
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
            rig->hid.hid560_0CH_setProfile(bytes(src), static_cast<uchar>(block));
        }
        rig->trace.clear();
        QByteArray buffer(128, '\0');
        rig->hid.hid560_8CH_readProfile(bytes(buffer), 3);
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
        rig->hid.hid560_8CH_readProfile(bytes(buffer), 0);
        QCOMPARE(buffer, pattern(128, 40));
        QVERIFY(rig->rows({"get-feature", "read"}).isEmpty());
    }

    void busyMessages_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("message");
        const char* messages[] = {"cmd Failed 03", "cmd Failed 02", "cmd Failed 01", "cmd Failed 04",
                                  "cmd Failed 0C", "cmd Failed 12", "cmd Failed 0F", "cmd Failed 81",
                                  "cmd Failed 82", "cmd Failed 84", "cmd Failed 8c"};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(messages[i]) << i << QString::fromLatin1(messages[i]);
    }

    void busyMessages()
    {
        QFETCH(int, which);
        QFETCH(QString, message);
        QByteArray buffer(128, '\0');
        uchar* b = bytes(buffer);
        uchar r1 = 0, r2 = 0;
        QTimer::singleShot(0, [&] {
            auto& h = rig->hid;
            switch (which) {
            case 0: h.hid560_01H_SetKeyboardoption(1, 2); break;
            case 1: h.hid560_02H_SetCurrentProfile(1); break;
            case 2: h.hid560_03H_SetReportRate(1); break;
            case 3: h.hid560_04H_SetCurrentDPI(1); break;
            case 4: h.hid560_0CH_setProfile(b, 1); break;
            case 5: h.hid560_0DH_SetKeyMatrix(b, 1); break;
            case 6: h.hid560_0FH_SetMacroKey(1, b); break;
            case 7: h.hid560_81H_GetKeyboardoption(r1, r2); break;
            case 8: h.hid560_82H_GetCurrentProfile(r1); break;
            case 9: h.hid560_84H_GetCurrentDPI(r1, r2); break;
            default: h.hid560_8CH_readProfile(b, 0); break;
            }
        });
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        rig->hid.hid560_02H_SetCurrentProfile(1);
        QCOMPARE(rig->rows({"send-feature", "write"}).size(), 1);
    }

private:
    std::unique_ptr<ProtocolRig> rig;
};

QTEST_GUILESS_MAIN(TestMouse560)
#include "tst_mouse560.moc"
