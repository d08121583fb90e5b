#include "devices/DeviceList.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Every field of a record in one line; "!" marks a report length no hidraw report can have.
QString describe(const DeviceRecord& r)
{
    const auto hex = [](quint16 v) { return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')); };
    return QStringLiteral("%1 %2:%3 %4/%5 %6/%7 %8%9 %10 %11")
        .arg(r.type).arg(hex(r.vid), hex(r.pid), hex(r.usagePage), hex(r.usage), hex(r.usagePage2), hex(r.usage2))
        .arg(r.hasValidReportLength() ? "" : "!").arg(r.reportLength).arg(r.isEncode ? "scrambled" : "plain", r.sCode);
}

// A list of one record.
QByteArray one(const QByteArray& group)
{
    return "[common]\ndeviceCount=1\nname=Title here\n[0]\n" + group;
}

const QString kDefault = QStringLiteral("-1 0000:0000 0000/0000 0000/0000 32 plain 418263");

} // namespace

class TestDeviceList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("records");
        QTest::newRow("keyboard as installed")
            << one("type=0\nvid=04d9\npid=8008\nusagePage=ff01\nusage=0001\nusagePage2=ff02\nusage2=0001\n"
                   "reportLength=64\nisEncode=false\nsCode=418263\n")
            << "0 04d9:8008 ff01/0001 ff02/0001 64 plain 418263";
        QTest::newRow("all absent") << one("x=0\n") << kDefault;
        QTest::newRow("type unreadable") << one("type=zz\n") << QString(kDefault).replace("-1", "0");
        QTest::newRow("hex, low 16 bits, 0x") << one("type=a\nvid=FFFF\npid=1ffff\nusagePage=0x04d9\n")
                                              << "10 ffff:ffff 04d9/0000 0000/0000 32 plain 418263";
        QTest::newRow("scrambled") << one("isEncode=true\nsCode=123\n") << "-1 0000:0000 0000/0000 0000/0000 32 scrambled 123";
        // Values that are not what their key holds take the default instead of a guess.
        QTest::newRow("NaN is not true") << one("isEncode=NaN\n") << kDefault;
        QTest::newRow("@ is not true") << one("isEncode=@\n") << kDefault;
        QTest::newRow("1 is true") << one("isEncode=1\n") << QString(kDefault).replace("plain", "scrambled");
        QTest::newRow("length not a number") << one("reportLength=64x\n") << kDefault;
        // Impossible lengths keep the record in its place (indices are group numbers), never served.
        QTest::newRow("largest hidraw report") << one("reportLength=16383\n") << QString(kDefault).replace(" 32 ", " 16383 ");
        QTest::newRow("one more") << one("reportLength=16384\n") << QString(kDefault).replace(" 32 ", " !16384 ");
        QTest::newRow("largest int") << one("reportLength=2147483647\n") << QString(kDefault).replace(" 32 ", " !2147483647 ");
        QTest::newRow("zero") << one("reportLength=0\n") << QString(kDefault).replace(" 32 ", " !0 ");
        QTest::newRow("negative") << one("reportLength=-1\n") << QString(kDefault).replace(" 32 ", " !-1 ");
        // The list is read on every detection pass: a lying count must cost nothing. A missing
        // group would match every HID interface of the machine; the list ends there.
        const QByteArray groups = "\n[0]\ntype=1\n[1]\ntype=0\n[5]\ntype=0\n";
        const QString two = QString(kDefault).replace("-1", "1") + " | " + QString(kDefault).replace("-1", "0");
        QTest::newRow("count beyond the groups") << "[common]\ndeviceCount=3" + groups << two;
        QTest::newRow("count largest int") << "[common]\ndeviceCount=2147483647" + groups << two;
        QTest::newRow("count below the groups") << "[common]\ndeviceCount=1" + groups << two.section(" | ", 0, 0);
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("no common") << QByteArray("[0]\ntype=0\n") << QString();
        QTest::newRow("zero count") << QByteArray("[common]\ndeviceCount=0\n[0]\ntype=0\n") << QString();
        QTest::newRow("negative count") << QByteArray("[common]\ndeviceCount=-3\n") << QString();
        QTest::newRow("garbage") << QByteArray::fromHex("00ff135b5b5b3d0a3d3d0a8081") << QString();
    }

    void read()
    {
        QFETCH(QByteArray, file);
        // A file of its own each: QSettings would take a same-sized rewrite in the same second for the old one.
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".bin"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        f.close();
        QStringList records;
        for (const DeviceRecord& r : DeviceList::read(path)) {
            QVERIFY(r.path.isEmpty() && r.path2.isEmpty());
            records << describe(r);
        }
        QTEST(records.join(QStringLiteral(" | ")), "records");
        QCOMPARE(DeviceList::readTitle(path), QString(file.contains("name=") ? "Title here" : ""));
        QVERIFY(DeviceList::read(m_dir.filePath(QStringLiteral("absent.bin"))).isEmpty());
        // Each read sees the file as it is now.
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("[common]\ndeviceCount=0\n") > 0);
        f.close();
        QVERIFY(DeviceList::read(path).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
