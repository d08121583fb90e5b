#include "app/ResidentMemory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Resident kB of the mapping that starts at `start`, from this process's smaps.
qint64 residentKb(const void* start)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = QByteArray::number(reinterpret_cast<quintptr>(start), 16) + '-';
    bool inside = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        // A mapping's header starts "start-end "; its fields start "Name:".
        const int dash = line.indexOf('-'), space = line.indexOf(' ');
        if (dash > 0 && space > dash)
            inside = line.startsWith(head);
        else if (inside && line.startsWith("Rss:"))
            return line.mid(4).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

class TestResidentMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyFilePagesThatReadBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("releasable");
        QTest::newRow("library code") << QByteArray("7f1a2000-7f1b4000 r-xp 00022000 fe:01 1312 /usr/lib/libQt6Quick.so.6")
                                      << true;
        QTest::newRow("path with spaces") << QByteArray("1000-3000 r--p 00000000 fe:01 77 /opt/My Fonts/a b.ttf") << true;
        QTest::newRow("private data") << QByteArray("1000-3000 rw-p 00001000 fe:01 1312 /usr/lib/libfoo.so") << true;
        QTest::newRow("heap") << QByteArray("55d0e000-55d2f000 rw-p 00000000 00:00 0 [heap]") << false;
        QTest::newRow("anonymous") << QByteArray("7f00000-7f10000 rw-p 00000000 00:00 0 ") << false;
        QTest::newRow("script heap") << QByteArray("1000-3000 rw-p 00000000 00:01 9 /memfd:JSGCHeap:QtQml (deleted)")
                                     << false;
        QTest::newRow("deleted file") << QByteArray("1000-3000 r--p 00000000 fe:01 12 /tmp/old.so (deleted)") << false;
        QTest::newRow("device") << QByteArray("1000-3000 rw-s 00000000 00:05 4 /dev/dri/card0") << false;
        QTest::newRow("shared writable") << QByteArray("1000-3000 rw-s 00000000 fe:01 12 /home/u/shared.bin") << false;
        QTest::newRow("guard") << QByteArray("1000-3000 ---p 00000000 fe:01 12 /usr/lib/libfoo.so") << false;
        QTest::newRow("garbage") << QByteArray("not a maps line /usr/lib/x") << false;
    }

    void onlyFilePagesThatReadBackUnchanged()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, releasable);
        QCOMPARE(ResidentMemory::isReleasable(line), releasable);
    }

    void filePagesLeaveAndComeBackIntactAnonymousOnesStay()
    {
        constexpr qint64 kSize = 4 * 1024 * 1024;
        // Named: an unnamed temporary file counts as deleted, and deleted files stay.
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("mapped.bin")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray content(kSize, Qt::Uninitialized);
        for (qint64 i = 0; i < kSize; ++i)
            content[i] = static_cast<char>((i * 131) >> 7);
        QCOMPARE(file.write(content), kSize);
        QVERIFY(file.flush());
        // Dirty pages would wait for write-back; a library's are clean.
        QCOMPARE(fsync(file.handle()), 0);

        void* mapped = mmap(nullptr, kSize, PROT_READ, MAP_PRIVATE, file.handle(), 0);
        QVERIFY(mapped != MAP_FAILED);
        void* anon = mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        QVERIFY(anon != MAP_FAILED);
        memset(anon, 7, kSize);
        QCOMPARE(memcmp(mapped, content.constData(), kSize), 0);
        QVERIFY(residentKb(mapped) >= kSize / 1024 - 4);

        const qint64 advised = ResidentMemory::releaseFilePages();
        if (advised < 0)
            QSKIP("This kernel cannot page out on advice");
        QVERIFY(advised >= kSize);
        QVERIFY2(residentKb(mapped) < kSize / 1024 / 4, qPrintable(QString::number(residentKb(mapped))));
        QCOMPARE(residentKb(anon), kSize / 1024);
        QCOMPARE(memcmp(mapped, content.constData(), kSize), 0);
        QCOMPARE(static_cast<const char*>(anon)[kSize - 1], char(7));
        munmap(mapped, kSize);
        munmap(anon, kSize);
    }
};

QTEST_GUILESS_MAIN(TestResidentMemory)
#include "tst_residentmemory.moc"
