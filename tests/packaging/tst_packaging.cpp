#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSettings>
#include <QTest>

namespace {

QString packagingDir()
{
    return qEnvironmentVariable("QUORIX_SOURCE_DIR") + QStringLiteral("/packaging");
}

QString sourceFile(const QString& relative)
{
    QFile f(qEnvironmentVariable("QUORIX_SOURCE_DIR") + QLatin1Char('/') + relative);
    return f.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(f.readAll()) : QString();
}

QString helpOf(const char* program)
{
    QProcess p;
    p.start(QString::fromUtf8(program), {QStringLiteral("--help")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The "--options" and the commands (two-space indented words under "commands:") of a usage text.
QStringList namesIn(const QString& help)
{
    QStringList names;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("--[a-z][a-z-]+")).globalMatch(help);
    while (it.hasNext())
        names << it.next().captured();
    const int commands = help.indexOf(QStringLiteral("\ncommands:\n"));
    if (commands >= 0) {
        const QString block = help.mid(commands, help.indexOf(QStringLiteral("\n\n"), commands + 1) - commands);
        it = QRegularExpression(QStringLiteral("\\n  ([a-z][a-z-]+)")).globalMatch(block);
        while (it.hasNext())
            names << it.next().captured(1);
    }
    names.removeDuplicates();
    return names;
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

        QStringList lines;
        for (const QString& line : sourceFile(QStringLiteral("packaging/") + name).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty() && !line.trimmed().startsWith(QLatin1Char('#')))
                lines << line.trimmed();
        }
        QCOMPARE(lines.size(), 2);
        for (const QString& line : lines) {
            QVERIFY2(line.contains(QStringLiteral("SUBSYSTEM==\"hidraw\"")) && line.contains(QStringLiteral("TAG+=\"uaccess\"")),
                     qPrintable(line));
            // The seat's user only: no mode, group or owner that would open it to others.
            QVERIFY2(!line.contains(QRegularExpression(QStringLiteral("MODE|GROUP|OWNER"))), qPrintable(line));
        }
        for (const char* pid : {"8008", "a1ee"}) {
            const QRegularExpression device(QStringLiteral("ATTRS\\{idVendor\\}==\"04d9\".*ATTRS\\{idProduct\\}==\"%1\"")
                                                .arg(QLatin1String(pid)));
            QVERIFY2(device.match(lines.join(QLatin1Char('\n'))).hasMatch(), pid);
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

    void metainfoIsValid()
    {
        const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (appstreamcli.isEmpty())
            QSKIP("appstreamcli is not installed (scripts/install-deps installs it)");
        const QStringList files = QDir(packagingDir()).entryList({QStringLiteral("*.metainfo.xml")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QProcess p;
        p.start(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--strict"),
                               packagingDir() + QLatin1Char('/') + files.first()});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardOutput().constData());
        // The component names the menu entry it describes.
        QVERIFY(sourceFile(QStringLiteral("packaging/") + files.first())
                    .contains(QStringLiteral("<launchable type=\"desktop-id\">quorix-config.desktop</launchable>")));
    }

    // A command or option the tool offers but its manual page or the README leaves out.
    void documentationCoversEveryCommandAndOption_data()
    {
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("document");
        const QString ctl = helpOf(QUORIXCTL_EXE);
        const QString sim = helpOf(QUORIX_SIM_EXE);
        QTest::newRow("quorixctl(1)") << ctl << sourceFile(QStringLiteral("doc/quorixctl.1.scd"));
        QTest::newRow("quorix-sim(1)") << sim << sourceFile(QStringLiteral("doc/quorix-sim.1.scd"));
        QTest::newRow("README, quorix-sim") << sim << sourceFile(QStringLiteral("README.md"));
    }

    void documentationCoversEveryCommandAndOption()
    {
        QFETCH(QString, help);
        QFETCH(QString, document);
        QVERIFY(!document.isEmpty());
        const QStringList names = namesIn(help);
        QVERIFY2(names.size() > 4, qPrintable(help));
        for (const QString& name : names) {
            // scdoc marks names up as *--name*; the README as `--name`.
            const QRegularExpression mention(QStringLiteral("[*`\\s]%1[*`=\\[\\s]").arg(QRegularExpression::escape(name)));
            QVERIFY2(mention.match(document).hasMatch(), qPrintable(name));
        }
    }

    void completionOffersWhatFits_data()
    {
        QTest::addColumn<QStringList>("words"); // the last one is being completed
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("notOffered");
        QTest::newRow("commands") << QStringList{"ap"} << QStringList{"apply-profile"} << QStringList{"devices"};
        QTest::newRow("after options") << QStringList{"--data", "/tmp", "--simulate", "mon"} << QStringList{"monitor"}
                                       << QStringList{};
        QTest::newRow("options") << QStringList{"--m"} << QStringList{"--mouse-family"} << QStringList{"--data"};
        QTest::newRow("family") << QStringList{"--mouse-family", ""} << QStringList{"553", "560"} << QStringList{};
        QTest::newRow("simulated devices") << QStringList{"--simulate", "=", "keyboard,m"} << QStringList{"keyboard,mouse"}
                                           << QStringList{};
        QTest::newRow("objects") << QStringList{"slots", ""} << QStringList{"ui_View", "hid"} << QStringList{};
        QTest::newRow("slot names from the tool")
            << QStringList{"--simulate", "call", "ui_View.getD"} << QStringList{"ui_View.getData", "ui_View.getDataList"}
            << QStringList{"hid.hidCS"};
        QTest::newRow("hid slots") << QStringList{"call", "hid.hid553_01"} << QStringList{"hid.hid553_01H_SetReportRate"}
                                   << QStringList{};
        QTest::newRow("arguments are not slots") << QStringList{"call", "hid.hidCS", "hid"} << QStringList{}
                                                 << QStringList{"hid.hidCS"};
        QTest::newRow("profile slots") << QStringList{"apply-profile", ""} << QStringList{"0", "9"} << QStringList{"10"};
    }

    void completionOffersWhatFits()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, notOffered);
        // What bash hands the function: the words with the command first, the cursor in the last.
        QStringList quoted{QStringLiteral("'%1'").arg(QStringLiteral(QUORIXCTL_EXE))};
        for (const QString& w : words)
            quoted << QLatin1Char('\'') + w + QLatin1Char('\'');
        const QString script = QStringLiteral("source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _quorixctl; "
                                              "printf '%s\\n' \"${COMPREPLY[@]}\"")
                                   .arg(packagingDir() + QStringLiteral("/quorixctl.bash"), quoted.join(QLatin1Char(' ')))
                                   .arg(words.size());
        QProcess bash;
        bash.start(QStringLiteral("bash"), {QStringLiteral("--norc"), QStringLiteral("-c"), script});
        QVERIFY(bash.waitForFinished(30000));
        QCOMPARE(bash.exitCode(), 0);
        const QStringList got = QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& o : offered)
            QVERIFY2(got.contains(o), qPrintable(o + QStringLiteral(" not in ") + got.join(QLatin1Char(' '))));
        for (const QString& o : notOffered)
            QVERIFY2(!got.contains(o), qPrintable(o));
        if (offered.isEmpty())
            QVERIFY2(got.isEmpty(), qPrintable(got.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
