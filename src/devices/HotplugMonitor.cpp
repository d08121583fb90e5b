#include "devices/HotplugMonitor.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <libudev.h>

Q_LOGGING_CATEGORY(lcDevices, "quorix.devices")

HotplugMonitor::HotplugMonitor(QObject* parent)
    : QObject(parent)
{
}

HotplugMonitor::~HotplugMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool HotplugMonitor::start()
{
    if (m_notifier)
        return true;
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qCWarning(lcDevices, "Cannot watch for devices being plugged in (udev unavailable); "
                             "devices are found at start-up only");
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HotplugMonitor::drain);
    return true;
}

void HotplugMonitor::drain()
{
    // Each queued notification counts, as each device-change message did.
    while (udev_device* dev = udev_monitor_receive_device(m_monitor)) {
        udev_device_unref(dev);
        Q_EMIT deviceChanged();
    }
}
