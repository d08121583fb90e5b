// The factory run-time tree, read through QSettings exactly as the program reads it.

#include "TestData.h"

#include "devices/DeviceList.h"
#include "view/KeyAssignment.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

namespace {

const QString kPadding = QStringLiteral("loaderzephyx");

QString modulesPath(const QString& relative)
{
    return QDir(factoryModulesDir()).filePath(relative);
}

QByteArray fileBytes(const QString& relative)
{
    QFile file(modulesPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A stored value as numbers, strictly: a list of `length` numbers within low..high
// (length 0: one plain number). Empty when the value has another shape.
QList<int> numbers(const QSettings& settings, const QString& key, int length, int low, int high)
{
    const QVariant value = settings.value(key);
    const bool isList = value.typeId() == QMetaType::QStringList;
    const QStringList items = isList ? value.toStringList() : QStringList{value.toString()};
    if (isList != (length > 0) || (length > 0 && items.size() != length))
        return {};
    QList<int> out;
    for (const QString& item : items) {
        bool ok = false;
        const int n = item.toInt(&ok);
        if (!ok || n < low || n > high)
            return {};
        out << n;
    }
    return out;
}

} // namespace

class TestFactoryTree : public QObject
{
    Q_OBJECT

    const QSettings config{modulesPath("setting/apConfig.bin"), QSettings::IniFormat};
    const QSettings profile{modulesPath("setting/pD.bin"), QSettings::IniFormat};

private slots:
    void globalSettings()
    {
        QCOMPARE(config.status(), QSettings::NoError);
        QVERIFY(config.value("common/url").toString().startsWith("https://"));
        QVERIFY(!DeviceList::readTitle(modulesPath("setting/apConfig.bin")).isEmpty());
        const QList<DeviceRecord> devices = DeviceList::read(modulesPath("setting/apConfig.bin"));
        QCOMPARE(devices.size(), 2);
        for (int i = 0; i < devices.size(); ++i)
            QVERIFY(devices[i].type == i && devices[i].hasValidReportLength());
        for (const char* flag : {"mouse/isColorful", "mouse/isGun", "mouse/is55328"})
            QVERIFY2(QStringList({"true", "false"}).contains(config.value(flag).toString()), flag);
        QVERIFY(QStringList({"553", "560"}).contains(config.value("mouse/icType").toString()));
        QVERIFY(QStringList({"3360", "3050", "3389", "4090"}).contains(config.value("mouse/sensorType").toString()));
        for (const auto& [key, high] : {std::pair{"mouse/keyCount", 8}, {"mouse/profileNo", 5}, {"keyboard/profileNo", 5},
                                        {"mouse/dpiBase", 1000}, {"mouse/minDPI", 26000}, {"mouse/maxDPI", 26000}})
            QVERIFY2(numbers(config, key, 0, 0, high).size() == 1, key);
        QCOMPARE(numbers(config, "mouse/selectGun", 3, 0, 5).size(), 3);
        const int base = config.value("mouse/dpiBase").toInt();
        const int minDpi = config.value("mouse/minDPI").toInt();
        const int maxDpi = config.value("mouse/maxDPI").toInt();
        QVERIFY(base > 0 && minDpi > 0 && minDpi < maxDpi && minDpi % base == 0 && maxDpi % base == 0);
    }

    void factoryCopiesAreIdentical()
    {
        QVERIFY(!fileBytes("setting/apConfig.bin").isEmpty() && !fileBytes("setting/pD.bin").isEmpty());
        QCOMPARE(fileBytes("setting/apConfigD.bin"), fileBytes("setting/apConfig.bin"));
        for (int slot = 1; slot <= 10; ++slot)
            QCOMPARE(fileBytes(QStringLiteral("setting/p%1.bin").arg(slot)), fileBytes("setting/pD.bin"));
    }

    void profileValues()
    {
        const int minDpi = config.value("mouse/minDPI").toInt();
        const int maxDpi = config.value("mouse/maxDPI").toInt();
        struct Rule { QString key; int length, low, high; };
        QList<Rule> rules = {
            {"mouse/dpiValueArray", 8, minDpi, maxDpi}, {"mouse/colorValue", 24, 0, 255},
            {"keyboard/colorValue", 21, 0, 255},        {"mouse/reportRate", 0, 0, 3},
            {"mouse/dpiCount", 0, 1, 8},                {"mouse/mouseRate", 0, 2, 340},
            {"mouse/doubleRate", 0, 2, 340},            {"mouse/scrollRate", 0, 1, 1000},
        };
        for (int k = 0; k < KeyAssignment::kButtons; ++k)
            rules << Rule{QStringLiteral("mouseKeyMatrix/%1").arg(k), 4, 0, 255};
        for (int i = 0; i < KeyAssignment::kKeyboardKeys; ++i)
            rules << Rule{QStringLiteral("keyboardFunctionData/%1").arg(i), 4, 0, 255};
        for (const Rule& rule : rules)
            QVERIFY2(!numbers(profile, rule.key, rule.length, rule.low, rule.high).isEmpty(), qPrintable(rule.key));
        // Light values: effect, speed step, brightness step (, colour index); option steps of the backlight.
        QVERIFY(numbers(profile, "mouse/lightValue", 3, 0, 11).value(1, 5) <= 4);
        const QList<int> keyboardLight = numbers(profile, "keyboard/lightValue", 4, 0, 16);
        QVERIFY(keyboardLight.size() == 4 && keyboardLight[1] <= 4 && keyboardLight[2] <= 4 && keyboardLight[3] <= 7);
        const QList<int> backlight = numbers(profile, "keyboard/bkLightValue", 3, 0, 7);
        QVERIFY(backlight.size() == 3 && backlight[0] <= 3 && backlight[2] <= 6);

        const int stages = profile.value("mouse/currentDpiCount").toInt();
        QVERIFY(stages >= 1 && stages <= profile.value("mouse/dpiCount").toInt());
        const int scroll = profile.value("mouse/scrollRate").toInt();
        QVERIFY(scroll <= 100 || scroll == 1000);
        // Every stage must survive the sensor's stage code ("3360": dpi / 100 - 1) unchanged.
        const bool sensor3360 = config.value("mouse/sensorType").toString() == QLatin1String("3360");
        for (int dpi : numbers(profile, "mouse/dpiValueArray", 8, minDpi, maxDpi))
            QVERIFY2(dpi % config.value("mouse/dpiBase").toInt() == 0 && (!sensor3360 || dpi % 100 == 0),
                     qPrintable(QString::number(dpi)));
    }

    // Reset sends the firmware matrix; it must say what the stored assignments say.
    void mouseFirmwareMatrixMatchesAssignments()
    {
        const bool is560 = config.value("mouse/icType").toString() == QLatin1String("560");
        for (int k = 0; k < KeyAssignment::kButtons; ++k) {
            const QList<int> stored = numbers(profile, QStringLiteral("mouseKeyMatrix/%1").arg(k), 4, 0, 255);
            const KeyAssignment::Entry device =
                KeyAssignment::translate({uchar(stored[0]), uchar(stored[1]), uchar(stored[2]), uchar(stored[3])}, is560);
            QCOMPARE(numbers(profile, QStringLiteral("mouseFwKeyMatrix/%1").arg(k), 4, 0, 255),
                     QList<int>({device[0], device[1], device[2], device[3]}));
        }
        // The last left button cannot be re-assigned, so the factory profile must hold one.
        QCOMPARE(numbers(profile, "mouseKeyMatrix/0", 4, 0, 255), QList<int>({0, 0, 0xF0, 0}));
    }

    void keyboardTables()
    {
        const QRegularExpression colour(QStringLiteral("^0[0-9a-f]{7}$"));
        for (int i = 0; i < KeyAssignment::kKeyboardKeys; ++i) {
            const QString functionKey = QStringLiteral("keyboardFunctionData/%1").arg(i);
            QVERIFY2(QList<int>({0, 2, 3, 4}).contains(profile.value(functionKey).toStringList().value(0).toInt()),
                     qPrintable(functionKey));
            const QString ledKey = QStringLiteral("keyboardLEDData/%1").arg(i);
            const QStringList pictures = profile.value(ledKey).toStringList();
            QCOMPARE(pictures.size(), 5);
            for (const QString& picture : pictures)
                QVERIFY2(colour.match(picture).hasMatch(), qPrintable(ledKey + " = " + picture));
            // The lock keys show their state, never a picture.
            if (i == 2 || i == 95 || i == 106)
                QCOMPARE(pictures, QStringList(5, QStringLiteral("00000000")));
        }
    }

    void namesAndGuns()
    {
        const QSettings names(modulesPath("setting/name.bin"), QSettings::IniFormat);
        QVERIFY(names.value("macro/macroName").toStringList().isEmpty());
        // A list of one name must carry the padding; a bare string would read as no list at all.
        for (const char* key : {"gun/gunName", "profile/profileName", "gun/selectGun"}) {
            const QVariant value = names.value(key);
            const QStringList list = value.toStringList();
            QVERIFY2(value.typeId() == QMetaType::QStringList && list.size() >= 2, key);
            QVERIFY2(list.indexOf(kPadding) == -1 || (list.size() == 2 && list.last() == kPadding), key);
        }
        const QStringList profiles = names.value("profile/profileName").toStringList();
        QCOMPARE(profiles.first(), QStringLiteral("Standard0"));
        QVERIFY(profiles.size() <= 6);

        const QSettings guns(modulesPath("gun/gunData.bin"), QSettings::IniFormat);
        QCOMPARE(guns.childGroups(), QStringList{"gunData"});
        const QStringList gunNames = names.value("gun/gunName").toStringList();
        for (int i = 0; i < gunNames.size(); ++i) {
            // name, trigger, period, x, y, times
            const QStringList record = guns.value(QStringLiteral("gunData/%1").arg(i)).toStringList();
            QCOMPARE(record.mid(0, 2), QStringList({gunNames[i], "L-Click"}));
            const QList<int> high = {93, 64, 64, 255};
            for (int field = 0; field < 4; ++field) {
                bool ok = false;
                const int n = record.value(field + 2).toInt(&ok);
                QVERIFY2(ok && n >= (field == 0 ? 3 : 0) && n <= high[field], qPrintable(record.join(',')));
            }
        }
    }

    void languageFiles()
    {
        QVERIFY(QStringList({"English", "ChineseSimplified"}).contains(config.value("common/language").toString()));
        QSettings english(modulesPath("i18n/English.ini"), QSettings::IniFormat);
        QSettings chinese(modulesPath("i18n/ChineseSimplified.ini"), QSettings::IniFormat);
        QCOMPARE(english.status(), QSettings::NoError);
        QCOMPARE(chinese.status(), QSettings::NoError);
        QVERIFY(english.childGroups().contains("keyAssigment") && english.childGroups().contains("keyCode"));
        QCOMPARE(chinese.childGroups(), english.childGroups());
        for (const QString& section : english.childGroups()) {
            const int total = english.value(section + "/total").toInt();
            QCOMPARE(chinese.value(section + "/total").toInt(), total);
            for (QSettings* texts : {&english, &chinese}) {
                texts->beginGroup(section);
                QCOMPARE(texts->childKeys().size(), total + 1);
                texts->endGroup();
            }
            for (int i = 0; i < total; ++i) {
                const QString key = section + '/' + QString::number(i);
                // A string read back as a list had an unquoted comma.
                QVERIFY2(english.value(key).typeId() == QMetaType::QString && chinese.value(key).typeId() == QMetaType::QString,
                         qPrintable(key));
                // Macro files store actions by key name, so key names may not change with the language.
                if (section == QLatin1String("keyCode"))
                    QCOMPARE(chinese.value(key).toString(), english.value(key).toString());
            }
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
        QCOMPARE(reader.format(), QByteArray("ico"));
        do {
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QVERIFY(image.width() == image.height() && image.hasAlphaChannel());
        } while (reader.jumpToNextImage());
    }
};

QTEST_MAIN(TestFactoryTree)
#include "tst_factorytree.moc"
