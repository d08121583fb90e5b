#pragma once

#include "hooks/EvdevReader.h"
#include "hooks/GlobalInputHook.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <linux/input.h>

#include <fcntl.h>
#include <unistd.h>

// A hook object with recording callbacks and a reader that finds no devices of
// its own, so only the streams a test hands it are read.
struct Capture
{
    explicit Capture(quint8 isoVariant = 0)
    {
        hook.initialise(isoVariant);
        hook.setKeyboardCallback(&Capture::onKey, this);
        hook.setMouseCallback(&Capture::onMouse, this);
        hook.evdevReader()->setDirectory(noDevices.path());
        hook.evdevReader()->setPointerSource([this] { return pointer; });
    }

    static void onKey(quint8 usage, bool isDown, void* context)
    {
        static_cast<Capture*>(context)->reports << QString::asprintf("%02X%c", usage, isDown ? '+' : '-');
    }

    static void onMouse(quint8 button, quint8 isDown, int x, int y, void* context)
    {
        static_cast<Capture*>(context)->reports
            << QString::asprintf("%02X%c@%d,%d", button, isDown ? '+' : '-', x, y);
    }

    QString joined() const { return reports.join(QLatin1Char(' ')); }

    QStringList reports;
    QPoint pointer{12, 34};
    QTemporaryDir noDevices;
    GlobalInputHook hook;
};

// The writing end of a pipe the reader takes as an event node.
class EvdevPipe
{
public:
    EvdevPipe(EvdevReader* reader, int kinds)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0 && reader->addStream(fds[0], kinds))
            m_fd = fds[1];
    }
    ~EvdevPipe() { close(); }
    EvdevPipe(const EvdevPipe&) = delete;
    EvdevPipe& operator=(const EvdevPipe&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool event(int type, int code, int value)
    {
        input_event ev = {};
        ev.type = static_cast<__u16>(type);
        ev.code = static_cast<__u16>(code);
        ev.value = value;
        return writeBytes(&ev, sizeof ev);
    }

    // One key event as a device sends it: the change and its report marker.
    bool key(int code, int value) { return event(EV_KEY, code, value) && event(EV_SYN, SYN_REPORT, 0); }

    bool writeBytes(const void* data, size_t size)
    {
        return m_fd >= 0 && ::write(m_fd, data, size) == static_cast<ssize_t>(size);
    }

    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

// Lets the socket notifiers deliver what has been written.
inline void pump()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
