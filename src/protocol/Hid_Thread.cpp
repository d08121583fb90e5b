#include "protocol/Hid_Thread.h"

#include "protocol/Clock.h"

Hid_Thread::Hid_Thread(QObject* parent)
    : QThread(parent)
    , m_clock(&systemClock())
{
}

Hid_Thread::~Hid_Thread()
{
    stopReader();
    waitForReader();
}

void Hid_Thread::waitForReader()
{
}

bool Hid_Thread::chkDeviceIsEnCode(int index)
{
    m_currentDevice = index;
    return true;
}
