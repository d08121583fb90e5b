#include "FakeDialogs.h"
#include "ViewWorld.h"

#include "view/Macros.h"

#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QVariantList bytesToList(const QByteArray& bytes)
{
    QVariantList list;
    for (char c : bytes)
        list.append(int(uchar(c)));
    return list;
}

// Repeat count, `events` key events of two bytes, and the end mark.
QVariantList payloadWithEvents(int events)
{
    QVariantList list{0, 1};
    for (int i = 0; i < events; ++i)
        list << (i % 2 ? 0x81 : 0x05) << (0x04 + i % 26);
    list << 0 << 0;
    return list;
}

} // namespace

class tst_Macros : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createThenLoad();
    void saveShrinksAndNeedsFile();
    void loadStopsAtTheFirstMissingAction_data();
    void loadStopsAtTheFirstMissingAction();
    void deleteReportsResult();
    void renameUpdatesProfilesZeroToFive();
    void renameOntoExistingName();
    void deleteResetsButtonsRunningMacro();
    void importAndExport();
    void importOntoExistingNameKeepsFile();
    void exportOfMissingMacroKeepsTarget();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void harmlessNamesAreTaken_data();
    void harmlessNamesAreTaken();
    void shortPayloadIsZeroFilled();
    void longPayloadIsCutAfterWholeEvent_data();
    void longPayloadIsCutAfterWholeEvent();
    void longDelayEventIsNeverSplit();
    void lastKeptEventTakesTheLastEventsTiming_data();
    void lastKeptEventTakesTheLastEventsTiming();
    void mouseSendSlotsPerFamily_data();
    void mouseSendSlotsPerFamily();
    void keyboardSendKeepsIndex();
};

void tst_Macros::createThenLoad()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("m"), 0));
    QCOMPARE(macros.load(QStringLiteral("m")), QStringList{"1"});
    const QSettings file(QStringLiteral("./modules/macro/m.bin"), QSettings::IniFormat);
    QCOMPARE(file.value("config/index").toInt(), 0);
    QCOMPARE(file.value("config/total").toInt(), 0);
    QCOMPARE(file.value("config/did").toInt(), -1);
    QVERIFY(macros.load(QStringLiteral("absent")).isEmpty());
}

void tst_Macros::saveShrinksAndNeedsFile()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(!macros.save(QStringLiteral("m"), {"1,A"}, 1));
    QVERIFY(!QFile::exists("./modules/macro/m.bin"));

    QVERIFY(macros.create(QStringLiteral("m"), 0));
    QVERIFY(macros.save(QStringLiteral("m"), {"1,A", "0,50", "2,A", "3,MS-L", "4,MS-L"}, 2));
    QVERIFY(macros.save(QStringLiteral("m"), {"1,B", "0,20", "2,B"}, 3));
    QCOMPARE(macros.load(QStringLiteral("m")), (QStringList{"1,B", "0,20", "2,B", "3"}));
    QSettings file(QStringLiteral("./modules/macro/m.bin"), QSettings::IniFormat);
    file.beginGroup("macro");
    QCOMPARE(file.childKeys().size(), 3);
}

void tst_Macros::loadStopsAtTheFirstMissingAction_data()
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
void tst_Macros::loadStopsAtTheFirstMissingAction()
{
    QFETCH(QVariant, total);
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    ViewWorld::writeFile(QStringLiteral("./modules/macro/odd.bin"),
                         {{"config/total", total}, {"macro/0", "1,A"}, {"macro/1", "2,A"}, {"macro/3", "1,B"}});
    QTEST(macros.load(QStringLiteral("odd")), "loaded");
}

void tst_Macros::deleteReportsResult()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("m"), 0));
    QVERIFY(macros.remove(QStringLiteral("m")));
    QVERIFY(!macros.remove(QStringLiteral("m")));
}

void tst_Macros::renameUpdatesProfilesZeroToFive()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("old"), 0));
    for (int slot : {0, 5, 6})
        w.settings->setSlotValue(slot, QStringLiteral("mouseMacroKey/2"), QStringLiteral("old"));
    w.settings->setSlotValue(1, QStringLiteral("mouseMacroKey/3"), QStringLiteral("other"));

    QVERIFY(macros.rename(QStringLiteral("old"), QStringLiteral("new")));
    QVERIFY(QFile::exists("./modules/macro/new.bin"));
    QVERIFY(!QFile::exists("./modules/macro/old.bin"));
    QCOMPARE(w.settings->slotValue(0, "mouseMacroKey/2").toString(), QStringLiteral("new"));
    QCOMPARE(w.settings->slotValue(5, "mouseMacroKey/2").toString(), QStringLiteral("new"));
    QCOMPARE(w.settings->slotValue(6, "mouseMacroKey/2").toString(), QStringLiteral("old"));
    QCOMPARE(w.settings->slotValue(1, "mouseMacroKey/3").toString(), QStringLiteral("other"));

    QVERIFY(!macros.rename(QStringLiteral("gone"), QStringLiteral("x")));
}

void tst_Macros::renameOntoExistingName()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("a"), 0));
    QVERIFY(macros.create(QStringLiteral("b"), 0));
    QVERIFY(macros.save(QStringLiteral("b"), {"1,B"}, 1));
    w.settings->setSlotValue(0, QStringLiteral("mouseMacroKey/0"), QStringLiteral("a"));
    QVERIFY(!macros.rename(QStringLiteral("a"), QStringLiteral("b")));
    QVERIFY(QFile::exists("./modules/macro/a.bin"));
    QCOMPARE(macros.load(QStringLiteral("b")), (QStringList{"1,B", "1"}));
    QCOMPARE(w.settings->slotValue(0, "mouseMacroKey/0").toString(), QStringLiteral("b"));
}

void tst_Macros::deleteResetsButtonsRunningMacro()
{
    ViewWorld w;
    ViewWorld::writeFile(SettingsStore::factoryProfilePath(),
                         {{"mouseKeyMatrix/3", QVariantList{0, 0, 0xF4, 0}},
                          {"mouseKeyMatrix/4", QVariantList{0, 0, 0xF3, 0}}});
    w.reset(ViewFlags());
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    for (int slot : {2, 6}) {
        w.settings->setSlotValue(slot, "mouseKeyMatrix/3", QVariantList{4, 1, 7, 0});
        w.settings->setSlotValue(slot, "mouseMacroKey/7", "gone");
    }
    w.settings->setSlotValue(2, "mouseKeyMatrix/4", QVariantList{4, 0, 8, 0});
    w.settings->setSlotValue(2, "mouseMacroKey/8", "kept");
    // Not a macro button, although its code2 points at the deleted macro's slot.
    w.settings->setSlotValue(2, "mouseKeyMatrix/5", QVariantList{5, 0, 7, 0});

    macros.resetButtonsRunning(QStringLiteral("gone"));
    QCOMPARE(w.settings->slotValue(2, "mouseKeyMatrix/3").toStringList(), (QStringList{"0", "0", "244", "0"}));
    QCOMPARE(w.settings->slotValue(2, "mouseKeyMatrix/4").toStringList(), (QStringList{"4", "0", "8", "0"}));
    QCOMPARE(w.settings->slotValue(2, "mouseKeyMatrix/5").toStringList(), (QStringList{"5", "0", "7", "0"}));
    QCOMPARE(w.settings->slotValue(2, "mouseMacroKey/7").toString(), QStringLiteral("gone"));
    QCOMPARE(w.settings->slotValue(6, "mouseKeyMatrix/3").toStringList(), (QStringList{"4", "1", "7", "0"}));
    QVERIFY(w.device.calls.isEmpty());
}

void tst_Macros::importAndExport()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("m"), 0));
    QVERIFY(macros.save(QStringLiteral("m"), {"1,A", "2,A"}, 4));

    QVERIFY(!macros.exportTo(QStringLiteral("m")));
    QCOMPARE(dialogs.asked, (QStringList{"Save File", "Macro(*.mc)"}));

    const QString target = w.root.file(QStringLiteral("out.mc"));
    writeBytes(target, "stale");
    dialogs.answer = target;
    QVERIFY(macros.exportTo(QStringLiteral("m")));
    QCOMPARE(readAll(target), readAll("./modules/macro/m.bin"));

    dialogs.asked.clear();
    dialogs.answer.clear();
    QVERIFY(!macros.importFrom(QStringLiteral("copy")));
    QCOMPARE(dialogs.asked, (QStringList{"Open File", "Macro(*.mc)"}));
    dialogs.answer = target;
    QVERIFY(macros.importFrom(QStringLiteral("copy")));
    QCOMPARE(macros.load(QStringLiteral("copy")), (QStringList{"1,A", "2,A", "4"}));

    dialogs.answer = w.root.file(QStringLiteral("missing.mc"));
    QVERIFY(!macros.importFrom(QStringLiteral("fresh")));
    QVERIFY(!QFile::exists("./modules/macro/fresh.bin"));
}

void tst_Macros::importOntoExistingNameKeepsFile()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("m"), 0));
    const QByteArray before = readAll("./modules/macro/m.bin");
    const QString source = w.root.file(QStringLiteral("in.mc"));
    writeBytes(source, "[config]\ntotal=0\nrepeat=9\n");
    dialogs.answer = source;
    QVERIFY(macros.importFrom(QStringLiteral("m")));
    QCOMPARE(readAll("./modules/macro/m.bin"), before);
}

void tst_Macros::exportOfMissingMacroKeepsTarget()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    const QString target = w.root.file(QStringLiteral("keep.mc"));
    writeBytes(target, "precious");
    dialogs.answer = target;
    QVERIFY(!macros.exportTo(QStringLiteral("absent")));
    QCOMPARE(readAll(target), QByteArray("precious"));
}

void tst_Macros::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("parent") << "../p1";
    QTest::newRow("dots") << "..";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("dot") << ".";
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
}

void tst_Macros::unsafeNamesAreRefused()
{
    QFETCH(QString, name);
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QDir().mkpath(QStringLiteral("modules/macro/a"));
    QVERIFY(macros.create(QStringLiteral("ok"), 0));
    const QByteArray profile = "[x]\ny=1\n";
    writeBytes(QStringLiteral("./modules/p1.bin"), profile);

    QVERIFY(Macros::filePath(name).isEmpty());
    QVERIFY(!macros.create(name, 0));
    QVERIFY(!macros.save(name, {"1,A"}, 1));
    QVERIFY(macros.load(name).isEmpty());
    QVERIFY(!macros.remove(name));
    QVERIFY(!macros.rename(QStringLiteral("ok"), name));
    QVERIFY(QFile::exists("./modules/macro/ok.bin"));
    QVERIFY(!macros.rename(name, QStringLiteral("ok2")));
    dialogs.answer = w.root.file(QStringLiteral("x.mc"));
    writeBytes(dialogs.answer, "[config]\n");
    QVERIFY(!macros.importFrom(name));
    QVERIFY(!macros.exportTo(name));
    QCOMPARE(readAll(QStringLiteral("./modules/p1.bin")), profile);
    QCOMPARE(QDir(QStringLiteral("modules/macro")).entryList(QDir::Files), QStringList{"ok.bin"});
}

void tst_Macros::harmlessNamesAreTaken_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("trailing dots") << "Reload...";
    QTest::newRow("dots inside") << "1..3";
    QTest::newRow("leading dots") << "..x";
    QTest::newRow("backslash") << "a\\b";
}

// Refusing these made the rename flow drop the user's later edits.
void tst_Macros::harmlessNamesAreTaken()
{
    QFETCH(QString, name);
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    QVERIFY(macros.create(QStringLiteral("old"), 0));
    QVERIFY(macros.rename(QStringLiteral("old"), name));
    QVERIFY(macros.save(name, {"1,A", "2,A"}, 3));
    QCOMPARE(macros.load(name), (QStringList{"1,A", "2,A", "3"}));
    QCOMPARE(QDir(QStringLiteral("modules/macro")).entryList(QDir::Files | QDir::Hidden),
             QStringList{name + QStringLiteral(".bin")});
}

void tst_Macros::shortPayloadIsZeroFilled()
{
    const QByteArray b = Macros::fitPayload({0, 2, 0x05, 0x04, 0x81, 0x04, 0, 0, 300}, 128);
    QCOMPARE(b.size(), 128);
    QCOMPARE(b.left(9), QByteArray::fromHex("0002050481040000") + char(300 & 0xFF));
    QCOMPARE(b.mid(9), QByteArray(119, '\0'));
}

void tst_Macros::longPayloadIsCutAfterWholeEvent_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("kept");
    // 2 repeat bytes + 2 per event + 2 end bytes.
    QTest::newRow("mouse 64 events") << 128 << 64 << 62;
    QTest::newRow("mouse 63 events") << 128 << 63 << 62;
    QTest::newRow("keyboard 100 events") << 192 << 100 << 94;
}

void tst_Macros::longPayloadIsCutAfterWholeEvent()
{
    QFETCH(int, capacity);
    QFETCH(int, events);
    QFETCH(int, kept);
    const QVariantList data = payloadWithEvents(events);
    QVERIFY(data.size() > capacity);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cut"));
    const QByteArray b = Macros::fitPayload(data, capacity);
    QCOMPARE(b.size(), capacity);
    const int end = 2 + 2 * kept;
    QCOMPARE(b.left(end), QByteArray::fromHex("0001") + Macros::fitPayload(data.mid(2, 2 * kept), 2 * kept));
    QCOMPARE(b.mid(end), QByteArray(capacity - end, '\0'));
}

void tst_Macros::longDelayEventIsNeverSplit()
{
    // 61 short events end at byte 124; a long-delay event needs 4 more and the end mark 2.
    QVariantList data = payloadWithEvents(61);
    data.removeLast();
    data.removeLast();
    data << 0x7F << 0x04 << 0x00 << 0xC8 << 0x01 << 0x05 << 0 << 0;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cut"));
    const QByteArray b = Macros::fitPayload(data, 128);
    QCOMPARE(int(uchar(b[123])), 0x04 + 60 % 26);
    // It still fits as the last event, which needs no delay pair.
    QCOMPARE(b.mid(124), QByteArray::fromHex("01040000"));
}

void tst_Macros::lastKeptEventTakesTheLastEventsTiming_data()
{
    QTest::addColumn<int>("timing");
    QTest::addColumn<int>("lastTiming");
    QTest::newRow("press with a delay") << 0x05 << 0x01;
    QTest::newRow("release with a delay") << 0x8A << 0x81;
    QTest::newRow("press with a long delay") << 0x7F << 0x01;
}

void tst_Macros::lastKeptEventTakesTheLastEventsTiming()
{
    QFETCH(int, timing);
    QVariantList data{0, 1};
    for (int i = 0; i < 70; ++i) {
        data << timing << 0x04;
        if ((timing & 0x7F) == 0x7F)
            data << 0x01 << 0x00;
    }
    data << 0 << 0;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cut"));
    const QByteArray b = Macros::fitPayload(data, 128);
    const int last = b.lastIndexOf(char(0x04)) - 1;
    QTEST(int(uchar(b[last])), "lastTiming");
    QCOMPARE(b.mid(last + 2), QByteArray(128 - last - 2, '\0'));
    QVERIFY(last + 4 <= 128);
}

void tst_Macros::mouseSendSlotsPerFamily_data()
{
    QTest::addColumn<QString>("icType");
    QTest::addColumn<QString>("command");
    QTest::newRow("553") << "553" << "553_13";
    QTest::newRow("560") << "560" << "560_0F";
}

void tst_Macros::mouseSendSlotsPerFamily()
{
    QFETCH(QString, icType);
    QFETCH(QString, command);
    ViewFlags flags;
    flags.icType = icType;
    ViewWorld w(flags);
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    const QVariantList data{0, 1, 0x05, 0x04, 0x81, 0x04, 0, 0};
    macros.sendToMouse(data, 0);
    macros.sendToMouse(data, 11);
    macros.sendToMouse(data, 12);
    macros.sendToMouse(data, 256 + 12);
    QCOMPARE(w.device.names(), (QStringList{command, command}));
    QCOMPARE(w.device.calls[0].args, QList<int>{1});
    QCOMPARE(w.device.calls[1].args, QList<int>{12});
    QCOMPARE(w.device.calls[0].payload, Macros::fitPayload(data, 128));
}

void tst_Macros::keyboardSendKeepsIndex()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Macros macros(*w.settings, w.device, dialogs);
    macros.sendToKeyboard(bytesToList(QByteArray::fromHex("0003050481040000")), 5);
    QCOMPARE(w.device.names(), QStringList{"kb_11"});
    QCOMPARE(w.device.calls[0].args, QList<int>{5});
    QCOMPARE(w.device.calls[0].payload.size(), 192);
    QCOMPARE(w.device.calls[0].payload.left(8), QByteArray::fromHex("0003050481040000"));
}

QTEST_GUILESS_MAIN(tst_Macros)
#include "tst_Macros.moc"
