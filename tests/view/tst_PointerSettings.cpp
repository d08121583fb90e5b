#include "view/PointerSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Record what would go to each desktop's store; only the listed "schema key" pairs exist.
struct FakeGSettings : GSettingsBackend {
    QStringList keys, written;
    bool isWritable(const QString& schema, const QString& key) override { return keys.contains(schema + ' ' + key); }
    bool set(const QString& schema, const QString& key, const QString& value) override
    {
        written << schema + ' ' + key + ' ' + value;
        return true;
    }
};

struct FakeKConfig : KConfigBackend {
    bool available = true;
    int probes = 0;
    QStringList written;
    bool isAvailable() override { return ++probes, available; }
    bool write(const QString& file, const QString& group, const QString& key, const QString& value) override
    {
        written << file + ' ' + group + ' ' + key + ' ' + value;
        return true;
    }
    void notifyMouseSettingsChanged() override {}
};

// Stand-ins of the desktop tools, replaying what the real ones answer on
// Debian 12 and logging how they were called. The KConfig pair keeps its
// entries in files, so a value written can be read back; an entry named
// "Locked" is refused silently, as the real tool leaves an immutable entry.
const char* const kStandIns[][2] = {
    {"gsettings", R"(#!/bin/sh
echo "gsettings $*" >> "@DIR@/calls.log"
case "$1 $2 $3" in
"writable org.gnome.desktop.peripherals.mouse speed") echo true ;;
"writable org.gnome.desktop.peripherals.mouse "*) echo "No such key “$3”" >&2; exit 1 ;;
"writable "*) echo "No such schema “$2”" >&2; exit 1 ;;
"set org.gnome.desktop.peripherals.mouse speed")
    case "$4" in -1|-0.*|0|0.*|1) exit 0 ;; esac
    echo "The provided value is outside of the valid range" >&2; exit 1 ;;
*) exit 1 ;;
esac
)"},
    {"kwriteconfig5", R"(#!/bin/sh
echo "kwriteconfig5 $*" >> "@DIR@/calls.log"
[ "$1 $3 $5 $7" = "--file --group --key --" ] || { echo "unexpected arguments" >&2; exit 1; }
[ "$6" = Locked ] && exit 0
printf '%s\n' "$8" > "@DIR@/$2.$4.$6"
)"},
    {"kreadconfig5", R"(#!/bin/sh
echo "kreadconfig5 $*" >> "@DIR@/calls.log"
[ -f "@DIR@/$2.$4.$6" ] && { IFS= read -r v < "@DIR@/$2.$4.$6"; printf '%s\n' "$v"; } || echo
)"},
    {"dbus-send", R"(#!/bin/sh
echo "dbus-send $*" >> "@DIR@/calls.log"
)"},
};

} // namespace

class tst_PointerSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void desktopFoundOnce_data();
    void desktopFoundOnce();
    void toolsAgainstStandIns();

private:
    QString installStandIns(QTemporaryDir& dir);
    QStringList calls(const QTemporaryDir& dir);
};

void tst_PointerSettings::desktopFoundOnce_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<bool>("plasmaTools");
    QTest::addColumn<QStringList>("gnomeKeys");
    QTest::addColumn<QStringList>("written");
    const QStringList gnome{"org.gnome.desktop.peripherals.mouse speed", "org.gnome.desktop.peripherals.mouse double-click"};
    const QStringList toGnome{"org.gnome.desktop.peripherals.mouse speed -0.9", "org.gnome.desktop.peripherals.mouse speed 1",
                              "org.gnome.desktop.peripherals.mouse double-click 200"};
    QTest::newRow("Plasma, GNOME schemas installed too")
        << "KDE" << true << gnome
        << QStringList{"kcminputrc Mouse XLbInptPointerAcceleration -0.9", "kcminputrc Mouse XLbInptPointerAcceleration 1",
                       "kdeglobals KDE DoubleClickInterval 200"};
    QTest::newRow("Plasma without its tools") << "KDE" << false << gnome << toGnome;
    QTest::newRow("Ubuntu's GNOME") << "ubuntu:GNOME" << false << gnome << toGnome;
    QTest::newRow("session not named") << "" << true << gnome << toGnome;
    // Older GNOME keeps the double-click time with the interface settings.
    QTest::newRow("older GNOME") << "GNOME" << true
                                 << QStringList{"org.gnome.desktop.peripherals.mouse speed", "org.gnome.desktop.interface double-click"}
                                 << QStringList{toGnome[0], toGnome[1], "org.gnome.desktop.interface double-click 200"};
    QTest::newRow("neither") << "XFCE" << true << QStringList() << QStringList();
}

// The desktop is found once; the other desktop's store is never written.
void tst_PointerSettings::desktopFoundOnce()
{
    QFETCH(QString, session);
    QFETCH(bool, plasmaTools);
    FakeGSettings gs;
    QFETCH(QStringList, gnomeKeys);
    gs.keys = gnomeKeys;
    FakeKConfig kc;
    kc.available = plasmaTools;
    PointerSettings p(gs, kc, session);
    p.desktop();
    const int probes = kc.probes;
    const bool some = !gnomeKeys.isEmpty();
    if (!some)
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
    QCOMPARE(p.setCursorSpeed(0), some);
    if (some) {
        QVERIFY(p.setCursorSpeed(40));
        QVERIFY(p.setDoubleClickSpeed(10));
    }
    QCOMPARE(kc.probes, probes);
    QTEST(gs.written + kc.written, "written");
}

QString tst_PointerSettings::installStandIns(QTemporaryDir& dir)
{
    for (const auto& tool : kStandIns) {
        QFile script(dir.filePath(QLatin1String(tool[0])));
        if (!script.open(QIODevice::WriteOnly))
            return script.fileName();
        script.write(QByteArray(tool[1]).replace("@DIR@", dir.path().toUtf8()));
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return QString();
}

QStringList tst_PointerSettings::calls(const QTemporaryDir& dir)
{
    QFile log(dir.filePath(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The classes that run the real tools, against stand-ins found first on PATH,
// so both layers are proven to the command line without touching the user's desktop.
void tst_PointerSettings::toolsAgainstStandIns()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(installStandIns(dir), QString());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + oldPath);
    auto restore = qScopeGuard([&] { qputenv("PATH", oldPath); });

    GSettingsTool gsettings;
    KConfigTool kconfig;
    const QString mouse = QLatin1String(PointerSettings::kMouseSchema);
    QVERIFY(gsettings.isWritable(mouse, QStringLiteral("speed")));
    QVERIFY(!gsettings.isWritable(mouse, QStringLiteral("wheel-lines")));
    QVERIFY(!gsettings.isWritable(QStringLiteral("org.example.absent"), QStringLiteral("speed")));
    QVERIFY(gsettings.set(mouse, QStringLiteral("speed"), QStringLiteral("-0.9")));
    QVERIFY(!gsettings.set(mouse, QStringLiteral("speed"), QStringLiteral("7")));

    QVERIFY(kconfig.isAvailable());
    QVERIFY(kconfig.write(QStringLiteral("kcminputrc"), QStringLiteral("Mouse"),
                          QStringLiteral("XLbInptPointerAcceleration"), QStringLiteral("-0.9")));
    QVERIFY(!kconfig.write(QStringLiteral("kdeglobals"), QStringLiteral("KDE"), QStringLiteral("Locked"),
                           QStringLiteral("3")));
    kconfig.notifyMouseSettingsChanged();

    QCOMPARE(calls(dir), (QStringList{
        "gsettings writable org.gnome.desktop.peripherals.mouse speed",
        "gsettings writable org.gnome.desktop.peripherals.mouse wheel-lines",
        "gsettings writable org.example.absent speed",
        "gsettings set org.gnome.desktop.peripherals.mouse speed -0.9",
        "gsettings set org.gnome.desktop.peripherals.mouse speed 7",
        "kwriteconfig5 --file kcminputrc --group Mouse --key XLbInptPointerAcceleration -- -0.9",
        "kreadconfig5 --file kcminputrc --group Mouse --key XLbInptPointerAcceleration",
        "kwriteconfig5 --file kdeglobals --group KDE --key Locked -- 3",
        "kreadconfig5 --file kdeglobals --group KDE --key Locked",
        "dbus-send --session --type=signal /KGlobalSettings org.kde.KGlobalSettings.notifyChange int32:3 int32:0"}));

    // Through the whole layer: a Plasma session writes its files and tells its programs.
    QFile::remove(dir.filePath(QStringLiteral("calls.log")));
    PointerSettings plasma(gsettings, kconfig, QStringLiteral("KDE"));
    QVERIFY(plasma.setVerticalScrollLines(1000));
    QCOMPARE(calls(dir).size(), 3);
    QCOMPARE(calls(dir).last().left(9), QStringLiteral("dbus-send"));

    // With no tool at all: the failure text, nothing run.
    qputenv("PATH", dir.filePath(QStringLiteral("empty")).toUtf8());
    QFile::remove(dir.filePath(QStringLiteral("calls.log")));
    GSettingsTool noGsettings;
    KConfigTool noKconfig;
    PointerSettings nothing(noGsettings, noKconfig, QStringLiteral("KDE"));
    QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
    QVERIFY(!nothing.setCursorSpeed(5));
    QVERIFY(calls(dir).isEmpty());
}

QTEST_GUILESS_MAIN(tst_PointerSettings)
#include "tst_PointerSettings.moc"
