#include "TestData.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The simulator run as scripts run it: options, no control window, a trace file,
// and a clean end on SIGTERM.
class TestQuorixSim : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

    void start(QProcess& p, const QStringList& args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_tmp.path());
        p.start(QStringLiteral(QUORIX_SIM_EXE), args);
    }

private Q_SLOTS:
    // The options shared with quorixctl are parsed by one reader, tested on its own.
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--control"} << "unknown option --control";
        QTest::newRow("no-control takes no value") << QStringList{"--no-control=1"} << "unknown option";
        QTest::newRow("stray argument") << QStringList{"--no-control", "mouse"} << "unexpected argument mouse";
        QTest::newRow("not a data root") << QStringList{"--data", "/proc"} << "not a readable data root";
        QTest::newRow("trace not writable") << QStringList{"--no-control", "--trace", "no/such/folder/t.jsonl"}
                                           << "cannot write the trace file";
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QProcess p;
        start(p, args);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.startsWith(QStringLiteral("quorix-sim: ")) && err.contains(message), qPrintable(err));
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
    }

    void scriptedRunWritesTheTrace_data()
    {
        QTest::addColumn<QString>("devices");
        QTest::addColumn<QString>("family");
        // The factory settings name the 560 family, so the program reads the mouse's
        // profile blocks at connection; only a simulated 560 mouse answers them.
        QTest::addColumn<bool>("mouseAnswersReads");
        QTest::newRow("mouse, 560 family") << "mouse" << "560" << true;
        QTest::newRow("mouse, 553 family") << "mouse" << "553" << false;
        QTest::newRow("keyboard alone") << "keyboard" << "560" << false;
    }

    void scriptedRunWritesTheTrace()
    {
        QFETCH(QString, devices);
        QFETCH(QString, family);
        QFETCH(bool, mouseAnswersReads);
        const QString trace = m_tmp.filePath(QStringLiteral("t.jsonl"));
        QFile::remove(trace);
        TestDataRoot root;
        QProcess p;
        // A relative trace name means the folder the simulator was started in.
        start(p, {QStringLiteral("--data"), root.path(), QStringLiteral("--no-control"), QStringLiteral("--simulate=") + devices,
                  QStringLiteral("--mouse-family"), family, QStringLiteral("--trace"), QStringLiteral("t.jsonl")});
        QVERIFY(p.waitForStarted(5000));
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += p.readAllStandardError()).contains("Device Connect")
                                     || p.state() == QProcess::NotRunning,
                                 30000);
        QVERIFY2(p.state() == QProcess::Running, err.constData());
        p.terminate();
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);

        QFile f(trace);
        QVERIFY(f.open(QIODevice::ReadOnly));
        bool answered = false;
        int opened = 0;
        int count = 0;
        for (const QByteArray& text : f.readAll().split('\n')) {
            const QJsonObject line = QJsonDocument::fromJson(text).object();
            if (text.isEmpty())
                continue;
            ++count;
            const auto is = [&line](const char* key, const char* value) { return line.value(QLatin1String(key)) == QLatin1String(value); };
            // Nothing meant for one device goes to the other.
            QCOMPARE(line.value(QStringLiteral("dev")).toString(), devices);
            answered = answered || (is("dev", "mouse") && is("iface", "command") && is("op", "read") && line.value(QStringLiteral("rc")).toInt() > 0);
            // Every handle opened was closed on the way out: the end was clean.
            opened += is("op", "open") ? 1 : is("op", "close") ? -1 : 0;
        }
        QVERIFY(count > 0);
        QCOMPARE(answered, mouseAnswersReads);
        QCOMPARE(opened, 0);
    }
};

QTEST_GUILESS_MAIN(TestQuorixSim)
#include "tst_quorixsim.moc"
