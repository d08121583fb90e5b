// The factory run-time tree, read through QSettings exactly as the program reads it.

#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTest>

#include <vector>

namespace {

struct Range
{
    int low;
    int high;
};

// A stored list of integers: its key, its length and the range of each element
// (one range for all elements, or one per element).
struct IntListRule
{
    QString key;
    int length;
    std::vector<Range> ranges;
};

const QStringList kLanguages = {QStringLiteral("English"), QStringLiteral("ChineseSimplified")};

// Every section the screens load, with the number of strings each one expects.
const QList<QPair<QString, int>> kSections = {
    {QStringLiteral("main"), 15},         {QStringLiteral("keyMatrix"), 2},
    {QStringLiteral("keyAssigment"), 60}, {QStringLiteral("dpiSetting"), 5},
    {QStringLiteral("lightControl"), 20}, {QStringLiteral("macroEditor"), 20},
    {QStringLiteral("systemSetting"), 15}, {QStringLiteral("gunControl"), 10},
    {QStringLiteral("profile"), 20},      {QStringLiteral("keyCode"), 133},
    {QStringLiteral("other"), 8},         {QStringLiteral("keyboardPage"), 58},
};

const QStringList kGunNames = {QStringLiteral("M416"),   QStringLiteral("AKM"),
                               QStringLiteral("M16A4"),  QStringLiteral("SCAR-L"),
                               QStringLiteral("UNP9"),   QStringLiteral("Thomson")};

constexpr int kMouseButtons = 16;
constexpr int kKeyboardKeys = 126;
constexpr int kPictures = 5;
const QSet<int> kLockKeys = {2, 95, 106};
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

bool isStringList(const QVariant& value)
{
    return value.typeId() == QMetaType::QStringList;
}

// Checks one list rule; on failure `why` says what is wrong.
bool checkIntList(const QSettings& settings, const IntListRule& rule, QString* why)
{
    const QVariant value = settings.value(rule.key);
    if (!isStringList(value)) {
        *why = rule.key + QStringLiteral(" is not stored as a list");
        return false;
    }
    const QStringList items = value.toStringList();
    if (items.size() != rule.length) {
        *why = QStringLiteral("%1 has %2 elements, expected %3").arg(rule.key).arg(items.size()).arg(rule.length);
        return false;
    }
    for (int i = 0; i < items.size(); ++i) {
        const Range range = rule.ranges.size() == 1 ? rule.ranges[0] : rule.ranges.at(size_t(i));
        bool ok = false;
        const int number = items.at(i).toInt(&ok);
        if (!ok || number < range.low || number > range.high) {
            *why = QStringLiteral("%1[%2] = \"%3\" is outside %4..%5")
                       .arg(rule.key).arg(i).arg(items.at(i)).arg(range.low).arg(range.high);
            return false;
        }
    }
    return true;
}

QList<int> intList(const QSettings& settings, const QString& key)
{
    QList<int> numbers;
    for (const QString& item : settings.value(key).toStringList())
        numbers << item.toInt();
    return numbers;
}

int intValue(const QSettings& settings, const QString& key, bool* ok)
{
    const QVariant value = settings.value(key);
    *ok = value.typeId() == QMetaType::QString;
    bool converted = false;
    const int number = value.toString().toInt(&converted);
    *ok = *ok && converted;
    return number;
}

// The device format of a stored mouse button, for the buttons a factory profile holds.
QList<int> deviceFormat(const QList<int>& stored)
{
    QList<int> entry = stored;
    switch (stored.at(0)) {
    case 0:
        entry[0] = stored.at(2) == 0x1E && stored.at(3) == 2 ? 10 : 1;
        break;
    case 5:
        entry[0] = 7;
        break;
    case 255:
        entry[0] = 4;
        break;
    default:
        entry.clear();
    }
    return entry;
}

} // namespace

class TestFactoryTree : public QObject
{
    Q_OBJECT

private slots:
    void deviceList_data();
    void deviceList();
    void globalSettings();
    void factoryCopiesAreIdentical();
    void profileLists();
    void profileScalars();
    void mouseFirmwareMatrixMatchesAssignments();
    void dpiTableFitsTheSensor();
    void keyboardTables();
    void nameLists();
    void gunRecords();
    void languageFiles_data();
    void languageFiles();
    void languagesAgree();
    void textsThatNeedQuoting();
    void runtimeFolders();
    void trayIcon();
};

void TestFactoryTree::deviceList_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("values");
    // type, vid, pid, usagePage, usage, usagePage2, usage2, reportLength
    QTest::newRow("keyboard") << QStringLiteral("0")
                              << QStringList{"0", "04d9", "8008", "ff01", "0001", "ff02", "0001", "64"};
    QTest::newRow("mouse") << QStringLiteral("1")
                           << QStringList{"1", "04d9", "a1ee", "ff00", "ff00", "ff01", "ff01", "32"};
}

void TestFactoryTree::deviceList()
{
    QFETCH(QString, group);
    QFETCH(QStringList, values);
    const QSettings config(modulesPath("setting/apConfig.bin"), QSettings::IniFormat);
    QCOMPARE(config.value("common/deviceCount").toInt(), 2);
    const QStringList keys = {"type", "vid", "pid", "usagePage", "usage", "usagePage2", "usage2", "reportLength"};
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(config.value(group + '/' + keys.at(i)).toString(), values.at(i));
    QCOMPARE(config.value(group + "/isEncode").toString(), QStringLiteral("false"));
    QCOMPARE(config.value(group + "/sCode").toString(), QStringLiteral("418263"));
}

void TestFactoryTree::globalSettings()
{
    const QSettings config(modulesPath("setting/apConfig.bin"), QSettings::IniFormat);
    QVERIFY(!config.value("common/name").toString().isEmpty());
    QVERIFY(config.value("common/url").toString().startsWith("https://"));
    for (const char* flag : {"mouse/isColorful", "mouse/isGun", "mouse/is55328"})
        QVERIFY2(QStringList({"true", "false"}).contains(config.value(flag).toString()), flag);
    QVERIFY(QStringList({"553", "560"}).contains(config.value("mouse/icType").toString()));
    QVERIFY(QStringList({"3360", "3050", "3389", "4090"}).contains(config.value("mouse/sensorType").toString()));

    bool ok = false;
    const int keyCount = intValue(config, "mouse/keyCount", &ok);
    QVERIFY(ok && keyCount >= 1 && keyCount <= 8);
    const int minDpi = intValue(config, "mouse/minDPI", &ok);
    QVERIFY(ok);
    const int maxDpi = intValue(config, "mouse/maxDPI", &ok);
    QVERIFY(ok);
    const int dpiBase = intValue(config, "mouse/dpiBase", &ok);
    QVERIFY(ok && dpiBase > 0);
    QVERIFY(minDpi > 0 && minDpi < maxDpi);
    QCOMPARE(minDpi % dpiBase, 0);
    QCOMPARE(maxDpi % dpiBase, 0);
    for (const char* key : {"mouse/profileNo", "keyboard/profileNo"}) {
        const int profile = intValue(config, key, &ok);
        QVERIFY2(ok && profile >= 0 && profile <= 5, key);
    }
    QString why;
    QVERIFY2(checkIntList(config, {"mouse/selectGun", 3, {{0, 5}}}, &why), qPrintable(why));
}

void TestFactoryTree::factoryCopiesAreIdentical()
{
    const QByteArray config = fileBytes("setting/apConfig.bin");
    QVERIFY(!config.isEmpty());
    QCOMPARE(fileBytes("setting/apConfigD.bin"), config);
    const QByteArray profile = fileBytes("setting/pD.bin");
    QVERIFY(!profile.isEmpty());
    for (int slot = 1; slot <= 10; ++slot)
        QCOMPARE(fileBytes(QStringLiteral("setting/p%1.bin").arg(slot)), profile);
}

void TestFactoryTree::profileLists()
{
    const QSettings config(modulesPath("setting/apConfig.bin"), QSettings::IniFormat);
    const int minDpi = config.value("mouse/minDPI").toInt();
    const int maxDpi = config.value("mouse/maxDPI").toInt();

    std::vector<IntListRule> rules = {
        {"mouse/dpiValueArray", 8, {{minDpi, maxDpi}}},
        // effect (the longest effect list has 12 entries), speed step, brightness step
        {"mouse/lightValue", 3, {{0, 11}, {0, 4}, {0, 4}}},
        {"mouse/colorValue", 24, {{0, 255}}},
        // effect, speed step, brightness step, colour index
        {"keyboard/lightValue", 4, {{0, 16}, {0, 4}, {0, 4}, {0, 7}}},
        {"keyboard/colorValue", 21, {{0, 255}}},
        // mode, option step, colour index
        {"keyboard/bkLightValue", 3, {{0, 3}, {0, 7}, {0, 6}}},
    };
    for (int k = 0; k < kMouseButtons; ++k) {
        rules.push_back({QStringLiteral("mouseKeyMatrix/%1").arg(k), 4, {{0, 255}}});
        rules.push_back({QStringLiteral("mouseFwKeyMatrix/%1").arg(k), 4, {{0, 255}}});
    }
    for (int i = 0; i < kKeyboardKeys; ++i)
        rules.push_back({QStringLiteral("keyboardFunctionData/%1").arg(i), 4, {{0, 255}}});

    const QSettings profile(modulesPath("setting/pD.bin"), QSettings::IniFormat);
    for (const IntListRule& rule : rules) {
        QString why;
        QVERIFY2(checkIntList(profile, rule, &why), qPrintable(why));
    }
}

void TestFactoryTree::profileScalars()
{
    const QSettings profile(modulesPath("setting/pD.bin"), QSettings::IniFormat);
    const QList<QPair<QString, Range>> scalars = {
        {"mouse/reportRate", {0, 3}},   {"mouse/dpiCount", {1, 8}},
        {"mouse/mouseRate", {2, 340}},  {"mouse/doubleRate", {2, 340}},
    };
    for (const auto& [key, range] : scalars) {
        bool ok = false;
        const int value = intValue(profile, key, &ok);
        QVERIFY2(ok && value >= range.low && value <= range.high, qPrintable(key));
    }
    bool ok = false;
    const int stages = intValue(profile, "mouse/currentDpiCount", &ok);
    QVERIFY(ok && stages >= 1 && stages <= profile.value("mouse/dpiCount").toInt());
    const int scroll = intValue(profile, "mouse/scrollRate", &ok);
    QVERIFY(ok && ((scroll >= 1 && scroll <= 100) || scroll == 1000));
}

void TestFactoryTree::mouseFirmwareMatrixMatchesAssignments()
{
    const QSettings profile(modulesPath("setting/pD.bin"), QSettings::IniFormat);
    for (int k = 0; k < kMouseButtons; ++k) {
        const QList<int> stored = intList(profile, QStringLiteral("mouseKeyMatrix/%1").arg(k));
        const QList<int> expected = deviceFormat(stored);
        QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("button %1 has no factory device format").arg(k)));
        QCOMPARE(intList(profile, QStringLiteral("mouseFwKeyMatrix/%1").arg(k)), expected);
    }
    // The last left button cannot be re-assigned, so the factory profile must hold one.
    QCOMPARE(intList(profile, "mouseKeyMatrix/0"), QList<int>({0, 0, 0xF0, 0}));
}

void TestFactoryTree::dpiTableFitsTheSensor()
{
    const QSettings config(modulesPath("setting/apConfig.bin"), QSettings::IniFormat);
    const QSettings profile(modulesPath("setting/pD.bin"), QSettings::IniFormat);
    const int dpiBase = config.value("mouse/dpiBase").toInt();
    const QString sensor = config.value("mouse/sensorType").toString();
    for (int dpi : intList(profile, "mouse/dpiValueArray")) {
        QVERIFY2(dpi % dpiBase == 0, qPrintable(QString::number(dpi)));
        // Sensor "3360" takes dpi / 100 - 1 as its stage code; nothing may be lost.
        if (sensor == QLatin1String("3360")) {
            QCOMPARE(dpi % 100, 0);
            QVERIFY(dpi / 100 - 1 <= 255);
        }
    }
}

void TestFactoryTree::keyboardTables()
{
    const QSettings profile(modulesPath("setting/pD.bin"), QSettings::IniFormat);
    const QRegularExpression colour(QStringLiteral("^0[0-9a-f][0-9a-f]{6}$"));
    for (int i = 0; i < kKeyboardKeys; ++i) {
        const QString functionKey = QStringLiteral("keyboardFunctionData/%1").arg(i);
        const QList<int> function = intList(profile, functionKey);
        QVERIFY2(QList<int>({0, 2, 3, 4}).contains(function.value(0)), qPrintable(functionKey));

        const QString ledKey = QStringLiteral("keyboardLEDData/%1").arg(i);
        const QVariant value = profile.value(ledKey);
        QVERIFY2(isStringList(value), qPrintable(ledKey));
        const QStringList pictures = value.toStringList();
        QCOMPARE(pictures.size(), kPictures);
        for (const QString& picture : pictures)
            QVERIFY2(colour.match(picture).hasMatch(), qPrintable(ledKey + " = " + picture));
        if (kLockKeys.contains(i))
            QCOMPARE(pictures, QStringList(kPictures, QStringLiteral("00000000")));
    }
}

void TestFactoryTree::nameLists()
{
    const QSettings names(modulesPath("setting/name.bin"), QSettings::IniFormat);
    QVERIFY(names.value("macro/macroName").toStringList().isEmpty());

    // A list of one name must carry the padding; a bare string would read as no list at all.
    for (const char* key : {"gun/gunName", "profile/profileName", "gun/selectGun"}) {
        const QVariant value = names.value(key);
        QVERIFY2(isStringList(value), key);
        const QStringList list = value.toStringList();
        QVERIFY2(list.size() >= 2, key);
        QVERIFY2(!list.mid(0, list.size() - 1).contains(kPadding), key);
        if (list.size() > 2)
            QVERIFY2(!list.contains(kPadding), key);
    }
    QCOMPARE(names.value("gun/gunName").toStringList(), kGunNames);

    QStringList profiles = names.value("profile/profileName").toStringList();
    if (profiles.size() == 2 && profiles.last() == kPadding)
        profiles.removeLast();
    QCOMPARE(profiles.first(), QStringLiteral("Standard0"));
    QVERIFY(profiles.size() <= 6);
    for (const QString& entry : profiles)
        QVERIFY2(entry.size() >= 2 && entry.back() >= '0' && entry.back() <= '5', qPrintable(entry));
}

void TestFactoryTree::gunRecords()
{
    const QSettings guns(modulesPath("gun/gunData.bin"), QSettings::IniFormat);
    QCOMPARE(guns.childGroups(), QStringList{"gunData"});
    // name, trigger, period, x, y, times
    const std::vector<Range> ranges = {{3, 93}, {0, 64}, {0, 64}, {0, 255}};
    for (int i = 0; i < kGunNames.size(); ++i) {
        const QString key = QStringLiteral("gunData/%1").arg(i);
        const QStringList record = guns.value(key).toStringList();
        QCOMPARE(record.size(), 6);
        QCOMPARE(record.at(0), kGunNames.at(i));
        QCOMPARE(record.at(1), QStringLiteral("L-Click"));
        for (size_t field = 0; field < ranges.size(); ++field) {
            bool ok = false;
            const int number = record.at(int(field) + 2).toInt(&ok);
            QVERIFY2(ok && number >= ranges[field].low && number <= ranges[field].high, qPrintable(key));
        }
    }
}

void TestFactoryTree::languageFiles_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestFactoryTree::languageFiles()
{
    QFETCH(QString, language);
    const QString path = modulesPath("i18n/" + language + ".ini");
    QVERIFY(QFile::exists(path));
    QSettings texts(path, QSettings::IniFormat);
    QCOMPARE(texts.status(), QSettings::NoError);
    for (const auto& [section, count] : kSections) {
        QCOMPARE(texts.value(section + "/total").toString(), QString::number(count));
        texts.beginGroup(section);
        QCOMPARE(texts.childKeys().size(), count + 1);
        for (int i = 0; i < count; ++i) {
            // A string read back as a list had an unquoted comma.
            const QVariant value = texts.value(QString::number(i));
            QVERIFY2(value.typeId() == QMetaType::QString,
                     qPrintable(QStringLiteral("%1/%2 of %3").arg(section).arg(i).arg(language)));
        }
        texts.endGroup();
    }
    QCOMPARE(texts.childGroups().size(), kSections.size());
}

void TestFactoryTree::languagesAgree()
{
    const QSettings config(modulesPath("setting/apConfig.bin"), QSettings::IniFormat);
    QVERIFY(kLanguages.contains(config.value("common/language").toString()));

    const QSettings english(modulesPath("i18n/English.ini"), QSettings::IniFormat);
    const QSettings chinese(modulesPath("i18n/ChineseSimplified.ini"), QSettings::IniFormat);
    QStringList englishSections = english.childGroups();
    QStringList chineseSections = chinese.childGroups();
    englishSections.sort();
    chineseSections.sort();
    QCOMPARE(chineseSections, englishSections);
    // Macro files store actions by key name, so key names may not change with the language.
    for (int i = 0; i < 133; ++i) {
        const QString key = QStringLiteral("keyCode/%1").arg(i);
        QCOMPARE(chinese.value(key).toString(), english.value(key).toString());
    }
}

// Texts with a trailing blank, "=", a backslash, ";" or "," survive only quoted.
void TestFactoryTree::textsThatNeedQuoting()
{
    const QSettings english(modulesPath("i18n/English.ini"), QSettings::IniFormat);
    const QList<QPair<const char*, QString>> texts = {
        {"keyMatrix/0", "Key "}, {"keyCode/42", "="}, {"keyCode/45", "\\"}, {"keyCode/47", ";"}, {"keyCode/50", ","}};
    for (const auto& [key, text] : texts)
        QCOMPARE(english.value(key).toString(), text);
    // The balloon shows an entry and one space: each stage's entry names its stage.
    for (int stage = 1; stage <= 7; ++stage)
        QVERIFY(english.value(QStringLiteral("other/%1").arg(stage - 1)).toString().endsWith(QString::number(stage)));
    QVERIFY(!english.value("other/7").toString().isEmpty());
}

void TestFactoryTree::runtimeFolders()
{
    for (const char* folder : {"setting", "macro", "gun", "i18n", "img"})
        QVERIFY2(QDir(modulesPath(folder)).exists(), folder);
}

void TestFactoryTree::trayIcon()
{
    QImageReader reader(modulesPath("img/logo.ico"));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QSet<int> sizes;
    do {
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        QVERIFY(image.hasAlphaChannel());
        sizes.insert(image.width());
    } while (reader.jumpToNextImage());
    QCOMPARE(sizes, QSet<int>({16, 32, 48}));
}

QTEST_MAIN(TestFactoryTree)
#include "tst_factorytree.moc"
