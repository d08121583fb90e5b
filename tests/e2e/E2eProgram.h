#pragma once

// The whole program (window host, view, protocol object, compiled-in screens) on
// simulated devices behind the wire trace, on virtual time, offscreen. Tests drive
// its window as a user would and check the trace and the setting files. A
// detection pass falls due 2048 ms of virtual time after its timer starts;
// protocol pauses take no time, they show as gaps in the trace's `t`. Every
// lookup that fails records a test failure naming what it looked for.

#include "TestData.h"
#include "protocol/sim/SimulatedHid.h"

#include <QByteArray>
#include <QEvent>
#include <QPoint>
#include <QQuickItem>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class ProgramSession;
class TracingBackend;
class VirtualClock;
class Widget;
class myQQuickView;

class E2eProgram
{
public:
    enum class Plugged { Keyboard, Mouse };

    // The data root, a fresh copy of the factory tree, is the working folder; nothing runs yet.
    E2eProgram();
    ~E2eProgram();
    E2eProgram(const E2eProgram&) = delete;
    E2eProgram& operator=(const E2eProgram&) = delete;

    // Writes `mouse/icType` as an installation would, plugs one device, shows the
    // window and settles after the first detection pass.
    bool start(Plugged plugged, sim::MouseFamily family = sim::MouseFamily::F560);
    // A new program on the same data root and devices; the firmware keeps what it was sent.
    bool restart();

    QString dataRoot() const { return m_root.path(); }
    Widget& host();
    myQQuickView& view();
    SimulatedHid& sim() { return *m_sim; }

    // By objectName, a visible one first; below `under` when given.
    QQuickItem* item(const QString& objectName, QQuickItem* under = nullptr);
    bool isShown(const QString& objectName);

    // At an item's centre, or at `at` in its own coordinates.
    void click(const QString& objectName) { click(item(objectName)); }
    void click(QQuickItem* item, QPointF at = QPointF(-1, -1), Qt::MouseButton button = Qt::LeftButton);
    void rightClick(const QString& objectName) { click(item(objectName), QPointF(-1, -1), Qt::RightButton); }
    void doubleClick(QQuickItem* item);
    void doubleClick(const QString& objectName) { doubleClick(item(objectName)); }
    // Presses, moves by `offset` window pixels in steps, releases.
    void drag(QQuickItem* item, QPoint offset, QPointF at = QPointF(-1, -1));

    // Evdev key codes, delivered with their native scan codes.
    void keyPress(int evdevCode);
    void keyRelease(int evdevCode);
    void keyTap(int evdevCode)
    {
        keyPress(evdevCode);
        keyRelease(evdevCode);
    }
    // Letters (capitals with Shift), digits and spaces.
    void typeText(const QString& text);

    // Virtual time until the screens are idle; false when still busy after `limitMs`.
    bool settle(int limitMs = 10000);
    void advance(int ms);

    int mark() const;
    QStringList trace(const QString& dev = QString(), const QString& op = QString(), int since = 0) const;
    QList<QByteArray> traceBytes(const QString& dev, const QString& op, int since = 0) const;
    // The output-report data (report IDs left out) after the first command since
    // `since` whose block starts with `block`; null when none was sent.
    QByteArray payloadAfter(const QString& dev, const QByteArray& block, int since = 0) const;

    // Files as on disk, pending settings written out first.
    QVariant globalValue(const QString& key);
    QVariant profileValue(int slot, const QString& key);
    QString fileText(const QString& relativePath);

private:
    QPoint windowPoint(QQuickItem* item, QPointF at) const;
    void sendKey(QEvent::Type type, int evdevCode, int key, Qt::KeyboardModifiers modifiers, const QString& text);
    bool busy();
    void stop();
    void flush();

    TestDataRoot m_root;
    std::unique_ptr<VirtualClock> m_clock;
    std::unique_ptr<SimulatedHid> m_sim;
    std::unique_ptr<TracingBackend> m_trace;
    std::unique_ptr<ProgramSession> m_session;
};
