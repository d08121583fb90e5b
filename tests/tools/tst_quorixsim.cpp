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

    std::unique_ptr<TestDataRoot> m_root;
    QTemporaryDir m_tmp;

    void prepare(QProcess& p)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_tmp.path());
    }

    QList<QJsonObject> trace() const
    {
        QFile f(m_tmp.filePath(QStringLiteral("t.jsonl")));
        QList<QJsonObject> lines;
        if (!f.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.isEmpty())
                lines << QJsonDocument::fromJson(line).object();
        return lines;
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestDataRoot>();
        QVERIFY(m_root->isValid());
        QFile::remove(m_tmp.filePath(QStringLiteral("t.jsonl")));
    }

    void cleanup() { m_root.reset(); }

    void helpNamesEveryOption()
    {
        QProcess p;
        prepare(p);
        p.start(QStringLiteral(QUORIX_SIM_EXE), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray out = p.readAllStandardOutput();
        for (const char* option : {"--data DIR", "--simulate[=LIST]", "--mouse-family 553|560", "--trace FILE",
                                   "--no-control"})
            QVERIFY2(out.contains(option), option);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown device") << QStringList{"--simulate=keyboard,trackball"} << "trackball";
        QTest::newRow("unknown family") << QStringList{"--mouse-family", "554"} << "553 or 560";
        QTest::newRow("unknown option") << QStringList{"--control"} << "unknown option --control";
        QTest::newRow("no-control takes no value") << QStringList{"--no-control=1"} << "unknown option";
        QTest::newRow("stray argument") << QStringList{"--no-control", "mouse"} << "unexpected argument mouse";
        QTest::newRow("missing value") << QStringList{"--trace"} << "--trace needs a value";
        QTest::newRow("not a data root") << QStringList{"--data", "/proc"} << "not a readable data root";
        QTest::newRow("trace not writable") << QStringList{"--no-control", "--trace", "no/such/folder/t.jsonl"}
                                           << "cannot write the trace file";
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QProcess p;
        prepare(p);
        p.start(QStringLiteral(QUORIX_SIM_EXE), args);
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
        QTest::addColumn<QString>("served");
        // The factory settings name the 560 family, so the program reads the mouse's
        // profile blocks at connection; only a simulated 560 mouse answers them.
        QTest::addColumn<bool>("mouseAnswersReads");
        QTest::newRow("mouse, 560 family") << "mouse" << "560" << "mouse" << true;
        QTest::newRow("mouse, 553 family") << "mouse" << "553" << "mouse" << false;
        QTest::newRow("keyboard alone") << "keyboard" << "560" << "keyboard" << false;
    }

    void scriptedRunWritesTheTrace()
    {
        QFETCH(QString, devices);
        QFETCH(QString, family);
        QFETCH(QString, served);
        QFETCH(bool, mouseAnswersReads);
        QProcess p;
        prepare(p);
        // A relative trace name means the folder the simulator was started in.
        p.start(QStringLiteral(QUORIX_SIM_EXE),
                {QStringLiteral("--data"), m_root->path(), QStringLiteral("--no-control"),
                 QStringLiteral("--simulate=") + devices, QStringLiteral("--mouse-family"), family,
                 QStringLiteral("--trace"), QStringLiteral("t.jsonl")});
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

        const QList<QJsonObject> lines = trace();
        QVERIFY(!lines.isEmpty());
        bool answered = false;
        for (const QJsonObject& line : lines) {
            QCOMPARE(line.value(QStringLiteral("dev")).toString(), served);
            answered = answered
                || (line.value(QStringLiteral("dev")).toString() == QLatin1String("mouse")
                    && line.value(QStringLiteral("iface")).toString() == QLatin1String("command")
                    && line.value(QStringLiteral("op")).toString() == QLatin1String("read")
                    && line.value(QStringLiteral("rc")).toInt() > 0);
        }
        QCOMPARE(answered, mouseAnswersReads);
        // Every handle opened was closed on the way out: the end was clean.
        QCOMPARE(std::count_if(lines.begin(), lines.end(),
                               [](const QJsonObject& o) { return o.value(QStringLiteral("op")) == QLatin1String("open"); }),
                 std::count_if(lines.begin(), lines.end(),
                               [](const QJsonObject& o) { return o.value(QStringLiteral("op")) == QLatin1String("close"); }));
    }
};

QTEST_GUILESS_MAIN(TestQuorixSim)
#include "tst_quorixsim.moc"
