// Host overhead around the protocol's mandated pauses, on the real clock
// against the simulated devices: (wall time - mandated pauses) / mandated pauses.

#include "protocol/Clock.h"
#include "protocol/HidOwner.h"
#include "protocol/Hid_Thread.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

class BenchOwner final : public HidOwner
{
public:
    QString controllerType() const override { return QStringLiteral("553"); }
    bool gunFlag() const override { return false; }
    void readerSetCurrentDPI(int) override {}
    void readerShowBalloon(const QString&, const QString&, int) override {}
    void readerSetViewEnabled(bool) override {}
};

DeviceRecord record(SimulatedHid::Device device, int reportLength)
{
    DeviceRecord r;
    r.reportLength = reportLength;
    r.path = QString::fromLatin1(SimulatedHid::path(device, SimulatedHid::Interface::Command));
    r.path2 = QString::fromLatin1(SimulatedHid::path(device, SimulatedHid::Interface::Event));
    return r;
}

void measure(const char* name, int mandatedMs, int rounds, const std::function<void()>& train)
{
    train(); // warm-up: first opens, allocations
    QElapsedTimer timer;
    qint64 totalNs = 0;
    qint64 worstNs = 0;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        train();
        const qint64 ns = timer.nsecsElapsed();
        totalNs += ns;
        worstNs = qMax(worstNs, ns);
    }
    const double mandatedNs = mandatedMs * 1e6;
    const double meanNs = static_cast<double>(totalNs) / rounds;
    std::printf("%-34s mandated %5d ms  mean %9.3f ms  overhead mean %6.3f %%  worst %6.3f %%\n", name, mandatedMs,
                meanNs / 1e6, 100.0 * (meanNs - mandatedNs) / mandatedNs,
                100.0 * (static_cast<double>(worstNs) - mandatedNs) / mandatedNs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 5;

    SimulatedHid sim(sim::MouseFamily::F553, &systemClock());
    TracingBackend traced(sim, systemClock());
    BenchOwner owner;
    Hid_Thread hid;
    hid.setOwner(&owner);
    hid.setClock(&systemClock());
    hid.setDevices({record(SimulatedHid::Device::Keyboard, 64), record(SimulatedHid::Device::Mouse, 32)});

    QByteArray table(512, '\x5a');
    QByteArray macro(128, '\x3c');
    auto keyboardTrain = [&] {
        hid.chkDeviceIsEnCode(0);
        hid.keyboard_0DH_SetKeyMatrix(reinterpret_cast<uchar*>(table.data()));
    };
    auto mouseTrain = [&] {
        hid.chkDeviceIsEnCode(1);
        hid.hid553_13H_SetMacroKey(1, reinterpret_cast<uchar*>(macro.data()));
    };
    // 128 ms settle, a 120 ms gap per output report, 128 ms settle.
    const int keyboardMandated = 128 + 8 * 120 + 128;
    const int mouseMandated = 128 + 4 * 120 + 128;

    std::printf("rounds per figure: %d\n", rounds);
    hid.setBackend(&sim);
    measure("keyboard 512-byte train", keyboardMandated, rounds, keyboardTrain);
    measure("mouse 128-byte train", mouseMandated, rounds, mouseTrain);
    hid.setBackend(&traced);
    traced.setKeepInMemory(true);
    measure("keyboard 512-byte train, traced", keyboardMandated, rounds, keyboardTrain);
    measure("mouse 128-byte train, traced", mouseMandated, rounds, mouseTrain);
    return 0;
}
