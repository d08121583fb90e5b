#include "devices/DeviceList.h"

#include <QTemporaryDir>
#include <QTest>

class TestDeviceList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray& ini)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QStringLiteral("list%1.bin").arg(++n));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(ini) != ini.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void installedList()
    {
        const QString path = write("[common]\ndeviceCount=2\nname=Title here\n"
                                   "[0]\ntype=0\nvid=04d9\npid=8008\nusagePage=ff01\nusage=0001\n"
                                   "usagePage2=ff02\nusage2=0001\nreportLength=64\nisEncode=false\nsCode=418263\n"
                                   "[1]\ntype=1\nvid=04d9\npid=a1ee\nusagePage=ff00\nusage=ff00\n"
                                   "usagePage2=ff01\nusage2=ff01\nreportLength=32\n");
        const QList<DeviceRecord> list = DeviceList::read(path);
        QCOMPARE(list.size(), 2);
        const DeviceRecord& kb = list[0];
        QCOMPARE(kb.type, 0);
        QCOMPARE(kb.vid, quint16(0x04d9));
        QCOMPARE(kb.pid, quint16(0x8008));
        QCOMPARE(kb.usagePage, quint16(0xff01));
        QCOMPARE(kb.usage, quint16(0x0001));
        QCOMPARE(kb.usagePage2, quint16(0xff02));
        QCOMPARE(kb.usage2, quint16(0x0001));
        QCOMPARE(kb.reportLength, 64);
        QCOMPARE(kb.isEncode, false);
        QCOMPARE(kb.sCode, QStringLiteral("418263"));
        QVERIFY(kb.path.isEmpty() && kb.path2.isEmpty());
        const DeviceRecord& ms = list[1];
        QCOMPARE(ms.type, 1);
        QCOMPARE(ms.pid, quint16(0xa1ee));
        QCOMPARE(ms.usagePage, quint16(0xff00));
        QCOMPARE(ms.usage2, quint16(0xff01));
        QCOMPARE(ms.reportLength, 32);
        QCOMPARE(DeviceList::readTitle(path), QStringLiteral("Title here"));
    }

    void defaultsAndBase16_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("reportLength");
        QTest::addColumn<bool>("isEncode");
        QTest::addColumn<QString>("sCode");
        QTest::newRow("all absent") << QByteArray() << -1 << 0 << 32 << false << "418263";
        QTest::newRow("type unreadable") << QByteArray("type=zz\n") << 0 << 0 << 32 << false << "418263";
        QTest::newRow("hex with letters") << QByteArray("type=a\nvid=FFFF\n") << 10 << 0xffff << 32 << false << "418263";
        QTest::newRow("low 16 bits kept") << QByteArray("vid=1ffff\n") << -1 << 0xffff << 32 << false << "418263";
        QTest::newRow("0x prefix accepted") << QByteArray("vid=0x04d9\n") << -1 << 0x04d9 << 32 << false << "418263";
        QTest::newRow("non-positive length passed on") << QByteArray("reportLength=0\n") << -1 << 0 << 0 << false << "418263";
        QTest::newRow("scrambled") << QByteArray("isEncode=true\nsCode=123\n") << -1 << 0 << 32 << true << "123";
    }

    void defaultsAndBase16()
    {
        QFETCH(QByteArray, group);
        const QString path = write("[common]\ndeviceCount=1\n[0]\n" + group);
        const QList<DeviceRecord> list = DeviceList::read(path);
        QCOMPARE(list.size(), 1);
        QTEST(list[0].type, "type");
        QTEST(int(list[0].vid), "vid");
        QTEST(list[0].reportLength, "reportLength");
        QTEST(list[0].isEncode, "isEncode");
        QTEST(list[0].sCode, "sCode");
    }

    void missingOrGarbledFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no common") << QByteArray("[0]\ntype=0\n");
        QTest::newRow("zero count") << QByteArray("[common]\ndeviceCount=0\n[0]\ntype=0\n");
        QTest::newRow("negative count") << QByteArray("[common]\ndeviceCount=-3\n");
        QTest::newRow("garbage") << QByteArray::fromHex("00ff135b5b5b3d0a3d3d0a8081");
    }

    void missingOrGarbledFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = write(content);
        QVERIFY(DeviceList::read(path).isEmpty());
        QVERIFY(DeviceList::read(m_dir.filePath(QStringLiteral("absent.bin"))).isEmpty());
        QVERIFY(DeviceList::readTitle(m_dir.filePath(QStringLiteral("absent.bin"))).isEmpty());
    }

    void countBeyondGroupsGivesEmptyRecords()
    {
        const QString path = write("[common]\ndeviceCount=3\n[0]\ntype=1\nvid=04d9\n");
        const QList<DeviceRecord> list = DeviceList::read(path);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[1].vid, quint16(0));
        QCOMPARE(list[2].pid, quint16(0));
        QCOMPARE(list[2].type, -1);
    }

    void eachReadSeesTheFileAsItIsNow()
    {
        const QString path = write("[common]\ndeviceCount=1\n[0]\ntype=0\n");
        QCOMPARE(DeviceList::read(path).size(), 1);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[common]\ndeviceCount=2\n[0]\ntype=0\n[1]\ntype=1\n");
        f.close();
        QCOMPARE(DeviceList::read(path).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
