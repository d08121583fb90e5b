#include "TestData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// End-to-end runs of the built tool against the simulated devices.
class TestQuorixctl : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataRoot> m_root;
    QTemporaryDir m_tmp;

    void prepare(QProcess& p, const QString& dataHome = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        if (!dataHome.isEmpty())
            env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        p.setProcessEnvironment(env);
    }

    // The tool on the test's data root, started in `workdir` when given.
    Run ctl(const QStringList& args, const QByteArray& input = QByteArray(), const QString& workdir = QString())
    {
        QProcess p;
        prepare(p);
        p.setWorkingDirectory(workdir);
        p.start(QStringLiteral(QUORIXCTL_EXE), QStringList{QStringLiteral("--data"), m_root->path()} + args);
        if (!p.waitForStarted(5000))
            return {};
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(20000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

    // Arguments apart by spaces; "TRACE" stands for the trace file.
    Run ctl(const QString& args, const QByteArray& input = QByteArray(), const QString& workdir = QString())
    {
        QStringList list = args.split(QLatin1Char(' '));
        list.replaceInStrings(QRegularExpression(QStringLiteral("^TRACE$")), tracePath());
        return ctl(list, input, workdir);
    }

    QString tracePath() const { return m_tmp.filePath(QStringLiteral("trace.jsonl")); }
    QString settingFile(const char* name) const { return m_root->file(QStringLiteral("modules/setting/") + QLatin1String(name)); }

    // The trace lines of one operation.
    QList<QJsonObject> traced(const QString& op) const
    {
        QList<QJsonObject> lines;
        for (const QByteArray& line : bytesOf(tracePath()).split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (!line.isEmpty() && (op.isEmpty() || o.value(QStringLiteral("op")).toString() == op))
                lines << o;
        }
        return lines;
    }

    // The first two block bytes of every command sent.
    QStringList opcodes() const
    {
        QStringList ops;
        for (const QJsonObject& o : traced(QStringLiteral("send-feature")))
            ops << o.value(QStringLiteral("data")).toString().mid(3, 5);
        return ops;
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestDataRoot>();
        QVERIFY(m_root->isValid());
        QFile::remove(tracePath());
    }

    void cleanup() { m_root.reset(); }

    void devicesAndSlots()
    {
        Run r = ctl("--simulate=mouse devices");
        QCOMPARE(r.code, 0);
        const QJsonArray list = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].toObject().value(QStringLiteral("present")).toBool(), false);
        QCOMPARE(list[1].toObject().value(QStringLiteral("pid")).toString(), QStringLiteral("a1ee"));
        QVERIFY(!list[1].toObject().value(QStringLiteral("path2")).toString().isEmpty());

        r = ctl("--simulate slots");
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("QVariant ui_View.getData(QVariant key, bool isRecovery)"));
        QVERIFY(r.out.contains("void hid.hid553_12H_SetKeyMatrix(uchar* src64, uchar indexAddOne)"));
    }

    void callPutsTheCommandOnTheWireWithItsPause()
    {
        const Run r = ctl("--simulate --virtual-time --device 1 --trace TRACE call hid.hid553_01H_SetReportRate 2");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("null\n"));
        const QList<QJsonObject> sent = traced(QStringLiteral("send-feature"));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].value(QStringLiteral("dev")).toString(), QStringLiteral("mouse"));
        QCOMPARE(sent[0].value(QStringLiteral("data")).toString(), QStringLiteral("00 01 02 00 00 00 00 00 fc"));
        QVERIFY(traced(QStringLiteral("write")).isEmpty());
        // The settle pause follows the report before the interface closes.
        const QJsonObject last = traced(QString()).last();
        QCOMPARE(last.value(QStringLiteral("op")).toString(), QStringLiteral("close"));
        QCOMPARE(last.value(QStringLiteral("t")).toInt() - sent[0].value(QStringLiteral("t")).toInt(), 128);
    }

    void relativeNamesMeanWhereTheToolStarted()
    {
        QFile script(m_tmp.filePath(QStringLiteral("calls.txt")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("hid.hid553_01H_SetReportRate 2\n");
        script.close();
        const Run r = ctl("--simulate --virtual-time --trace trace.jsonl script calls.txt",
                          QByteArray(), m_tmp.path());
        QCOMPARE(r.code, 0);
        QCOMPARE(traced(QStringLiteral("send-feature")).size(), 1);
    }

    void scriptRunsEveryLineInOneProcess()
    {
        const Run r = ctl("--simulate --virtual-time script -",
                          "# settings and a checksum\n"
                          "ui_View.setData \"test/key\" [1, 2, 3]\n"
                          "ui_View.getDataList \"test/key\" false\n"
                          "hid.hidCS [1, 2]\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("null\n[\"1\",\"2\",\"3\"]\n{\"out\":[[1,2,0,0,0,0,0,0]],\"result\":252}\n"));

        // Reference parameters print after the result.
        const Run opt = ctl("--simulate --virtual-time --device 1 --mouse-family 553 call hid.hid553_83H_GetKeyboardoption 9 9 9 9");
        QCOMPARE(opt.code, 0);
        const QList<QByteArray> lines = opt.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QByteArray("null"));
        QCOMPARE(QJsonDocument::fromJson(lines[1]).array().size(), 4);
    }

    void monitorFollowsTheSimulator()
    {
        const Run r = ctl("--simulate=mouse monitor", "dpi-button\n");
        QCOMPARE(r.code, 0);
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        QVERIFY2(!lines.isEmpty(), r.err.constData());
        QCOMPARE(lines.first(), QByteArray("{\"event\":\"connect\",\"device\":1}"));
        // The input ends right after the press: the report may or may not be read in time.
        for (const QByteArray& line : lines.mid(1))
            QVERIFY2(line.startsWith("{\"event\":\"dpi\",\"stage\":"), line.constData());
    }

    void applyProfileSendsWhatAProfileChangeSends()
    {
        Run r = ctl("--simulate=mouse --virtual-time --mouse-family 560 --trace TRACE apply-profile 1");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("{\"device\":1,\"profile\":1}\n"));
        // Key matrix, report rate (one index with gun layers), DPI in blocks 1-4,
        // lighting in blocks 1-4, colours in block 0, then the gun layers' switch and reset.
        QCOMPARE(opcodes().join(','), QStringLiteral("0d 01,03 01,0c 01,0c 02,0c 03,0c 04,0c 01,0c 02,0c 03,0c 04,"
                                                      "0c 00,02 01,0d 02,0d 03,0d 04"));
        QCOMPARE(QSettings(settingFile("apConfig.bin"), QSettings::IniFormat).value(QStringLiteral("mouse/profileNo")).toInt(), 1);

        QFile::remove(tracePath());
        r = ctl("--simulate=keyboard --virtual-time --trace TRACE apply-profile 2");
        QCOMPARE(r.code, 0);
        // Key functions, the first lighting picture, the effect and the seven colours.
        QCOMPARE(opcodes().join(','), QStringLiteral("0d 00,12 00,08 00,14 00,14 00,14 00,14 00,14 00,14 00,14 00"));
    }

    // Exit 0 with nothing sent made a failed login-time restore look fine.
    void aMissingDeviceOrAFailedTransferIsAFailure()
    {
        const Run none = ctl("--simulate=mouse --device 0 call hid.hidARM_13H_RecoveryData");
        QCOMPARE(none.code, 1);
        QCOMPARE(none.err.count('\n'), 1);
        const Run warn = ctl("warn hello");
        QCOMPARE(warn.code, 1);
        QVERIFY(warn.err.startsWith("quorixctl: "));

        QSettings(settingFile("apConfig.bin"), QSettings::IniFormat).setValue(QStringLiteral("0/reportLength"), 0);
        const Run r = ctl("--simulate=keyboard --virtual-time apply-profile 1");
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        const QByteArray reason = r.err.trimmed().split('\n').last();
        QVERIFY2(reason.startsWith("quorixctl: ") && reason.contains("failed"), r.err.constData());
        const Run call = ctl("--simulate=keyboard --virtual-time call hid.keyboard_0DH_SetKeyMatrix [1,2,3]");
        QCOMPARE(call.code, 1);
    }

    // An interrupt ends any command, not only the monitor.
    void interruptsEndEveryCommand()
    {
        QProcess p;
        prepare(p);
        // The script waits for its standard input to end; the trace file says it is set up.
        p.start(QStringLiteral(QUORIXCTL_EXE), {QStringLiteral("--data"), m_root->path(), QStringLiteral("--simulate"),
                                                QStringLiteral("--trace"), tracePath(), QStringLiteral("script"),
                                                QStringLiteral("-")});
        QVERIFY(p.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(tracePath()), 10000);
        p.terminate();
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished();
            QFAIL("SIGTERM did not end the command");
        }
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    }

    void aDataRootThatCannotBeMadeIsNamed()
    {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::copy(QStringLiteral(QUORIXCTL_EXE), bin + QStringLiteral("/quorixctl")));
        QFile blocker(prefix.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcess p;
        prepare(p, prefix.filePath(QStringLiteral("file/data")));
        p.start(bin + QStringLiteral("/quorixctl"), {QStringLiteral("devices")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains("cannot use the data root " + prefix.filePath(QStringLiteral("file/data/" QUORIX_APP_NAME)).toLocal8Bit()),
                 err.constData());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << "--simulate" << "";
        QTest::newRow("unknown command") << "--simulate frobnicate" << "";
        QTest::newRow("unknown option") << "--fast devices" << "";
        QTest::newRow("unknown object") << "--simulate call gui.show" << "";
        QTest::newRow("unknown slot") << "--simulate call hid.noSuchSlot" << "";
        QTest::newRow("argument count") << "--simulate call hid.hid553_01H_SetReportRate" << "";
        QTest::newRow("argument type") << "--simulate call hid.hid553_01H_SetReportRate \"two\"" << "";
        QTest::newRow("byte out of range") << "--simulate call hid.hid553_01H_SetReportRate 256" << "";
        QTest::newRow("buffer too long") << "--simulate call hid.hid553_0CH_SetFixLEDColor [1,2,3,4]" << "";
        QTest::newRow("malformed JSON") << "--simulate call hid.hid553_01H_SetReportRate [1," << "";
        QTest::newRow("virtual time alone") << "--virtual-time devices" << "";
        QTest::newRow("device out of range") << "--simulate --device 7 call hid.hidARM_13H_RecoveryData" << "";
        QTest::newRow("mouse family") << "--simulate --mouse-family 999 devices" << "";
        QTest::newRow("profile slot") << "--simulate apply-profile 10" << "";
        QTest::newRow("bad script line") << "--simulate script -" << "";
        QTest::newRow("dialog slot without a file") << "--simulate call ui_View.saveProfile 1" << "--file";
        QTest::newRow("import from a missing file")
            << "--simulate --file " + m_tmp.filePath(QStringLiteral("missing.pf")) + " call ui_View.loadProfile 2" << "";
        QTest::newRow("unreadable data root") << "--data " + m_tmp.filePath(QStringLiteral("nowhere")) + " devices"
                                              << "not a readable data root";
    }

    void usageErrors()
    {
        QFETCH(QString, args);
        QFETCH(QString, message);
        const Run r = ctl("--trace TRACE " + args, "hid.hidARM_13H_RecoveryData\nhid.hidARM_13H_RecoveryData 1 2\n");
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith("quorixctl: ") && r.err.count('\n') == 1 && r.err.contains(message.toUtf8()),
                 r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(traced(QStringLiteral("send-feature")).isEmpty());
    }

    // A profile exported and imported through --file is the same file byte for
    // byte; a script that needs a dialog fails before its first line runs.
    void fileAnswersTheDialogs()
    {
        QSettings(settingFile("p2.bin"), QSettings::IniFormat).setValue(QStringLiteral("mouse/reportRate"), 2);
        const QString exported = m_tmp.filePath(QStringLiteral("fps.pf"));
        Run r = ctl("--file " + exported + " call ui_View.saveProfile 1");
        QCOMPARE(r.code, 0);
        QVERIFY(!bytesOf(exported).isEmpty());
        QCOMPARE(bytesOf(exported), bytesOf(settingFile("p2.bin")));
        r = ctl("--file " + exported + " call ui_View.loadProfile 3");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), QByteArray("true"));
        QCOMPARE(bytesOf(settingFile("p4.bin")), bytesOf(exported));

        QSettings(settingFile("p5.bin"), QSettings::IniFormat).setValue(QStringLiteral("mouse/reportRate"), 1);
        const QByteArray before = bytesOf(settingFile("p5.bin"));
        r = ctl("script -", "ui_View.resetProfile 4\nui_View.loadMacroFile \"m\"\n");
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("--file"), r.err.constData());
        QCOMPARE(bytesOf(settingFile("p5.bin")), before);
    }

    void warnReachesTheRunningProgram()
    {
        QProcess program;
        prepare(program, m_tmp.filePath(QStringLiteral("data")));
        QByteArray log;
        connect(&program, &QProcess::readyReadStandardError, this, [&] { log += program.readAllStandardError(); });
        program.start(QStringLiteral(QUORIX_CONFIG_EXE), QStringList());
        QVERIFY(program.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("Device DisConnect"), 15000);
        const Run r = ctl(QStringList{"warn", "Profile restored"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
    }

    // The settings side of ui_View and the slot lists are served without the
    // window host; a trace file makes the host serve them. Both must print, fail
    // and write alike.
    void bothHalvesAnswerSettingsCallsAlike_data()
    {
        QTest::addColumn<QString>("args"); // "SCRIPT" stands for a file holding `script`
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("read") << "call ui_View.getData \"mouse/reportRate\" false" << QByteArray();
        QTest::newRow("write") << "call ui_View.setDataList \"test/k\" [1,\"b\",true]" << QByteArray();
        QTest::newRow("gun data") << "call ui_View.modifyGundata 1 [\"g\",1,2,3,4,5]" << QByteArray();
        QTest::newRow("macro script") << "script SCRIPT"
                                      << QByteArray("# a macro made, filled and read back\n"
                                                    "ui_View.createMacroIni \"m\" 2\n"
                                                    "ui_View.saveMacroIni \"m\" [\"a\", \"b\"] 3\n"
                                                    "ui_View.loadMacroIni \"m\"\n"
                                                    "ui_View.setCurrentProfile 2\n"
                                                    "ui_View.getGlobalData \"mouse/profileNo\"\n");
        QTest::newRow("bad script line") << "script SCRIPT" << QByteArray("ui_View.setData \"k\" 1\nui_View.getData \"k\"\n");
        QTest::newRow("dialog slot without a file") << "call ui_View.saveProfile 1" << QByteArray();
        QTest::newRow("device out of range") << "--device 7 call ui_View.getGunDataKey" << QByteArray();
        QTest::newRow("slots") << "slots" << QByteArray();
        QTest::newRow("slots of another") << "slots gui" << QByteArray();
    }

    void bothHalvesAnswerSettingsCallsAlike()
    {
        QFETCH(QString, args);
        QFETCH(QByteArray, script);
        QFile file(m_tmp.filePath(QStringLiteral("calls.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        args.replace(QStringLiteral("SCRIPT"), file.fileName());
        const auto files = [](const QString& root) {
            QMap<QString, QByteArray> contents;
            QDirIterator it(root + QStringLiteral("/modules"), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                contents.insert(path.mid(root.size()), bytesOf(path));
            }
            return contents;
        };
        const Run lite = ctl(args);
        const auto liteFiles = files(m_root->path());
        m_root.reset();
        m_root = std::make_unique<TestDataRoot>();
        const Run host = ctl("--trace TRACE " + args);
        QCOMPARE(lite.err, host.err);
        QCOMPARE(lite.out, host.out);
        QCOMPARE(lite.code, host.code);
        QVERIFY(files(m_root->path()) == liteFiles);
    }

    // A settings call works where no display can be reached, whatever platform
    // the session asks for.
    void settingsCallsNeedNoDisplay()
    {
        QProcess p;
        prepare(p);
        QProcessEnvironment env = p.processEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QUORIXCTL_EXE), {QStringLiteral("--data"), m_root->path(), QStringLiteral("call"),
                                                QStringLiteral("ui_View.getGlobalData"),
                                                QStringLiteral("\"common/deviceCount\"")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("\"2\"\n"));
    }
};

QTEST_GUILESS_MAIN(TestQuorixctl)
#include "tst_quorixctl.moc"
