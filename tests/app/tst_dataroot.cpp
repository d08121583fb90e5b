#include "app/DataRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path, const QByteArray& bytes = "x=1\n")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestDataRoot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void portableWhenTheExecutableFolderHoldsTheSettings()
    {
        QTemporaryDir exe;
        touch(exe.filePath(QStringLiteral("modules/setting/apConfig.bin")));
        const DataRoot::Choice c = DataRoot::choose(exe.path(), QStringLiteral("/nonexistent/home"));
        QCOMPARE(c.mode, DataRoot::Mode::Portable);
        QCOMPARE(c.path, QDir::cleanPath(exe.path()));
        // A portable root is used as it is: nothing is copied or created.
        QVERIFY(DataRoot::ensure(c, QStringLiteral("/nonexistent/factory")));
    }

    void installedOtherwise()
    {
        QTemporaryDir exe;
        touch(exe.filePath(QStringLiteral("modules/setting/other.bin")));
        const DataRoot::Choice c = DataRoot::choose(exe.path(), QStringLiteral("/home/u/.local/share"));
        QCOMPARE(c.mode, DataRoot::Mode::Installed);
        QCOMPARE(c.path, QStringLiteral("/home/u/.local/share/" QUORIX_APP_NAME));
        QCOMPARE(DataRoot::factoryModules(QStringLiteral("/usr/bin")),
                 QStringLiteral("/usr/share/" QUORIX_APP_NAME "/modules"));
    }

    void firstStartCopiesTheFactoryTreeOnce()
    {
        QTemporaryDir prefix;
        const QString factory = prefix.filePath(QStringLiteral("share/modules"));
        touch(factory + QStringLiteral("/setting/apConfig.bin"), "[common]\nname=A\n");
        touch(factory + QStringLiteral("/i18n/English.ini"), "[main]\ntotal=0\n");
        QFile::setPermissions(factory + QStringLiteral("/setting/apConfig.bin"), QFile::ReadOwner | QFile::ReadOther);
        QTemporaryDir home;
        const DataRoot::Choice c = DataRoot::choose(prefix.filePath(QStringLiteral("bin")), home.path());
        QVERIFY(DataRoot::ensure(c, factory));
        const QString copied = c.path + QStringLiteral("/modules/setting/apConfig.bin");
        QVERIFY(QFileInfo::exists(copied));
        QVERIFY(QFileInfo::exists(c.path + QStringLiteral("/modules/i18n/English.ini")));
        QVERIFY(QFileInfo(copied).permissions() & QFile::WriteOwner);

        // An existing root is the user's: a later start never copies over it.
        touch(copied, "[common]\nname=Mine\n");
        QVERIFY(DataRoot::ensure(c, factory));
        QFile f(copied);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[common]\nname=Mine\n"));
    }

    void aMissingFactoryTreeLeavesNoHalfRoot()
    {
        QTemporaryDir home;
        const DataRoot::Choice c = DataRoot::choose(QStringLiteral("/nonexistent/bin"), home.path());
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("Cannot create the settings folder")));
        QVERIFY(!DataRoot::ensure(c, QStringLiteral("/nonexistent/share/modules")));
        QVERIFY(!QFileInfo::exists(c.path));
        QVERIFY(!QFileInfo::exists(c.path + QStringLiteral(".partial")));
    }
};

QTEST_GUILESS_MAIN(TestDataRoot)
#include "tst_dataroot.moc"
