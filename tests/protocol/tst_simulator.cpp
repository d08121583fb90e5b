#include "ProtocolRig.h"

#include <QtTest>

// The simulated devices and the trace format.
class TestSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void traceLineFormat()
    {
        const uchar data[3] = {0x00, 0x12, 0xAB};
        QCOMPARE(TracingBackend::formatLine(1216, "keyboard", "command", "write", 65, data, 3),
                 QStringLiteral("{\"t\": 1216, \"dev\": \"keyboard\", \"iface\": \"command\", \"op\": \"write\", "
                                "\"rc\": 65, \"data\": \"00 12 ab\"}"));
        QCOMPARE(TracingBackend::formatLine(0, "mouse", "event", "open", -1, nullptr, 0),
                 QStringLiteral("{\"t\": 0, \"dev\": \"mouse\", \"iface\": \"event\", \"op\": \"open\", \"rc\": -1, "
                                "\"data\": \"\"}"));
    }

    void enumerationFollowsPlugState()
    {
        SimulatedHid sim;
        QCOMPARE(sim.enumerate(0, 0).size(), 4);
        const QList<HidInterfaceInfo> mouse = sim.enumerate(0x04d9, 0xa1ee);
        QCOMPARE(mouse.size(), 2);
        QCOMPARE(mouse[0].usagePage, quint16(0xff00));
        QCOMPARE(mouse[1].usagePage, quint16(0xff01));
        sim.unplug(SimulatedHid::Device::Mouse);
        QVERIFY(sim.enumerate(0x04d9, 0xa1ee).isEmpty());
        QCOMPARE(sim.enumerate(0x04d9, 0x8008).size(), 2);
        sim.plug(SimulatedHid::Device::Mouse);
        QCOMPARE(sim.enumerate(0, 0).size(), 4);
    }

    void replugInvalidatesOldHandles()
    {
        SimulatedHid sim;
        const QByteArray path = SimulatedHid::path(SimulatedHid::Device::Mouse, SimulatedHid::Interface::Command);
        HidHandle* old = sim.open(path);
        QVERIFY(old);
        sim.unplug(SimulatedHid::Device::Mouse);
        QVERIFY(!sim.open(path));
        sim.plug(SimulatedHid::Device::Mouse);
        const uchar report[9] = {0x00, 0x01, 0x02, 0, 0, 0, 0, 0, 0xFC};
        QCOMPARE(sim.sendFeatureReport(old, report, 9), -1);
        HidHandle* fresh = sim.open(path);
        QCOMPARE(sim.sendFeatureReport(fresh, report, 9), 9);
        QCOMPARE(sim.mouse().state().reportRate, uchar(2));
        sim.close(old);
        sim.close(fresh);
    }

    void nthCallFailsOnce()
    {
        SimulatedHid sim;
        const QByteArray path = SimulatedHid::path(SimulatedHid::Device::Keyboard, SimulatedHid::Interface::Command);
        HidHandle* h = sim.open(path);
        sim.failNthCall(SimulatedHid::Device::Keyboard, SimulatedHid::Op::GetFeature, 2);
        uchar reply[9] = {};
        QCOMPARE(sim.getFeatureReport(h, reply, 9), 9);
        QCOMPARE(sim.getFeatureReport(h, reply, 9), -1);
        QCOMPARE(sim.getFeatureReport(h, reply, 9), 9);
        sim.close(h);
    }

    void keyboardEventInterfaceIsLabelled()
    {
        ProtocolRig rig;
        rig.sim.injectEvent(SimulatedHid::Device::Keyboard, hexBytes("01 02 03 04"));
        HidHandle* h = rig.trace.open(SimulatedHid::path(SimulatedHid::Device::Keyboard, SimulatedHid::Interface::Event));
        uchar buffer[4] = {};
        QCOMPARE(rig.trace.readTimeout(h, buffer, 4, 10), 4);
        rig.trace.close(h);
        const QList<TraceRow> rows = rig.rows();
        QCOMPARE(rows.size(), 3);
        for (const TraceRow& row : rows) {
            QCOMPARE(row.dev, QStringLiteral("keyboard"));
            QCOMPARE(row.iface, QStringLiteral("event"));
        }
        QCOMPARE(rows[1].data, hexBytes("01 02 03 04"));
    }

    void eventReadTimesOutEmpty()
    {
        SimulatedHid sim;
        HidHandle* h = sim.open(SimulatedHid::path(SimulatedHid::Device::Mouse, SimulatedHid::Interface::Event));
        uchar buffer[4] = {};
        QCOMPARE(sim.readTimeout(h, buffer, 4, 5), 0);
        sim.close(h);
    }

    void mouseFamiliesInterpretOpcodesDifferently()
    {
        ProtocolRig rig560(sim::MouseFamily::F560);
        rig560.select(ProtocolRig::kMouse);
        QByteArray block(128, '\x07');
        rig560.hid.hid560_0CH_setProfile(reinterpret_cast<uchar*>(block.data()), 0);
        QCOMPARE(rig560.sim.mouse().state().profiles[0], block);
        QCOMPARE(rig560.sim.mouse().state().fixColor, (std::array<uchar, 3>{}));
        QCOMPARE(rig560.sim.mouse().strayReports(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
