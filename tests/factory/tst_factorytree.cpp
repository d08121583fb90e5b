// The factory run-time tree, read through QSettings exactly as the program reads it.
// The end-to-end tests start from it too; these are what they cannot see.

#include "TestData.h"

#include "view/KeyAssignment.h"

#include <QDir>
#include <QImageReader>
#include <QSettings>
#include <QTest>

namespace {

QString modulesPath(const QString& relative)
{
    return QDir(factoryModulesDir()).filePath(relative);
}

QByteArray fileBytes(const QString& relative)
{
    QFile file(modulesPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFactoryTree : public QObject
{
    Q_OBJECT

    const QSettings config{modulesPath("setting/apConfig.bin"), QSettings::IniFormat};
    const QSettings profile{modulesPath("setting/pD.bin"), QSettings::IniFormat};

private slots:
    // Resets restore these copies.
    void factoryCopiesAreIdentical()
    {
        QVERIFY(!fileBytes("setting/apConfig.bin").isEmpty() && !fileBytes("setting/pD.bin").isEmpty());
        QCOMPARE(fileBytes("setting/apConfigD.bin"), fileBytes("setting/apConfig.bin"));
        for (int slot = 1; slot <= 10; ++slot)
            QCOMPARE(fileBytes(QStringLiteral("setting/p%1.bin").arg(slot)), fileBytes("setting/pD.bin"));
    }

    // Reset and the gun layers send the firmware matrix; it must say what the stored assignments say.
    void mouseFirmwareMatrixMatchesAssignments()
    {
        const bool is560 = config.value("mouse/icType").toString() == QLatin1String("560");
        for (int k = 0; k < KeyAssignment::kButtons; ++k) {
            const QStringList stored = profile.value(QStringLiteral("mouseKeyMatrix/%1").arg(k)).toStringList();
            QCOMPARE(stored.size(), 4);
            const KeyAssignment::Entry device = KeyAssignment::translate(
                {uchar(stored[0].toInt()), uchar(stored[1].toInt()), uchar(stored[2].toInt()), uchar(stored[3].toInt())}, is560);
            QCOMPARE(profile.value(QStringLiteral("mouseFwKeyMatrix/%1").arg(k)).toStringList(),
                     QStringList({QString::number(device[0]), QString::number(device[1]), QString::number(device[2]),
                                  QString::number(device[3])}));
        }
        // The last left button cannot be re-assigned, so the factory profile must hold one.
        QCOMPARE(profile.value("mouseKeyMatrix/0").toStringList(), QStringList({"0", "0", "240", "0"}));
        // Every stage must survive the sensor's stage code ("3360": dpi / 100 - 1) unchanged.
        for (const QString& dpi : profile.value("mouse/dpiValueArray").toStringList())
            QVERIFY2(dpi.toInt() % 100 == 0 && dpi.toInt() <= 25600, qPrintable(dpi));
    }

    void keyboardLockKeysShowNoPicture()
    {
        for (int key : {2, 95, 106})
            QCOMPARE(profile.value(QStringLiteral("keyboardLEDData/%1").arg(key)).toStringList(),
                     QStringList(5, QStringLiteral("00000000")));
    }

    void nameListsOfOneNameArePadded()
    {
        const QSettings names(modulesPath("setting/name.bin"), QSettings::IniFormat);
        QVERIFY(names.value("macro/macroName").toStringList().isEmpty());
        for (const char* key : {"gun/gunName", "profile/profileName", "gun/selectGun"}) {
            const QVariant value = names.value(key);
            const QStringList list = value.toStringList();
            QVERIFY2(value.typeId() == QMetaType::QStringList && list.size() >= 2, key);
            QVERIFY2(list.indexOf("loaderzephyx") == -1 || (list.size() == 2 && list.last() == "loaderzephyx"), key);
        }
    }

    // The program shows the Chinese texts only on a Chinese system: nothing else reads them.
    void languagesAgree()
    {
        QSettings english(modulesPath("i18n/English.ini"), QSettings::IniFormat);
        QSettings chinese(modulesPath("i18n/ChineseSimplified.ini"), QSettings::IniFormat);
        QCOMPARE(chinese.status(), QSettings::NoError);
        QCOMPARE(chinese.childGroups(), english.childGroups());
        for (const QString& section : english.childGroups()) {
            const int total = english.value(section + "/total").toInt();
            QCOMPARE(chinese.value(section + "/total").toInt(), total);
            for (QSettings* texts : {&english, &chinese}) {
                texts->beginGroup(section);
                QCOMPARE(texts->childKeys().size(), total + 1);
                for (int i = 0; i < total; ++i) // a string read back as a list had an unquoted comma
                    QVERIFY2(texts->value(QString::number(i)).typeId() == QMetaType::QString, qPrintable(section));
                texts->endGroup();
            }
            // Macro files store actions by key name, so key names may not change with the language.
            for (int i = 0; section == QLatin1String("keyCode") && i < total; ++i)
                QCOMPARE(chinese.value(section + '/' + QString::number(i)), english.value(section + '/' + QString::number(i)));
        }
        // Texts with a trailing blank, "=", a backslash, ";" or "," survive only quoted.
        for (const auto& [key, text] : {std::pair{"keyMatrix/0", "Key "}, {"keyCode/42", "="}, {"keyCode/45", "\\"},
                                        {"keyCode/47", ";"}, {"keyCode/50", ","}})
            QCOMPARE(english.value(key).toString(), QString::fromLatin1(text));
        // The balloon shows an entry and one space: each stage's entry names its stage.
        for (int stage = 1; stage <= 7; ++stage)
            QVERIFY(english.value(QStringLiteral("other/%1").arg(stage - 1)).toString().endsWith(QString::number(stage)));
    }

    void foldersAndTrayIcon()
    {
        for (const char* folder : {"setting", "macro", "gun", "i18n", "img"})
            QVERIFY2(QDir(modulesPath(folder)).exists(), folder);
        QImageReader reader(modulesPath("img/logo.ico"));
        do
            QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
        while (reader.jumpToNextImage());
    }
};

QTEST_MAIN(TestFactoryTree)
#include "tst_factorytree.moc"
