#include "ProtocolRig.h"

#include <QRandomGenerator>
#include <QtTest>

// Block scrambling on its own and on the wire.
class TestScramble : public QObject
{
    Q_OBJECT

    static QByteArray scrambled(QByteArray block, QByteArray code)
    {
        Hid_Thread hid;
        hid.USBDataEncryption(reinterpret_cast<uchar*>(block.data()), reinterpret_cast<uchar*>(code.data()));
        return block;
    }

private Q_SLOTS:
    void knownBlocks()
    {
        QCOMPARE(scrambled(hexBytes("01 02 00 00 00 00 00 fc"), QByteArray(8, '\0')),
                 hexBytes("d4 8e f5 07 d4 af 75 26"));
        QCOMPARE(scrambled(hexBytes("01 02 03 04 05 06 07 08"), hexBytes("09 08 07 06 05 04 03 02")),
                 hexBytes("04 ef 8d 0f fc cf ad 3e"));
    }

    void roundTripsForRandomBlocksAndCodes()
    {
        QRandomGenerator random(20261206);
        Hid_Thread hid;
        for (int i = 0; i < 2000; ++i) {
            QByteArray block(8, '\0');
            QByteArray code(8, '\0');
            random.fillRange(reinterpret_cast<quint32*>(block.data()), 2);
            random.fillRange(reinterpret_cast<quint32*>(code.data()), 2);
            QByteArray work = block;
            auto* b = reinterpret_cast<uchar*>(work.data());
            auto* c = reinterpret_cast<uchar*>(code.data());
            hid.USBDataEncryption(b, c);
            hid.USBDataDecipher(b, c);
            QCOMPARE(work, block);
        }
    }

    void zeroCodeLeavesTheXorStepWithoutEffect()
    {
        QRandomGenerator random(7);
        for (int i = 0; i < 200; ++i) {
            QByteArray block(8, '\0');
            random.fillRange(reinterpret_cast<quint32*>(block.data()), 2);
            // Code bytes 0 and 7 take no part, so only they set: same as zero.
            QCOMPARE(scrambled(block, hexBytes("ff 00 00 00 00 00 00 ff")), scrambled(block, QByteArray(8, '\0')));
            // Any code only XORs the exchanged bytes: folding the code into
            // the block first and scrambling with zeros gives the same.
            QByteArray code(8, '\0');
            random.fillRange(reinterpret_cast<quint32*>(code.data()), 2);
            const int partner[8] = {5, 4, 7, 6, 1, 0, 3, 2};
            QByteArray folded = block;
            for (int k = 1; k <= 6; ++k)
                folded[partner[k]] = static_cast<char>(folded[partner[k]] ^ code[k]);
            QCOMPARE(scrambled(block, code), scrambled(folded, QByteArray(8, '\0')));
        }
    }

    void commandBlockIsScrambledOnTheWire()
    {
        ProtocolRig rig;
        rig.setEncoded(ProtocolRig::kMouse, true);
        rig.select(ProtocolRig::kMouse);
        rig.hid.hid553_01H_SetReportRate(2);
        const QByteArray wire = rig.rows({"send-feature"}).first().data;
        QCOMPARE(wire, QByteArray(1, '\0') + hexBytes("d4 8e f5 07 d4 af 75 26"));
        QCOMPARE(rig.sim.mouse().state().reportRate, uchar(2));
        QCOMPARE(rig.sim.mouse().rejectedCommands(), 0);
    }

    void replyBlockIsUnscrambled()
    {
        ProtocolRig rig;
        rig.setEncoded(ProtocolRig::kMouse, true);
        rig.sim.mouse().state().options = {0x12, 0x34, 0x56, 0x78};
        rig.select(ProtocolRig::kMouse);
        uchar a = 0, b = 0, c = 0, d = 0;
        rig.hid.hid553_83H_GetKeyboardoption(a, b, c, d);
        QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{0x12, 0x34, 0x56, 0x78}));
        const QByteArray reply = rig.rows({"get-feature"}).first().data;
        QVERIFY(reply.mid(1) != hexBytes("83 12 34 56 78 00 00 00"));
    }

    void bulkDataTravelsInTheClear()
    {
        ProtocolRig rig(sim::MouseFamily::F560);
        rig.setEncoded(ProtocolRig::kMouse, true);
        rig.select(ProtocolRig::kMouse);
        QByteArray block = pattern(128, 3);
        rig.hid.hid560_0CH_setProfile(reinterpret_cast<uchar*>(block.data()), 1);
        QCOMPARE(rig.rows({"write"}).first().data.mid(1), block.left(32));
        QByteArray back(128, '\0');
        rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(back.data()), 1);
        QCOMPARE(back, block);
    }

    void plainDeviceRejectsAScrambledBlock()
    {
        ProtocolRig rig;
        rig.setEncoded(ProtocolRig::kMouse, true);
        rig.sim.setScrambled(SimulatedHid::Device::Mouse, false);
        rig.select(ProtocolRig::kMouse);
        rig.hid.hid553_0BH_SetCurrentDPI(5);
        QCOMPARE(rig.sim.mouse().rejectedCommands(), 1);
        QCOMPARE(rig.sim.mouse().state().dpiStage, uchar(1));
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
