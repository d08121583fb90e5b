#include "FileTree.h"

#include "TestData.h"

#include "FakeDialogs.h"
#include "RecordingDevice.h"

#include "devices/DeviceList.h"
#include "view/DeviceBlocks.h"
#include "view/GunData.h"
#include "view/Macros.h"
#include "view/NameLists.h"
#include "view/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Values that broke readers before: counts and lengths beyond reason, numbers
// that are not numbers, blobs where text belongs.
const QByteArray kHostileValues[] = {
    "2147483647", "-2147483648", "4294967296", "-1", "0", "NaN", "@", "1e400", "0x7fffffff", "",
    "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff)", "@ByteArray(\\xff\\xff)", "\"unterminated", "a, b, c, d",
    "../../../../tmp/x", QByteArray(4096, 'z'),
};

const QByteArray kHostileKeys[] = {
    "deviceCount", "total", "reportLength", "isEncode", "isGun", "isColorful", "is55328", "icType",
    "repeat", "0", "1", "type", "vid", "usage2",
};

template <typename T, std::size_t N>
const T& pick(const T (&list)[N], QRandomGenerator& rng)
{
    return list[rng.bounded(int(N))];
}

QByteArray mutate(QByteArray bytes, QRandomGenerator& rng)
{
    for (int round = 1 + int(rng.bounded(3)); round > 0; --round) {
        const int at = bytes.isEmpty() ? 0 : int(rng.bounded(int(bytes.size())));
        switch (rng.bounded(7)) {
        case 0: // flip bytes
            for (int i = 0; i < 4 && !bytes.isEmpty(); ++i)
                bytes[int(rng.bounded(int(bytes.size())))] = char(rng.bounded(256));
            break;
        case 1: // cut
            bytes.truncate(at);
            break;
        case 2: { // a hostile value for a key the readers count or trust
            const QByteArray key = pick(kHostileKeys, rng);
            const QByteArray value = pick(kHostileValues, rng);
            const int line = bytes.indexOf('\n', at);
            bytes.insert(line < 0 ? int(bytes.size()) : line + 1, key + "=" + value + "\n");
            break;
        }
        case 3: { // replace every value of one key
            const QByteArray key = "\n" + pick(kHostileKeys, rng) + "=";
            const QByteArray value = pick(kHostileValues, rng);
            for (int p = bytes.indexOf(key); p >= 0; p = bytes.indexOf(key, p + 1)) {
                const int end = bytes.indexOf('\n', p + 1);
                bytes.replace(p + key.size(), (end < 0 ? int(bytes.size()) : end) - p - int(key.size()), value);
            }
            break;
        }
        case 4: // a stray or broken section header
            bytes.insert(at, rng.bounded(2) ? QByteArray("\n[") : QByteArray("\n[common]\n"));
            break;
        case 5: // binary noise
            bytes.insert(at, QByteArray::fromHex("00ff5b3d0a80c3"));
            break;
        default: // a line repeated
            bytes.insert(at, bytes.mid(at, 64));
        }
    }
    return bytes;
}

} // namespace

// Every file the program reads, garbled a seeded random way, one per round: the
// readers neither crash nor hang, write nothing outside the data root and lose
// no file. QUORIX_FUZZ_SEED and QUORIX_FUZZ_ROUNDS replay or widen a run.
class TestRobustFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void garbledFilesAreSurvived()
    {
        bool set = false;
        quint32 seed = quint32(qEnvironmentVariableIntValue("QUORIX_FUZZ_SEED", &set));
        seed = set ? seed : 20261207u;
        int rounds = qEnvironmentVariableIntValue("QUORIX_FUZZ_ROUNDS", &set);
        rounds = set ? rounds : 120;
        QRandomGenerator rng(seed);

        QTemporaryDir sandbox;
        QVERIFY(sandbox.isValid());
        const QString pristineRoot = sandbox.filePath(QStringLiteral("factory"));
        QVERIFY(copyTree(factoryModulesDir(), pristineRoot + QStringLiteral("/modules")));
        writeFile(pristineRoot + QStringLiteral("/modules/macro/m.bin"),
                  "[config]\nindex=0\ntotal=3\nrepeat=2\ndid=-1\n[macro]\n0=\"1,A\"\n1=\"0,50\"\n2=\"2,A\"\n");
        const Files pristine = snapshot(pristineRoot);
        const QStringList targets = pristine.keys();

        const QString previous = QDir::currentPath();
        const QString runs = sandbox.filePath(QStringLiteral("runs"));
        QDir().mkpath(runs);
        QElapsedTimer slowest;
        qint64 worst = 0;
        for (int round = 0; round < rounds; ++round) {
            const QString root = runs + QStringLiteral("/r%1").arg(round);
            const QString target = targets[int(rng.bounded(int(targets.size())))];
            for (auto it = pristine.begin(); it != pristine.end(); ++it)
                writeFile(root + QLatin1Char('/') + it.key(),
                          it.key() == target ? mutate(it.value(), rng) : it.value());
            const QString context = QStringLiteral("seed %1 round %2 file %3").arg(seed).arg(round).arg(target);
            QVERIFY(QDir::setCurrent(root));

            slowest.start();
            exercise();
            const qint64 took = slowest.elapsed();
            worst = std::max(worst, took);
            QVERIFY2(took < 5000, qPrintable(context + QStringLiteral(": took %1 ms").arg(took)));

            QVERIFY(QDir::setCurrent(previous));
            // Nothing lost, nothing written beside the data root.
            const Files after = snapshot(root);
            for (auto it = pristine.begin(); it != pristine.end(); ++it)
                QVERIFY2(after.contains(it.key()), qPrintable(context + QStringLiteral(": lost ") + it.key()));
            QCOMPARE(QDir(runs).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
            QVERIFY(QDir(root).removeRecursively());
        }
        qInfo("%d rounds, seed %u, slowest round %lld ms", rounds, seed, worst);
    }

private:
    // What a start, a detection pass, the screens' first load and a save read and write.
    static void exercise()
    {
        DeviceList::read();
        DeviceList::readTitle();
        SettingsStore store;
        DeviceBlocks blocks;
        RecordingDevice device;
        FakeDialogs dialogs;
        for (const char* key : {"mouse/dpiValueArray", "mouse/reportRate", "mouseKeyMatrix/0",
                                "keyboardFunctionData/5", "keyboardLEDData/3"}) {
            store.getData(QString::fromLatin1(key), false);
            store.getDataList(QString::fromLatin1(key), true);
        }
        store.getGlobalData(QStringLiteral("common/language"));
        for (int type = 0; type < 4; ++type)
            NameLists::get(type);
        for (const char* lang : {"English", "ChineseSimplified"})
            for (const char* section : {"main", "other", "mouse"})
                NameLists::langStrings(QString::fromLatin1(section), QString::fromLatin1(lang));
        Macros macros(store, device, dialogs);
        const QStringList actions = macros.load(QStringLiteral("m"));
        GunData guns(store, blocks, device);
        for (const QString& key : guns.recordKeys().mid(0, 8))
            guns.record(key);

        store.setData(QStringLiteral("mouse/reportRate"), 2);
        store.setGlobalData(QStringLiteral("mouse/profileNo"), 1);
        macros.save(QStringLiteral("m"), actions.mid(0, 4), 1);
        NameLists::update(0, {QStringLiteral("m")});
        guns.saveRecord(QStringLiteral("9"), {QStringLiteral("X"), 1, 2, 3, 4, 5});
        store.flush();
    }
};

QTEST_GUILESS_MAIN(TestRobustFuzz)
#include "tst_robust_fuzz.moc"
