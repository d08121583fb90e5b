#include "ProtocolRig.h"

#include <QRandomGenerator>
#include <QtTest>

// The three command sets (553 mouse, 560 mouse, keyboard): their bytes,
// payloads and pauses on the wire, their replies, and their scrambling.
namespace {

enum Kind { Mouse553, Mouse560, Keyboard };

using Call = std::function<void(ProtocolRig&)>;
using Getter = std::function<QList<int>(ProtocolRig&)>;

std::unique_ptr<ProtocolRig> rigFor(int kind)
{
    auto rig = std::make_unique<ProtocolRig>(kind == Mouse560 ? sim::MouseFamily::F560 : sim::MouseFamily::F553);
    rig->select(kind == Keyboard ? ProtocolRig::kKeyboard : ProtocolRig::kMouse);
    return rig;
}

void wire(const char* name, Kind kind, const Call& call, const QByteArray& feature, const QByteArray& payload = {},
          bool settled = true)
{
    QTest::newRow(name) << int(kind) << call << feature << payload << settled;
}

QByteArray scrambled(QByteArray block, QByteArray code)
{
    Hid_Thread().USBDataEncryption(bytesOf(block), bytesOf(code));
    return block;
}

} // namespace

Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(Getter)

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandsOnTheWire_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Call>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("settled");
        QByteArray p8 = pattern(8), p24 = pattern(24), p64 = pattern(64), p128 = pattern(128, 4);
        QByteArray p192 = pattern(192, 3), p512 = pattern(512, 2);
        wire("553 01 report rate", Mouse553, [](ProtocolRig& r) { r.hid.hid553_01H_SetReportRate(2); },
             hexBytes("00 01 02 00 00 00 00 00 fc"));
        wire("553 02 key layer", Mouse553, [](ProtocolRig& r) { r.hid.hid553_02H_SetCurrentKeyMatrix(3); },
             commandReport({0x02, 3}));
        wire("553 0B current stage", Mouse553, [](ProtocolRig& r) { r.hid.hid553_0BH_SetCurrentDPI(4); },
             commandReport({0x0B, 4}));
        wire("553 0C fixed colour in the block", Mouse553, [](ProtocolRig& r) {
            uchar rgb[3] = {0x10, 0x20, 0x30};
            r.hid.hid553_0CH_SetFixLEDColor(rgb);
        }, commandReport({0x0C, 0x10, 0x20, 0x30}));
        wire("553 0D effect", Mouse553, [](ProtocolRig& r) { r.hid.hid553_0DH_SetRGBLedEffect(5, 6, 7); },
             commandReport({0x0D, 5, 6, 7}));
        wire("553 10 stage colours, short type", Mouse553,
             [p24](ProtocolRig& r) mutable { r.hid.hid553_10H_SetLED8StageColor(2, bytesOf(p24)); },
             commandReport({0x10, 2, 4}), p24.left(4));
        wire("553 10 stage colours, full table", Mouse553,
             [p24](ProtocolRig& r) mutable { r.hid.hid553_10H_SetLED8StageColor(1, bytesOf(p24)); },
             commandReport({0x10, 1, 24}), p24);
        wire("553 11 DPI table", Mouse553, [p8](ProtocolRig& r) mutable { r.hid.hid553_11H_SetDPISet(6, bytesOf(p8)); },
             commandReport({0x11, 6, 8}), p8);
        wire("553 12 key matrix", Mouse553,
             [p64](ProtocolRig& r) mutable { r.hid.hid553_12H_SetKeyMatrix(bytesOf(p64), 2); },
             commandReport({0x12, 2, 0x40, 0x08}), p64);
        wire("553 13 macro", Mouse553, [p128](ProtocolRig& r) mutable { r.hid.hid553_13H_SetMacroKey(7, bytesOf(p128)); },
             commandReport({0x13, 7, 0x80}), p128);
        wire("553 03 options in c1 to c4", Mouse553,
             [](ProtocolRig& r) { r.hid.hid553_03H_SetKeyboardoption(0x11, 0x22, 0x33, 0x44); },
             commandReport({0x03, 0x11, 0x22, 0x33, 0x44}), {}, false);
        wire("553 04 gun data leaves c1 clear", Mouse553,
             [](ProtocolRig& r) { r.hid.hid553_04H_SetGunData(0xA1, 0xA2, 0xA3, 0xA4); },
             commandReport({0x04, 0x00, 0xA1, 0xA2, 0xA3, 0xA4}), {}, false);

        wire("560 01 options", Mouse560, [](ProtocolRig& r) { r.hid.hid560_01H_SetKeyboardoption(0x0A, 0x0B); },
             commandReport({0x01, 0x0A, 0x0B}), {}, false);
        wire("560 02 current profile", Mouse560, [](ProtocolRig& r) { r.hid.hid560_02H_SetCurrentProfile(3); },
             commandReport({0x02, 3}), {}, false);
        wire("560 04 with gun layers only to index 1", Mouse560, [](ProtocolRig& r) {
            r.owner.gun = true;
            r.hid.hid560_04H_SetCurrentDPI(3);
        }, hexBytes("00 04 01 03 00 00 00 00 f7"));
        wire("560 0C profile block", Mouse560,
             [p128](ProtocolRig& r) mutable { r.hid.hid560_0CH_setProfile(bytesOf(p128), 4); },
             commandReport({0x0C, 4, 0x80}), p128);
        // The key matrix announces and sends a whole block: its 64 bytes, then zeros.
        wire("560 0D key matrix", Mouse560,
             [p64](ProtocolRig& r) mutable { r.hid.hid560_0DH_SetKeyMatrix(bytesOf(p64), 1); },
             commandReport({0x0D, 1, 0x80}), p64 + QByteArray(64, '\0'));
        wire("560 0F macro", Mouse560, [p128](ProtocolRig& r) mutable { r.hid.hid560_0FH_SetMacroKey(2, bytesOf(p128)); },
             commandReport({0x0F, 2, 0x80}), p128);

        wire("keyboard 0D key matrix in eight reports", Keyboard,
             [p512](ProtocolRig& r) mutable { r.hid.keyboard_0DH_SetKeyMatrix(bytesOf(p512)); },
             commandReport({0x0D, 0, 0, 8}), p512);
        wire("keyboard 12 picture index in c2", Keyboard,
             [p512](ProtocolRig& r) mutable { r.hid.keyboard_12H_SetPicture(bytesOf(p512), 3); },
             hexBytes("00 12 00 03 08 00 00 00 e2"), p512);
        wire("keyboard 11 macro id in c2", Keyboard,
             [p192](ProtocolRig& r) mutable { r.hid.keyboard_11H_SetMacroKey(5, bytesOf(p192)); },
             commandReport({0x11, 0, 5, 3}), p192);
        wire("keyboard 14 stage colour", Keyboard,
             [](ProtocolRig& r) { r.hid.keyboard_14H_SetLED8StageColor(6, 0x10, 0x20, 0x30); },
             commandReport({0x14, 0, 6, 0x10, 0x20, 0x30}));
        wire("keyboard 08 effect", Keyboard, [](ProtocolRig& r) { r.hid.hidARM_08H_SetRGBLedEffect(1, 2, 3, 4); },
             commandReport({0x08, 0, 1, 2, 3, 4}));
        wire("keyboard 09 mode in c1", Keyboard, [](ProtocolRig& r) { r.hid.hidARM_09H_SetKeyboardMode(1); },
             commandReport({0x09, 1}));
        wire("keyboard 13 recovery", Keyboard, [](ProtocolRig& r) { r.hid.hidARM_13H_RecoveryData(); },
             hexBytes("00 13 ff 00 00 00 00 00 ed"));
    }

    void commandsOnTheWire()
    {
        QFETCH(int, kind);
        QFETCH(Call, call);
        QFETCH(QByteArray, feature);
        QFETCH(QByteArray, payload);
        QFETCH(bool, settled);
        auto rig = rigFor(kind);
        call(*rig);
        const int length = kind == Keyboard ? 64 : 32;
        const QString msg = checkSettledTrain(*rig, feature, chunks(payload, length), length, settled);
        QVERIFY2(msg.isEmpty(), qPrintable(msg));
    }

    // Getters pre-fill the reply, so a failed read leaves their parameters as
    // they were; only the secrecy code's pre-fill is zero.
    void getters_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Getter>("call");
        QTest::addColumn<QByteArray>("feature");
        QTest::addColumn<QList<int>>("answer");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("553 8B stage") << int(Mouse553) << Getter([](ProtocolRig& r) {
            r.sim.mouse().state().dpiStage = 3;
            uchar stage = 6;
            r.hid.hid553_8BH_GetCurrentDPI(stage);
            return QList<int>{stage};
        }) << commandReport({0x8B}) << QList<int>{3} << QList<int>{6};
        QTest::newRow("553 00 secrecy code sends its inputs") << int(Mouse553) << Getter([](ProtocolRig& r) {
            r.sim.mouse().state().secrecyCode = {0x51, 0x52, 0x53, 0x54};
            uchar a = 1, b = 2, c = 3, d = 4;
            r.hid.hid553_00H_GetSecrecyCode(a, b, c, d);
            return QList<int>{a, b, c, d};
        }) << commandReport({0x00, 1, 2, 3, 4}) << QList<int>{0x51, 0x52, 0x53, 0x54} << QList<int>{0, 0, 0, 0};
        QTest::newRow("560 82 profile") << int(Mouse560) << Getter([](ProtocolRig& r) {
            r.sim.mouse().state().currentProfile = 2;
            uchar profile = 3;
            r.hid.hid560_82H_GetCurrentProfile(profile);
            return QList<int>{profile};
        }) << commandReport({0x82}) << QList<int>{2} << QList<int>{3};
        QTest::newRow("560 84 stage sends its index") << int(Mouse560) << Getter([](ProtocolRig& r) {
            r.sim.mouse().state().dpiStages = {5, 6, 7, 1};
            uchar index = 1, stage = 4;
            r.hid.hid560_84H_GetCurrentDPI(index, stage);
            return QList<int>{stage};
        }) << commandReport({0x84, 1}) << QList<int>{5} << QList<int>{4};
    }

    void getters()
    {
        QFETCH(int, kind);
        QFETCH(Getter, call);
        QFETCH(QByteArray, feature);
        auto rig = rigFor(kind);
        QTEST(call(*rig), "answer");
        const QList<TraceRow> rows = rig->rows({QStringLiteral("send-feature"), QStringLiteral("get-feature"),
                                                QStringLiteral("write"), QStringLiteral("read")});
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].data, feature);
        QCOMPARE(rows[1].op, QStringLiteral("get-feature"));
        QCOMPARE(rig->rows().last().op, QStringLiteral("close"));

        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::GetFeature, 1);
        QTEST(call(*rig), "kept");
    }

    void repeated560CommandsGoToFourIndexes_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<int>("opcode");
        QTest::newRow("03 report rate") << Call([](ProtocolRig& r) { r.hid.hid560_03H_SetReportRate(2); }) << 0x03;
        QTest::newRow("04 current stage") << Call([](ProtocolRig& r) { r.hid.hid560_04H_SetCurrentDPI(2); }) << 0x04;
    }

    void repeated560CommandsGoToFourIndexes()
    {
        QFETCH(Call, call);
        QFETCH(int, opcode);
        auto rig = rigFor(Mouse560);
        call(*rig);
        const QList<TraceRow> sent = rig->rows({QStringLiteral("send-feature"), QStringLiteral("write")});
        QCOMPARE(sent.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(sent[i].data, commandReport({opcode, i + 1, 2}));
            QCOMPARE(sent[i].t, qint64(128 * i));
        }
        QCOMPARE(rig->clock.nowMs(), qint64(4 * 128));
        QVERIFY(rig->hid.isChannelFree());
    }

    void repeated560CommandGoesOnAfterAFailedIndex()
    {
        auto rig = rigFor(Mouse560);
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op::SendFeature, 2);
        rig->hid.hid560_03H_SetReportRate(1);
        QCOMPARE(rig->rows({QStringLiteral("send-feature")}).size(), 4);
        QCOMPARE(rig->sim.mouse().state().reportRates, (std::array<uchar, 4>{1, 0, 1, 1}));
    }

    void repeated560CommandHoldsTheChannelThroughout()
    {
        auto rig = rigFor(Mouse560);
        QTimer::singleShot(0, [&] { rig->hid.hid560_02H_SetCurrentProfile(4); });
        const QStringList log = logged(QtDebugMsg, [&] { rig->hid.hid560_04H_SetCurrentDPI(2); });
        QCOMPARE(log, QStringList{QStringLiteral("quorix.protocol|cmd Failed 02")});
        QCOMPARE(rig->rows({QStringLiteral("send-feature")}).size(), 4);
        QCOMPARE(rig->sim.mouse().state().currentProfile, uchar(0));
    }

    void profileReadsReturnWhatWasWritten()
    {
        auto rig = rigFor(Mouse560);
        for (int block = 0; block < 5; ++block) {
            QByteArray src = pattern(128, 20 + block);
            rig->hid.hid560_0CH_setProfile(bytesOf(src), uchar(block));
        }
        rig->trace.clear();
        QByteArray buffer(128, '\0');
        rig->hid.hid560_8CH_readProfile(bytesOf(buffer), 3);
        QCOMPARE(buffer, pattern(128, 23));
        QList<TraceRow> rows = rig->rows({QStringLiteral("send-feature"), QStringLiteral("get-feature"),
                                          QStringLiteral("read")});
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0].data, commandReport({0x8C, 3}));
        QCOMPARE(rows[1].op, QStringLiteral("get-feature"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rows[2 + i].data, pattern(128, 23).mid(32 * i, 32));

        // The keyboard's profile memory, with the layout byte the screens look for.
        rig = rigFor(Keyboard);
        rig->sim.keyboard().state().profile = pattern(512, 9);
        rig->sim.keyboard().setLayoutByte(0x02);
        QByteArray memory(512, '\0');
        rig->hid.keyboardReadProfile(bytesOf(memory));
        QCOMPARE(memory, rig->sim.keyboard().state().profile);
        QCOMPARE(memory.at(240), '\x02');
        rows = rig->rows({QStringLiteral("send-feature"), QStringLiteral("get-feature"), QStringLiteral("read")});
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows[0].data, hexBytes("00 8d 00 00 00 00 00 00 72"));
    }

    // Bytes already read are the caller's; the rest keeps what it held.
    void failedProfileReads_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("copied");
        QTest::newRow("command report") << int(SimulatedHid::Op::SendFeature) << 0;
        QTest::newRow("second input report") << int(SimulatedHid::Op::Read) << 32;
    }

    void failedProfileReads()
    {
        QFETCH(int, op);
        QFETCH(int, copied);
        auto rig = rigFor(Mouse560);
        rig->sim.mouse().state().profiles[2] = pattern(128, 5);
        rig->sim.failNthCall(SimulatedHid::Device::Mouse, SimulatedHid::Op(op), op == int(SimulatedHid::Op::Read) ? 2 : 1);
        QByteArray buffer(128, '\x11');
        rig->hid.hid560_8CH_readProfile(bytesOf(buffer), 2);
        QCOMPARE(buffer, pattern(128, 5).left(copied) + QByteArray(128 - copied, '\x11'));
        QVERIFY(rig->hid.isChannelFree());
    }

    void busyChannel_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("message");
        QByteArray b(512, '\0');
        const auto row = [](const char* tag, Kind kind, const char* message, const Call& call) {
            QTest::newRow(tag) << int(kind) << call << QString::fromLatin1(message);
        };
        row("553 00", Mouse553, "cmd Failed 00", [](ProtocolRig& r) {
            uchar v[4] = {1, 2, 3, 4};
            r.hid.hid553_00H_GetSecrecyCode(v[0], v[1], v[2], v[3]);
            QCOMPARE((QList<int>{v[0], v[1], v[2], v[3]}), (QList<int>{1, 2, 3, 4}));
        });
        row("553 01", Mouse553, "cmd Failed 01", [](ProtocolRig& r) { r.hid.hid553_01H_SetReportRate(1); });
        row("553 02", Mouse553, "cmd Failed 02", [](ProtocolRig& r) { r.hid.hid553_02H_SetCurrentKeyMatrix(1); });
        row("553 03", Mouse553, "cmd Failed 03", [](ProtocolRig& r) { r.hid.hid553_03H_SetKeyboardoption(1, 2, 3, 4); });
        row("553 04", Mouse553, "cmd Failed 04", [](ProtocolRig& r) { r.hid.hid553_04H_SetGunData(1, 2, 3, 4); });
        row("553 0B", Mouse553, "cmd Failed 0B", [](ProtocolRig& r) { r.hid.hid553_0BH_SetCurrentDPI(1); });
        row("553 0C", Mouse553, "cmd Failed 0C", [b](ProtocolRig& r) mutable { r.hid.hid553_0CH_SetFixLEDColor(bytesOf(b)); });
        row("553 0D", Mouse553, "cmd Failed 0D", [](ProtocolRig& r) { r.hid.hid553_0DH_SetRGBLedEffect(1, 2, 3); });
        row("553 10", Mouse553, "cmd Failed 10", [b](ProtocolRig& r) mutable { r.hid.hid553_10H_SetLED8StageColor(1, bytesOf(b)); });
        row("553 11", Mouse553, "cmd Failed 11", [b](ProtocolRig& r) mutable { r.hid.hid553_11H_SetDPISet(1, bytesOf(b)); });
        row("553 12", Mouse553, "cmd Failed 12", [b](ProtocolRig& r) mutable { r.hid.hid553_12H_SetKeyMatrix(bytesOf(b), 1); });
        row("553 13", Mouse553, "cmd Failed 13", [b](ProtocolRig& r) mutable { r.hid.hid553_13H_SetMacroKey(1, bytesOf(b)); });
        row("553 83", Mouse553, "cmd Failed 83", [](ProtocolRig& r) {
            uchar v[4] = {};
            r.hid.hid553_83H_GetKeyboardoption(v[0], v[1], v[2], v[3]);
        });
        row("553 8B", Mouse553, "cmd Failed 8BH", [](ProtocolRig& r) { uchar v = 0; r.hid.hid553_8BH_GetCurrentDPI(v); });
        row("560 01", Mouse560, "cmd Failed 03", [](ProtocolRig& r) { r.hid.hid560_01H_SetKeyboardoption(1, 2); });
        row("560 02", Mouse560, "cmd Failed 02", [](ProtocolRig& r) { r.hid.hid560_02H_SetCurrentProfile(1); });
        row("560 03", Mouse560, "cmd Failed 01", [](ProtocolRig& r) { r.hid.hid560_03H_SetReportRate(1); });
        row("560 04", Mouse560, "cmd Failed 04", [](ProtocolRig& r) { r.hid.hid560_04H_SetCurrentDPI(1); });
        row("560 0C", Mouse560, "cmd Failed 0C", [b](ProtocolRig& r) mutable { r.hid.hid560_0CH_setProfile(bytesOf(b), 1); });
        row("560 0D", Mouse560, "cmd Failed 12", [b](ProtocolRig& r) mutable { r.hid.hid560_0DH_SetKeyMatrix(bytesOf(b), 1); });
        row("560 0F", Mouse560, "cmd Failed 0F", [b](ProtocolRig& r) mutable { r.hid.hid560_0FH_SetMacroKey(1, bytesOf(b)); });
        row("560 81", Mouse560, "cmd Failed 81", [](ProtocolRig& r) { uchar v[2] = {}; r.hid.hid560_81H_GetKeyboardoption(v[0], v[1]); });
        row("560 82", Mouse560, "cmd Failed 82", [](ProtocolRig& r) { uchar v = 0; r.hid.hid560_82H_GetCurrentProfile(v); });
        row("560 84", Mouse560, "cmd Failed 84", [](ProtocolRig& r) { uchar v[2] = {}; r.hid.hid560_84H_GetCurrentDPI(v[0], v[1]); });
        row("560 8C", Mouse560, "cmd Failed 8c", [b](ProtocolRig& r) mutable { r.hid.hid560_8CH_readProfile(bytesOf(b), 0); });
        row("keyboard 0D", Keyboard, "cmd Failed 0DH", [b](ProtocolRig& r) mutable { r.hid.keyboard_0DH_SetKeyMatrix(bytesOf(b)); });
        row("keyboard 11", Keyboard, "cmd Failed 11", [b](ProtocolRig& r) mutable { r.hid.keyboard_11H_SetMacroKey(1, bytesOf(b)); });
        row("keyboard 12", Keyboard, "cmd Failed 12H", [b](ProtocolRig& r) mutable { r.hid.keyboard_12H_SetPicture(bytesOf(b), 1); });
        row("keyboard 14", Keyboard, "cmd Failed 14", [](ProtocolRig& r) { r.hid.keyboard_14H_SetLED8StageColor(1, 1, 1, 1); });
        row("keyboard 08", Keyboard, "hidARM_08H_SetRGBLedEffect", [](ProtocolRig& r) { r.hid.hidARM_08H_SetRGBLedEffect(1, 2, 3, 4); });
        row("keyboard 09", Keyboard, "cmd Failed 09", [](ProtocolRig& r) { r.hid.hidARM_09H_SetKeyboardMode(1); });
        row("keyboard 13", Keyboard, "cmd Failed 13H", [](ProtocolRig& r) { r.hid.hidARM_13H_RecoveryData(); });
        row("keyboard 8D keeps the bytes", Keyboard, "cmd Failed 8c", [](ProtocolRig& r) {
            QByteArray kept = pattern(512, 4);
            r.hid.keyboardReadProfile(bytesOf(kept));
            QCOMPARE(kept, pattern(512, 4));
        });
    }

    // A command started while another holds the channel (from the event
    // processing of its transfer) waits 255 rounds, then gives up with its
    // own text and sends nothing.
    void busyChannel()
    {
        QFETCH(int, kind);
        QFETCH(Call, call);
        QFETCH(QString, message);
        auto rig = rigFor(kind);
        qint64 waited = -1;
        QTimer::singleShot(0, [&] {
            const qint64 start = rig->clock.nowMs();
            call(*rig);
            waited = rig->clock.nowMs() - start;
        });
        const QStringList log = logged(QtDebugMsg, [&] {
            if (kind == Keyboard)
                rig->hid.hidARM_13H_RecoveryData();
            else if (kind == Mouse560)
                rig->hid.hid560_02H_SetCurrentProfile(3);
            else
                rig->hid.hid553_01H_SetReportRate(3);
        });
        QCOMPARE(log, QStringList{QStringLiteral("quorix.protocol|") + message});
        QCOMPARE(waited, qint64(255 * 8));
        QCOMPARE(rig->rows({QStringLiteral("send-feature"), QStringLiteral("write")}).size(), 1);
        QVERIFY(rig->hid.isChannelFree());
    }

    void scrambledBlocks()
    {
        QCOMPARE(scrambled(hexBytes("01 02 00 00 00 00 00 fc"), QByteArray(8, '\0')), hexBytes("d4 8e f5 07 d4 af 75 26"));
        QCOMPARE(scrambled(hexBytes("01 02 03 04 05 06 07 08"), hexBytes("09 08 07 06 05 04 03 02")),
                 hexBytes("04 ef 8d 0f fc cf ad 3e"));
        QRandomGenerator random(20261206);
        Hid_Thread hid;
        for (int i = 0; i < 2000; ++i) {
            QByteArray block(8, '\0'), code(8, '\0');
            random.fillRange(reinterpret_cast<quint32*>(block.data()), 2);
            random.fillRange(reinterpret_cast<quint32*>(code.data()), 2);
            QByteArray work = block;
            hid.USBDataEncryption(bytesOf(work), bytesOf(code));
            hid.USBDataDecipher(bytesOf(work), bytesOf(code));
            QCOMPARE(work, block);
        }
    }

    // An encoded record scrambles command and reply blocks; bulk data travels in the clear.
    void scramblingOnTheWire()
    {
        auto rig = rigFor(Mouse560);
        rig->edit(ProtocolRig::kMouse, [](DeviceRecord& r) { r.isEncode = true; });
        rig->sim.setScrambled(SimulatedHid::Device::Mouse, true);
        rig->sim.mouse().state().options560 = {0x12, 0x34};
        uchar a = 0, b = 0;
        rig->hid.hid560_81H_GetKeyboardoption(a, b);
        QCOMPARE((QList<int>{a, b}), (QList<int>{0x12, 0x34}));
        const QByteArray sent = rig->rows({QStringLiteral("send-feature")}).first().data;
        QCOMPARE(sent, QByteArray(1, '\0') + scrambled(hexBytes("81 00 00 00 00 00 00 7e"), QByteArray(8, '\0')));
        QVERIFY(rig->rows({QStringLiteral("get-feature")}).first().data.mid(1, 3) != hexBytes("81 12 34"));

        rig->trace.clear();
        QByteArray block = pattern(128, 3);
        rig->hid.hid560_0CH_setProfile(bytesOf(block), 1);
        QCOMPARE(rig->rows({QStringLiteral("write")}).first().data.mid(1), block.left(32));
        QByteArray back(128, '\0');
        rig->hid.hid560_8CH_readProfile(bytesOf(back), 1);
        QCOMPARE(back, block);
        QCOMPARE(rig->sim.mouse().rejectedCommands(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
