#pragma once

#include <QObject>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Tells when a hidraw node appears or goes away anywhere on the system. Every
// kernel notification gives one `deviceChanged()`; callers debounce.
class HotplugMonitor : public QObject
{
    Q_OBJECT

public:
    explicit HotplugMonitor(QObject* parent = nullptr);
    ~HotplugMonitor() override;

    // False (with a log line) where udev is not reachable; the program then
    // finds devices only at start-up.
    bool start();
    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void deviceChanged();

private:
    void drain();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
};
