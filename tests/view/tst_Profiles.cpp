#include "FakeDialogs.h"
#include "ViewWorld.h"

#include "view/Profiles.h"

#include <QtTest>

// Copies of whole slot files are proven atomic by the robustness tests; these
// are the cases around them: what a copy carries and what a failure keeps.
class tst_Profiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<ViewWorld> w;
    FakeDialogs dialogs;
    std::unique_ptr<Profiles> profiles;

    // "slot/number" of a slot file, as the store reads it.
    QString number(int slot) { return w->settings->slotValue(slot, QStringLiteral("slot/number")).toString(); }

private Q_SLOTS:
    // Every slot file holds its own number under `slot/number`.
    void init()
    {
        profiles.reset();
        w.reset();
        w = std::make_unique<ViewWorld>();
        for (int s = 0; s < SettingsStore::kProfileSlots; ++s)
            ViewWorld::writeFile(SettingsStore::profilePath(s), {{"slot/number", s}});
        ViewWorld::writeFile(SettingsStore::factoryProfilePath(), {{"slot/number", "factory"}});
        w->reset(ViewFlags());
        dialogs = FakeDialogs();
        profiles = std::make_unique<Profiles>(*w->settings, w->blocks, w->device, dialogs);
    }

    void exportTouchesNoFileItDidNotMake()
    {
        QVERIFY(!profiles->saveProfile(0));
        QCOMPARE(dialogs.asked, (QStringList{"Save File", "Profile(*.pf)"}));
        QDir().mkpath(w->root.file("out"));
        dialogs.answer = w->root.file("out/mine.pf");
        ViewWorld::writeBytes(dialogs.answer, "old export");
        ViewWorld::writeBytes(dialogs.answer + ".new", "the user's own file");
        QFile::remove(SettingsStore::profilePath(3));
        QVERIFY(!profiles->saveProfile(3));
        QCOMPARE(ViewWorld::readBytes(dialogs.answer), QByteArray("old export"));
        QVERIFY(profiles->saveProfile(2));
        QCOMPARE(ViewWorld::readBytes(dialogs.answer), ViewWorld::readBytes(SettingsStore::profilePath(2)));
        QCOMPARE(ViewWorld::readBytes(dialogs.answer + ".new"), QByteArray("the user's own file"));
        // Nothing of the copy's own is left behind either.
        QCOMPARE(QDir(w->root.file("out")).entryList(QDir::Files | QDir::Hidden), (QStringList{"mine.pf", "mine.pf.new"}));
    }

    // The current slot is read afresh after an import or a reset; a failed one keeps it.
    void importAndResetReopenTheCurrentSlot()
    {
        w->settings->setCurrentProfile(2);
        dialogs.answer = w->root.file("gone.pf");
        QVERIFY(!profiles->loadProfile(2));
        QCOMPARE(number(2), QStringLiteral("2"));
        ViewWorld::writeBytes(dialogs.answer, "[mouse]\nreportRate=2\n");
        QVERIFY(profiles->loadProfile(2));
        QCOMPARE(w->settings->getData("mouse/reportRate", false).toInt(), 2);
        QVERIFY(!w->settings->getData("slot/number", false).isValid());

        w->settings->setData("mouse/dpiCount", 3);
        QVERIFY(profiles->resetProfile(2));
        QCOMPARE(w->settings->getData("slot/number", false).toString(), QStringLiteral("factory"));
        QVERIFY(!w->settings->getData("mouse/dpiCount", false).isValid());
        QFile::remove(SettingsStore::factoryProfilePath());
        QVERIFY(!profiles->resetProfile(0));
        QCOMPARE(number(0), QStringLiteral("0"));
    }

    void copyCarriesPendingEdits()
    {
        QVERIFY(profiles->copyProfile(1, 4));
        QCOMPARE(number(1), QStringLiteral("4"));
        w->settings->setCurrentProfile(3);
        w->settings->setData("mouse/reportRate", 4);
        // The edit is still in memory; the copy must carry it.
        QVERIFY(profiles->copyProfile(0, 3));
        QCOMPARE(w->settings->slotValue(0, "mouse/reportRate").toInt(), 4);
        QVERIFY(!profiles->copyProfile(0, 10) && !profiles->copyProfile(-1, 0) && !profiles->resetProfile(10));
        QCOMPARE(number(0), QStringLiteral("3"));
    }

    void blocksSentAndReadWhole()
    {
        w->device.profileMemory[3] = QByteArray(128, '\x33');
        profiles->readProfile(3);
        w->blocks.block(3)[5] = 0x44;
        profiles->setProfile(3);
        profiles->setProfile(5);
        profiles->readProfile(5);
        QCOMPARE(w->device.log(), QStringLiteral("560_8C 3; 560_0C 3"));
        QCOMPARE(w->device.calls[1].payload, QByteArray(5, '\x33') + '\x44' + QByteArray(122, '\x33'));
        // A read the device doesn't answer leaves the block as it was.
        w->device.answer = false;
        profiles->readProfile(3);
        QCOMPARE(int(w->blocks.block(3)[5]), 0x44);
    }
};

QTEST_GUILESS_MAIN(tst_Profiles)
#include "tst_Profiles.moc"
