#pragma once

// The whole program under test: the real window host, view, protocol object and
// compiled-in screens, on simulated devices behind the wire trace, on virtual time,
// offscreen. Tests drive it as a user would (mouse on the window, keys with their
// native scan codes through the application-wide input filter) and check what
// reached the devices (the trace) and the disk (the setting files).
//
// Writing a case (one file per area, tests/e2e/tst_e2e_<area>.cpp, listed in
// tests/e2e/CMakeLists.txt with quorix_add_e2e_test):
//
//   E2eProgram app;                              // fresh data root, copy of the factory tree
//   QVERIFY(app.start(E2eProgram::Options::mouseOnly()));   // the mouse layout
//   app.click("resetButton");                    // centre of the visible item of that objectName
//   app.click("resetOk");
//   app.settle();                                // virtual time on until the screens are idle
//   const int m = app.mark();
//   app.click("saveButton"); app.settle();
//   QVERIFY(!app.trace("mouse", "write", m).isEmpty());
//   QCOMPARE(app.globalValue("mouse/selectGun").toStringList(), ...);
//   QVERIFY(app.restart());                      // same data root and devices, new program
//
// Items: item(name) finds by objectName in the visual tree, a visible one first;
// item(name, under) searches below another item (every dialog has a "dialogClose").
// Mouse: click, rightClick, doubleClick, drag (by a pixel offset), on an item's
// centre or a point of it. Keys: press/release/tap take evdev key codes
// (<linux/input-event-codes.h>), typeText types plain ASCII text.
// Time: settle() runs virtual time until the screens are not busy, the view is
// enabled and no input lock or detection pass is pending; advance(ms) moves it by
// a fixed amount (a detection pass falls due after its 2048 ms). Protocol pauses take
// no time at all; they show as gaps in the trace's `t`.
// Trace: each line is the wire trace's JSON text; trace(dev, op, since) filters by
// device ("keyboard"/"mouse"), operation ("send-feature", "write", ...) and a mark.
// traceBytes gives the bytes of the same lines, payloadAfter the bulk data a
// command carried. Files: globalValue/profileValue read
// the files on disk after the program has written them out; fileText gives a
// file's text.
//
// Every lookup that fails records a test failure with the name it looked for.

#include "protocol/sim/SimulatedHid.h"

#include <QByteArray>
#include <QEvent>
#include <QPoint>
#include <QQuickItem>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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
    struct Options
    {
        bool keyboard = true;
        bool mouse = true;
        // Also written to `mouse/icType` of the data root, as an installation would.
        sim::MouseFamily family = sim::MouseFamily::F560;

        // The mouse alone is served: the screens show the mouse layout.
        static Options mouseOnly(sim::MouseFamily family = sim::MouseFamily::F560)
        {
            Options o;
            o.keyboard = false;
            o.family = family;
            return o;
        }
        // The keyboard alone: the keyboard layout.
        static Options keyboardOnly()
        {
            Options o;
            o.mouse = false;
            return o;
        }
    };

    // A fresh data root, a copy of the factory tree; nothing runs yet.
    E2eProgram();
    ~E2eProgram();
    E2eProgram(const E2eProgram&) = delete;
    E2eProgram& operator=(const E2eProgram&) = delete;

    // Starts the program on the data root: devices plugged as asked, the window
    // shown, the first detection pass run and the screens settled. False (with a
    // failure recorded) when the screens did not load.
    bool start(const Options& options);
    bool start() { return start(Options()); }
    // Quits and starts again on the same data root and the same devices, whose
    // firmware keeps what it was sent.
    bool restart();
    void stop();
    bool isRunning() const { return m_session != nullptr; }

    QString dataRoot() const { return m_root.path(); }
    Widget& host();
    myQQuickView& view();
    QQuickItem* root();
    SimulatedHid& sim() { return *m_sim; }

    // Items by objectName.
    QQuickItem* item(const QString& objectName, QQuickItem* under = nullptr);
    bool isShown(const QString& objectName);

    // Mouse, at an item's centre or at `at` in its own coordinates.
    void click(const QString& objectName) { click(item(objectName)); }
    void click(QQuickItem* item, QPointF at = QPointF(-1, -1), Qt::MouseButton button = Qt::LeftButton);
    void rightClick(const QString& objectName) { click(item(objectName), QPointF(-1, -1), Qt::RightButton); }
    void doubleClick(QQuickItem* item, QPointF at = QPointF(-1, -1));
    void doubleClick(const QString& objectName) { doubleClick(item(objectName)); }
    // Presses on the item, moves by `offset` window pixels in steps, releases.
    void drag(QQuickItem* item, QPoint offset, QPointF at = QPointF(-1, -1));

    // Keys by evdev code, through the window as the window system delivers them.
    void keyPress(int evdevCode);
    void keyRelease(int evdevCode);
    void keyTap(int evdevCode);
    // Letters, digits, space and . , - / ; as taps (capitals with Shift).
    void typeText(const QString& text);

    // Virtual time until idle, at most `limitMs`; false when it was still busy.
    bool settle(int limitMs = 10000);
    void advance(int ms);

    // Trace lines so far; `since` is a mark() taken earlier.
    int mark() const;
    QStringList trace(const QString& dev = QString(), const QString& op = QString(), int since = 0) const;
    QList<QByteArray> traceBytes(const QString& dev, const QString& op, int since = 0) const;
    // The payload of the first command since `since` whose block starts with
    // `block` (the bytes after the report ID): the data bytes of the output reports
    // that follow it, report IDs left out. Null when no such command was sent.
    QByteArray payloadAfter(const QString& dev, const QByteArray& block, int since = 0) const;

    // Files, as on disk now (pending settings are written out first).
    QVariant globalValue(const QString& key);
    QVariant profileValue(int slot, const QString& key);
    QString fileText(const QString& relativePath);

private:
    QPoint windowPoint(QQuickItem* item, QPointF at) const;
    void sendKey(QEvent::Type type, int evdevCode, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text);
    bool busy();

    QTemporaryDir m_root;
    QString m_previousCwd;
    Options m_options;
    std::unique_ptr<VirtualClock> m_clock;
    std::unique_ptr<SimulatedHid> m_sim;
    std::unique_ptr<TracingBackend> m_trace;
    std::unique_ptr<ProgramSession> m_session;
};
