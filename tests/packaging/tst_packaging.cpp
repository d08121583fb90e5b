#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

namespace {

QString packagingDir()
{
    return qEnvironmentVariable("QUORIX_SOURCE_DIR") + QStringLiteral("/packaging");
}

QStringList ruleLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (!t.isEmpty() && !t.startsWith(QLatin1Char('#')))
            lines << t;
    }
    return lines;
}

} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void udevRuleGrantsTheSeatUserOnly()
    {
        const QStringList rules = QDir(packagingDir()).entryList({QStringLiteral("*.rules")}, QDir::Files);
        QCOMPARE(rules.size(), 1);
        const QString name = rules.first();
        // Sorted before the seat rules (73-seat-late.rules), or uaccess is never applied.
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{2}-[a-z0-9-]+\\.rules$")).match(name).hasMatch(), qPrintable(name));
        QVERIFY2(name < QStringLiteral("73"), qPrintable(name));

        const QStringList lines = ruleLines(packagingDir() + QLatin1Char('/') + name);
        QCOMPARE(lines.size(), 2);
        for (const QString& line : lines) {
            QVERIFY2(line.contains(QStringLiteral("SUBSYSTEM==\"hidraw\"")), qPrintable(line));
            QVERIFY2(line.contains(QStringLiteral("TAG+=\"uaccess\"")), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("MODE")), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("GROUP")), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("OWNER")), qPrintable(line));
        }
        const QString all = lines.join(QLatin1Char('\n'));
        for (const char* pid : {"8008", "a1ee"}) {
            const QRegularExpression device(QStringLiteral("ATTRS\\{idVendor\\}==\"04d9\".*ATTRS\\{idProduct\\}==\"%1\"")
                                                .arg(QLatin1String(pid)));
            QVERIFY2(device.match(all).hasMatch(), pid);
        }
    }

    void desktopEntriesStartTheProgram_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("menu") << "quorix-config.desktop";
        QTest::newRow("autostart") << "quorix-config-autostart.desktop";
    }

    void desktopEntriesStartTheProgram()
    {
        QFETCH(QString, file);
        QSettings entry(packagingDir() + QLatin1Char('/') + file, QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Type")).toString(), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("quorix-config"));
        QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), QStringLiteral("quorix-config"));
        QVERIFY(!entry.value(QStringLiteral("Name")).toString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
