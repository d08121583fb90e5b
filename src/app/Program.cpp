#include "app/Program.h"

#include "app/AppStartup.h"
#include "app/Widget.h"
#include "hooks/GlobalInputHook.h"

#include <QApplication>

bool Program::start()
{
    // The program lives in the tray: closing a warning box or menu while the main
    // window is hidden must not end it. Quitting is the tray menu's job.
    QApplication::setQuitOnLastWindowClosed(false);
    if (m_instance.isRunning()) {
        m_instance.sendMessage(QString(), 5000);
        return false;
    }
    // Without its data root the program would read and write relative to wherever
    // it was started; it stops instead (enterDataRoot has said why).
    if (AppStartup::enterDataRoot().isEmpty())
        return false;
    AppStartup::useSoftwareRenderer();
    return true;
}

int Program::run(HidBackend& backend, const std::function<void(Widget&)>& beforeFirstPass)
{
    Widget host;
    host.hid().setBackend(&backend);
    QObject::connect(&m_instance, &SingleInstance::messageReceived, &host, &Widget::receiveMessage);

    GlobalInputHook hook;
    hook.initialise(0);
    hook.setKeyboardCallback(&Widget::keyboardCallback, &host);
    hook.setMouseCallback(&Widget::mouseCallback, &host);
    hook.setCopyDataCallback(&Widget::copyDataCallback, &m_instance, &host);
    // Devices under /dev/input are read only while the window is up.
    hook.followWindow(&host);

    if (beforeFirstPass)
        beforeFirstPass(host);
    host.showNormal();
    host.checkDevice();
    const int result = QApplication::exec();
    hook.removeHooks();
    return result;
}
