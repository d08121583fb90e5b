#include "ViewWorld.h"

#include "protocol/DpiSwitchTexts.h"
#include "view/GunData.h"
#include "view/NameLists.h"

#include <QtTest>

namespace {

void writeGunFile()
{
    ViewWorld::writeFile(GunData::filePath(), {{"gunData/0", QStringList{"AK", "MS-L", "100", "0", "5", "30"}},
                                               {"gunData/1", QStringList{"M4", "MS-L", "90", "1", "4", "0"}}});
}

void writeLanguage()
{
    QFile f(QStringLiteral("./modules/i18n/xx.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[main]\ntotal=3\n0=Haupt\n2=\xe9\x85\x8d\xe7\xbd\xae\n"
            "[other]\ntotal=9\n0=A\n1=B\n2=C\n3=D\n4=E\n5=F\n6=G\n7=H\n8=I\n"
            "[short]\ntotal=1\n0=only\n");
}

} // namespace

class tst_NamesAndGuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { dpitexts::setDpiSwitchTexts(QStringList(dpitexts::kCount, QStringLiteral("DPI Switch to"))); }

    void oneNameIsPadded();
    void listsRoundTripAndEmptyRemoves();
    void typesOutsideRange();
    void singleStoredValueIsNotAList();
    void languageSections();
    void otherSectionReplacesDpiTexts();
    void shortOtherSectionKeepsRemainingTexts();
    void unsafeLanguageCode();
    void gunRecords();
    void gunModifyRenameAndDelete();
    void gunEmptyNameNeverDropsGroup();
    void gunOneValueRecordIsStoredAsText();
    void languageCountsAreBounded();
    void missingGunFileIsNoOp();
    void perProfileGunValues();
    void gunSend560();
    void gunSendNeedsGunLayers();
};

void tst_NamesAndGuns::oneNameIsPadded()
{
    ViewWorld w;
    QVERIFY(NameLists::update(0, {"a"}));
    QCOMPARE(NameLists::get(0), (QVariantList{"a", "loaderzephyx"}));
    const QSettings file(NameLists::filePath(), QSettings::IniFormat);
    QCOMPARE(file.value("macro/macroName").toStringList(), (QStringList{"a", "loaderzephyx"}));
}

void tst_NamesAndGuns::listsRoundTripAndEmptyRemoves()
{
    ViewWorld w;
    QVERIFY(NameLists::update(1, {"AK", "M4", "MP5"}));
    QVERIFY(NameLists::update(2, {"work0", "game1"}));
    QVERIFY(NameLists::update(3, {"0", "1", "2"}));
    QCOMPARE(NameLists::get(1), (QVariantList{"AK", "M4", "MP5"}));
    QCOMPARE(NameLists::get(2), (QVariantList{"work0", "game1"}));
    QCOMPARE(NameLists::get("3"), (QVariantList{"0", "1", "2"}));
    QVERIFY(NameLists::update(2, {}));
    QVERIFY(NameLists::get(2).isEmpty());
    const QSettings file(NameLists::filePath(), QSettings::IniFormat);
    QVERIFY(!file.contains("profile/profileName"));
}

void tst_NamesAndGuns::typesOutsideRange()
{
    ViewWorld w;
    QVERIFY(NameLists::update(4, {"x", "y"}));
    QVERIFY(NameLists::update("macro", {"x", "y"}));
    QVERIFY(!QFile::exists(NameLists::filePath()));
    QVERIFY(NameLists::get(-1).isEmpty());
}

void tst_NamesAndGuns::singleStoredValueIsNotAList()
{
    ViewWorld w;
    ViewWorld::writeFile(NameLists::filePath(), {{"macro/macroName", "alone"}});
    QVERIFY(NameLists::get(0).isEmpty());
    QVERIFY(NameLists::get(1).isEmpty());
}

void tst_NamesAndGuns::languageSections()
{
    ViewWorld w;
    writeLanguage();
    QCOMPARE(NameLists::langStrings("main", "xx"), (QStringList{"Haupt", "", QString::fromUtf8("配置")}));
    QVERIFY(NameLists::langStrings("main", "yy").isEmpty());
    QVERIFY(NameLists::langStrings("absent", "xx").isEmpty());
    QCOMPARE(dpitexts::dpiSwitchTexts(), QStringList(8, QStringLiteral("DPI Switch to")));
}

void tst_NamesAndGuns::otherSectionReplacesDpiTexts()
{
    ViewWorld w;
    writeLanguage();
    QCOMPARE(NameLists::langStrings("other", "xx").size(), 9);
    QCOMPARE(dpitexts::dpiSwitchTexts(), (QStringList{"A", "B", "C", "D", "E", "F", "G", "H"}));
}

void tst_NamesAndGuns::shortOtherSectionKeepsRemainingTexts()
{
    ViewWorld w;
    QFile f(QStringLiteral("./modules/i18n/zz.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[other]\ntotal=2\n0=Eins\n1=Zwei\n");
    f.close();
    NameLists::langStrings("other", "zz");
    const QStringList texts = dpitexts::dpiSwitchTexts();
    QCOMPARE(texts.size(), 8);
    QCOMPARE(texts.mid(0, 3), (QStringList{"Eins", "Zwei", "DPI Switch to"}));
}

void tst_NamesAndGuns::unsafeLanguageCode()
{
    ViewWorld w;
    ViewWorld::writeFile(QStringLiteral("./modules/evil.ini"), {{"other/total", 1}, {"other/0", "X"}});
    QVERIFY(NameLists::langStrings("other", "../evil").isEmpty());
    QVERIFY(NameLists::langStrings("other", "").isEmpty());
    QCOMPARE(dpitexts::dpiSwitchTexts().first(), QStringLiteral("DPI Switch to"));
}

void tst_NamesAndGuns::gunRecords()
{
    ViewWorld w;
    writeGunFile();
    GunData guns(*w.settings, w.blocks, w.device);
    QCOMPARE(guns.recordKeys(), (QStringList{"0", "1"}));
    QCOMPARE(guns.record("0"), (QVariantList{"AK", "MS-L", "100", "0", "5", "30"}));
    QVERIFY(guns.record("9").isEmpty());
    guns.saveRecord("2", {"P90", "MS-L", 60, 0, 2, 10, "extra"});
    QCOMPARE(guns.record("2"), (QVariantList{"P90", "MS-L", "60", "0", "2", "10"}));
}

void tst_NamesAndGuns::gunModifyRenameAndDelete()
{
    ViewWorld w;
    writeGunFile();
    GunData guns(*w.settings, w.blocks, w.device);
    guns.saveRecord("old", {"x"});
    guns.modify(1, {"new", "MS-L", 80, 1, 3, 0, "old"});
    QVERIFY(guns.record("old").isEmpty());
    QCOMPARE(guns.record("new"), (QVariantList{"MS-L", "80", "1", "3", "0"}));
    guns.modify(0, {"new"});
    QVERIFY(guns.record("new").isEmpty());
    guns.modify(2, {"0"});
    QCOMPARE(guns.recordKeys(), (QStringList{"0", "1"}));
}

// As a binary blob its values came back with other types after a restart.
void tst_NamesAndGuns::gunOneValueRecordIsStoredAsText()
{
    ViewWorld w;
    writeGunFile();
    {
        GunData guns(*w.settings, w.blocks, w.device);
        guns.saveRecord("one", {60});
        guns.modify(1, {"two", 7});
        QCOMPARE(guns.record("one"), QVariantList{"60"});
        QCOMPARE(guns.record("two"), QVariantList{"7"});
    }
    QFile f(GunData::filePath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY2(!text.contains("@Variant"), text.constData());
    QVERIFY(text.contains("\none=60\n"));
    QVERIFY(text.contains("\ntwo=7\n"));
}

void tst_NamesAndGuns::languageCountsAreBounded()
{
    ViewWorld w;
    QFile f(QStringLiteral("./modules/i18n/big.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[main]\ntotal=2147483647\n0=A\n1=B\n3=D\n[other]\ntotal=-5\n0=A\n");
    f.close();
    QCOMPARE(NameLists::langStrings("main", "big"), (QStringList{"A", "B", "", "D"}));
    QVERIFY(NameLists::langStrings("other", "big").isEmpty());
}

void tst_NamesAndGuns::gunEmptyNameNeverDropsGroup()
{
    ViewWorld w;
    writeGunFile();
    GunData guns(*w.settings, w.blocks, w.device);
    guns.modify(0, {""});
    guns.modify(1, {"renamed", "MS-L", 1, 2, 3, 4, ""});
    guns.modify(0, {});
    QCOMPARE(guns.recordKeys(), (QStringList{"0", "1", "renamed"}));
}

void tst_NamesAndGuns::missingGunFileIsNoOp()
{
    ViewWorld w;
    GunData guns(*w.settings, w.blocks, w.device);
    guns.saveRecord("0", {"AK"});
    guns.modify(1, {"a", 1, 2, 3, 4, 5, "b"});
    QVERIFY(!QFile::exists(GunData::filePath()));
    QVERIFY(guns.recordKeys().isEmpty());
    QVERIFY(guns.record("0").isEmpty());
}

void tst_NamesAndGuns::perProfileGunValues()
{
    ViewWorld w;
    GunData guns(*w.settings, w.blocks, w.device);
    QCOMPARE(guns.xySensitive("0").toInt(), 4);
    QCOMPARE(guns.selectGun("0").toString(), QString());
    QVERIFY(guns.selectGun("0").isValid());
    w.settings->setCurrentProfile(2);
    guns.setXYSensitive("0", 7);
    guns.setSelectGun("1", "AK");
    QCOMPARE(guns.xySensitive("0").toInt(), 7);
    QCOMPARE(guns.selectGun("1").toString(), QStringLiteral("AK"));
    QCOMPARE(w.settings->slotValue(2, "XYSensitive/0").toInt(), 7);
    w.settings->setCurrentProfile(0);
    QCOMPARE(guns.xySensitive("0").toInt(), 4);
}

void tst_NamesAndGuns::gunSend560()
{
    ViewFlags flags;
    flags.icType = "560";
    flags.gun = true;
    ViewWorld w(flags);
    GunData guns(*w.settings, w.blocks, w.device);
    w.blocks.block(2)[65] = 0xFF;
    guns.send(1, {0, 0, 5});
    guns.send(3, {30, 256 + 1, -2});
    QCOMPARE(w.device.names(), (QStringList{"560_0C", "560_0C"}));
    QCOMPARE(w.device.calls[0].args, QList<int>{2});
    QCOMPARE(w.device.calls[0].payload.mid(78, 4), QByteArray::fromHex("f0000005"));
    QCOMPARE(int(uchar(w.device.calls[0].payload[65])), 0xFB);
    QCOMPARE(w.device.calls[1].args, QList<int>{4});
    QCOMPARE(w.device.calls[1].payload.mid(78, 4), QByteArray::fromHex("f01e01fe"));
    QCOMPARE(int(w.blocks.block(4)[79]), 30);
}

void tst_NamesAndGuns::gunSendNeedsGunLayers()
{
    ViewWorld w;
    GunData guns(*w.settings, w.blocks, w.device);
    guns.send(1, {1, 2, 3});
    QVERIFY(w.device.calls.isEmpty());
    ViewFlags flags;
    flags.gun = true;
    w.reset(flags);
    GunData withGun(*w.settings, w.blocks, w.device);
    withGun.send(0, {1, 2, 3});
    withGun.send(4, {1, 2, 3});
    QVERIFY(w.device.calls.isEmpty());
}

QTEST_GUILESS_MAIN(tst_NamesAndGuns)
#include "tst_NamesAndGuns.moc"
