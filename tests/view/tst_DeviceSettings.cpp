#include "ViewWorld.h"

#include "view/DeviceSettings.h"

#include <QtTest>

namespace {

QVariantList oneTo(int count)
{
    QVariantList l;
    for (int i = 1; i <= count; ++i)
        l.append(i);
    return l;
}

int byteAt(const QByteArray& payload, int i)
{
    return int(uchar(payload.at(i)));
}

} // namespace

Q_DECLARE_METATYPE(ViewFlags)

class tst_DeviceSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dpiCodes_data()
    {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("code");
        QTest::newRow("3360 800") << "3360" << 800 << 7;
        QTest::newRow("3360 16000") << "3360" << 16000 << 159;
        QTest::newRow("3050 250") << "3050" << 250 << 1;
        QTest::newRow("3050 2001") << "3050" << 2001 << 69;
        QTest::newRow("3050 4000") << "3050" << 4000 << 72;
        QTest::newRow("3050 5000") << "3050" << 5000 << 0;
        QTest::newRow("3389 800") << "3389" << 800 << 16;
        QTest::newRow("3389 16000") << "3389" << 16000 << 64;
        QTest::newRow("4090 800") << "4090" << 800 << 7;
        QTest::newRow("4090 5000") << "4090" << 5000 << 49;
        QTest::newRow("4090 5200") << "4090" << 5200 << (26 | 0x40);
        QTest::newRow("4090 12000") << "4090" << 12000 << 0x7C;
        QTest::newRow("other 12000") << "9999" << 12000 << 0x7C;
    }

    void dpiCodes()
    {
        QFETCH(QString, sensor);
        QFETCH(int, dpi);
        QTEST(int(DeviceSettings::dpiCode(dpi, sensor)), "code");
    }

    void dpi553ShortListCountsAsZero()
    {
        ViewWorld w;
        DeviceSettings(*w.settings, w.blocks, w.device).setDpi(3, "3360", {800});
        QCOMPARE(w.device.calls[0].payload, QByteArray::fromHex("0700008080808080"));
    }

    void dpi560WritesLayerBlocks_data()
    {
        QTest::addColumn<bool>("gun");
        QTest::addColumn<QString>("sent");
        QTest::newRow("plain") << false << "560_0C 1";
        QTest::newRow("gun") << true << "560_0C 1; 560_0C 2; 560_0C 3; 560_0C 4";
    }

    void dpi560WritesLayerBlocks()
    {
        QFETCH(bool, gun);
        ViewWorld w({"560", true, gun});
        DeviceSettings d(*w.settings, w.blocks, w.device);
        w.blocks.block(2)[83] = 0x99;
        d.setDpi(4, "3389", {800, 1600, 3200, 16000, 400, 400, 400, 400});
        QTEST(w.device.log(), "sent");
        for (int n = 1; n <= 4; ++n) {
            const auto& b = w.blocks.block(n);
            // Codes at 84 and again at 92, stages in use at 100, above-native mask at 82.
            QCOMPARE(QList<int>({b[82], b[83], b[84], b[87], b[95], b[100]}), QList<int>({0x08, 0, 16, 64, 64, 0x0F}));
        }
        QCOMPARE(int(DeviceSettings::encodeDpi("3389", {800, 12799, 12800, 400, 16000}).highMask), 0b10100);
        // Without the "3389" sensor the mask bytes keep what the device had.
        w.blocks.block(1)[82] = 0x55;
        d.setDpi(8, "3360", {800});
        QCOMPARE(int(w.blocks.block(1)[82]), 0x55);
        QCOMPARE(int(w.blocks.block(1)[100]), 0xFF);
    }

    // The screens' effect, speed step and brightness step to the device's mode, level and third byte.
    void mouseLighting_data()
    {
        QTest::addColumn<bool>("colorful");
        QTest::addColumn<QList<int>>("screen");
        QTest::addColumn<QList<int>>("device");
        QTest::newRow("static dark") << true << QList<int>{0, 0, 0} << QList<int>{1, 0, 0};
        QTest::newRow("static level 1") << true << QList<int>{0, 0, 1} << QList<int>{1, 64, 0};
        QTest::newRow("1 speed 0") << true << QList<int>{1, 0, 3} << QList<int>{3, 0, 10};
        QTest::newRow("2 speed 4") << true << QList<int>{2, 4, 3} << QList<int>{4, 0, 1};
        QTest::newRow("5 speed 2") << true << QList<int>{5, 2, 3} << QList<int>{5, 192, 5};
        QTest::newRow("9 speed 3") << true << QList<int>{9, 3, 1} << QList<int>{9, 64, 7};
        QTest::newRow("speed beyond the steps") << true << QList<int>{10, 5, 2} << QList<int>{10, 128, 0};
        QTest::newRow("effect beyond the list") << true << QList<int>{11, 0, 1} << QList<int>{0, 0, 0};
        // Single colour: the third byte is the 55328 variant's; the others always send 2.
        QTest::newRow("single static b0") << false << QList<int>{0, 0, 0} << QList<int>{1, 1, 1};
        QTest::newRow("single static b5") << false << QList<int>{0, 0, 5} << QList<int>{1, 0, 1};
        QTest::newRow("single 2 s0") << false << QList<int>{2, 0, 0} << QList<int>{3, 30, 1};
        QTest::newRow("single 2 s4") << false << QList<int>{2, 4, 0} << QList<int>{3, 6, 1};
        QTest::newRow("single 2 s5") << false << QList<int>{2, 5, 0} << QList<int>{3, 0, 1};
        QTest::newRow("single 4 s1") << false << QList<int>{4, 1, 0} << QList<int>{2, 2, 3};
        QTest::newRow("single off") << false << QList<int>{3, 1, 1} << QList<int>{0, 0, 0};
    }

    void mouseLighting()
    {
        QFETCH(bool, colorful);
        QFETCH(QList<int>, screen);
        QFETCH(QList<int>, device);
        const auto light = [&](bool is560, bool variant) {
            const auto l = DeviceSettings::mouseLighting(uchar(screen[0]), uchar(screen[1]), uchar(screen[2]),
                                                         colorful, is560, variant);
            return QList<int>{l.mode, l.level, l.third};
        };
        QCOMPARE(light(false, true), device);
        const QList<int> others = colorful ? device : QList<int>{device[0], device[1], 2};
        QCOMPARE(light(false, false), others);
        QCOMPARE(light(true, true), others);
    }

    void effectSends_data()
    {
        QTest::addColumn<ViewFlags>("flags");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QList<int>>("block1"); // bytes 71 and 73 of the 560's block 1
        QTest::newRow("553") << ViewFlags{"553", true} << "553_0D 5 192 5" << QList<int>{};
        QTest::newRow("560") << ViewFlags{"560", true} << "560_0C 1" << QList<int>{5, 5};
        QTest::newRow("560 gun") << ViewFlags{"560", true, true} << "560_0C 1; 560_0C 2; 560_0C 3; 560_0C 4"
                                 << QList<int>{5, 5};
        QTest::newRow("560 single") << ViewFlags{"560", false} << "560_0C 1" << QList<int>{2, 3};
        QTest::newRow("560 single gun") << ViewFlags{"560", false, true} << "560_0C 1; 560_0C 2; 560_0C 3; 560_0C 4"
                                        << QList<int>{2, 2};
    }

    void effectSends()
    {
        QFETCH(ViewFlags, flags);
        QFETCH(QList<int>, block1);
        ViewWorld w(flags);
        DeviceSettings(*w.settings, w.blocks, w.device).setMouseEffect(flags.colorful ? 5 : 1, 2, 3);
        QTEST(w.device.log(), "sent");
        if (!block1.isEmpty()) {
            const QByteArray& sent = w.device.calls[0].payload;
            QCOMPARE(QList<int>({byteAt(sent, 71), byteAt(sent, 73)}), block1);
            QCOMPARE(QList<int>({w.blocks.block(4)[71], w.blocks.block(1)[73]}), block1);
        }
    }

    void colourStages()
    {
        ViewWorld w;
        DeviceSettings(*w.settings, w.blocks, w.device).setMouseColor(1, oneTo(24));
        QCOMPARE(w.device.log(), QStringLiteral("553_10 1; 553_10 1"));
        QCOMPARE(byteAt(w.device.calls[0].payload, 23), 24);

        // The 55328 variant: a short list has no eighth colour, so the fixed colour of the first stage.
        w.reset({"553", false, false, true});
        DeviceSettings variant(*w.settings, w.blocks, w.device);
        variant.setMouseColor(1, oneTo(24));
        variant.setMouseColor(1, {9, 8, 7});
        QCOMPARE(w.device.log(), QStringLiteral("553_10 0; 553_0C 9 8 7"));

        w.reset({"560", true});
        DeviceSettings(*w.settings, w.blocks, w.device).setMouseColor(1, oneTo(24));
        QCOMPARE(w.device.log(), QStringLiteral("560_0C 0"));
        QCOMPARE(QList<int>({w.blocks.block(0)[24], w.blocks.block(0)[47], w.blocks.block(0)[48]}), QList<int>({1, 24, 0}));

        w.reset({"560", false});
        DeviceSettings(*w.settings, w.blocks, w.device).setMouseColor(1, oneTo(24));
        QCOMPARE(w.device.log(), QStringLiteral("560_0C 1"));
        QCOMPARE(QList<int>({w.blocks.block(1)[104], w.blocks.block(1)[127]}), QList<int>({1, 24}));
    }

    void keyboardEffect_data()
    {
        QTest::addColumn<QList<int>>("in");
        QTest::addColumn<QString>("sent");
        QTest::newRow("first") << QList<int>{0, 0, 0, 0} << "arm_08 1 10 0 1";
        QTest::newRow("12 4 4 0") << QList<int>{12, 4, 4, 0} << "arm_08 51 1 50 1";
        QTest::newRow("16 1 2 1") << QList<int>{16, 1, 2, 1} << "arm_08 55 9 15 2";
        QTest::newRow("17") << QList<int>{17, 2, 1, 0} << "arm_08 18 6 5 1";
    }

    void keyboardEffect()
    {
        QFETCH(QList<int>, in);
        ViewWorld w;
        DeviceSettings(*w.settings, w.blocks, w.device).setKeyboardEffect(uchar(in[0]), uchar(in[1]), uchar(in[2]), uchar(in[3]));
        QTEST(w.device.log(), "sent");
    }

    void keyboardColoursAndPicture()
    {
        ViewWorld w;
        ViewWorld::writeFile(SettingsStore::factoryProfilePath(), {{"keyboardLEDData/0", QStringList{"00ff0000", "00aabbcc"}}});
        w.reset(ViewFlags());
        w.settings->setDataList("keyboardLEDData/0", {"0000ff00", "01102030", "zz"});
        w.settings->setDataList("keyboardLEDData/125", {"00010203", "00040506"});
        w.settings->setDataList("keyboardLEDData/7", {"0001"});
        DeviceSettings d(*w.settings, w.blocks, w.device);
        d.setKeyboardColor(oneTo(20));
        QCOMPARE(w.device.calls.size(), 7);
        QCOMPARE(w.device.calls.first().args, (QList<int>{0, 1, 2, 3}));
        QCOMPARE(w.device.calls.last().args, (QList<int>{6, 19, 20, 0}));

        w.device.calls.clear();
        d.sendPicture(1, false);
        d.sendPicture(1, true);
        d.sendPicture(2, false);
        QCOMPARE(w.device.log(), QStringLiteral("kb_12 1; kb_12 1; kb_12 2"));
        QCOMPARE(w.device.calls[0].payload.left(4), QByteArray::fromHex("01102030"));
        QCOMPARE(w.device.calls[0].payload.mid(500, 4), QByteArray::fromHex("00040506"));
        QCOMPARE(w.device.calls[1].payload, QByteArray::fromHex("00aabbcc") + QByteArray(508, '\0'));
        // Malformed and missing colours stay dark.
        QCOMPARE(w.device.calls[2].payload, QByteArray(512, '\0'));
    }

    void rateStageAndOptionsPerFamily()
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
        QCOMPARE(w.device.log(), QStringLiteral("553_01 2; 553_0B 4; 553_8B; 553_03 1 2 3 4; 83"));

        w.reset({"560", true});
        DeviceSettings d560(*w.settings, w.blocks, w.device);
        d560.setReportRate(8);
        d560.setCurrentDpi(2);
        QCOMPARE(d560.currentDpi(), 3);
        QCOMPARE(w.device.log(), QStringLiteral("560_03 8; 560_04 2; 560_84 1"));
        w.device.answer = false;
        QCOMPARE(d560.currentDpi(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DeviceSettings)
#include "tst_DeviceSettings.moc"
