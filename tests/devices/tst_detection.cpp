#include "devices/Detection.h"
#include "protocol/HidBackend.h"

#include <QTest>

namespace {

// Enumeration only: detection never opens anything.
class EnumeratingBackend : public HidBackend
{
public:
    QList<HidInterfaceInfo> interfaces;
    QList<QPair<quint16, quint16>> asked;

    QList<HidInterfaceInfo> enumerate(quint16 vid, quint16 pid) override
    {
        asked.append({vid, pid});
        QList<HidInterfaceInfo> out;
        for (const HidInterfaceInfo& i : interfaces)
            if (i.vendorId == vid && i.productId == pid)
                out.append(i);
        return out;
    }
    HidHandle* open(const QByteArray&) override { return nullptr; }
    int setNonblocking(HidHandle*, bool) override { return -1; }
    int sendFeatureReport(HidHandle*, const uchar*, std::size_t) override { return -1; }
    int getFeatureReport(HidHandle*, uchar*, std::size_t) override { return -1; }
    int write(HidHandle*, const uchar*, std::size_t) override { return -1; }
    int read(HidHandle*, uchar*, std::size_t) override { return -1; }
    int readTimeout(HidHandle*, uchar*, std::size_t, int) override { return -1; }
    void close(HidHandle*) override {}
};

// An interface of vendor 04d9 at /dev/hidrawN.
HidInterfaceInfo iface(int n, quint16 pid, quint16 page, quint16 usage)
{
    return {QByteArray("/dev/hidraw") + QByteArray::number(n), 0x04d9, pid, page, usage};
}

DeviceRecord record(quint16 pid, quint16 page, quint16 usage, quint16 page2, quint16 usage2)
{
    DeviceRecord r;
    r.vid = 0x04d9;
    r.pid = pid;
    std::tie(r.usagePage, r.usage, r.usagePage2, r.usage2) = std::tuple(page, usage, page2, usage2);
    r.path = r.path2 = QStringLiteral("stale");
    return r;
}

} // namespace

Q_DECLARE_METATYPE(HidInterfaceInfo)

class TestDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void locateInterfaces_data()
    {
        QTest::addColumn<QList<HidInterfaceInfo>>("interfaces");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("both devices present")
            << QList<HidInterfaceInfo>{iface(0, 0x8008, 0xff01, 0x0001), iface(1, 0x8008, 0xff02, 0x0001),
                                       iface(2, 0xa1ee, 0xff00, 0xff00), iface(3, 0xa1ee, 0xff01, 0xff01),
                                       iface(4, 0xa1ee, 0x0001, 0x0002), iface(5, 0x1234, 0xff01, 1)}
            << QStringList{"/dev/hidraw0 /dev/hidraw1", "/dev/hidraw2 /dev/hidraw3", "/dev/hidraw5 /dev/hidraw5"};
        // Absent interfaces leave empty paths, never the stale ones.
        QTest::newRow("absent interfaces") << QList<HidInterfaceInfo>{iface(0, 0x8008, 0xff01, 0x0001)}
                                           << QStringList{"/dev/hidraw0 ", " ", " "};
        // Later matches overwrite; one interface may fill both paths.
        QTest::newRow("later matches") << QList<HidInterfaceInfo>{iface(5, 0x1234, 0xff01, 1), iface(7, 0x1234, 0xff01, 1)}
                                       << QStringList{" ", " ", "/dev/hidraw7 /dev/hidraw7"};
    }

    void locateInterfaces()
    {
        QFETCH(QList<HidInterfaceInfo>, interfaces);
        EnumeratingBackend b;
        b.interfaces = interfaces;
        QList<DeviceRecord> list = {record(0x8008, 0xff01, 0x0001, 0xff02, 0x0001),
                                    record(0xa1ee, 0xff00, 0xff00, 0xff01, 0xff01),
                                    record(0x1234, 0xff01, 0x0001, 0xff01, 0x0001)};
        Detection::locateInterfaces(list, b);
        QStringList paths;
        for (const DeviceRecord& r : list)
            paths << r.path + QLatin1Char(' ') + r.path2;
        QTEST(paths, "paths");
        // One enumeration per record, filtered by vendor and product.
        QCOMPARE(b.asked, (QList<QPair<quint16, quint16>>{{0x04d9, 0x8008}, {0x04d9, 0xa1ee}, {0x04d9, 0x1234}}));
    }
};

QTEST_GUILESS_MAIN(TestDetection)
#include "tst_detection.moc"
