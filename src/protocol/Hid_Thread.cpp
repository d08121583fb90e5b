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

void Hid_Thread::setClock(Clock* clock)
{
    m_clock = clock ? clock : &systemClock();
}

QList<DeviceRecord> Hid_Thread::devices() const
{
    QMutexLocker lock(&m_devicesMutex);
    return m_devices;
}

void Hid_Thread::setDevices(const QList<DeviceRecord>& devices)
{
    QMutexLocker lock(&m_devicesMutex);
    m_devices = devices;
}

void Hid_Thread::connectRead(int) {}
void Hid_Thread::waitForReader() {}

uchar Hid_Thread::hidCS(uchar*) { return 0; }

bool Hid_Thread::chkDeviceIsEnCode(int index)
{
    m_currentDevice = index;
    return true;
}

void Hid_Thread::USBDataEncryption(uchar*, uchar*) {}
void Hid_Thread::USBDataDecipher(uchar*, uchar*) {}
void Hid_Thread::hid553_00H_GetSecrecyCode(uchar&, uchar&, uchar&, uchar&) {}
void Hid_Thread::hid553_83H_GetKeyboardoption(uchar&, uchar&, uchar&, uchar&) {}
void Hid_Thread::hid560_81H_GetKeyboardoption(uchar&, uchar&) {}
void Hid_Thread::hid560_82H_GetCurrentProfile(uchar&) {}
void Hid_Thread::hid560_84H_GetCurrentDPI(uchar&, uchar&) {}
void Hid_Thread::hid553_8BH_GetCurrentDPI(uchar&) {}
void Hid_Thread::hid553_03H_SetKeyboardoption(uchar, uchar, uchar, uchar) {}
void Hid_Thread::hid553_04H_SetGunData(uchar, uchar, uchar, uchar) {}
void Hid_Thread::hid560_01H_SetKeyboardoption(uchar, uchar) {}
void Hid_Thread::hid553_01H_SetReportRate(uchar) {}
void Hid_Thread::hid560_03H_SetReportRate(uchar) {}
void Hid_Thread::hid560_04H_SetCurrentDPI(uchar) {}
void Hid_Thread::hidARM_09H_SetKeyboardMode(uchar) {}
void Hid_Thread::hidARM_13H_RecoveryData() {}
void Hid_Thread::hid553_0BH_SetCurrentDPI(uchar) {}
void Hid_Thread::keyboard_0DH_SetKeyMatrix(uchar*) {}
void Hid_Thread::keyboard_12H_SetPicture(uchar*, uchar) {}
void Hid_Thread::hid553_12H_SetKeyMatrix(uchar*, uchar) {}
void Hid_Thread::hid560_0DH_SetKeyMatrix(uchar*, uchar) {}
void Hid_Thread::hid560_0CH_setProfile(uchar*, uchar) {}
void Hid_Thread::hid560_8CH_readProfile(uchar*, uchar) {}
void Hid_Thread::keyboardReadProfile(uchar*) {}
void Hid_Thread::hid560_02H_SetCurrentProfile(uchar) {}
void Hid_Thread::keyboard_11H_SetMacroKey(uchar, uchar*) {}
void Hid_Thread::hid553_13H_SetMacroKey(uchar, uchar*) {}
void Hid_Thread::hid560_0FH_SetMacroKey(uchar, uchar*) {}
void Hid_Thread::hid553_11H_SetDPISet(uchar, uchar*) {}
void Hid_Thread::hid553_02H_SetCurrentKeyMatrix(uchar) {}
void Hid_Thread::hid553_0DH_SetRGBLedEffect(uchar, uchar, uchar) {}
void Hid_Thread::hidARM_08H_SetRGBLedEffect(uchar, uchar, uchar, uchar) {}
void Hid_Thread::hid553_0CH_SetFixLEDColor(uchar*) {}
void Hid_Thread::keyboard_14H_SetLED8StageColor(uchar, uchar, uchar, uchar) {}
void Hid_Thread::hid553_10H_SetLED8StageColor(uchar, uchar*) {}
