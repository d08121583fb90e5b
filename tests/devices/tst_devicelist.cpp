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
        QTest::newRow("all but one absent") << QByteArray("usage=0\n") << -1 << 0 << 32 << false << "418263";
        QTest::newRow("type unreadable") << QByteArray("type=zz\n") << 0 << 0 << 32 << false << "418263";
        QTest::newRow("hex with letters") << QByteArray("type=a\nvid=FFFF\n") << 10 << 0xffff << 32 << false << "418263";
        QTest::newRow("low 16 bits kept") << QByteArray("vid=1ffff\n") << -1 << 0xffff << 32 << false << "418263";
        QTest::newRow("0x prefix accepted") << QByteArray("vid=0x04d9\n") << -1 << 0x04d9 << 32 << false << "418263";
        QTest::newRow("non-positive length passed on") << QByteArray("reportLength=0\n") << -1 << 0 << 0 << false << "418263";
        QTest::newRow("scrambled") << QByteArray("isEncode=true\nsCode=123\n") << -1 << 0 << 32 << true << "123";
        // Values that are not what their key holds take the default instead of a guess.
        QTest::newRow("NaN is not true") << QByteArray("isEncode=NaN\n") << -1 << 0 << 32 << false << "418263";
        QTest::newRow("@ is not true") << QByteArray("isEncode=@\n") << -1 << 0 << 32 << false << "418263";
        QTest::newRow("1 is true") << QByteArray("isEncode=1\n") << -1 << 0 << 32 << true << "418263";
        QTest::newRow("length not a number") << QByteArray("reportLength=64x\n") << -1 << 0 << 32 << false << "418263";
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

    void countsAreBoundedByTheGroupsPresent_data()
    {
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<int>("records");
        QTest::newRow("one more than present") << QByteArray("3") << 2;
        QTest::newRow("largest int") << QByteArray("2147483647") << 2;
        QTest::newRow("fewer than present") << QByteArray("1") << 1;
    }

    // The list is read on every detection pass: a lying count must cost nothing.
    // A missing group would match every HID interface of the machine; the list ends there.
    void countsAreBoundedByTheGroupsPresent()
    {
        QFETCH(QByteArray, count);
        const QString path = write("[common]\ndeviceCount=" + count + "\n[0]\ntype=1\nvid=04d9\n[1]\ntype=0\n[5]\ntype=0\n");
        const QList<DeviceRecord> list = DeviceList::read(path);
        QTEST(int(list.size()), "records");
        QCOMPARE(list[0].vid, quint16(0x04d9));
    }

    void impossibleReportLengthsMakeTheRecordUnservable_data()
    {
        QTest::addColumn<QByteArray>("length");
        QTest::addColumn<bool>("valid");
        QTest::newRow("keyboard") << QByteArray("64") << true;
        QTest::newRow("largest hidraw report") << QByteArray("16383") << true;
        QTest::newRow("one more") << QByteArray("16384") << false;
        QTest::newRow("largest int") << QByteArray("2147483647") << false;
        QTest::newRow("zero") << QByteArray("0") << false;
        QTest::newRow("negative") << QByteArray("-1") << false;
    }

    void impossibleReportLengthsMakeTheRecordUnservable()
    {
        QFETCH(QByteArray, length);
        const QString path = write("[common]\ndeviceCount=2\n[0]\nreportLength=" + length + "\n[1]\ntype=1\n");
        const QList<DeviceRecord> list = DeviceList::read(path);
        // The record keeps its place: indices are group numbers.
        QCOMPARE(list.size(), 2);
        QTEST(list[0].hasValidReportLength(), "valid");
        QVERIFY(list[1].hasValidReportLength());
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
