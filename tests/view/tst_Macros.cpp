#include "FakeDialogs.h"
#include "ViewWorld.h"

#include "view/MacroEncoding.h"
#include "view/Macros.h"

#include <QtTest>

namespace {

using MacroEncoding::Action;

// "p04 r04 b f0 u f0 d1500": key press and release, button press and release (hex codes), delay (ms).
QList<Action> actions(const QString& text)
{
    QList<Action> out;
    const QHash<QChar, MacroEncoding::ActionType> types = {{'p', MacroEncoding::KeyPress}, {'r', MacroEncoding::KeyRelease},
                                                           {'b', MacroEncoding::ButtonPress}, {'u', MacroEncoding::ButtonRelease},
                                                           {'d', MacroEncoding::Delay}};
    for (const QString& t : text.split(' ', Qt::SkipEmptyParts))
        out.append({types.value(t[0]), t.mid(1).toInt(nullptr, t[0] == 'd' ? 10 : 16)});
    return out;
}

QVariantList bytes(const char* hex)
{
    QVariantList list;
    for (char c : QByteArray::fromHex(hex))
        list.append(int(uchar(c)));
    return list;
}

// Repeat count, `events` key events of two bytes, and the end mark.
QVariantList payloadWithEvents(int events, int timing = -1)
{
    QVariantList list{0, 1};
    for (int i = 0; i < events; ++i) {
        list << (timing >= 0 ? timing : i % 2 ? 0x81 : 0x05) << (timing >= 0 ? 0x04 : 0x04 + i % 26);
        if (timing >= 0 && (timing & 0x7F) == 0x7F)
            list << 0x01 << 0x00;
    }
    return list << 0 << 0;
}

QString macroFile(const QString& name)
{
    return QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
}

} // namespace

class tst_Macros : public QObject
{
    Q_OBJECT

    std::unique_ptr<ViewWorld> w;
    FakeDialogs dialogs;
    std::unique_ptr<Macros> macros;

    void start(const ViewFlags& flags = ViewFlags())
    {
        macros.reset();
        w.reset();
        w = std::make_unique<ViewWorld>(flags);
        dialogs = FakeDialogs();
        macros = std::make_unique<Macros>(*w->settings, w->device, dialogs);
    }

private Q_SLOTS:
    void init() { start(); }

    void encode_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("press and release") << "p04 r04" << 2 << QByteArray("0002 0104 8104 0000");
        QTest::newRow("1500 ms after a press: long form") << "p04 d1500 r04" << 1 << QByteArray("0001 7f04 0096 8104 0000");
        QTest::newRow("1500 ms after a release keeps its bit") << "r04 d1500 p05" << 1 << QByteArray("0001 ff04 0096 0105 0000");
        QTest::newRow("delay rows fold") << "p04 d50 d50 r04" << 1 << QByteArray("0001 0a04 8104 0000");
        QTest::newRow("126 units fit the timing byte") << "p04 d1260 r04" << 1 << QByteArray("0001 7e04 8104 0000");
        QTest::newRow("127 units need the long form") << "p04 d1270 r04" << 1 << QByteArray("0001 7f04 007f 8104 0000");
        QTest::newRow("outer delays dropped") << "d300 d40 p04 r04 d900" << 1 << QByteArray("0001 0104 8104 0000");
        QTest::newRow("a single press") << "p04" << 1 << QByteArray("0001 0104 0000");
        QTest::newRow("no actions: repeat alone") << "d100" << 300 << QByteArray("012c");
        QTest::newRow("under one unit is none") << "p04 d0 r04 d4 p04" << 1 << QByteArray("0001 0104 8104 0104 0000");
        QTest::newRow("half a unit rounds up") << "p04 d25 r04" << 1 << QByteArray("0001 0304 8104 0000");
        QTest::newRow("mouse buttons") << "bf0 d30 uf0" << 9999 << QByteArray("270f 03f0 81f0 0000");
        // Many long rows between two actions must not wrap the 16-bit pause.
        QTest::newRow("longest pause kept") << "p04" + QString(" d65535").repeated(11) + " r04" << 1
                                            << QByteArray("0001 7f04 ffff 8104 0000");
    }

    void encode()
    {
        QFETCH(QString, actions);
        QFETCH(int, repeat);
        QFETCH(QByteArray, bytes);
        QList<int> expected;
        for (char c : QByteArray::fromHex(bytes.replace(' ', "")))
            expected << int(uchar(c));
        QCOMPARE(MacroEncoding::encode(::actions(actions), repeat), expected);
    }

    void sizeEstimates()
    {
        QCOMPARE(MacroEncoding::sizeEstimate({}), 4);
        QCOMPARE(MacroEncoding::sizeEstimate(actions("p04 d50 d50 r04 p05 d1500")), 10);
        // Numbers arrive from the screens as doubles or texts; broken rows are skipped.
        MacroCodec codec;
        const QVariantList pairs{QVariantList{1, 4.0}, QVariantList{0, QStringLiteral("1500")}, QVariantList{7, 4},
                                 QVariantList{2}, QVariantList{2, 4}};
        QCOMPARE(codec.encode(pairs, 1), bytes("00017f0400968104 0000"));
        QCOMPARE(codec.sizeEstimate(pairs), 12);
    }

    void fileRoundTrip()
    {
        QVERIFY(!macros->save("m", {"1,A"}, 1));
        QVERIFY(!QFile::exists(macroFile("m")));
        QVERIFY(macros->create("m", 0));
        QCOMPARE(macros->load("m"), QStringList{"1"});
        const QSettings file(macroFile("m"), QSettings::IniFormat);
        QCOMPARE(QList<int>({file.value("config/index").toInt(), file.value("config/total").toInt(),
                             file.value("config/did").toInt()}), QList<int>({0, 0, -1}));
        QVERIFY(macros->save("m", {"1,A", "0,50", "2,A", "3,MS-L", "4,MS-L"}, 2));
        QVERIFY(macros->save("m", {"1,B", "0,20", "2,B"}, 3));
        QCOMPARE(macros->load("m"), (QStringList{"1,B", "0,20", "2,B", "3"}));
        QCOMPARE(QSettings(macroFile("m"), QSettings::IniFormat).value("macro/3"), QVariant());
        QVERIFY(macros->load("absent").isEmpty());
        QVERIFY(macros->remove("m"));
        QVERIFY(!macros->remove("m"));
    }

    void loadStopsAtTheFirstMissingAction_data()
    {
        QTest::addColumn<QVariant>("total");
        QTest::addColumn<QStringList>("loaded");
        // An action missing before the last one present reads as "0", as it always has.
        QTest::newRow("one more than stored") << QVariant(5) << QStringList{"1,A", "2,A", "0", "1,B", "0"};
        QTest::newRow("largest int") << QVariant(2147483647) << QStringList{"1,A", "2,A", "0", "1,B", "0"};
        QTest::newRow("up to a gap") << QVariant(3) << QStringList{"1,A", "2,A", "0", "0"};
        QTest::newRow("fewer than stored") << QVariant(1) << QStringList{"1,A", "0"};
        QTest::newRow("not a number") << QVariant("lots") << QStringList{"0"};
    }

    // A lying count would hang the reader and grow its memory without bound.
    void loadStopsAtTheFirstMissingAction()
    {
        QFETCH(QVariant, total);
        ViewWorld::writeFile(macroFile("odd"), {{"config/total", total}, {"macro/0", "1,A"}, {"macro/1", "2,A"}, {"macro/3", "1,B"}});
        QTEST(macros->load("odd"), "loaded");
    }

    // Profiles 0 … 5 follow a rename; a name already taken is not overwritten.
    void rename()
    {
        QVERIFY(macros->create("old", 0));
        for (int slot : {0, 5, 6})
            w->settings->setSlotValue(slot, "mouseMacroKey/2", "old");
        w->settings->setSlotValue(1, "mouseMacroKey/3", "other");
        QVERIFY(macros->rename("old", "new"));
        QVERIFY(QFile::exists(macroFile("new")) && !QFile::exists(macroFile("old")));
        QStringList refs;
        for (const auto& [slot, key] : {std::pair{0, "mouseMacroKey/2"}, {5, "mouseMacroKey/2"}, {6, "mouseMacroKey/2"},
                                        {1, "mouseMacroKey/3"}})
            refs << w->settings->slotValue(slot, key).toString();
        QCOMPARE(refs, (QStringList{"new", "new", "old", "other"}));
        QVERIFY(!macros->rename("gone", "x"));

        QVERIFY(macros->create("b", 0));
        QVERIFY(macros->save("b", {"1,B"}, 1));
        QVERIFY(!macros->rename("new", "b"));
        QVERIFY(QFile::exists(macroFile("new")));
        QCOMPARE(macros->load("b"), (QStringList{"1,B", "1"}));
    }

    void deleteResetsButtonsRunningMacro()
    {
        ViewWorld::writeFile(SettingsStore::factoryProfilePath(), {{"mouseKeyMatrix/3", QVariantList{0, 0, 0xF4, 0}}});
        w->reset(ViewFlags());
        Macros macros(*w->settings, w->device, dialogs);
        for (int slot : {2, 6}) {
            w->settings->setSlotValue(slot, "mouseKeyMatrix/3", QVariantList{4, 1, 7, 0});
            w->settings->setSlotValue(slot, "mouseMacroKey/7", "gone");
        }
        w->settings->setSlotValue(2, "mouseKeyMatrix/4", QVariantList{4, 0, 8, 0});
        w->settings->setSlotValue(2, "mouseMacroKey/8", "kept");
        // Not a macro button, although its code2 points at the deleted macro's slot.
        w->settings->setSlotValue(2, "mouseKeyMatrix/5", QVariantList{5, 0, 7, 0});
        macros.resetButtonsRunning("gone");
        QStringList after;
        for (const auto& [slot, key] : {std::pair{2, "mouseKeyMatrix/3"}, {2, "mouseKeyMatrix/4"}, {2, "mouseKeyMatrix/5"},
                                        {6, "mouseKeyMatrix/3"}})
            after << w->settings->slotValue(slot, key).toStringList().join(',');
        QCOMPARE(after, (QStringList{"0,0,244,0", "4,0,8,0", "5,0,7,0", "4,1,7,0"}));
        QVERIFY(w->device.calls.isEmpty());
    }

    void importAndExport()
    {
        QVERIFY(macros->create("m", 0));
        QVERIFY(macros->save("m", {"1,A", "2,A"}, 4));
        QVERIFY(!macros->exportTo("m"));
        QVERIFY(!macros->importFrom("copy"));
        QCOMPARE(dialogs.asked, (QStringList{"Save File", "Macro(*.mc)", "Open File", "Macro(*.mc)"}));

        dialogs.answer = w->root.file("out.mc");
        ViewWorld::writeBytes(dialogs.answer, "stale");
        QVERIFY(!macros->exportTo("absent"));
        QCOMPARE(ViewWorld::readBytes(dialogs.answer), QByteArray("stale"));
        QVERIFY(macros->exportTo("m"));
        QCOMPARE(ViewWorld::readBytes(dialogs.answer), ViewWorld::readBytes(macroFile("m")));
        QVERIFY(macros->importFrom("copy"));
        QCOMPARE(macros->load("copy"), (QStringList{"1,A", "2,A", "4"}));

        // Onto an existing name the file is kept; from a missing file nothing is made.
        ViewWorld::writeBytes(dialogs.answer, "[config]\ntotal=0\nrepeat=9\n");
        QVERIFY(macros->importFrom("m"));
        QCOMPARE(macros->load("m"), (QStringList{"1,A", "2,A", "4"}));
        dialogs.answer = w->root.file("missing.mc");
        QVERIFY(!macros->importFrom("fresh"));
        QVERIFY(!QFile::exists(macroFile("fresh")));
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("parent") << "../p1";
        QTest::newRow("dots") << "..";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("dot") << ".";
        QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    }

    void unsafeNamesAreRefused()
    {
        QFETCH(QString, name);
        QDir().mkpath("modules/macro/a");
        QVERIFY(macros->create("ok", 0));
        ViewWorld::writeBytes("./modules/p1.bin", "[x]\ny=1\n");
        dialogs.answer = w->root.file("x.mc");
        ViewWorld::writeBytes(dialogs.answer, "[config]\n");
        QVERIFY(Macros::filePath(name).isEmpty());
        QVERIFY(!macros->create(name, 0) && !macros->save(name, {"1,A"}, 1) && macros->load(name).isEmpty());
        QVERIFY(!macros->remove(name) && !macros->rename("ok", name) && !macros->rename(name, "ok2"));
        QVERIFY(!macros->importFrom(name) && !macros->exportTo(name));
        QCOMPARE(ViewWorld::readBytes("./modules/p1.bin"), QByteArray("[x]\ny=1\n"));
        QCOMPARE(QDir("modules/macro").entryList(QDir::Files), QStringList{"ok.bin"});
    }

    // Refusing these made the rename flow drop the user's later edits.
    void harmlessNamesAreTaken()
    {
        QVERIFY(macros->create("old", 0));
        QString previous = "old";
        for (const QString name : {"Reload...", "1..3", "..x", "a\\b"}) {
            QVERIFY(macros->rename(previous, name));
            QVERIFY(macros->save(name, {"1,A", "2,A"}, 3));
            QCOMPARE(macros->load(name), (QStringList{"1,A", "2,A", "3"}));
            QCOMPARE(QDir("modules/macro").entryList(QDir::Files | QDir::Hidden), QStringList{name + ".bin"});
            previous = name;
        }
    }

    void payloadFitsItsBuffer_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("events");
        QTest::addColumn<int>("kept");
        // 2 repeat bytes + 2 per event + 2 end bytes.
        QTest::newRow("short") << 128 << 3 << 3;
        QTest::newRow("mouse 64 events") << 128 << 64 << 62;
        QTest::newRow("mouse 63 events") << 128 << 63 << 62;
        QTest::newRow("keyboard 100 events") << 192 << 100 << 94;
    }

    void payloadFitsItsBuffer()
    {
        QFETCH(int, capacity);
        QFETCH(int, events);
        QFETCH(int, kept);
        const QVariantList data = payloadWithEvents(events);
        if (kept < events)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cut"));
        const QByteArray b = Macros::fitPayload(data, capacity);
        QByteArray expected;
        for (const QVariant& v : data.mid(0, 2 + 2 * kept))
            expected += char(v.toInt());
        // The last kept event takes the timing of a last event: 0x01, or 0x81 for a release.
        if (kept < events)
            expected[2 * kept] = char(kept % 2 ? 0x01 : 0x81);
        QCOMPARE(b, expected + QByteArray(capacity - expected.size(), '\0'));
    }

    void lastKeptEventTakesTheLastEventsTiming_data()
    {
        QTest::addColumn<int>("timing");
        QTest::addColumn<int>("lastTiming");
        QTest::newRow("press with a delay") << 0x05 << 0x01;
        QTest::newRow("release with a delay") << 0x8A << 0x81;
        QTest::newRow("press with a long delay") << 0x7F << 0x01;
    }

    void lastKeptEventTakesTheLastEventsTiming()
    {
        QFETCH(int, timing);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cut"));
        const QByteArray b = Macros::fitPayload(payloadWithEvents(70, timing), 128);
        const int last = b.lastIndexOf(char(0x04)) - 1;
        QTEST(int(uchar(b[last])), "lastTiming");
        QVERIFY(last + 4 <= 128);
        QCOMPARE(b.mid(last + 2), QByteArray(128 - last - 2, '\0'));
    }

    void longDelayEventIsNeverSplit()
    {
        // 61 short events end at byte 124; a long-delay event needs 4 more and the end mark 2.
        QVariantList data = payloadWithEvents(61).mid(0, 124) + bytes("7f0400c801050000");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cut"));
        const QByteArray b = Macros::fitPayload(data, 128);
        QCOMPARE(int(uchar(b[123])), 0x04 + 60 % 26);
        // It still fits as the last event, which needs no delay pair.
        QCOMPARE(b.mid(124), QByteArray::fromHex("01040000"));
    }

    void sendSlotsPerFamily_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<QString>("sent");
        QTest::newRow("553") << "553" << "553_13 1; 553_13 12; kb_11 5";
        QTest::newRow("560") << "560" << "560_0F 1; 560_0F 12; kb_11 5";
    }

    void sendSlotsPerFamily()
    {
        QFETCH(QString, icType);
        start({icType});
        const QVariantList data = bytes("0001050481040000");
        for (uint slot : {0u, 11u, 12u, 256u + 12u})
            macros->sendToMouse(data, slot);
        macros->sendToKeyboard(data, 5);
        QTEST(w->device.log(), "sent");
        QCOMPARE(w->device.calls[0].payload, QByteArray::fromHex("0001050481040000") + QByteArray(120, '\0'));
        QCOMPARE(w->device.calls[2].payload, QByteArray::fromHex("0001050481040000") + QByteArray(184, '\0'));
    }
};

QTEST_GUILESS_MAIN(tst_Macros)
#include "tst_Macros.moc"
