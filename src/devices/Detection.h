#pragma once

#include "protocol/DeviceRecord.h"

#include <QList>

class HidBackend;

namespace Detection {

// Fills `path` and `path2` of every record from the interfaces present now,
// enumerating once per record by vendor and product. A later matching interface
// overwrites an earlier one; one interface may fill both paths.
void locateInterfaces(QList<DeviceRecord>& records, HidBackend& backend);

} // namespace Detection
