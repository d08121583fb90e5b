// Sends one command from a protocol object whose owner chose no back end.
// tst_transport runs it and expects it to abort before anything is sent.
#include "protocol/Hid_Thread.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Hid_Thread hid;
    DeviceRecord mouse;
    mouse.path = QStringLiteral("/dev/hidraw0");
    hid.setDevices({mouse});
    hid.chkDeviceIsEnCode(0);
    hid.hid553_01H_SetReportRate(1);
    return 0;
}
