#include "app/AppLog.h"
#include "app/DataRoot.h"
#include "app/SingleInstance.h"
#include "app/Widget.h"
#include "hooks/GlobalInputHook.h"

#include <QApplication>
#include <QDir>
#include <QQuickWindow>

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

    const QString exeDir = QCoreApplication::applicationDirPath();
    const DataRoot::Choice root = DataRoot::choose(exeDir, DataRoot::userDataHome());
    DataRoot::ensure(root, DataRoot::factoryModules(exeDir));
    if (!QDir::setCurrent(root.path))
        qCCritical(lcApp, "Cannot enter the settings folder %s", qPrintable(root.path));

    // Flat 2D screens in a program that idles in the tray all day: the software
    // renderer maps faster and keeps far less memory than GL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    Widget host;
    QObject::connect(&instance, &SingleInstance::messageReceived, &host, &Widget::receiveMessage);

    GlobalInputHook hook;
    hook.initialise(0);
    hook.setKeyboardCallback(&Widget::keyboardCallback, &host);
    hook.setMouseCallback(&Widget::mouseCallback, &host);
    hook.setCopyDataCallback(&Widget::copyDataCallback, &instance, &host);
    // Devices under /dev/input are read only while the window is up.
    hook.followWindow(&host);

    host.showNormal();
    host.checkDevice();
    const int result = app.exec();
    hook.removeHooks();
    return result;
}
