#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>

class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        // Whatever data root the program picks, it stays inside this test's folder.
        qputenv("XDG_DATA_HOME", m_runtime.filePath(QStringLiteral("data")).toLocal8Bit());
    }

    void oversizedOrBrokenFramesAreDropped()
    {
        SingleInstance first(QStringLiteral("guard"));
        QVERIFY(!first.isRunning());
        QSignalSpy texts(&first, &SingleInstance::messageReceived);
        QVERIFY(!SingleInstance(QStringLiteral("guard")).sendData(1, QByteArray(SingleInstance::kMaxPayload + 1, 'x'), 100));

        QFuture<bool> sent = QtConcurrent::run([path = first.socketPath()] {
            QLocalSocket s;
            s.connectToServer(path);
            if (!s.waitForConnected(2000))
                return false;
            // Announces 16 MiB: the listener must hang up instead of buffering it.
            s.write(QByteArray::fromHex("0000000001000000"));
            s.waitForBytesWritten(2000);
            s.waitForDisconnected(2000);
            return s.state() == QLocalSocket::UnconnectedState;
        });
        QTRY_VERIFY(sent.isFinished());
        QVERIFY(sent.result());
        QCOMPARE(texts.size(), 0);
    }

    // Running on relative paths from wherever it was started would scatter and
    // lose settings; without its data root the program says so and stops.
    void aDataRootThatCannotBeMadeStopsTheProgram()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        // An installed layout without a factory tree, and a data home below a file.
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        const QString exe = bin + QStringLiteral("/quorix-config");
        QVERIFY(QFile::copy(QStringLiteral(QUORIX_CONFIG_EXE), exe));
        QFile blocker(prefix.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), prefix.filePath(QStringLiteral("file/data")));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(prefix.path());
        program.start(exe, {});
        QVERIFY(program.waitForStarted(5000));
        if (!program.waitForFinished(15000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program ran on without its data root");
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("Cannot enter the settings folder"));
        // Nothing was written where it was started.
        QCOMPARE(QDir(prefix.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"bin", "file"}));
    }

    void twoRealProcesses()
    {
        QProcess first;
        first.setProgram(QStringLiteral(QUORIX_CONFIG_EXE));
        first.setProcessChannelMode(QProcess::SeparateChannels);
        QByteArray log;
        connect(&first, &QProcess::readyReadStandardError, this, [&] { log += first.readAllStandardError(); });
        first.start();
        QVERIFY(first.waitForStarted(5000));
        // The first start is ready once it reports its (empty) detection pass.
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("Device DisConnect"), 15000);

        QProcess second;
        second.setProgram(QStringLiteral(QUORIX_CONFIG_EXE));
        QElapsedTimer clock;
        clock.start();
        second.start();
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY2(clock.elapsed() < 5000, "the second start must hand over and leave promptly");
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("Another start asked for the window"), 5000);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(5000));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
