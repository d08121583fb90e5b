#include "TestData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
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

} // namespace

// End-to-end runs of the built tool against the simulated devices.
class TestQuorixctl : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataRoot> m_root;
    QTemporaryDir m_tmp;

    Run ctl(const QStringList& args, const QByteArray& input = QByteArray(), int timeoutMs = 20000)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QUORIXCTL_EXE), QStringList{QStringLiteral("--data"), m_root->path()} + args);
        if (!p.waitForStarted(5000))
            return {};
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(timeoutMs);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }

    QString tracePath() const { return m_tmp.filePath(QStringLiteral("trace.jsonl")); }

    QList<QJsonObject> trace() const
    {
        QFile f(tracePath());
        QList<QJsonObject> lines;
        if (!f.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.isEmpty())
                lines << QJsonDocument::fromJson(line).object();
        return lines;
    }

    static QList<QJsonObject> ofOp(const QList<QJsonObject>& lines, const QString& op)
    {
        QList<QJsonObject> out;
        for (const QJsonObject& o : lines)
            if (o.value(QStringLiteral("op")).toString() == op)
                out << o;
        return out;
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestDataRoot>();
        QVERIFY(m_root->isValid());
        QFile::remove(tracePath());
    }

    void cleanup() { m_root.reset(); }

    void helpAndDevices()
    {
        const Run help = ctl({QStringLiteral("--help")});
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains("apply-profile N"));

        const Run r = ctl({QStringLiteral("--simulate=mouse"), QStringLiteral("devices")});
        QCOMPARE(r.code, 0);
        const QJsonArray list = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].toObject().value(QStringLiteral("present")).toBool(), false);
        QCOMPARE(list[1].toObject().value(QStringLiteral("pid")).toString(), QStringLiteral("a1ee"));
        QVERIFY(!list[1].toObject().value(QStringLiteral("path2")).toString().isEmpty());
    }

    void slotsListsBothObjects()
    {
        const Run r = ctl({QStringLiteral("--simulate"), QStringLiteral("slots")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("QVariant ui_View.getData(QVariant key, bool isRecovery)"));
        QVERIFY(r.out.contains("void hid.hid553_12H_SetKeyMatrix(uchar* src64, uchar indexAddOne)"));
    }

    void callPutsTheCommandOnTheWireWithItsPause()
    {
        const Run r = ctl({QStringLiteral("--simulate"), QStringLiteral("--virtual-time"), QStringLiteral("--device"),
                           QStringLiteral("1"), QStringLiteral("--trace"), tracePath(), QStringLiteral("call"),
                           QStringLiteral("hid.hid553_01H_SetReportRate"), QStringLiteral("2")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("null\n"));
        const QList<QJsonObject> lines = trace();
        const QList<QJsonObject> sent = ofOp(lines, QStringLiteral("send-feature"));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].value(QStringLiteral("dev")).toString(), QStringLiteral("mouse"));
        QCOMPARE(sent[0].value(QStringLiteral("data")).toString(), QStringLiteral("00 01 02 00 00 00 00 00 fc"));
        QCOMPARE(ofOp(lines, QStringLiteral("write")).size(), 0);
        // The settle pause follows the report before the interface closes.
        const QJsonObject last = lines.last();
        QCOMPARE(last.value(QStringLiteral("op")).toString(), QStringLiteral("close"));
        QCOMPARE(last.value(QStringLiteral("t")).toInt() - sent[0].value(QStringLiteral("t")).toInt(), 128);
    }

    void relativeNamesMeanWhereTheToolStarted()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_tmp.path());
        QFile script(m_tmp.filePath(QStringLiteral("calls.txt")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("hid.hid553_01H_SetReportRate 2\n");
        script.close();
        p.start(QStringLiteral(QUORIXCTL_EXE), {QStringLiteral("--data"), m_root->path(), QStringLiteral("--simulate"),
                                                QStringLiteral("--virtual-time"), QStringLiteral("--trace"),
                                                QStringLiteral("trace.jsonl"), QStringLiteral("script"),
                                                QStringLiteral("calls.txt")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(ofOp(trace(), QStringLiteral("send-feature")).size(), 1);
    }

    void referenceAndBufferParameters()
    {
        const Run cs = ctl({QStringLiteral("--simulate"), QStringLiteral("call"), QStringLiteral("hid.hidCS"),
                            QStringLiteral("[1,2]")});
        QCOMPARE(cs.code, 0);
        QCOMPARE(cs.out, QByteArray("252\n[[1,2,0,0,0,0,0,0]]\n"));

        const Run opt = ctl({QStringLiteral("--simulate"), QStringLiteral("--virtual-time"), QStringLiteral("--device"),
                             QStringLiteral("1"), QStringLiteral("--mouse-family"), QStringLiteral("553"),
                             QStringLiteral("call"), QStringLiteral("hid.hid553_83H_GetKeyboardoption"),
                             QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9")});
        QCOMPARE(opt.code, 0);
        const QList<QByteArray> lines = opt.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QByteArray("null"));
        QCOMPARE(QJsonDocument::fromJson(lines[1]).array().size(), 4);
    }

    void viewSlotsWorkOnTheSettings()
    {
        const Run r = ctl({QStringLiteral("--simulate"), QStringLiteral("call"), QStringLiteral("ui_View.getGlobalData"),
                           QStringLiteral("\"common/deviceCount\"")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("\"2\"\n"));
    }

    void scriptRunsEveryLineInOneProcess()
    {
        const Run r = ctl({QStringLiteral("--simulate"), QStringLiteral("--virtual-time"), QStringLiteral("script"),
                           QStringLiteral("-")},
                          "# settings and a checksum\n"
                          "ui_View.setData \"test/key\" [1, 2, 3]\n"
                          "ui_View.getDataList \"test/key\" false\n"
                          "hid.hidCS [1, 2]\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("null\n[\"1\",\"2\",\"3\"]\n{\"out\":[[1,2,0,0,0,0,0,0]],\"result\":252}\n"));
    }

    void monitorFollowsTheSimulator()
    {
        const Run r = ctl({QStringLiteral("--simulate=mouse"), QStringLiteral("monitor")},
                          "dpi-button\n", 20000);
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
        const auto opcodes = [this] {
            QStringList ops;
            for (const QJsonObject& o : ofOp(trace(), QStringLiteral("send-feature")))
                ops << o.value(QStringLiteral("data")).toString().mid(3, 5);
            return ops;
        };
        Run r = ctl({QStringLiteral("--simulate=mouse"), QStringLiteral("--virtual-time"), QStringLiteral("--mouse-family"),
                     QStringLiteral("560"), QStringLiteral("--trace"), tracePath(), QStringLiteral("apply-profile"),
                     QStringLiteral("1")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QByteArray("{\"device\":1,\"profile\":1}\n"));
        // Key matrix, report rate (one index with gun layers), DPI in blocks 1-4,
        // lighting in blocks 1-4, colours in block 0, then the gun layers' switch and reset.
        QCOMPARE(opcodes(), (QStringList{QStringLiteral("0d 01"), QStringLiteral("03 01"), QStringLiteral("0c 01"),
                                         QStringLiteral("0c 02"), QStringLiteral("0c 03"), QStringLiteral("0c 04"),
                                         QStringLiteral("0c 01"), QStringLiteral("0c 02"), QStringLiteral("0c 03"),
                                         QStringLiteral("0c 04"), QStringLiteral("0c 00"), QStringLiteral("02 01"),
                                         QStringLiteral("0d 02"), QStringLiteral("0d 03"), QStringLiteral("0d 04")}));
        QSettings global(m_root->file(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
        QCOMPARE(global.value(QStringLiteral("mouse/profileNo")).toInt(), 1);

        QFile::remove(tracePath());
        r = ctl({QStringLiteral("--simulate=keyboard"), QStringLiteral("--virtual-time"), QStringLiteral("--trace"),
                 tracePath(), QStringLiteral("apply-profile"), QStringLiteral("2")});
        QCOMPARE(r.code, 0);
        // Key functions, the first lighting picture, the effect and the seven colours.
        QCOMPARE(opcodes(), (QStringList{QStringLiteral("0d 00"), QStringLiteral("12 00"), QStringLiteral("08 00"),
                                         QStringLiteral("14 00"), QStringLiteral("14 00"), QStringLiteral("14 00"),
                                         QStringLiteral("14 00"), QStringLiteral("14 00"), QStringLiteral("14 00"),
                                         QStringLiteral("14 00")}));
    }

    void deviceMissingIsAFailure()
    {
        const Run none = ctl({QStringLiteral("--simulate=mouse"), QStringLiteral("--device"), QStringLiteral("0"),
                              QStringLiteral("call"), QStringLiteral("hid.hidARM_13H_RecoveryData")});
        QCOMPARE(none.code, 1);
        QCOMPARE(none.err.count('\n'), 1);

        const Run warn = ctl({QStringLiteral("warn"), QStringLiteral("hello")});
        QCOMPARE(warn.code, 1);
        QVERIFY(warn.err.startsWith("quorixctl: "));
    }

    // Exit 0 with nothing sent made a failed login-time restore look fine.
    void aFailedTransferIsAFailure()
    {
        QSettings list(m_root->file(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
        list.setValue(QStringLiteral("0/reportLength"), 0);
        list.sync();
        const Run r = ctl({QStringLiteral("--simulate=keyboard"), QStringLiteral("--virtual-time"),
                           QStringLiteral("apply-profile"), QStringLiteral("1")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        const QByteArray reason = r.err.trimmed().split('\n').last();
        QVERIFY2(reason.startsWith("quorixctl: ") && reason.contains("failed"), r.err.constData());

        const Run call = ctl({QStringLiteral("--simulate=keyboard"), QStringLiteral("--virtual-time"), QStringLiteral("call"),
                              QStringLiteral("hid.keyboard_0DH_SetKeyMatrix"), QStringLiteral("[1,2,3]")});
        QCOMPARE(call.code, 1);
    }

    // An interrupt ends any command, not only the monitor.
    void interruptsEndEveryCommand()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        p.setProcessEnvironment(env);
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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), prefix.filePath(QStringLiteral("file/data")));
        p.setProcessEnvironment(env);
        p.start(bin + QStringLiteral("/quorixctl"), {QStringLiteral("devices")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains("cannot use the data root " + prefix.filePath(QStringLiteral("file/data/" QUORIX_APP_NAME)).toLocal8Bit()),
                 err.constData());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        const QString sim = QStringLiteral("--simulate");
        const QString tr = QStringLiteral("--trace");
        const QString call = QStringLiteral("call");
        QTest::newRow("no command") << QStringList{sim};
        QTest::newRow("unknown command") << QStringList{sim, QStringLiteral("frobnicate")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast"), QStringLiteral("devices")};
        QTest::newRow("unknown object") << QStringList{sim, call, QStringLiteral("gui.show")};
        QTest::newRow("unknown slot") << QStringList{sim, call, QStringLiteral("hid.noSuchSlot")};
        QTest::newRow("argument count") << QStringList{sim, call, QStringLiteral("hid.hid553_01H_SetReportRate")};
        QTest::newRow("argument type") << QStringList{sim, call, QStringLiteral("hid.hid553_01H_SetReportRate"), QStringLiteral("\"two\"")};
        QTest::newRow("byte out of range") << QStringList{sim, call, QStringLiteral("hid.hid553_01H_SetReportRate"), QStringLiteral("256")};
        QTest::newRow("buffer too long") << QStringList{sim, call, QStringLiteral("hid.hid553_0CH_SetFixLEDColor"), QStringLiteral("[1,2,3,4]")};
        QTest::newRow("malformed JSON") << QStringList{sim, call, QStringLiteral("hid.hid553_01H_SetReportRate"), QStringLiteral("[1,")};
        QTest::newRow("virtual time alone") << QStringList{QStringLiteral("--virtual-time"), QStringLiteral("devices")};
        QTest::newRow("device out of range") << QStringList{sim, QStringLiteral("--device"), QStringLiteral("7"), call, QStringLiteral("hid.hidARM_13H_RecoveryData")};
        QTest::newRow("mouse family") << QStringList{sim, QStringLiteral("--mouse-family"), QStringLiteral("999"), QStringLiteral("devices")};
        QTest::newRow("profile slot") << QStringList{sim, QStringLiteral("apply-profile"), QStringLiteral("10")};
        QTest::newRow("bad script line") << QStringList{sim, QStringLiteral("script"), QStringLiteral("-")};
        QTest::newRow("dialog slot without a file") << QStringList{sim, call, QStringLiteral("ui_View.saveProfile"), QStringLiteral("1")};
        QTest::newRow("import from a missing file")
            << QStringList{sim, QStringLiteral("--file"), m_tmp.filePath(QStringLiteral("missing.pf")), call,
                           QStringLiteral("ui_View.loadProfile"), QStringLiteral("2")};
        Q_UNUSED(tr)
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QStringList withTrace = args;
        withTrace.insert(0, tracePath());
        withTrace.insert(0, QStringLiteral("--trace"));
        const Run r = ctl(withTrace, "hid.hidARM_13H_RecoveryData\nhid.hidARM_13H_RecoveryData 1 2\n");
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith("quorixctl: ") && r.err.count('\n') == 1, r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(ofOp(trace(), QStringLiteral("send-feature")).isEmpty());
    }

    // A profile exported and imported through --file is the same file byte for
    // byte; a script that needs a dialog fails before its first line runs.
    void fileAnswersTheDialogs()
    {
        const QString slot1 = m_root->file(QStringLiteral("modules/setting/p2.bin"));
        {
            QSettings edited(slot1, QSettings::IniFormat);
            edited.setValue(QStringLiteral("mouse/reportRate"), 2);
        }
        const QString exported = m_tmp.filePath(QStringLiteral("fps.pf"));
        Run r = ctl({QStringLiteral("--file"), exported, QStringLiteral("call"), QStringLiteral("ui_View.saveProfile"),
                     QStringLiteral("1")});
        QCOMPARE(r.code, 0);
        const auto bytes = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QVERIFY(!bytes(exported).isEmpty());
        QCOMPARE(bytes(exported), bytes(slot1));

        r = ctl({QStringLiteral("--file"), exported, QStringLiteral("call"), QStringLiteral("ui_View.loadProfile"),
                 QStringLiteral("3")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), QByteArray("true"));
        QCOMPARE(bytes(m_root->file(QStringLiteral("modules/setting/p4.bin"))), bytes(exported));

        {
            QSettings kept(m_root->file(QStringLiteral("modules/setting/p5.bin")), QSettings::IniFormat);
            kept.setValue(QStringLiteral("mouse/reportRate"), 1);
        }
        const QByteArray before = bytes(m_root->file(QStringLiteral("modules/setting/p5.bin")));
        r = ctl({QStringLiteral("script"), QStringLiteral("-")},
                "ui_View.resetProfile 4\nui_View.loadMacroFile \"m\"\n");
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("--file"), r.err.constData());
        QCOMPARE(bytes(m_root->file(QStringLiteral("modules/setting/p5.bin"))), before);
    }

    void warnReachesTheRunningProgram()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_tmp.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(env);
        QByteArray log;
        connect(&program, &QProcess::readyReadStandardError, this, [&] { log += program.readAllStandardError(); });
        program.start(QStringLiteral(QUORIX_CONFIG_EXE), QStringList());
        QVERIFY(program.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("Device DisConnect"), 15000);

        const Run r = ctl({QStringLiteral("warn"), QStringLiteral("Profile restored")});
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
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("script");
        const QString call = QStringLiteral("call");
        QTest::newRow("read") << QStringList{call, QStringLiteral("ui_View.getData"), QStringLiteral("\"mouse/reportRate\""),
                                             QStringLiteral("false")} << QByteArray();
        QTest::newRow("write") << QStringList{call, QStringLiteral("ui_View.setDataList"), QStringLiteral("\"test/k\""),
                                              QStringLiteral("[1,\"b\",true]")} << QByteArray();
        QTest::newRow("gun data") << QStringList{call, QStringLiteral("ui_View.modifyGundata"), QStringLiteral("1"),
                                                 QStringLiteral("[\"g\",1,2,3,4,5]")} << QByteArray();
        QTest::newRow("macro script")
            << QStringList{QStringLiteral("script")}
            << QByteArray("# a macro made, filled and read back\n"
                          "ui_View.createMacroIni \"m\" 2\n"
                          "ui_View.saveMacroIni \"m\" [\"a\", \"b\"] 3\n"
                          "ui_View.loadMacroIni \"m\"\n"
                          "ui_View.setCurrentProfile 2\n"
                          "ui_View.getGlobalData \"mouse/profileNo\"\n");
        QTest::newRow("bad script line") << QStringList{QStringLiteral("script")}
                                         << QByteArray("ui_View.setData \"k\" 1\nui_View.getData \"k\"\n");
        QTest::newRow("dialog slot without a file") << QStringList{call, QStringLiteral("ui_View.saveProfile"), QStringLiteral("1")}
                                                    << QByteArray();
        QTest::newRow("device out of range") << QStringList{QStringLiteral("--device"), QStringLiteral("7"), call,
                                                            QStringLiteral("ui_View.getGunDataKey")} << QByteArray();
        QTest::newRow("slots") << QStringList{QStringLiteral("slots")} << QByteArray();
        QTest::newRow("slots of another") << QStringList{QStringLiteral("slots"), QStringLiteral("gui")} << QByteArray();
    }

    void bothHalvesAnswerSettingsCallsAlike()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, script);
        if (!script.isEmpty()) {
            QFile file(m_tmp.filePath(QStringLiteral("calls.txt")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(script);
            args << file.fileName();
        }
        const auto files = [](const QString& root) {
            QMap<QString, QByteArray> contents;
            QDirIterator it(root + QStringLiteral("/modules"), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile f(it.next());
                contents.insert(f.fileName().mid(root.size()), f.open(QIODevice::ReadOnly) ? f.readAll() : "?");
            }
            return contents;
        };
        const Run lite = ctl(args);
        const auto liteFiles = files(m_root->path());
        m_root.reset();
        m_root = std::make_unique<TestDataRoot>();
        const Run host = ctl(QStringList{QStringLiteral("--trace"), tracePath()} + args);
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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_tmp.path());
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

    void unreadableDataRoot()
    {
        QProcess p;
        p.start(QStringLiteral(QUORIXCTL_EXE), {QStringLiteral("--data"), m_tmp.filePath(QStringLiteral("nowhere")),
                                                QStringLiteral("devices")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("not a readable data root"));
    }
};

QTEST_GUILESS_MAIN(TestQuorixctl)
#include "tst_quorixctl.moc"
