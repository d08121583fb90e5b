#include "ViewWorld.h"

#include "view/KeyAssignment.h"

#include <QtTest>

namespace {

using Entry = KeyAssignment::Entry;

// The screens' 64 numbers: the given entries, left clicks for the rest.
QVariantList matrixList(const QList<Entry>& entries)
{
    QVariantList list;
    for (int k = 0; k < KeyAssignment::kButtons; ++k)
        for (uchar b : k < entries.size() ? entries.at(k) : Entry{0, 0, 0xF0, 0})
            list.append(int(b));
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

    // The end-to-end tests send every class the dialog offers; these are the edges.
    void translationTable_data()
    {
        QTest::addColumn<Entry>("stored");
        QTest::addColumn<bool>("is560");
        QTest::addColumn<Entry>("device");
        const struct {
            const char* name;
            Entry stored;
            Entry device;
        } both[] = {
            {"double fire", {0, 0xF0, 0x1E, 2}, {10, 0xF0, 0x1E, 2}},
            {"0x1E without 2 is a button", {0, 0, 0x1E, 1}, {1, 0, 0x1E, 1}},
            {"combination", {2, 0x03, 0x04, 0x05}, {0, 0x03, 0x04, 0x05}},
            {"macro run mode kept", {4, 2, 11, 0}, {9, 2, 12, 0}},
            {"dpi loop", {5, 0, 3, 0}, {7, 0, 3, 0}},
            {"shortcut", {7, 0, 0xE0, 0x06}, {0, 0, 0xE0, 0x06}},
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

    void translationTable()
    {
        QFETCH(Entry, stored);
        QFETCH(bool, is560);
        QTEST(KeyAssignment::translate(stored, is560), "device");
    }

    void storeWithoutSendAndShortLists()
    {
        ViewWorld w;
        KeyAssignment keys(*w.settings, w.blocks, w.device);
        keys.setKeyMatrix(matrixList({{8, 0, 2, 0}}), false, {10, 20, 30});
        QVERIFY(w.device.calls.isEmpty());
        QCOMPARE(keys.keydefine(0, false), (QVariantList{"8", "0", "2", "0"}));
        QCOMPARE(keys.keydefine(15, false), (QVariantList{"0", "0", "240", "0"}));
        // A short list stores zeros for what is missing.
        keys.setKeyMatrix({0, 0, 0xF0, 0, 5}, true, {});
        QCOMPARE(keys.keydefine(1, false), (QVariantList{"5", "0", "0", "0"}));
        QCOMPARE(keys.keydefine(2, false), (QVariantList{"0", "0", "0", "0"}));
        QCOMPARE(w.device.log(), QStringLiteral("553_12 1"));
        QCOMPARE(entryOf(w.device.calls[0].payload, 1), (Entry{7, 0, 0, 0}));
    }

    void withoutGunButtonOneMatrixIsSent_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<QString>("sent");
        QTest::newRow("553") << "553" << "553_12 1";
        QTest::newRow("560") << "560" << "560_0D 1";
    }

    void withoutGunButtonOneMatrixIsSent()
    {
        QFETCH(QString, icType);
        ViewWorld w({icType});
        KeyAssignment keys(*w.settings, w.blocks, w.device);
        keys.setKeyMatrix(matrixList({{0, 0, 0xF0, 0}, {4, 0, 2, 0}, {5, 0, 4, 0}}), true, {1, 2, 3});
        QTEST(w.device.log(), "sent");
        const QByteArray& payload = w.device.calls[0].payload;
        QCOMPARE(entryOf(payload, 0), (Entry{1, 0, 0xF0, 0}));
        QCOMPARE(entryOf(payload, 1), (Entry{9, 0, 3, 0}));
        QCOMPARE(entryOf(payload, 2), KeyAssignment::translate({5, 0, 4, 0}, icType == "560"));
        if (icType == "560")
            QCOMPARE(payload.mid(64), QByteArray(64, '\0'));
    }

    // A gun button switching 1 … 3 layers: layers 2 … 4 are the base matrix with
    // button 0 firing at the layer's period, and each layer's gun entry names the next.
    void gunLayers_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<int>("g");
        QTest::addColumn<QList<int>>("gunCodes");
        QTest::addColumn<int>("mask");
        QTest::newRow("553 g=1") << "553" << 1 << QList<int>{1, 0, 0, 0} << 0;
        QTest::newRow("553 g=2") << "553" << 2 << QList<int>{1, 2, 0, 0} << 0;
        QTest::newRow("553 g=3") << "553" << 3 << QList<int>{1, 2, 3, 0} << 0;
        QTest::newRow("560 g=1") << "560" << 1 << QList<int>{1, 0, 0, 0} << 7;
        QTest::newRow("560 g=2") << "560" << 2 << QList<int>{1, 3, 0, 0} << 15;
        QTest::newRow("560 g=3") << "560" << 3 << QList<int>{1, 3, 3, 0} << 31;
    }

    void gunLayers()
    {
        QFETCH(QString, icType);
        QFETCH(int, g);
        QFETCH(QList<int>, gunCodes);
        QFETCH(int, mask);
        const bool is560 = icType == "560";
        ViewWorld w({icType, true, true});
        w.blocks.block(0)[1] = 0x5A;
        writeFirmwareBase(*w.settings);
        KeyAssignment keys(*w.settings, w.blocks, w.device);
        keys.setKeyMatrix(matrixList({{0, 0, 0xF0, 0}, {0, 0, 0xF1, 0}, {0, 0, 0xF2, 0}, {8, 7, uchar(g), 9}}), true,
                          {30, 40, 50});
        const QString layers = is560 ? "560_0C 0; 560_0D 1; 560_0D 2; 560_0D 3; 560_0D 4; 560_02 1"
                                     : "553_12 1; 553_12 2; 553_12 3; 553_12 4; 553_02 1";
        QCOMPARE(w.device.log(), layers);
        QCOMPARE(int(w.blocks.block(0)[2]), mask);
        if (is560) // the mask goes out in block 0, which keeps its other bytes
            QCOMPARE(w.device.calls[0].payload.mid(1, 2), QByteArray::fromHex("5a") + char(mask));
        for (int l = 0; l < 4; ++l) {
            const QByteArray layer = w.device.calls[l + (is560 ? 1 : 0)].payload;
            const uchar code = uchar(gunCodes[l]);
            const Entry gun = !is560 ? Entry{8, 0, 1, code} : l == 0 ? Entry{8, 7, 1, 9} : Entry{8, 0, code, 3};
            QCOMPARE(entryOf(layer, 3), gun);
            if (l == 0)
                continue;
            QCOMPARE(entryOf(layer, 0), (Entry{11, uchar(l - 1), uchar(30 + 10 * (l - 1)), 0}));
            QCOMPARE(entryOf(layer, 5), (Entry{1, 0, 0xF0, 5}));
        }
    }

    void gunLayersOutsideRange()
    {
        KeyAssignment::Matrix layer1{8, 6, 5, 9};
        uchar mask = 0x42;
        auto layers = KeyAssignment::buildGunLayers(layer1, {}, {}, true, mask);
        QCOMPARE(int(mask), 0x42);
        QCOMPARE(entryOf(QByteArray(reinterpret_cast<const char*>(layers[0].data()), 4), 0), (Entry{8, 6, 5, 9}));
        // Missing periods count as 0.
        QCOMPARE(int(layers[1][2]), 0);
        layers = KeyAssignment::buildGunLayers(layer1, {}, {}, false, mask);
        QCOMPARE(entryOf(QByteArray(reinterpret_cast<const char*>(layers[0].data()), 4), 0), (Entry{8, 0, 1, 9}));
    }

    void resetAndSwitchPerFamily_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<QString>("sent");
        QTest::newRow("553") << "553" << "553_12 2; 553_12 3; 553_12 4; 553_02 0";
        QTest::newRow("560") << "560" << "560_0D 2; 560_0D 3; 560_0D 4; 560_02 3";
    }

    // Reset sends the base matrix as layers 2 … 4; switching takes the family's index.
    void resetAndSwitchPerFamily()
    {
        QFETCH(QString, icType);
        ViewWorld w({icType});
        writeFirmwareBase(*w.settings);
        // A short stored entry is completed with zeros.
        w.settings->setDataList(QStringLiteral("mouseFwKeyMatrix/0"), {9, 8});
        KeyAssignment keys(*w.settings, w.blocks, w.device);
        keys.resetKeyMatrix();
        keys.switchKeyMatrix(icType == "560" ? 3 : 1);
        QTEST(w.device.log(), "sent");
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(entryOf(w.device.calls[i].payload, 0), (Entry{9, 8, 0, 0}));
            QCOMPARE(entryOf(w.device.calls[i].payload, 7), (Entry{1, 0, 0xF2, 7}));
        }
    }

    void keydefineReadsSlotOrFactory()
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

    void keyboardTable()
    {
        QList<QVariantList> keys(KeyAssignment::kKeyboardKeys);
        keys[0] = {3, 0, 0x83, 0x01};
        keys[1] = {1, 2, 3};          // malformed: default kept
        keys[2] = {256 + 4, 0, 7, 0}; // low byte only
        keys[5] = {0, 0, 0x29, 0};
        keys[18] = {0, 0, 0x31, 0};
        keys[72] = {0, 0, 0x32, 0};
        const auto t = KeyAssignment::buildKeyboardTable(keys, false);
        QCOMPARE(QList<int>({t[0], t[1], t[2], t[3], t[4], t[6], t[8]}), QList<int>({3, 0, 0x83, 1, 0, 1 + 5, 4}));
        QCOMPARE(QList<int>({t[4 * 4 + 2], t[4 * 125 + 2], t[504], t[511]}), QList<int>({4 + 5, 130, 0, 0}));
        // The other layout copies three keys into other places.
        const auto other = KeyAssignment::buildKeyboardTable(keys, true);
        QCOMPARE(QList<int>({other[4 * 4 + 2], other[4 * 24 + 2], other[4 * 60 + 2]}), QList<int>({0x29, 0x31, 0x32}));
    }

    void keyboardSendUsesFactoryOnRecovery()
    {
        ViewWorld w;
        ViewWorld::writeFile(SettingsStore::factoryProfilePath(), {{"keyboardFunctionData/10", QVariantList{3, 0, 0xE2, 0}}});
        w.reset(ViewFlags());
        w.settings->setDataList(QStringLiteral("keyboardFunctionData/10"), {0, 0, 0x04, 0});
        KeyAssignment keys(*w.settings, w.blocks, w.device);
        keys.sendKeyboardMatrix(false);
        keys.sendKeyboardMatrix(true);
        QCOMPARE(w.device.log(), QStringLiteral("kb_0D; kb_0D"));
        QCOMPARE(w.device.calls[0].payload.mid(40, 3), QByteArray::fromHex("000004"));
        QCOMPARE(w.device.calls[1].payload.mid(40, 3), QByteArray::fromHex("0300e2"));
    }

    void readKeyboardType()
    {
        ViewWorld w;
        KeyAssignment keys(*w.settings, w.blocks, w.device);
        w.device.keyboardProfile = QByteArray(512, '\0');
        for (int layout : {2, 1}) {
            w.device.keyboardProfile[240] = char(layout);
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("test %1").arg(layout)));
            QCOMPARE(int(keys.readKeyboardType()), layout - 1);
            QCOMPARE(KeyAssignment::keyboardLayoutFlag(), layout == 2);
        }
    }
};

QTEST_GUILESS_MAIN(tst_KeyAssignment)
#include "tst_KeyAssignment.moc"
