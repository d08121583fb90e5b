// quorix-sim: the whole program in front of simulated devices, with a control
// window to plug, unplug and press the mouse's DPI button. For trying the program
// without the hardware.

#include "SimControlWindow.h"
#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "app/Widget.h"
#include "protocol/Clock.h"
#include "protocol/SimulatedHid.h"
#include "protocol/TracingBackend.h"
#include "view/SettingsStore.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorix-sim"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (instance.isRunning()) {
        instance.sendMessage(QString(), 5000);
        return 1;
    }
    AppStartup::enterDataRoot();
    AppStartup::useSoftwareRenderer();

    const bool family560 = QSettings(SettingsStore::globalPath(), QSettings::IniFormat)
                               .value(QStringLiteral("mouse/icType"))
                               .toString()
        == QLatin1String("560");
    SimulatedHid sim(family560 ? sim::MouseFamily::F560 : sim::MouseFamily::F553, &systemClock());
    TracingBackend trace(sim, systemClock());

    Widget host;
    host.hid().setBackend(&trace);
    QObject::connect(&instance, &SingleInstance::messageReceived, &host, &Widget::receiveMessage);

    SimControlWindow control(sim, trace, host);
    // Beside the main window, so neither hides the other.
    control.move(host.geometry().right() + 16, host.y());
    control.show();

    host.showNormal();
    host.checkDevice();
    const int rc = app.exec();
    host.hid().stopReader();
    sim.interruptReads();
    host.hid().waitForReader();
    return rc;
}
