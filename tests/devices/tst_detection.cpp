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

DeviceRecord record(quint16 pid, quint16 page, quint16 usage, quint16 page2, quint16 usage2)
{
    DeviceRecord r;
    r.vid = 0x04d9;
    r.pid = pid;
    r.usagePage = page;
    r.usage = usage;
    r.usagePage2 = page2;
    r.usage2 = usage2;
    return r;
}

HidInterfaceInfo iface(const char* path, quint16 pid, quint16 page, quint16 usage)
{
    return {QByteArray(path), 0x04d9, pid, page, usage};
}

} // namespace

class TestDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bothDevicesPresent()
    {
        EnumeratingBackend b;
        b.interfaces = {iface("/dev/hidraw0", 0x8008, 0xff01, 0x0001), iface("/dev/hidraw1", 0x8008, 0xff02, 0x0001),
                        iface("/dev/hidraw2", 0xa1ee, 0xff00, 0xff00), iface("/dev/hidraw3", 0xa1ee, 0xff01, 0xff01),
                        iface("/dev/hidraw4", 0xa1ee, 0x0001, 0x0002)};
        QList<DeviceRecord> list = {record(0x8008, 0xff01, 0x0001, 0xff02, 0x0001),
                                    record(0xa1ee, 0xff00, 0xff00, 0xff01, 0xff01)};
        Detection::locateInterfaces(list, b);
        QCOMPARE(list[0].path, QStringLiteral("/dev/hidraw0"));
        QCOMPARE(list[0].path2, QStringLiteral("/dev/hidraw1"));
        QCOMPARE(list[1].path, QStringLiteral("/dev/hidraw2"));
        QCOMPARE(list[1].path2, QStringLiteral("/dev/hidraw3"));
        // One enumeration per record, filtered by vendor and product.
        QCOMPARE(b.asked.size(), 2);
        QCOMPARE(b.asked[1], qMakePair(quint16(0x04d9), quint16(0xa1ee)));
    }

    void laterMatchesOverwriteAndOneInterfaceMayFillBoth()
    {
        EnumeratingBackend b;
        b.interfaces = {iface("/dev/hidraw5", 0x8008, 0xff01, 0x0001), iface("/dev/hidraw7", 0x8008, 0xff01, 0x0001)};
        QList<DeviceRecord> list = {record(0x8008, 0xff01, 0x0001, 0xff01, 0x0001)};
        Detection::locateInterfaces(list, b);
        QCOMPARE(list[0].path, QStringLiteral("/dev/hidraw7"));
        QCOMPARE(list[0].path2, QStringLiteral("/dev/hidraw7"));
    }

    void absentInterfacesLeaveEmptyPaths()
    {
        EnumeratingBackend b;
        b.interfaces = {iface("/dev/hidraw0", 0x8008, 0xff01, 0x0001)};
        QList<DeviceRecord> list = {record(0x8008, 0xff01, 0x0001, 0xff02, 0x0001),
                                    record(0xa1ee, 0xff00, 0xff00, 0xff01, 0xff01)};
        list[1].path = QStringLiteral("stale");
        list[1].path2 = QStringLiteral("stale");
        Detection::locateInterfaces(list, b);
        QCOMPARE(list[0].path, QStringLiteral("/dev/hidraw0"));
        QVERIFY(list[0].path2.isEmpty());
        QVERIFY(list[1].path.isEmpty());
        QVERIFY(list[1].path2.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDetection)
#include "tst_detection.moc"
