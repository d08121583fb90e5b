#include "ViewWorld.h"

#include "view/DeviceSettings.h"

#include <QtTest>

using Lighting = DeviceSettings::Lighting;
Q_DECLARE_METATYPE(Lighting)

namespace {

ViewFlags flagsFor(const QString& icType, bool colorful, bool gun, bool is55328 = false)
{
    ViewFlags f;
    f.icType = icType;
    f.colorful = colorful;
    f.gun = gun;
    f.is55328 = is55328;
    return f;
}

QVariantList rgbList(int count)
{
    QVariantList l;
    for (int i = 0; i < count; ++i)
        l.append(i + 1);
    return l;
}

} // namespace

class tst_DeviceSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dpiCodes_data();
    void dpiCodes();
    void highDpiMask();
    void dpi560WritesLayerBlocks_data();
    void dpi560WritesLayerBlocks();
    void dpiShortListCountsAsZero();
    void colorfulLighting_data();
    void colorfulLighting();
    void singleColourLighting_data();
    void singleColourLighting();
    void effectSends();
    void colourStages();
    void keyboardEffectMapping_data();
    void keyboardEffectMapping();
    void keyboardColoursAndPicture();
    void rateStageAndOptionsPerFamily();
};

void tst_DeviceSettings::dpiCodes_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");
    QTest::newRow("3360 800") << "3360" << 800 << 7;
    QTest::newRow("3360 16000") << "3360" << 16000 << 159;
    QTest::newRow("3050 200") << "3050" << 200 << 1;
    QTest::newRow("3050 250") << "3050" << 250 << 1;
    QTest::newRow("3050 1600") << "3050" << 1600 << 7;
    QTest::newRow("3050 2001") << "3050" << 2001 << 69;
    QTest::newRow("3050 4000") << "3050" << 4000 << 72;
    QTest::newRow("3050 5000") << "3050" << 5000 << 0;
    QTest::newRow("3389 16000") << "3389" << 16000 << 64;
    QTest::newRow("3389 800") << "3389" << 800 << 16;
    QTest::newRow("4090 12000") << "4090" << 12000 << 0x7C;
    QTest::newRow("4090 800") << "4090" << 800 << 7;
    QTest::newRow("4090 5000") << "4090" << 5000 << 49;
    QTest::newRow("4090 5200") << "4090" << 5200 << (26 | 0x40);
    QTest::newRow("other 12000") << "9999" << 12000 << 0x7C;
}

void tst_DeviceSettings::dpiCodes()
{
    QFETCH(QString, sensor);
    QFETCH(int, dpi);
    QFETCH(int, code);
    QCOMPARE(int(DeviceSettings::dpiCode(dpi, sensor)), code);
}

void tst_DeviceSettings::highDpiMask()
{
    const auto t = DeviceSettings::encodeDpi("3389", {800, 12799, 12800, 400, 16000});
    QCOMPARE(int(t.highMask), 0b10100);
    QCOMPARE(int(DeviceSettings::encodeDpi("3360", {16000}).highMask), 0);
}

void tst_DeviceSettings::dpi560WritesLayerBlocks_data()
{
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QList<int>>("sent");
    QTest::newRow("plain") << false << QList<int>{1};
    QTest::newRow("gun") << true << QList<int>{1, 2, 3, 4};
}

void tst_DeviceSettings::dpi560WritesLayerBlocks()
{
    QFETCH(bool, gun);
    QFETCH(QList<int>, sent);
    ViewWorld w(flagsFor("560", true, gun));
    DeviceSettings d(*w.settings, w.blocks, w.device);
    w.blocks.block(2)[83] = 0x99;
    d.setDpi(4, "3389", {800, 1600, 3200, 16000, 400, 400, 400, 400});
    for (int n = 1; n <= 4; ++n) {
        const auto& b = w.blocks.block(n);
        QCOMPARE(int(b[84]), 16);
        QCOMPARE(int(b[87]), 64);
        QCOMPARE(int(b[92 + 3]), 64);
        QCOMPARE(int(b[100]), 0x0F);
        QCOMPARE(int(b[82]), 0x08);
        QCOMPARE(int(b[83]), 0);
    }
    QList<int> profiles;
    for (const auto& c : w.device.calls) {
        QCOMPARE(c.name, QStringLiteral("560_0C"));
        profiles.append(c.args[0]);
    }
    QCOMPARE(profiles, sent);

    // Without the "3389" sensor the mask bytes keep what the device had.
    w.blocks.block(1)[82] = 0x55;
    d.setDpi(8, "3360", {800});
    QCOMPARE(int(w.blocks.block(1)[82]), 0x55);
    QCOMPARE(int(w.blocks.block(1)[100]), 0xFF);
}

void tst_DeviceSettings::dpiShortListCountsAsZero()
{
    ViewWorld w;
    DeviceSettings d(*w.settings, w.blocks, w.device);
    d.setDpi(3, "3360", {800});
    QCOMPARE(w.device.calls[0].payload, QByteArray::fromHex("0700008080808080"));
}

void tst_DeviceSettings::colorfulLighting_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("level");
    QTest::addColumn<Lighting>("expected");
    QTest::newRow("0 static") << 0 << 0 << 1 << Lighting{1, 64, 0};
    QTest::newRow("0 level 4") << 0 << 0 << 4 << Lighting{1, 255, 0};
    QTest::newRow("0 level 0") << 0 << 0 << 0 << Lighting{1, 0, 0};
    QTest::newRow("1 s0") << 1 << 0 << 3 << Lighting{3, 0, 10};
    QTest::newRow("2 s4") << 2 << 4 << 3 << Lighting{4, 0, 1};
    QTest::newRow("3 off") << 3 << 1 << 1 << Lighting{0, 0, 0};
    QTest::newRow("4") << 4 << 2 << 2 << Lighting{2, 128, 0};
    QTest::newRow("5 s2") << 5 << 2 << 3 << Lighting{5, 192, 5};
    QTest::newRow("6") << 6 << 2 << 3 << Lighting{6, 0, 0};
    QTest::newRow("7") << 7 << 2 << 3 << Lighting{7, 192, 0};
    QTest::newRow("8 s1") << 8 << 1 << 4 << Lighting{8, 255, 17};
    QTest::newRow("9 s3") << 9 << 3 << 1 << Lighting{9, 64, 7};
    QTest::newRow("10 s4") << 10 << 4 << 2 << Lighting{10, 128, 20};
    QTest::newRow("10 s5") << 10 << 5 << 2 << Lighting{10, 128, 0};
    QTest::newRow("11") << 11 << 0 << 1 << Lighting{0, 0, 0};
}

void tst_DeviceSettings::colorfulLighting()
{
    QFETCH(int, effect);
    QFETCH(int, speed);
    QFETCH(int, level);
    QFETCH(Lighting, expected);
    for (bool is560 : {false, true})
        QCOMPARE(DeviceSettings::mouseLighting(uchar(effect), uchar(speed), uchar(level), true, is560, true),
                 expected);
}

void tst_DeviceSettings::singleColourLighting_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("variantThird");
    QTest::newRow("0 b0") << 0 << 0 << 0 << 1 << 1 << 1;
    QTest::newRow("0 b4") << 0 << 0 << 4 << 1 << 10 << 1;
    QTest::newRow("0 b5") << 0 << 0 << 5 << 1 << 0 << 1;
    QTest::newRow("1 s2") << 1 << 2 << 0 << 2 << 3 << 1;
    QTest::newRow("2 s0") << 2 << 0 << 0 << 3 << 30 << 1;
    QTest::newRow("2 s4") << 2 << 4 << 0 << 3 << 6 << 1;
    QTest::newRow("2 s5") << 2 << 5 << 0 << 3 << 0 << 1;
    QTest::newRow("4 s1") << 4 << 1 << 0 << 2 << 2 << 3;
    QTest::newRow("3") << 3 << 1 << 1 << 0 << 0 << 0;
}

void tst_DeviceSettings::singleColourLighting()
{
    QFETCH(int, effect);
    QFETCH(int, speed);
    QFETCH(int, level);
    QFETCH(int, mode);
    QFETCH(int, second);
    QFETCH(int, variantThird);
    const auto l553v = DeviceSettings::mouseLighting(uchar(effect), uchar(speed), uchar(level), false, false, true);
    QCOMPARE(l553v, (Lighting{uchar(mode), uchar(second), uchar(variantThird)}));
    const auto l553 = DeviceSettings::mouseLighting(uchar(effect), uchar(speed), uchar(level), false, false, false);
    QCOMPARE(l553, (Lighting{uchar(mode), uchar(second), 2}));
    const auto l560 = DeviceSettings::mouseLighting(uchar(effect), uchar(speed), uchar(level), false, true, true);
    QCOMPARE(l560, (Lighting{uchar(mode), uchar(second), 2}));
}

void tst_DeviceSettings::effectSends()
{
    ViewWorld w;
    DeviceSettings d553(*w.settings, w.blocks, w.device);
    d553.setMouseEffect(5, 2, 3);
    QCOMPARE(w.device.names(), QStringList{"553_0D"});
    QCOMPARE(w.device.calls[0].args, (QList<int>{5, 192, 5}));

    struct Case {
        bool colorful;
        bool gun;
        QList<int> blocks;
        int block1Third;
    };
    for (const Case& c : {Case{true, false, {1}, 5}, Case{true, true, {1, 2, 3, 4}, 5},
                          Case{false, true, {1, 2, 3, 4}, 2}, Case{false, false, {1}, 3}}) {
        w.reset(flagsFor("560", c.colorful, c.gun));
        w.device.calls.clear();
        DeviceSettings d(*w.settings, w.blocks, w.device);
        d.setMouseEffect(c.colorful ? 5 : 1, 2, 3);
        QList<int> sent;
        for (const auto& call : w.device.calls)
            sent.append(call.args[0]);
        QCOMPARE(sent, c.blocks);
        QCOMPARE(int(w.blocks.block(1)[71]), c.colorful ? 5 : 2);
        QCOMPARE(int(w.blocks.block(1)[73]), c.block1Third);
        QCOMPARE(int(w.blocks.block(4)[71]), c.colorful ? 5 : 2);
        QCOMPARE(int(uchar(w.device.calls[0].payload[73])), c.block1Third);
    }
}

void tst_DeviceSettings::colourStages()
{
    ViewWorld w;
    DeviceSettings d(*w.settings, w.blocks, w.device);
    d.setMouseColor(1, rgbList(24));
    QCOMPARE(w.device.names(), (QStringList{"553_10", "553_10"}));
    QCOMPARE(w.device.calls[1].args, QList<int>{1});
    QCOMPARE(int(uchar(w.device.calls[0].payload[23])), 24);

    w.reset(flagsFor("553", false, false, true));
    w.device.calls.clear();
    DeviceSettings variant(*w.settings, w.blocks, w.device);
    variant.setMouseColor(1, rgbList(24));
    // A short list: no eighth colour, so the fixed colour of the first stage.
    variant.setMouseColor(1, {9, 8, 7});
    QCOMPARE(w.device.names(), (QStringList{"553_10", "553_0C"}));
    QCOMPARE(w.device.calls[0].args, QList<int>{0});
    QCOMPARE(w.device.calls[1].args, (QList<int>{9, 8, 7}));

    w.reset(flagsFor("560", true, false));
    w.device.calls.clear();
    DeviceSettings colorful(*w.settings, w.blocks, w.device);
    colorful.setMouseColor(1, rgbList(24));
    QCOMPARE(w.device.calls[0].args, QList<int>{0});
    QCOMPARE(int(w.blocks.block(0)[24]), 1);
    QCOMPARE(int(w.blocks.block(0)[47]), 24);
    QCOMPARE(int(w.blocks.block(0)[48]), 0);

    w.reset(flagsFor("560", false, false));
    w.device.calls.clear();
    DeviceSettings single(*w.settings, w.blocks, w.device);
    single.setMouseColor(1, rgbList(24));
    QCOMPARE(w.device.calls[0].args, QList<int>{1});
    QCOMPARE(int(w.blocks.block(1)[104]), 1);
    QCOMPARE(int(w.blocks.block(1)[127]), 24);
}

void tst_DeviceSettings::keyboardEffectMapping_data()
{
    QTest::addColumn<QList<int>>("in");
    QTest::addColumn<QList<int>>("out");
    QTest::newRow("first") << QList<int>{0, 0, 0, 0} << QList<int>{1, 10, 0, 1};
    QTest::newRow("12 4 4 0") << QList<int>{12, 4, 4, 0} << QList<int>{51, 1, 50, 1};
    QTest::newRow("5 3 3 6") << QList<int>{5, 3, 3, 6} << QList<int>{15, 3, 30, 7};
    QTest::newRow("16 1 2 1") << QList<int>{16, 1, 2, 1} << QList<int>{55, 9, 15, 2};
    QTest::newRow("17") << QList<int>{17, 2, 1, 0} << QList<int>{18, 6, 5, 1};
}

void tst_DeviceSettings::keyboardEffectMapping()
{
    QFETCH(QList<int>, in);
    QFETCH(QList<int>, out);
    ViewWorld w;
    DeviceSettings d(*w.settings, w.blocks, w.device);
    d.setKeyboardEffect(uchar(in[0]), uchar(in[1]), uchar(in[2]), uchar(in[3]));
    QCOMPARE(w.device.names(), QStringList{"arm_08"});
    QCOMPARE(w.device.calls[0].args, out);
}

void tst_DeviceSettings::keyboardColoursAndPicture()
{
    ViewWorld w;
    ViewWorld::writeFile(SettingsStore::factoryProfilePath(),
                         {{"keyboardLEDData/0", QStringList{"00ff0000", "00aabbcc"}}});
    w.reset(ViewFlags());
    w.settings->setDataList("keyboardLEDData/0", {"0000ff00", "01102030", "zz"});
    w.settings->setDataList("keyboardLEDData/125", {"00010203", "00040506"});
    w.settings->setDataList("keyboardLEDData/7", {"0001"});
    DeviceSettings d(*w.settings, w.blocks, w.device);
    d.setKeyboardColor(rgbList(20));
    QCOMPARE(w.device.calls.size(), 7);
    QCOMPARE(w.device.calls[0].args, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(w.device.calls[6].args, (QList<int>{6, 19, 20, 0}));

    w.device.calls.clear();
    d.sendPicture(1, false);
    d.sendPicture(1, true);
    d.sendPicture(2, false);
    QCOMPARE(w.device.names(), (QStringList{"kb_12", "kb_12", "kb_12"}));
    QCOMPARE(w.device.calls[0].args, QList<int>{1});
    QCOMPARE(w.device.calls[0].payload.left(4), QByteArray::fromHex("01102030"));
    QCOMPARE(w.device.calls[0].payload.mid(500, 4), QByteArray::fromHex("00040506"));
    QCOMPARE(w.device.calls[1].payload.left(4), QByteArray::fromHex("00aabbcc"));
    QCOMPARE(w.device.calls[1].payload.mid(4), QByteArray(508, '\0'));
    // Malformed and missing colours stay dark.
    QCOMPARE(w.device.calls[2].args, QList<int>{2});
    QCOMPARE(w.device.calls[2].payload, QByteArray(512, '\0'));
}

void tst_DeviceSettings::rateStageAndOptionsPerFamily()
{
    ViewWorld w;
    DeviceSettings d(*w.settings, w.blocks, w.device);
    w.device.currentDpi = 3;
    w.device.options[0] = 1;
    w.device.options[3] = 0x40;
    d.setReportRate(2);
    d.setCurrentDpi(4);
    QCOMPARE(d.currentDpi(), 3);
    d.setKeyboardOption(1, 2, 3, 4);
    QCOMPARE(d.keyboardOption(), (QVariantList{1, 0, 0, 0x40}));
    QCOMPARE(w.device.names(), (QStringList{"553_01", "553_0B", "553_8B", "553_03", "83"}));

    w.reset(flagsFor("560", true, false));
    w.device.calls.clear();
    DeviceSettings d560(*w.settings, w.blocks, w.device);
    d560.setReportRate(8);
    d560.setCurrentDpi(2);
    QCOMPARE(d560.currentDpi(), 3);
    QCOMPARE(w.device.names(), (QStringList{"560_03", "560_04", "560_84"}));
    QCOMPARE(w.device.calls[2].args, QList<int>{1});
    w.device.answer = false;
    QCOMPARE(d560.currentDpi(), 0);
}

QTEST_GUILESS_MAIN(tst_DeviceSettings)
#include "tst_DeviceSettings.moc"
