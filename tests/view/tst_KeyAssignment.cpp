#include "ViewWorld.h"

#include "view/KeyAssignment.h"

#include <QtTest>

namespace {

using Entry = KeyAssignment::Entry;

QVariantList matrixList(const QList<Entry>& entries)
{
    QVariantList list;
    for (int k = 0; k < KeyAssignment::kButtons; ++k) {
        const Entry e = k < entries.size() ? entries.at(k) : Entry{0, 0, 0xF0, 0};
        for (uchar b : e)
            list.append(int(b));
    }
    return list;
}

Entry entryOf(const QByteArray& payload, int k)
{
    return {uchar(payload[4 * k]), uchar(payload[4 * k + 1]), uchar(payload[4 * k + 2]), uchar(payload[4 * k + 3])};
}

// A base layer with a distinct entry per button, so copies can be told apart.
void writeFirmwareBase(SettingsStore& settings)
{
    for (int k = 0; k < KeyAssignment::kButtons; ++k)
        settings.setDataList(QStringLiteral("mouseFwKeyMatrix/") + QString::number(k), {1, 0, 0xF0 + k % 5, k});
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class tst_KeyAssignment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { KeyAssignment::setKeyboardLayoutFlag(false); }

    void translationTable_data();
    void translationTable();
    void storeWithoutSendTouchesOnlyTheFile();
    void storesShortListsAsZeros();
    void withoutGunButtonOneMatrixIsSent_data();
    void withoutGunButtonOneMatrixIsSent();
    void gunLayers560_data();
    void gunLayers560();
    void gunLayers553_data();
    void gunLayers553();
    void gunLayersOutsideRange();
    void resetSendsBaseAsLayers2To4_data();
    void resetSendsBaseAsLayers2To4();
    void switchLayerPerFamily();
    void keydefineReadsSlotOrFactory();
    void keyboardTableDefaultsAndStoredKeys();
    void keyboardLayoutCopies();
    void keyboardSendUsesFactoryOnRecovery();
    void readKeyboardType();
};

void tst_KeyAssignment::translationTable_data()
{
    QTest::addColumn<Entry>("stored");
    QTest::addColumn<bool>("is560");
    QTest::addColumn<Entry>("device");

    const struct {
        const char* name;
        Entry stored;
        Entry device;
    } both[] = {
        {"mouse button", {0, 0, 0xF1, 0}, {1, 0, 0xF1, 0}},
        {"double fire", {0, 0xF0, 0x1E, 2}, {10, 0xF0, 0x1E, 2}},
        {"0x1E without 2 is a button", {0, 0, 0x1E, 1}, {1, 0, 0x1E, 1}},
        {"fire", {1, 0x04, 30, 5}, {10, 0x04, 30, 5}},
        {"combination", {2, 0x03, 0x04, 0x05}, {0, 0x03, 0x04, 0x05}},
        {"media", {3, 0, 0xB5, 0}, {3, 0, 0xB5, 0}},
        {"macro", {4, 0, 2, 0}, {9, 0, 3, 0}},
        {"macro run mode kept", {4, 2, 11, 0}, {9, 2, 12, 0}},
        {"dpi up", {5, 0, 1, 0}, {7, 0, 1, 0}},
        {"dpi loop", {5, 0, 3, 0}, {7, 0, 3, 0}},
        {"windows", {6, 4, 0x83, 1}, {0, 4, 0x83, 1}},
        {"shortcut", {7, 0, 0xE0, 0x06}, {0, 0, 0xE0, 0x06}},
        {"gun switch", {8, 0, 2, 0}, {8, 0, 2, 0}},
        {"none", {255, 0, 1, 0}, {4, 0, 1, 0}},
        {"unknown 9 passes", {9, 1, 2, 3}, {9, 1, 2, 3}},
        {"unknown 254 passes", {254, 1, 2, 3}, {254, 1, 2, 3}},
    };
    for (const auto& row : both) {
        QTest::addRow("553 %s", row.name) << row.stored << false << row.device;
        QTest::addRow("560 %s", row.name) << row.stored << true << row.device;
    }
    QTest::newRow("553 sniper") << Entry{5, 0, 4, 0} << false << Entry{7, 0, 4, 1};
    QTest::newRow("560 sniper") << Entry{5, 0, 4, 0} << true << Entry{11, 0, 1, 1};
}

void tst_KeyAssignment::translationTable()
{
    QFETCH(Entry, stored);
    QFETCH(bool, is560);
    QFETCH(Entry, device);
    QCOMPARE(KeyAssignment::translate(stored, is560), device);
}

void tst_KeyAssignment::storeWithoutSendTouchesOnlyTheFile()
{
    ViewWorld w;
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.setKeyMatrix(matrixList({{8, 0, 2, 0}, {4, 0, 1, 0}}), false, {10, 20, 30});
    QVERIFY(w.device.calls.isEmpty());
    QCOMPARE(keys.keydefine(0, false), (QVariantList{"8", "0", "2", "0"}));
    QCOMPARE(keys.keydefine(1, false), (QVariantList{"4", "0", "1", "0"}));
    QCOMPARE(keys.keydefine(15, false), (QVariantList{"0", "0", "240", "0"}));
}

void tst_KeyAssignment::storesShortListsAsZeros()
{
    ViewWorld w;
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.setKeyMatrix({0, 0, 0xF0, 0, 5}, true, {});
    QCOMPARE(keys.keydefine(1, false), (QVariantList{"5", "0", "0", "0"}));
    QCOMPARE(keys.keydefine(2, false), (QVariantList{"0", "0", "0", "0"}));
    QCOMPARE(w.device.names(), QStringList{"553_12"});
    QCOMPARE(entryOf(w.device.calls[0].payload, 1), (Entry{7, 0, 0, 0}));
}

void tst_KeyAssignment::withoutGunButtonOneMatrixIsSent_data()
{
    QTest::addColumn<QString>("icType");
    QTest::addColumn<QString>("command");
    QTest::newRow("553") << "553" << "553_12";
    QTest::newRow("560") << "560" << "560_0D";
}

void tst_KeyAssignment::withoutGunButtonOneMatrixIsSent()
{
    QFETCH(QString, icType);
    QFETCH(QString, command);
    ViewFlags flags;
    flags.icType = icType;
    ViewWorld w(flags);
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.setKeyMatrix(matrixList({{0, 0, 0xF0, 0}, {4, 0, 2, 0}, {5, 0, 4, 0}}), true, {1, 2, 3});
    QCOMPARE(w.device.names(), QStringList{command});
    const auto& call = w.device.calls[0];
    QCOMPARE(call.args, QList<int>{1});
    QCOMPARE(entryOf(call.payload, 0), (Entry{1, 0, 0xF0, 0}));
    QCOMPARE(entryOf(call.payload, 1), (Entry{9, 0, 3, 0}));
    QCOMPARE(entryOf(call.payload, 2), (icType == "560" ? Entry{11, 0, 1, 1} : Entry{7, 0, 4, 1}));
    if (icType == "560")
        QCOMPARE(call.payload.mid(64), QByteArray(64, '\0'));
}

void tst_KeyAssignment::gunLayers560_data()
{
    QTest::addColumn<int>("g");
    QTest::addColumn<QList<int>>("code2");
    QTest::addColumn<int>("mask");
    QTest::newRow("g=1") << 1 << QList<int>{1, 0, 0, 0} << 7;
    QTest::newRow("g=2") << 2 << QList<int>{1, 3, 0, 0} << 15;
    QTest::newRow("g=3") << 3 << QList<int>{1, 3, 3, 0} << 31;
}

void tst_KeyAssignment::gunLayers560()
{
    QFETCH(int, g);
    QFETCH(QList<int>, code2);
    QFETCH(int, mask);
    ViewFlags flags;
    flags.icType = QStringLiteral("560");
    flags.gun = true;
    ViewWorld w(flags);
    w.blocks.block(0)[1] = 0x5A;
    writeFirmwareBase(*w.settings);
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.setKeyMatrix(matrixList({{0, 0, 0xF0, 0}, {0, 0, 0xF1, 0}, {0, 0, 0xF2, 0}, {8, 0, uchar(g), 0}}), true,
                      {30, 40, 50});

    QCOMPARE(w.device.names(),
             (QStringList{"560_0C", "560_0D", "560_0D", "560_0D", "560_0D", "560_02"}));
    QCOMPARE(w.device.calls[0].args, QList<int>{0});
    QCOMPARE(int(uchar(w.device.calls[0].payload[2])), mask);
    QCOMPARE(int(uchar(w.device.calls[0].payload[1])), 0x5A);
    QCOMPARE(int(w.blocks.block(0)[2]), mask);
    QCOMPARE(w.device.calls[5].args, QList<int>{1});
    for (int l = 0; l < 4; ++l) {
        const QByteArray layer = w.device.calls[1 + l].payload;
        QCOMPARE(w.device.calls[1 + l].args, QList<int>{l + 1});
        const Entry gun = entryOf(layer, 3);
        QCOMPARE(int(gun[0]), 8);
        QCOMPARE(int(gun[2]), code2[l]);
        if (l == 0) {
            QCOMPARE(entryOf(layer, 0), (Entry{1, 0, 0xF0, 0}));
            continue;
        }
        // Gun layers: the base assignment, button 0 firing with the layer's period.
        QCOMPARE(entryOf(layer, 0), (Entry{11, uchar(l - 1), uchar(30 + 10 * (l - 1)), 0}));
        QCOMPARE(entryOf(layer, 5), (Entry{1, 0, 0xF0, 5}));
        QCOMPARE(int(gun[3]), 3);
    }
}

void tst_KeyAssignment::gunLayers553_data()
{
    QTest::addColumn<int>("g");
    QTest::addColumn<QList<int>>("code3");
    QTest::newRow("g=1") << 1 << QList<int>{1, 0, 0, 0};
    QTest::newRow("g=2") << 2 << QList<int>{1, 2, 0, 0};
    QTest::newRow("g=3") << 3 << QList<int>{1, 2, 3, 0};
}

void tst_KeyAssignment::gunLayers553()
{
    QFETCH(int, g);
    QFETCH(QList<int>, code3);
    ViewFlags flags;
    flags.gun = true;
    ViewWorld w(flags);
    writeFirmwareBase(*w.settings);
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.setKeyMatrix(matrixList({{0, 0, 0xF0, 0}, {8, 7, uchar(g), 9}}), true, {30, 40, 50});

    QCOMPARE(w.device.names(), (QStringList{"553_12", "553_12", "553_12", "553_12", "553_02"}));
    QCOMPARE(w.device.calls[4].args, QList<int>{1});
    for (int l = 0; l < 4; ++l) {
        QCOMPARE(w.device.calls[l].args, QList<int>{l + 1});
        const QByteArray layer = w.device.calls[l].payload;
        QCOMPARE(entryOf(layer, 1), (Entry{8, 0, 1, uchar(code3[l])}));
        if (l > 0)
            QCOMPARE(entryOf(layer, 0), (Entry{11, uchar(l - 1), uchar(30 + 10 * (l - 1)), 0}));
    }
    QCOMPARE(int(w.blocks.block(0)[2]), 0);
}

void tst_KeyAssignment::gunLayersOutsideRange()
{
    KeyAssignment::Matrix layer1{};
    layer1[0] = 8;
    layer1[1] = 6;
    layer1[2] = 5;
    layer1[3] = 9;
    KeyAssignment::Matrix base{};
    uchar mask = 0x42;
    auto layers = KeyAssignment::buildGunLayers(layer1, base, {}, true, mask);
    QCOMPARE(int(mask), 0x42);
    QCOMPARE(int(layers[0][2]), 5);
    QCOMPARE(int(layers[0][3]), 9);
    // Missing periods count as 0.
    QCOMPARE(int(layers[1][2]), 0);

    layers = KeyAssignment::buildGunLayers(layer1, base, {}, false, mask);
    QCOMPARE(int(layers[0][1]), 0);
    QCOMPARE(int(layers[0][2]), 1);
    QCOMPARE(int(layers[0][3]), 9);
}

void tst_KeyAssignment::resetSendsBaseAsLayers2To4_data()
{
    QTest::addColumn<QString>("icType");
    QTest::addColumn<QString>("command");
    QTest::newRow("553") << "553" << "553_12";
    QTest::newRow("560") << "560" << "560_0D";
}

void tst_KeyAssignment::resetSendsBaseAsLayers2To4()
{
    QFETCH(QString, icType);
    QFETCH(QString, command);
    ViewFlags flags;
    flags.icType = icType;
    ViewWorld w(flags);
    writeFirmwareBase(*w.settings);
    // A short stored entry is completed with zeros.
    w.settings->setDataList(QStringLiteral("mouseFwKeyMatrix/0"), {9, 8});
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.resetKeyMatrix();
    QCOMPARE(w.device.names(), (QStringList{command, command, command}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(w.device.calls[i].args, QList<int>{i + 2});
        QCOMPARE(entryOf(w.device.calls[i].payload, 0), (Entry{9, 8, 0, 0}));
        QCOMPARE(entryOf(w.device.calls[i].payload, 7), (Entry{1, 0, 0xF2, 7}));
    }
}

void tst_KeyAssignment::switchLayerPerFamily()
{
    ViewWorld w;
    KeyAssignment keys553(*w.settings, w.blocks, w.device);
    keys553.switchKeyMatrix(1);
    QCOMPARE(w.device.names(), QStringList{"553_02"});
    QCOMPARE(w.device.calls[0].args, QList<int>{0});

    ViewFlags flags;
    flags.icType = QStringLiteral("560");
    w.reset(flags);
    w.device.calls.clear();
    KeyAssignment keys560(*w.settings, w.blocks, w.device);
    keys560.switchKeyMatrix(3);
    QCOMPARE(w.device.names(), QStringList{"560_02"});
    QCOMPARE(w.device.calls[0].args, QList<int>{3});
}

void tst_KeyAssignment::keydefineReadsSlotOrFactory()
{
    ViewWorld w;
    ViewWorld::writeFile(SettingsStore::factoryProfilePath(), {{"mouseKeyMatrix/2", QVariantList{0, 0, 242, 0}}});
    w.reset(ViewFlags());
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    w.settings->setDataList(QStringLiteral("mouseKeyMatrix/2"), {5, 0, 1, 0});
    QCOMPARE(keys.keydefine(2, false), (QVariantList{"5", "0", "1", "0"}));
    QCOMPARE(keys.keydefine(2, true), (QVariantList{"0", "0", "242", "0"}));
    QVERIFY(keys.keydefine(3, false).isEmpty());
}

void tst_KeyAssignment::keyboardTableDefaultsAndStoredKeys()
{
    QList<QVariantList> keys(KeyAssignment::kKeyboardKeys);
    keys[0] = {3, 0, 0x83, 0x01};
    keys[1] = {1, 2, 3};          // malformed: default kept
    keys[2] = {256 + 4, 0, 7, 0}; // low byte only
    const auto t = KeyAssignment::buildKeyboardTable(keys, false);
    QCOMPARE(int(t[0]), 3);
    QCOMPARE(int(t[2]), 0x83);
    QCOMPARE(int(t[3]), 1);
    QCOMPARE(int(t[4]), 0);
    QCOMPARE(int(t[6]), 1 + 5);
    QCOMPARE(int(t[8]), 4);
    QCOMPARE(int(t[4 * 125 + 2]), 130);
    for (int i = 504; i < 512; ++i)
        QCOMPARE(int(t[i]), 0);
}

void tst_KeyAssignment::keyboardLayoutCopies()
{
    QList<QVariantList> keys(KeyAssignment::kKeyboardKeys);
    keys[5] = {0, 0, 0x29, 0};
    keys[18] = {0, 0, 0x31, 0};
    keys[72] = {0, 0, 0x32, 0};
    const auto plain = KeyAssignment::buildKeyboardTable(keys, false);
    QCOMPARE(int(plain[4 * 4 + 2]), 4 + 5);
    const auto t = KeyAssignment::buildKeyboardTable(keys, true);
    QCOMPARE(int(t[4 * 4 + 2]), 0x29);
    QCOMPARE(int(t[4 * 24 + 2]), 0x31);
    QCOMPARE(int(t[4 * 60 + 2]), 0x32);
}

void tst_KeyAssignment::keyboardSendUsesFactoryOnRecovery()
{
    ViewWorld w;
    ViewWorld::writeFile(SettingsStore::factoryProfilePath(),
                         {{"keyboardFunctionData/10", QVariantList{3, 0, 0xE2, 0}}});
    w.reset(ViewFlags());
    w.settings->setDataList(QStringLiteral("keyboardFunctionData/10"), {0, 0, 0x04, 0});
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    keys.sendKeyboardMatrix(false);
    keys.sendKeyboardMatrix(true);
    QCOMPARE(w.device.names(), (QStringList{"kb_0D", "kb_0D"}));
    QCOMPARE(int(uchar(w.device.calls[0].payload[42])), 0x04);
    QCOMPARE(int(uchar(w.device.calls[1].payload[40])), 3);
    QCOMPARE(int(uchar(w.device.calls[1].payload[42])), 0xE2);
}

void tst_KeyAssignment::readKeyboardType()
{
    ViewWorld w;
    KeyAssignment keys(*w.settings, w.blocks, w.device);
    w.device.keyboardProfile = QByteArray(512, '\0');
    w.device.keyboardProfile[240] = 2;
    QTest::ignoreMessage(QtDebugMsg, "test 2");
    QCOMPARE(int(keys.readKeyboardType()), 1);
    QVERIFY(KeyAssignment::keyboardLayoutFlag());

    w.device.keyboardProfile[240] = 1;
    QTest::ignoreMessage(QtDebugMsg, "test 1");
    QCOMPARE(int(keys.readKeyboardType()), 0);
    QVERIFY(!KeyAssignment::keyboardLayoutFlag());
}

QTEST_GUILESS_MAIN(tst_KeyAssignment)
#include "tst_KeyAssignment.moc"
