#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "app/Widget.h"
#include "protocol/HidapiBackend.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral(QUORIX_APP_NAME));
    // The program lives in the tray: closing a warning box or menu while the main
    // window is hidden must not end it. Quitting is the tray menu's job.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (instance.isRunning()) {
        instance.sendMessage(QString(), 5000);
        return 1;
    }

    AppStartup::enterDataRoot();
    AppStartup::useSoftwareRenderer();

    Widget host;
    host.hid().setBackend(&hidapiBackend());
    QObject::connect(&instance, &SingleInstance::messageReceived, &host, &Widget::receiveMessage);
    host.showNormal();
    host.checkDevice();
    return app.exec();
}
