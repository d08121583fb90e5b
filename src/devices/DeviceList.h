#pragma once

#include "protocol/DeviceRecord.h"

#include <QList>
#include <QString>

namespace DeviceList {

// The global settings file that holds the device list, relative to the data root.
inline constexpr const char* kConfigPath = "./modules/setting/apConfig.bin";

// More entries than any list will hold; a larger count is cut to this.
inline constexpr int kMaxDevices = 64;

// Reads the device list of an INI settings file afresh. Hex fields that are not
// numbers read as 0 and keep their low 16 bits; a missing or garbled file gives an
// empty list rather than an error. The list ends at the first missing group; a
// record whose reportLength no report can have stays in the list (its index is
// its group) but is logged and never served.
QList<DeviceRecord> read(const QString& path = QString::fromLatin1(kConfigPath));

// `common/name` of the same file: the window title and the warning box caption.
QString readTitle(const QString& path = QString::fromLatin1(kConfigPath));

} // namespace DeviceList
