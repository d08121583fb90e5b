#include "ToolOptions.h"

#include "devices/DeviceList.h"
#include "protocol/KnownDevices.h"
#include "protocol/sim/SimulatedHid.h"
#include "view/SettingsStore.h"

#include <QSettings>

// Apart from the option walk, which quorixctl's QtCore front end uses alone.
namespace ToolOptions {

std::unique_ptr<SimulatedHid> makeSimulator(const Shared& o, Clock* clock)
{
    QString family = o.family;
    if (family.isEmpty())
        family = QSettings(SettingsStore::globalPath(), QSettings::IniFormat).value(QStringLiteral("mouse/icType")).toString();
    auto sim = std::make_unique<SimulatedHid>(family == QLatin1String("560") ? sim::MouseFamily::F560
                                                                            : sim::MouseFamily::F553,
                                              clock);
    // A record that asks for scrambled blocks gets a device that speaks them,
    // as the real device configured that way would.
    for (const DeviceRecord& record : DeviceList::read()) {
        if (record.pid == known::kKeyboardProduct)
            sim->setScrambled(SimulatedHid::Device::Keyboard, record.isEncode);
        else if (record.pid == known::kMouseProduct)
            sim->setScrambled(SimulatedHid::Device::Mouse, record.isEncode);
    }
    if (!o.keyboard)
        sim->unplug(SimulatedHid::Device::Keyboard);
    if (!o.mouse)
        sim->unplug(SimulatedHid::Device::Mouse);
    return sim;
}

} // namespace ToolOptions
