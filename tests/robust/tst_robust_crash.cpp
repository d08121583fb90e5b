#include "FileTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A data root whose every file differs from every other, so any mix-up shows.
Files prepare(const QString& root)
{
    for (int slot = 1; slot <= 10; ++slot)
        writeFile(root + QStringLiteral("/modules/setting/p%1.bin").arg(slot),
                  QStringLiteral("[slot]\nnumber=%1\n").arg(slot).toLatin1() + QByteArray(slot * 100, 'x') + "\n");
    writeFile(root + QStringLiteral("/modules/setting/pD.bin"), "[slot]\nnumber=factory\n");
    writeFile(root + QStringLiteral("/modules/setting/apConfig.bin"), "[mouse]\nicType=553\n[user]\nedited=1\n");
    writeFile(root + QStringLiteral("/modules/setting/apConfigD.bin"), "[mouse]\nicType=553\n");
    writeFile(root + QStringLiteral("/import.pf"), "[slot]\nnumber=imported\n");
    writeFile(root + QStringLiteral("/out/export.pf"), "an earlier export\n");
    writeFile(root + QStringLiteral("/out/export.pf.new"), "a file of the user's\n");
    return snapshot(root);
}

} // namespace

// A slot file is replaced by copy, reset, import, export and the global file by
// its reset. Killed at any step of that, every file afterwards holds either its
// old or its new content, and none is missing.
class TestRobustCrash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedAtEachStep_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("source");
        QTest::newRow("copy") << "copy" << "modules/setting/p2.bin" << "modules/setting/p5.bin";
        QTest::newRow("reset") << "reset" << "modules/setting/p3.bin" << "modules/setting/pD.bin";
        QTest::newRow("import") << "import" << "modules/setting/p4.bin" << "import.pf";
        QTest::newRow("export") << "export" << "out/export.pf" << "modules/setting/p6.bin";
        QTest::newRow("reset global") << "resetApconfig" << "modules/setting/apConfig.bin"
                                      << "modules/setting/apConfigD.bin";
    }

    void killedAtEachStep()
    {
        QFETCH(QString, operation);
        QFETCH(QString, target);
        QFETCH(QString, source);
        int killAt = 1;
        for (;; ++killAt) {
            QVERIFY2(killAt < 20, "the operation never ends");
            QTemporaryDir dir;
            QVERIFY(dir.isValid());
            const Files before = prepare(dir.path());
            QProcess child;
            child.start(QStringLiteral(ROBUST_CRASHCHILD), {operation, QString::number(killAt), dir.path()});
            QVERIFY(child.waitForFinished(20000));
            const bool killed = child.exitStatus() == QProcess::CrashExit;
            if (!killed)
                QCOMPARE(child.exitCode(), 0);

            const Files after = snapshot(dir.path());
            for (auto it = before.begin(); it != before.end(); ++it) {
                const QString& name = it.key();
                QVERIFY2(after.contains(name), qPrintable(QStringLiteral("step %1: %2 is gone").arg(killAt).arg(name)));
                const QByteArray& now = after[name];
                const bool old = now == it.value();
                const bool replaced = name == target && now == before[source];
                QVERIFY2(old || replaced, qPrintable(QStringLiteral("step %1: %2 is neither old nor new").arg(killAt).arg(name)));
                if (!killed && name == target)
                    QVERIFY(replaced);
            }
            // The only other files are the copy's own, hidden beside its target.
            for (auto it = after.begin(); it != after.end(); ++it) {
                if (before.contains(it.key()))
                    continue;
                QVERIFY2(killed, qPrintable(QStringLiteral("left behind: %1").arg(it.key())));
                const QFileInfo extra(it.key());
                QCOMPARE(extra.path(), QFileInfo(target).path());
                QVERIFY(extra.fileName().startsWith(QLatin1Char('.') + QFileInfo(target).fileName() + QLatin1Char('.')));
            }
            if (!killed)
                break;
        }
        // write, sync, rename, folder sync: each was a place to die.
        QCOMPARE(killAt, 5);
    }
};

QTEST_GUILESS_MAIN(TestRobustCrash)
#include "tst_robust_crash.moc"
