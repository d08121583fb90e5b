#include "app/Program.h"

#include "app/AppStartup.h"
#include "app/ProgramSession.h"
#include "protocol/Clock.h"

#include <QApplication>

bool Program::start(const QString& dataRoot)
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
    if (AppStartup::enterDataRoot(dataRoot).isEmpty())
        return false;
    AppStartup::useSoftwareRenderer();
    return true;
}

int Program::run(HidBackend& backend, const std::function<void(Widget&)>& beforeFirstPass)
{
    ProgramSession session(backend, systemClock(), &m_instance);
    // Devices under /dev/input are read only while the window is up.
    session.hook().followWindow(&session.host());
    if (beforeFirstPass)
        beforeFirstPass(session.host());
    session.showAndDetect();
    return QApplication::exec();
}
