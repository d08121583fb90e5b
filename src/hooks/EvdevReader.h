#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class EvdevStream;
class InputSink;
class QFileSystemWatcher;

// Reads the keyboards and mice under /dev/input that this user may read, so keys
// are seen while another window has the focus. Read-only: no device is ever
// grabbed, everything still reaches its usual receivers. Unreadable nodes are
// passed over without a word.
class EvdevReader : public QObject
{
    Q_OBJECT

public:
    enum Kind { Keyboard = 1, Mouse = 2 };
    static constexpr int kRescanDelayMs = 1000;

    EvdevReader(InputSink* sink, QObject* parent = nullptr);
    ~EvdevReader() override;

    // Where the event nodes are looked for; /dev/input unless a test changes it.
    void setDirectory(const QString& directory) { m_directory = directory; }
    // Where a button press happened; the pointer position unless a test changes it.
    void setPointerSource(std::function<QPoint()> source) { m_pointer = std::move(source); }

    // Opens every readable keyboard and mouse node and watches for new ones.
    void start();
    // Reports the release of every key still held and closes every node.
    void stop();
    bool isRunning() const { return m_running; }

    // Reads events from `fd` (taken over, made non-blocking) as a device of the
    // given kinds; the reader must be running. False when it is not.
    bool addStream(int fd, int kinds);

    int streamCount() const { return static_cast<int>(m_streams.size()); }
    bool coversKeyboard() const;
    bool coversMouse() const;

private:
    friend class EvdevStream;

    void scan();
    void streamEnded(EvdevStream* stream);
    QPoint pointerPos() const;
    InputSink* sink() const { return m_sink; }

    InputSink* m_sink;
    QString m_directory;
    std::function<QPoint()> m_pointer;
    std::vector<EvdevStream*> m_streams;
    QFileSystemWatcher* m_watcher = nullptr;
    bool m_running = false;
};
