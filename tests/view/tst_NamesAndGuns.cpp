#include "ViewWorld.h"

#include "protocol/DpiSwitchTexts.h"
#include "view/GunData.h"
#include "view/NameLists.h"

#include <QtTest>

class tst_NamesAndGuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { dpitexts::setDpiSwitchTexts(QStringList(dpitexts::kCount, QStringLiteral("DPI Switch to"))); }

    void nameLists()
    {
        ViewWorld w;
        QVERIFY(NameLists::update(4, {"x", "y"}));
        QVERIFY(NameLists::update("macro", {"x", "y"}));
        QVERIFY(!QFile::exists(NameLists::filePath()));
        // A list of one name is padded, or it would read back as no list at all.
        QVERIFY(NameLists::update(0, {"a"}));
        QCOMPARE(NameLists::get(0), (QVariantList{"a", "loaderzephyx"}));
        QVERIFY(NameLists::update(1, {"AK", "M4", "MP5"}));
        QVERIFY(NameLists::update(2, {"work0", "game1"}));
        QCOMPARE(NameLists::get(1), (QVariantList{"AK", "M4", "MP5"}));
        QCOMPARE(NameLists::get("2"), (QVariantList{"work0", "game1"}));
        QVERIFY(NameLists::update(2, {}));
        QVERIFY(NameLists::get(2).isEmpty() && NameLists::get(-1).isEmpty());
        const QByteArray text = ViewWorld::readBytes(NameLists::filePath());
        QVERIFY2(text.contains("macroName=a, loaderzephyx\n") && !text.contains("profileName"), text.constData());
        ViewWorld::writeFile(NameLists::filePath(), {{"macro/macroName", "alone"}});
        QVERIFY(NameLists::get(0).isEmpty());
    }

    void languageSections()
    {
        ViewWorld w;
        ViewWorld::writeBytes("./modules/i18n/xx.ini", "[main]\ntotal=3\n0=Haupt\n2=\xe9\x85\x8d\xe7\xbd\xae\n"
                                                     "[big]\ntotal=2147483647\n0=A\n1=B\n3=D\n[neg]\ntotal=-5\n0=A\n"
                                                     "[other]\ntotal=2\n0=Eins\n1=Zwei\n");
        ViewWorld::writeFile("./modules/evil.ini", {{"other/total", 1}, {"other/0", "X"}});
        QCOMPARE(NameLists::langStrings("main", "xx"), (QStringList{"Haupt", "", QString::fromUtf8("配置")}));
        QVERIFY(NameLists::langStrings("main", "yy").isEmpty() && NameLists::langStrings("absent", "xx").isEmpty());
        // Counts are bounded by the entries present.
        QCOMPARE(NameLists::langStrings("big", "xx"), (QStringList{"A", "B", "", "D"}));
        QVERIFY(NameLists::langStrings("neg", "xx").isEmpty());
        QVERIFY(NameLists::langStrings("other", "../evil").isEmpty() && NameLists::langStrings("other", "").isEmpty());
        QCOMPARE(dpitexts::dpiSwitchTexts(), QStringList(8, QStringLiteral("DPI Switch to")));
        // The "other" section names the stages; a short one keeps the remaining texts.
        NameLists::langStrings("other", "xx");
        QCOMPARE(dpitexts::dpiSwitchTexts().mid(0, 3), (QStringList{"Eins", "Zwei", "DPI Switch to"}));
        QCOMPARE(dpitexts::dpiSwitchTexts().size(), 8);
    }

    void gunRecords()
    {
        ViewWorld w;
        GunData guns(*w.settings, w.blocks, w.device);
        guns.saveRecord("0", {"AK"});
        QVERIFY(!QFile::exists(GunData::filePath()) && guns.recordKeys().isEmpty());
        ViewWorld::writeFile(GunData::filePath(), {{"gunData/0", QStringList{"AK", "MS-L", "100", "0", "5", "30"}},
                                                   {"gunData/1", QStringList{"M4", "MS-L", "90", "1", "4", "0"}}});
        QCOMPARE(guns.record("0"), (QVariantList{"AK", "MS-L", "100", "0", "5", "30"}));
        QVERIFY(guns.record("9").isEmpty());
        guns.saveRecord("2", {"P90", "MS-L", 60, 0, 2, 10, "extra"});
        QCOMPARE(guns.record("2"), (QVariantList{"P90", "MS-L", "60", "0", "2", "10"}));
        // modify 1: the record under the last name moves to the first; 0 deletes; an empty name never drops the group.
        guns.saveRecord("old", {"x"});
        guns.modify(1, {"new", "MS-L", 80, 1, 3, 0, "old"});
        QVERIFY(guns.record("old").isEmpty());
        QCOMPARE(guns.record("new"), (QVariantList{"MS-L", "80", "1", "3", "0"}));
        guns.modify(0, {"new"});
        guns.modify(0, {""});
        guns.modify(0, {});
        guns.modify(1, {"renamed", "MS-L", 1, 2, 3, 4, ""});
        guns.modify(2, {"0"});
        QCOMPARE(guns.recordKeys(), (QStringList{"0", "1", "2", "renamed"}));
        // As a binary blob a one-value record came back with another type after a restart.
        guns.saveRecord("one", {60});
        QCOMPARE(guns.record("one"), QVariantList{"60"});
        const QByteArray text = ViewWorld::readBytes(GunData::filePath());
        QVERIFY2(!text.contains("@Variant") && text.contains("\none=60\n"), text.constData());
    }

    void perProfileGunValues()
    {
        ViewWorld w;
        GunData guns(*w.settings, w.blocks, w.device);
        QCOMPARE(guns.xySensitive("0").toInt(), 4);
        QVERIFY(guns.selectGun("0").isValid() && guns.selectGun("0").toString().isEmpty());
        w.settings->setCurrentProfile(2);
        guns.setXYSensitive("0", 7);
        guns.setSelectGun("1", "AK");
        QCOMPARE(guns.selectGun("1").toString(), QStringLiteral("AK"));
        QCOMPARE(w.settings->slotValue(2, "XYSensitive/0").toInt(), 7);
        w.settings->setCurrentProfile(0);
        QCOMPARE(guns.xySensitive("0").toInt(), 4);
    }

    void gunSend()
    {
        ViewWorld w({"560", true, true});
        GunData guns(*w.settings, w.blocks, w.device);
        w.blocks.block(2)[65] = 0xFF;
        guns.send(1, {0, 0, 5});
        guns.send(3, {30, 256 + 1, -2});
        guns.send(0, {1, 2, 3});
        guns.send(4, {1, 2, 3});
        QCOMPARE(w.device.log(), QStringLiteral("560_0C 2; 560_0C 4"));
        QCOMPARE(w.device.calls[0].payload.mid(78, 4), QByteArray::fromHex("f0000005"));
        QCOMPARE(int(uchar(w.device.calls[0].payload[65])), 0xFB);
        QCOMPARE(w.device.calls[1].payload.mid(78, 4), QByteArray::fromHex("f01e01fe"));

        // The 553 family: the third option byte says the mouse counts y the other way round.
        w.reset({"553", true, true});
        GunData guns553(*w.settings, w.blocks, w.device);
        guns553.send(2, {10, 1, 5});
        w.device.options[2] = 1;
        guns553.send(3, {10, 1, 5});
        QCOMPARE(w.device.log(), QStringLiteral("83; 553_04 10 1 5 1; 83; 553_04 10 1 251 2"));
        // Without gun layers nothing is sent.
        w.reset({"553", true, false});
        GunData(*w.settings, w.blocks, w.device).send(1, {1, 2, 3});
        QVERIFY(w.device.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_NamesAndGuns)
#include "tst_NamesAndGuns.moc"
