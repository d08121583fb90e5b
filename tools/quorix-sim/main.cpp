// quorix-sim: the whole program in front of simulated devices, with a control
// window to plug, unplug and press the mouse's DPI button. For trying the program
// without the hardware.

#include "SimControlWindow.h"
#include "app/Program.h"
#include "app/Widget.h"
#include "protocol/Clock.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"
#include "view/SettingsStore.h"

#include <QApplication>
#include <QSettings>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorix-sim"));
    Program program;
    if (!program.start())
        return 1;

    const bool family560 = QSettings(SettingsStore::globalPath(), QSettings::IniFormat)
                               .value(QStringLiteral("mouse/icType"))
                               .toString()
        == QLatin1String("560");
    SimulatedHid sim(family560 ? sim::MouseFamily::F560 : sim::MouseFamily::F553, &systemClock());
    TracingBackend trace(sim, systemClock());

    std::unique_ptr<SimControlWindow> control;
    return program.run(trace, [&](Widget& host) {
        control = std::make_unique<SimControlWindow>(sim, trace, host);
        // Beside the main window, so neither hides the other.
        control->move(host.geometry().right() + 16, host.y());
        control->show();
        // The reader's event read waits for real; end it at once on the way out.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&sim, &host] {
            host.hid().stopReader();
            sim.interruptReads();
        });
    });
}
