#include "TestData.h"
#include "view/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kGlobal = "[common]\nname=Test\n[mouse]\nisColorful=true\nisGun=true\nicType=560\nis55328=false\n";

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataRoot> m_root;

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestDataRoot>();
        QVERIFY(m_root->isValid());
        writeFile(QStringLiteral("modules/setting/apConfig.bin"), kGlobal);
        writeFile(QStringLiteral("modules/setting/apConfigD.bin"), kGlobal + "[extra]\nfactory=1\n");
        writeFile(QStringLiteral("modules/setting/pD.bin"), "[mouse]\nreportRate=3\n");
        for (int i = 1; i <= 10; ++i)
            writeFile(QStringLiteral("modules/setting/p%1.bin").arg(i), "[mouse]\nreportRate=1\n");
    }

    void cleanup() { m_root.reset(); }

    void capabilityFlagsAreReadOnce()
    {
        SettingsStore store;
        QVERIFY(store.isColorful());
        QVERIFY(store.isGun());
        QVERIFY(store.is560());
        QVERIFY(!store.is55328());
        store.setGlobalData(QStringLiteral("mouse/icType"), QStringLiteral("553"));
        store.flush();
        QCOMPARE(store.controllerType(), QStringLiteral("560"));
        QCOMPARE(SettingsStore().controllerType(), QStringLiteral("553"));
    }

    // Lists, also of one element, are stored as plain text and read back as a restart reads them.
    void valuesBehaveAsIniStoresThem()
    {
        SettingsStore store;
        store.setDataList(QStringLiteral("list/one"), {QStringLiteral("a")});
        store.setDataList(QStringLiteral("list/two"), {1, 2});
        store.setData(QStringLiteral("value/invalid"), QVariant());
        store.flush();
        QVERIFY(store.getDataList(QStringLiteral("list/one"), false).isEmpty());
        const QByteArray file = readFile(QStringLiteral("modules/setting/p1.bin"));
        QVERIFY(file.contains("one=a\n"));
        QVERIFY(file.contains("two=1, 2\n"));
        QVERIFY(file.contains("invalid=@Invalid()"));
        SettingsStore again;
        QCOMPARE(again.getData(QStringLiteral("list/one"), false).toString(), QStringLiteral("a"));
        QCOMPARE(again.getDataList(QStringLiteral("list/two"), false), QVariantList({QStringLiteral("1"), QStringLiteral("2")}));
        QVERIFY(!again.getData(QStringLiteral("value/invalid"), false).isValid());
    }

    void currentSlotRoutesReadsAndWrites()
    {
        SettingsStore store;
        QCOMPARE(store.currentProfile(), 0);
        QVERIFY(store.setCurrentProfile(3));
        store.setData(QStringLiteral("mouse/reportRate"), 2);
        store.flush();
        QVERIFY(readFile(QStringLiteral("modules/setting/p4.bin")).contains("reportRate=2"));
        QVERIFY(readFile(QStringLiteral("modules/setting/p1.bin")).contains("reportRate=1"));
        QCOMPARE(store.getData(QStringLiteral("mouse/reportRate"), false).toInt(), 2);
        // The factory profile answers recovery reads whatever the current slot holds.
        QCOMPARE(store.getData(QStringLiteral("mouse/reportRate"), true).toInt(), 3);
        QVERIFY(store.setCurrentProfile(9));
        store.setData(QStringLiteral("k/v"), 1);
        store.flush();
        QVERIFY(readFile(QStringLiteral("modules/setting/p10.bin")).contains("v=1"));
        // Slots outside the range change nothing.
        QVERIFY(!store.setCurrentProfile(10));
        QVERIFY(!store.setCurrentProfile(-1));
        QCOMPARE(store.currentProfile(), 9);
        QVERIFY(!store.replaceProfile(10, QStringLiteral("modules/setting/pD.bin")));
    }


    void factoryFilesAreNeverWritten()
    {
        const QByteArray before = readFile(QStringLiteral("modules/setting/pD.bin"));
        {
            SettingsStore store;
            store.getData(QStringLiteral("mouse/reportRate"), true);
            store.setData(QStringLiteral("mouse/reportRate"), 0);
        }
        QCOMPARE(readFile(QStringLiteral("modules/setting/pD.bin")), before);
    }

    void resetApconfig()
    {
        SettingsStore store;
        store.setGlobalData(QStringLiteral("mouse/profileNo"), 4);
        // A pending write must not land on the restored file afterwards.
        QVERIFY(store.resetApconfig());
        store.flush();
        QCOMPARE(readFile(QStringLiteral("modules/setting/apConfig.bin")),
                 readFile(QStringLiteral("modules/setting/apConfigD.bin")));
        QVERIFY(!store.getGlobalData(QStringLiteral("mouse/profileNo")).isValid());

        // Without the factory copy the file stays as it is.
        writeFile(QStringLiteral("modules/setting/apConfig.bin"), kGlobal);
        QFile::remove(QStringLiteral("modules/setting/apConfigD.bin"));
        SettingsStore again;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot read .*apConfigD.bin")));
        QVERIFY(!again.resetApconfig());
        QCOMPARE(readFile(QStringLiteral("modules/setting/apConfig.bin")), kGlobal);
    }

    void anUnwritableFileLosesNothingElse()
    {
        // A directory where the slot file should be cannot be written, even by root.
        QFile::remove(QStringLiteral("modules/setting/p2.bin"));
        QVERIFY(QDir().mkpath(QStringLiteral("modules/setting/p2.bin")));
        SettingsStore store;
        QVERIFY(store.setCurrentProfile(1));
        store.setData(QStringLiteral("lost/value"), 1);
        store.setGlobalData(QStringLiteral("kept/value"), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot write settings file .*p2.bin")));
        store.flush();
        QVERIFY(readFile(QStringLiteral("modules/setting/apConfig.bin")).contains("value=2"));
        QCOMPARE(store.getData(QStringLiteral("lost/value"), false).toInt(), 1);
    }

    void flagsAreReadStrictly_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("gun");
        QTest::newRow("true") << QByteArray("true") << true;
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("false") << QByteArray("false") << false;
        QTest::newRow("NaN") << QByteArray("NaN") << false;
        QTest::newRow("@") << QByteArray("@") << false;
        QTest::newRow("yes") << QByteArray("yes") << false;
    }

    void flagsAreReadStrictly()
    {
        QFETCH(QByteArray, value);
        writeFile(QStringLiteral("modules/setting/apConfig.bin"), "[mouse]\nisGun=" + value + "\nisColorful=" + value + "\n");
        SettingsStore store;
        QTEST(store.isGun(), "gun");
        QTEST(store.isColorful(), "gun");
    }

    // A crash can leave an empty lock that names no owner; QSettings would wait
    // for it to grow 30 s old, on the GUI thread.
    void aStaleEmptyLockDelaysASaveAtMostASecond()
    {
        SettingsStore store;
        const QString lock = QFileInfo(SettingsStore::profilePath(0)).absoluteFilePath() + QStringLiteral(".lock");
        writeFile(lock, QByteArray());
        // Left by a crash a moment ago.
        QFile f(lock);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime));
        f.close();
        store.setData(QStringLiteral("mouse/reportRate"), 2);
        QElapsedTimer clock;
        clock.start();
        store.flush();
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(readFile(SettingsStore::profilePath(0)).contains("reportRate=2"));
        QVERIFY(!QFile::exists(lock));
    }

    void writesReachTheDiskOnTheNextEventLoopTurn()
    {
        SettingsStore store;
        store.setData(QStringLiteral("later/value"), 5);
        QVERIFY(!readFile(QStringLiteral("modules/setting/p1.bin")).contains("later"));
        QTRY_VERIFY(readFile(QStringLiteral("modules/setting/p1.bin")).contains("value=5"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
