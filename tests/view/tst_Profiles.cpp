#include "FakeDialogs.h"
#include "ViewWorld.h"

#include "view/Profiles.h"

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

// Every slot file holds its own number under `slot/number`.
void writeSlots(ViewWorld& w)
{
    for (int s = 0; s < SettingsStore::kProfileSlots; ++s)
        ViewWorld::writeFile(SettingsStore::profilePath(s), {{"slot/number", s}});
    ViewWorld::writeFile(SettingsStore::factoryProfilePath(), {{"slot/number", "factory"}});
    w.reset(ViewFlags());
}

} // namespace

class tst_Profiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportCopiesSlotFile_data();
    void exportCopiesSlotFile();
    void exportCancelledOrMissingSourceKeepsTarget();
    void exportTouchesNoFileItDidNotMake();
    void importReplacesSlotAndReopens();
    void importOfUnreadableFileKeepsSlot();
    void resetOfCurrentSlotReadsFactory();
    void resetWithoutFactoryKeepsSlot();
    void copyBetweenSlots();
    void copyOfPendingEditsAndInvalidSlots();
    void blocksSentAndReadWhole();
};

void tst_Profiles::exportCopiesSlotFile_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("p1") << 0;
    QTest::newRow("p6") << 5;
}

void tst_Profiles::exportCopiesSlotFile()
{
    QFETCH(int, slot);
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    const QString target = w.root.file(QStringLiteral("out.pf"));
    writeBytes(target, "older export");
    dialogs.answer = target;
    QVERIFY(profiles.saveProfile(slot));
    QCOMPARE(dialogs.asked, (QStringList{"Save File", "Profile(*.pf)"}));
    QCOMPARE(readAll(target), readAll(SettingsStore::profilePath(slot)));
    QVERIFY(readAll(target).contains(QByteArray("number=") + QByteArray::number(slot)));
}

void tst_Profiles::exportCancelledOrMissingSourceKeepsTarget()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    QVERIFY(!profiles.saveProfile(0));
    const QString target = w.root.file(QStringLiteral("keep.pf"));
    writeBytes(target, "keep");
    dialogs.answer = target;
    // Slot 3 has never been written, so there is nothing to export.
    QVERIFY(!profiles.saveProfile(3));
    QCOMPARE(readAll(target), QByteArray("keep"));
}

void tst_Profiles::exportTouchesNoFileItDidNotMake()
{
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    QDir().mkpath(w.root.file(QStringLiteral("out")));
    const QString target = w.root.file(QStringLiteral("out/mine.pf"));
    writeBytes(target, "old export");
    writeBytes(target + QStringLiteral(".new"), "the user's own file");
    dialogs.answer = target;
    QVERIFY(profiles.saveProfile(2));
    QCOMPARE(readAll(target), readAll(SettingsStore::profilePath(2)));
    QCOMPARE(readAll(target + QStringLiteral(".new")), QByteArray("the user's own file"));
    // Nothing of the copy's own is left behind either.
    QCOMPARE(QDir(w.root.file(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"mine.pf", "mine.pf.new"}));
}

void tst_Profiles::importReplacesSlotAndReopens()
{
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    QVERIFY(!profiles.loadProfile(2));
    QCOMPARE(dialogs.asked, (QStringList{"Open File", "Profile(*.pf)"}));

    const QString source = w.root.file(QStringLiteral("in.pf"));
    writeBytes(source, "[mouse]\nreportRate=2\n");
    dialogs.answer = source;
    w.settings->setCurrentProfile(2);
    QVERIFY(profiles.loadProfile(2));
    QCOMPARE(readAll(SettingsStore::profilePath(2)), readAll(source));
    QCOMPARE(w.settings->getData(QStringLiteral("mouse/reportRate"), false).toInt(), 2);
    QVERIFY(!w.settings->getData(QStringLiteral("slot/number"), false).isValid());
}

void tst_Profiles::importOfUnreadableFileKeepsSlot()
{
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    const QByteArray before = readAll(SettingsStore::profilePath(1));
    dialogs.answer = w.root.file(QStringLiteral("gone.pf"));
    QVERIFY(!profiles.loadProfile(1));
    QCOMPARE(readAll(SettingsStore::profilePath(1)), before);
    w.settings->setCurrentProfile(1);
    QCOMPARE(w.settings->getData(QStringLiteral("slot/number"), false).toInt(), 1);
}

void tst_Profiles::resetOfCurrentSlotReadsFactory()
{
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    w.settings->setCurrentProfile(4);
    w.settings->setData(QStringLiteral("mouse/dpiCount"), 3);
    QVERIFY(profiles.resetProfile(4));
    QCOMPARE(w.settings->getData(QStringLiteral("slot/number"), false).toString(), QStringLiteral("factory"));
    QVERIFY(!w.settings->getData(QStringLiteral("mouse/dpiCount"), false).isValid());
    QCOMPARE(readAll(SettingsStore::profilePath(4)), readAll(SettingsStore::factoryProfilePath()));
}

void tst_Profiles::resetWithoutFactoryKeepsSlot()
{
    ViewWorld w;
    writeSlots(w);
    QFile::remove(SettingsStore::factoryProfilePath());
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    QVERIFY(!profiles.resetProfile(0));
    QCOMPARE(w.settings->getData(QStringLiteral("slot/number"), false).toInt(), 0);
}

void tst_Profiles::copyBetweenSlots()
{
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    QVERIFY(profiles.copyProfile(1, 4));
    QCOMPARE(readAll(SettingsStore::profilePath(1)), readAll(SettingsStore::profilePath(4)));
    QCOMPARE(w.settings->slotValue(1, QStringLiteral("slot/number")).toInt(), 4);

    ViewWorld::writeFile(SettingsStore::profilePath(1), {{"slot/number", 1}});
    w.reset(ViewFlags());
    Profiles again(*w.settings, w.blocks, w.device, dialogs);
    QVERIFY(again.copyProfile(4, 1));
    QCOMPARE(w.settings->slotValue(4, QStringLiteral("slot/number")).toInt(), 1);
    QCOMPARE(w.settings->slotValue(1, QStringLiteral("slot/number")).toInt(), 1);
}

void tst_Profiles::copyOfPendingEditsAndInvalidSlots()
{
    ViewWorld w;
    writeSlots(w);
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    w.settings->setCurrentProfile(3);
    w.settings->setData(QStringLiteral("mouse/reportRate"), 4);
    // The edit is still in memory; the copy must carry it.
    QVERIFY(profiles.copyProfile(0, 3));
    QCOMPARE(w.settings->slotValue(0, QStringLiteral("mouse/reportRate")).toInt(), 4);

    QVERIFY(!profiles.copyProfile(0, 10));
    QVERIFY(!profiles.copyProfile(-1, 0));
    QVERIFY(!profiles.resetProfile(10));
    QCOMPARE(w.settings->slotValue(0, QStringLiteral("slot/number")).toInt(), 3);
}

void tst_Profiles::blocksSentAndReadWhole()
{
    ViewWorld w;
    FakeDialogs dialogs;
    Profiles profiles(*w.settings, w.blocks, w.device, dialogs);
    w.device.profileMemory[3] = QByteArray(128, '\x33');
    profiles.readProfile(3);
    QCOMPARE(int(w.blocks.block(3)[127]), 0x33);
    w.blocks.block(3)[5] = 0x44;
    profiles.setProfile(3);
    profiles.setProfile(5);
    profiles.readProfile(5);
    QCOMPARE(w.device.names(), (QStringList{"560_8C", "560_0C"}));
    QCOMPARE(w.device.calls[1].args, QList<int>{3});
    QCOMPARE(int(uchar(w.device.calls[1].payload[5])), 0x44);
    QCOMPARE(int(uchar(w.device.calls[1].payload[6])), 0x33);

    // A read the device doesn't answer leaves the block as it was.
    w.device.answer = false;
    profiles.readProfile(3);
    QCOMPARE(int(w.blocks.block(3)[5]), 0x44);
}

QTEST_GUILESS_MAIN(tst_Profiles)
#include "tst_Profiles.moc"
