#include "devices/DeviceList.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Every field of a record in one line, so a table row states a whole record.
QString describe(const DeviceRecord& r)
{
    return QStringLiteral("%1 %2:%3 %4/%5 %6/%7 %8 %9 %10")
        .arg(r.type)
        .arg(r.vid, 4, 16, QLatin1Char('0')).arg(r.pid, 4, 16, QLatin1Char('0'))
        .arg(r.usagePage, 4, 16, QLatin1Char('0')).arg(r.usage, 4, 16, QLatin1Char('0'))
        .arg(r.usagePage2, 4, 16, QLatin1Char('0')).arg(r.usage2, 4, 16, QLatin1Char('0'))
        .arg(r.reportLength).arg(r.isEncode ? "scrambled" : "plain", r.sCode);
}

} // namespace

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
    void records_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QString>("record");
        QTest::newRow("keyboard as installed")
            << QByteArray("type=0\nvid=04d9\npid=8008\nusagePage=ff01\nusage=0001\nusagePage2=ff02\nusage2=0001\n"
                          "reportLength=64\nisEncode=false\nsCode=418263\n")
            << "0 04d9:8008 ff01/0001 ff02/0001 64 plain 418263";
        QTest::newRow("all absent") << QByteArray("x=0\n") << "-1 0000:0000 0000/0000 0000/0000 32 plain 418263";
        QTest::newRow("type unreadable") << QByteArray("type=zz\n") << "0 0000:0000 0000/0000 0000/0000 32 plain 418263";
        QTest::newRow("hex, low 16 bits, 0x")
            << QByteArray("type=a\nvid=FFFF\npid=1ffff\nusagePage=0x04d9\n")
            << "10 ffff:ffff 04d9/0000 0000/0000 32 plain 418263";
        QTest::newRow("scrambled") << QByteArray("isEncode=true\nsCode=123\n")
                                   << "-1 0000:0000 0000/0000 0000/0000 32 scrambled 123";
        // Values that are not what their key holds take the default instead of a guess.
        QTest::newRow("NaN is not true") << QByteArray("isEncode=NaN\n") << "-1 0000:0000 0000/0000 0000/0000 32 plain 418263";
        QTest::newRow("@ is not true") << QByteArray("isEncode=@\n") << "-1 0000:0000 0000/0000 0000/0000 32 plain 418263";
        QTest::newRow("1 is true") << QByteArray("isEncode=1\n") << "-1 0000:0000 0000/0000 0000/0000 32 scrambled 418263";
        QTest::newRow("length not a number") << QByteArray("reportLength=64x\n") << "-1 0000:0000 0000/0000 0000/0000 32 plain 418263";
    }

    void records()
    {
        QFETCH(QByteArray, group);
        const QString path = write("[common]\ndeviceCount=1\nname=Title here\n[0]\n" + group);
        const QList<DeviceRecord> list = DeviceList::read(path);
        QCOMPARE(list.size(), 1);
        QTEST(describe(list[0]), "record");
        QVERIFY(list[0].path.isEmpty() && list[0].path2.isEmpty());
        QCOMPARE(DeviceList::readTitle(path), QStringLiteral("Title here"));
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
        QVERIFY(DeviceList::read(write(content)).isEmpty());
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
