#include "hooks/EvdevReader.h"

#include "hooks/EvdevTranslator.h"
#include "hooks/HookLog.h"
#include "hooks/Set1ScanCodes.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <libevdev/libevdev.h>
#include <linux/input.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

// One open event node (or, in tests, a pipe carrying input_event records).
class EvdevStream : public QObject
{
public:
    EvdevStream(EvdevReader* reader, int fd, int kinds, const QString& path)
        : QObject(reader)
        , m_reader(reader)
        , m_fd(fd)
        , m_kinds(kinds)
        , m_path(path)
        , m_translator(reader->sink())
        , m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
    {
        connect(m_notifier, &QSocketNotifier::activated, this, &EvdevStream::readAvailable);
    }

    ~EvdevStream() override
    {
        m_notifier->setEnabled(false);
        ::close(m_fd);
    }

    int kinds() const { return m_kinds; }
    const QString& path() const { return m_path; }

    // The keys this node reported down are released now: nobody will see them rise.
    void releaseHeld() { m_translator.releaseAll(); }

private:
    void readAvailable()
    {
        for (;;) {
            const ssize_t n = ::read(m_fd, m_buffer + m_filled, sizeof(m_buffer) - m_filled);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            if (n <= 0) {
                // Unplugged (ENODEV) or the writer went away: nothing more will come.
                end();
                return;
            }
            m_filled += static_cast<size_t>(n);
            const size_t whole = m_filled / sizeof(input_event);
            for (size_t i = 0; i < whole; ++i) {
                input_event ev;
                std::memcpy(&ev, m_buffer + i * sizeof(input_event), sizeof ev);
                handle(ev);
            }
            const size_t used = whole * sizeof(input_event);
            std::memmove(m_buffer, m_buffer + used, m_filled - used);
            m_filled -= used;
        }
    }

    void handle(const input_event& ev)
    {
        if (ev.type == EV_SYN && ev.code == SYN_DROPPED) {
            m_dropping = true;
            return;
        }
        if (m_dropping) {
            // The kernel's queue overflowed: skip to the next report, then ask the
            // device which keys are still down.
            if (ev.type == EV_SYN && ev.code == SYN_REPORT) {
                m_dropping = false;
                resync();
            }
            return;
        }
        if (ev.type != EV_KEY || ev.value == 2)
            return;
        if (ev.code == BTN_LEFT || ev.code == BTN_RIGHT || ev.code == BTN_MIDDLE) {
            if (m_kinds & EvdevReader::Mouse)
                m_translator.button(ev.code, ev.value != 0, m_reader->pointerPos());
        } else if (m_kinds & EvdevReader::Keyboard) {
            m_translator.key(ev.code, ev.value);
        }
    }

    void resync()
    {
        unsigned char bits[EvdevTranslator::kKeyCount / 8] = {};
        if (::ioctl(m_fd, EVIOCGKEY(sizeof(bits)), bits) < 0) {
            m_translator.releaseAll();
            return;
        }
        for (int code = 0; code < EvdevTranslator::kKeyCount; ++code) {
            const bool down = bits[code / 8] & (1u << (code % 8));
            if (m_translator.isHeld(code) && !down)
                m_translator.key(code, 0);
        }
    }

    void end()
    {
        m_notifier->setEnabled(false);
        releaseHeld();
        m_reader->streamEnded(this);
    }

    EvdevReader* m_reader;
    int m_fd;
    int m_kinds;
    QString m_path;
    EvdevTranslator m_translator;
    QSocketNotifier* m_notifier;
    char m_buffer[64 * sizeof(input_event)];
    size_t m_filled = 0;
    bool m_dropping = false;
};

namespace {

int classify(int fd)
{
    libevdev* dev = nullptr;
    if (libevdev_new_from_fd(fd, &dev) < 0)
        return 0;
    int kinds = 0;
    if (libevdev_has_event_code(dev, EV_KEY, BTN_LEFT))
        kinds |= EvdevReader::Mouse;
    // Power buttons, lid switches and the like have no key we translate.
    for (int code = KEY_ESC; code < KEY_MAX && !(kinds & EvdevReader::Keyboard); ++code) {
        if (hasSet1Code(code) && libevdev_has_event_code(dev, EV_KEY, static_cast<unsigned>(code)))
            kinds |= EvdevReader::Keyboard;
    }
    libevdev_free(dev);
    return kinds;
}

} // namespace

EvdevReader::EvdevReader(InputSink* sink, QObject* parent)
    : QObject(parent)
    , m_sink(sink)
    , m_directory(QStringLiteral("/dev/input"))
{
}

EvdevReader::~EvdevReader()
{
    stop();
}

QPoint EvdevReader::pointerPos() const
{
    return m_pointer ? m_pointer() : QCursor::pos();
}

void EvdevReader::start()
{
    if (m_running)
        return;
    m_running = true;
    if (QDir(m_directory).exists()) {
        m_watcher = new QFileSystemWatcher(QStringList{m_directory}, this);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
            scan();
            // A new node may get its access rights from udev only a moment later.
            QTimer::singleShot(kRescanDelayMs, this, &EvdevReader::scan);
        });
    }
    scan();
    qCDebug(lcHooks, "Reading %d input devices", streamCount());
}

void EvdevReader::scan()
{
    if (!m_running)
        return;
    const QStringList nodes = QDir(m_directory).entryList({QStringLiteral("event*")}, QDir::System | QDir::Files);
    for (const QString& name : nodes) {
        const QString path = m_directory + QLatin1Char('/') + name;
        const bool known = std::any_of(m_streams.begin(), m_streams.end(),
                                       [&path](const EvdevStream* s) { return s->path() == path; });
        if (known)
            continue;
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        const int kinds = classify(fd);
        if (kinds == 0) {
            ::close(fd);
            continue;
        }
        m_streams.push_back(new EvdevStream(this, fd, kinds, path));
    }
}

void EvdevReader::stop()
{
    if (!m_running)
        return;
    m_running = false;
    delete m_watcher;
    m_watcher = nullptr;
    const std::vector<EvdevStream*> streams = std::move(m_streams);
    m_streams.clear();
    for (EvdevStream* stream : streams) {
        stream->releaseHeld();
        delete stream;
    }
}

bool EvdevReader::addStream(int fd, int kinds)
{
    if (!m_running) {
        ::close(fd);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) {
        ::close(fd);
        return false;
    }
    m_streams.push_back(new EvdevStream(this, fd, kinds, QString()));
    return true;
}

void EvdevReader::streamEnded(EvdevStream* stream)
{
    m_streams.erase(std::remove(m_streams.begin(), m_streams.end(), stream), m_streams.end());
    // Its notifier is still delivering this very call.
    stream->deleteLater();
}

bool EvdevReader::coversKeyboard() const
{
    return std::any_of(m_streams.begin(), m_streams.end(),
                       [](const EvdevStream* s) { return s->kinds() & Keyboard; });
}

bool EvdevReader::coversMouse() const
{
    return std::any_of(m_streams.begin(), m_streams.end(),
                       [](const EvdevStream* s) { return s->kinds() & Mouse; });
}
