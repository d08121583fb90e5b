#include "devices/Detection.h"

#include "protocol/HidBackend.h"

namespace Detection {

void locateInterfaces(QList<DeviceRecord>& records, HidBackend& backend)
{
    for (DeviceRecord& r : records) {
        r.path.clear();
        r.path2.clear();
        const QList<HidInterfaceInfo> found = backend.enumerate(r.vid, r.pid);
        for (const HidInterfaceInfo& i : found) {
            if (i.usagePage == r.usagePage && i.usage == r.usage)
                r.path = QString::fromLocal8Bit(i.path);
            if (i.usagePage == r.usagePage2 && i.usage == r.usage2)
                r.path2 = QString::fromLocal8Bit(i.path);
        }
    }
}

} // namespace Detection
