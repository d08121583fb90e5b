#include "ProtocolRig.h"
#include "ViewWorld.h"

#include "view/KeyAssignment.h"
#include "view/myQQuickView.h"

#include <QtTest>

namespace {

// 0x00, c0..c6 and the checksum, as a command report goes out.
QByteArray feature(std::initializer_list<int> block)
{
    QByteArray b(9, '\0');
    int i = 1;
    int sum = 0;
    for (int v : block) {
        b[i++] = char(v);
        sum += v;
    }
    b[8] = char(~sum & 0xFF);
    return b;
}

QList<QByteArray> features(const ProtocolRig& rig)
{
    QList<QByteArray> list;
    for (const TraceRow& row : rig.rows({QStringLiteral("send-feature")}))
        list.append(row.data);
    return list;
}

QVariantList buttons(const QList<QList<int>>& entries)
{
    QVariantList list;
    for (int k = 0; k < 16; ++k)
        for (int v : (k < entries.size() ? entries.at(k) : QList<int>{0, 0, 0xF0, 0}))
            list.append(v);
    return list;
}

// A view on a data root with the given flags, sending to a simulated device.
struct WiredView {
    WiredView(const ViewFlags& flags, int device)
        : world(flags)
        , rig(flags.icType == QLatin1String("560") ? sim::MouseFamily::F560 : sim::MouseFamily::F553)
        , view(std::make_unique<myQQuickView>())
    {
        rig.owner.gun = flags.gun;
        view->setHid(&rig.hid);
        rig.select(device);
    }
    ViewWorld world;
    ProtocolRig rig;
    std::unique_ptr<myQQuickView> view;
};

ViewFlags family(const char* icType, bool gun = false)
{
    ViewFlags f;
    f.icType = QString::fromLatin1(icType);
    f.gun = gun;
    return f;
}

} // namespace

class tst_ViewWire : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gunLayersOn560();
    void plainMatrixOn553();
    void dpiStagesOn553();
    void dpiStagesIn560Blocks();
    void mouseMacroSlots();
    void keyboardPictureAndEffect();
    void gunDataOn553FollowsOptionByte();
    void currentStageRoundTrip560();
};

void tst_ViewWire::gunLayersOn560()
{
    WiredView w(family("560", true), ProtocolRig::kMouse);
    for (int k = 0; k < 16; ++k)
        w.view->setDataList(QStringLiteral("mouseFwKeyMatrix/%1").arg(k), {1, 0, 0xF0, 0});
    QVERIFY(QMetaObject::invokeMethod(w.view.get(), "mouseSetKeyMatrix",
                                      Q_ARG(QVariantList, buttons({{0, 0, 0xF0, 0}, {}, {}, {8, 0, 2, 0}})),
                                      Q_ARG(bool, true), Q_ARG(QVariantList, (QVariantList{30, 40, 50}))));
    QCOMPARE(features(w.rig), (QList<QByteArray>{feature({0x0C, 0, 0x80}), feature({0x0D, 1, 0x80}),
                                                 feature({0x0D, 2, 0x80}), feature({0x0D, 3, 0x80}),
                                                 feature({0x0D, 4, 0x80}), feature({0x02, 1})}));
    const QList<TraceRow> writes = w.rig.rows({QStringLiteral("write")});
    QCOMPARE(writes.size(), 20);
    QCOMPARE(int(uchar(writes[0].data[1 + 2])), 15);
    // Layer 3 (second gun layer): button 0 fires with the second period.
    QCOMPARE(writes[12].data.mid(1, 4), QByteArray::fromHex("0b01" "28" "00"));
    // Five settled trains of four reports, then one quick command.
    QCOMPARE(w.rig.clock.nowMs(), 5 * (128 + 4 * 120 + 128) + 8);
    QCOMPARE(w.rig.sim.mouse().state().profiles[0].at(2), char(15));
    QCOMPARE(int(w.rig.sim.mouse().state().currentProfile), 1);
}

void tst_ViewWire::plainMatrixOn553()
{
    WiredView w(family("553"), ProtocolRig::kMouse);
    w.view->mouseSetKeyMatrix(buttons({{0, 0, 0xF0, 0}, {4, 0, 2, 0}, {5, 0, 4, 0}}), true, {30, 40, 50});
    QByteArray matrix;
    for (int k = 0; k < 16; ++k)
        matrix += k == 0 ? QByteArray::fromHex("0100f000")
                : k == 1 ? QByteArray::fromHex("09000300")
                : k == 2 ? QByteArray::fromHex("07000401")
                         : QByteArray::fromHex("0100f000");
    const QString msg = checkSettledTrain(w.rig, feature({0x12, 1, 0x40, 0x08}), chunks(matrix, 32), 32);
    QVERIFY2(msg.isEmpty(), qPrintable(msg));

    w.rig.trace.clear();
    w.view->mouseSetKeyMatrix(buttons({}), false, {});
    QVERIFY(w.rig.rows().isEmpty());
}

void tst_ViewWire::dpiStagesOn553()
{
    WiredView w(family("553"), ProtocolRig::kMouse);
    w.view->mouseSetDpi(4, QStringLiteral("3360"), {400, 800, 1600, 3200, 6400, 100, 200, 300});
    const QString msg =
        checkSettledTrain(w.rig, feature({0x11, 4, 0x08}), {QByteArray::fromHex("03070f1f80808080")}, 32);
    QVERIFY2(msg.isEmpty(), qPrintable(msg));
}

void tst_ViewWire::dpiStagesIn560Blocks()
{
    WiredView w(family("560"), ProtocolRig::kMouse);
    w.view->mouseSetDpi(2, QStringLiteral("3389"), {800, 16000});
    QCOMPARE(features(w.rig), (QList<QByteArray>{feature({0x0C, 1, 0x80})}));
    const QByteArray block = w.rig.sim.mouse().state().profiles[1];
    QCOMPARE(block.mid(82, 2), QByteArray::fromHex("0200"));
    QCOMPARE(block.mid(84, 8), QByteArray::fromHex("1040000000000000"));
    QCOMPARE(block.mid(92, 9), QByteArray::fromHex("104000000000000003"));

    // What the device holds comes back whole into the host's block.
    w.view->deviceBlocks().block(1).fill(0);
    w.view->mouseReadProfile(1);
    QCOMPARE(int(w.view->deviceBlocks().block(1)[85]), 64);
}

void tst_ViewWire::mouseMacroSlots()
{
    WiredView w(family("553"), ProtocolRig::kMouse);
    const QVariantList macro{0, 1, 0x05, 0x04, 0x81, 0x04, 0, 0};
    QCOMPARE(w.view->mouseSendMacroData(macro, 12), QVariant(true));
    QVERIFY(w.rig.rows().isEmpty());
    QCOMPARE(w.view->mouseSendMacroData(macro, 11), QVariant(true));
    QByteArray payload = QByteArray::fromHex("0001050481040000");
    payload.resize(128, '\0');
    const QString msg = checkSettledTrain(w.rig, feature({0x13, 12, 0x80}), chunks(payload, 32), 32);
    QVERIFY2(msg.isEmpty(), qPrintable(msg));
    QCOMPARE(w.rig.sim.mouse().state().macros.value(12), payload);
}

void tst_ViewWire::keyboardPictureAndEffect()
{
    WiredView w(family("553"), ProtocolRig::kKeyboard);
    w.view->setDataList(QStringLiteral("keyboardLEDData/0"), {"00000000", "00000000", "00000000", "00ff8040"});
    w.view->keyboardLEDPicture(3, false);
    const QList<QByteArray> sent = features(w.rig);
    QCOMPARE(sent, QList<QByteArray>{QByteArray::fromHex("0012000308000000e2")});
    QCOMPARE(w.rig.rows({QStringLiteral("write")}).size(), 8);
    QCOMPARE(w.rig.rows({QStringLiteral("write")}).first().data.mid(1, 4), QByteArray::fromHex("00ff8040"));

    w.rig.trace.clear();
    w.view->keyboardSetRGBEffect(12, 4, 4, 0);
    QCOMPARE(features(w.rig), QList<QByteArray>{feature({0x08, 0, 51, 1, 50, 1})});
}

void tst_ViewWire::gunDataOn553FollowsOptionByte()
{
    WiredView w(family("553", true), ProtocolRig::kMouse);
    w.view->mouseSetKeyboardoption(0, 0, 1, 0x40);
    QCOMPARE(w.view->GetKeyboardoption(), (QVariantList{0, 0, 1, 0x40}));
    w.rig.trace.clear();
    w.view->mouseSendGundata(2, {10, 1, 5});
    QCOMPARE(features(w.rig), (QList<QByteArray>{feature({0x83}), feature({0x04, 0, 10, 1, 251, 1})}));
    QCOMPARE(w.rig.sim.mouse().state().gunData, (std::array<uchar, 4>{10, 1, 251, 1}));
}

void tst_ViewWire::currentStageRoundTrip560()
{
    WiredView w(family("560", true), ProtocolRig::kMouse);
    w.view->mouseSetCurrentDPI(3);
    // With gun layers only the first index is sent.
    QCOMPARE(features(w.rig), QList<QByteArray>{feature({0x04, 1, 3})});
    QCOMPARE(w.view->mouseGetCurrentDPI().toInt(), 3);
}

QTEST_MAIN(tst_ViewWire)
#include "tst_ViewWire.moc"
