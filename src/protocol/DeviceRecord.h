#pragma once

#include <QString>
#include <QtGlobal>

// One entry of the device list: a supported device and, once a detection pass
// has run, the paths of its two HID interfaces as found on this machine.
struct DeviceRecord
{
    qint32 type = -1;        // 0 keyboard, 1 mouse, -1 when the list gives none
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;   // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0;  // event interface
    quint16 usage2 = 0;
    qint32 reportLength = 32; // data bytes per bulk report
    bool isEncode = false;   // scramble command and reply blocks
    QString sCode = QStringLiteral("418263");
    QString path;            // command interface, empty when absent
    QString path2;           // event interface, empty when absent

    // The most data bytes a hidraw report carries besides its report-ID byte
    // (the kernel takes at most 16384 bytes per report).
    static constexpr qint32 kMaxReportLength = 16383;
    // A record with another length cannot be served: every transfer would fail
    // or allocate absurd buffers.
    bool hasValidReportLength() const { return reportLength > 0 && reportLength <= kMaxReportLength; }
};
