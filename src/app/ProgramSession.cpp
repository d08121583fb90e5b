#include "app/ProgramSession.h"

#include "app/SingleInstance.h"

ProgramSession::ProgramSession(HidBackend& backend, Clock& clock, SingleInstance* instance)
{
    m_host.hid().setBackend(&backend);
    m_host.hid().setClock(&clock);
    m_hook.initialise(0);
    m_hook.setKeyboardCallback(&Widget::keyboardCallback, &m_host);
    m_hook.setMouseCallback(&Widget::mouseCallback, &m_host);
    m_hook.setCopyDataCallback(&Widget::copyDataCallback, &m_host);
    if (instance) {
        QObject::connect(instance, &SingleInstance::messageReceived, &m_host, &Widget::receiveMessage);
        QObject::connect(instance, &SingleInstance::dataReceived, &m_hook, &GlobalInputHook::copyDataProc);
    }
}

ProgramSession::~ProgramSession()
{
    m_hook.removeHooks();
}

void ProgramSession::showAndDetect()
{
    m_host.showNormal();
    // The first pass may build the screens and talk to the device; the window
    // is on screen before that, not after.
    m_host.paintFirstFrame();
    m_host.checkDevice();
}
