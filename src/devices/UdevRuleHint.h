#pragma once

#include <QString>

// What a user without access to the devices' hidraw nodes is told to run: the
// commands that install the udev rule from a source checkout. Kept here alone, so
// that an installation that ships the rule can change the advice in one place.
namespace UdevRuleHint {

inline constexpr char kInstallCommand[] =
    "sudo install -m 644 packaging/70-quorix-devices.rules /etc/udev/rules.d/ && sudo udevadm trigger";

inline QString message()
{
    return QStringLiteral("The device was found, but this user may not open it. Install the udev rule: %1")
        .arg(QLatin1String(kInstallCommand));
}

} // namespace UdevRuleHint
