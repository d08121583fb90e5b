#include "hooks/EvdevReader.h"
#include "hooks/EvdevTranslator.h"
#include "hooks/GlobalInputHook.h"
#include "hooks/InputEventFilter.h"
#include "hooks/Set1ScanCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <linux/input.h>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

using Steps = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(Steps)

namespace {

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

bool isButton(int code)
{
    return code >= BTN_LEFT && code <= BTN_TASK;
}

class CountingWindow : public QWindow
{
public:
    int keyPresses = 0;
    int mousePresses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keyPresses; }
    void mousePressEvent(QMouseEvent*) override { ++mousePresses; }
};

void sendKey(QObject* receiver, int code, bool press, bool autoRepeat = false)
{
    QKeyEvent ev(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier,
                 static_cast<quint32>(code) + InputEventFilter::kNativeScanOffset, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(receiver, &ev);
}

void sendButton(QObject* receiver, QEvent::Type type, int code, QPoint global)
{
    const Qt::MouseButton button = code == BTN_LEFT ? Qt::LeftButton
        : code == BTN_RIGHT                          ? Qt::RightButton
        : code == BTN_MIDDLE                         ? Qt::MiddleButton
                                                     : Qt::BackButton;
    QMouseEvent ev(type, QPointF(1, 1), QPointF(global), button,
                   type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &ev);
}

// Plays key and button steps into one of the two layers: as evdev records through
// a pipe, or as the window-system events Qt hands our window.
class Player
{
public:
    Player(Capture& capture, bool evdev)
        : m_capture(capture)
    {
        if (evdev) {
            capture.hook.setGlobalCaptureActive(true);
            m_pipe = std::make_unique<EvdevPipe>(capture.hook.evdevReader(), EvdevReader::Keyboard | EvdevReader::Mouse);
        }
    }

    bool isEvdev() const { return m_pipe != nullptr; }
    bool ready() const { return !m_pipe || m_pipe->isOpen(); }

    void play(const Steps& steps)
    {
        for (const auto& [code, value] : steps) {
            if (m_pipe)
                m_pipe->key(code, value);
            else if (isButton(code))
                playButton(code, value);
            else if (value == 2)
                // A held key as X11 repeats it: a release and a press, both marked.
                sendKey(&m_window, code, false, true), sendKey(&m_window, code, true, true);
            else
                sendKey(&m_window, code, value == 1);
        }
        pump();
    }

private:
    void playButton(int code, int value)
    {
        if (value == 0) {
            sendButton(&m_window, QEvent::MouseButtonRelease, code, m_capture.pointer);
            return;
        }
        sendButton(&m_window, QEvent::MouseButtonPress, code, m_capture.pointer);
        // Qt follows a second press in quick succession with a double-click event.
        if (m_pressed.contains(code))
            sendButton(&m_window, QEvent::MouseButtonDblClick, code, m_capture.pointer);
        m_pressed << code;
    }

    Capture& m_capture;
    QWindow m_window;
    std::unique_ptr<EvdevPipe> m_pipe;
    QList<int> m_pressed;
};

// Global capture on, and a pipe the reader takes as an event node of `kinds`.
std::unique_ptr<EvdevPipe> capturing(Capture& capture, int kinds)
{
    capture.hook.setGlobalCaptureActive(true);
    return std::make_unique<EvdevPipe>(capture.hook.evdevReader(), kinds);
}

// Every key of a 105-key ISO keyboard and what a USB keyboard sends for it
// (HID Usage Tables, page 0x07); the right GUI key is deliberately not reported.
const int kIso105[][2] = {
    {KEY_ESC, 0x29}, {KEY_F1, 0x3A}, {KEY_F2, 0x3B}, {KEY_F3, 0x3C}, {KEY_F4, 0x3D}, {KEY_F5, 0x3E}, {KEY_F6, 0x3F},
    {KEY_F7, 0x40}, {KEY_F8, 0x41}, {KEY_F9, 0x42}, {KEY_F10, 0x43}, {KEY_F11, 0x44}, {KEY_F12, 0x45},
    {KEY_SYSRQ, 0x46}, {KEY_SCROLLLOCK, 0x47}, {KEY_PAUSE, 0x48}, {KEY_GRAVE, 0x35}, {KEY_1, 0x1E}, {KEY_2, 0x1F},
    {KEY_3, 0x20}, {KEY_4, 0x21}, {KEY_5, 0x22}, {KEY_6, 0x23}, {KEY_7, 0x24}, {KEY_8, 0x25}, {KEY_9, 0x26},
    {KEY_0, 0x27}, {KEY_MINUS, 0x2D}, {KEY_EQUAL, 0x2E}, {KEY_BACKSPACE, 0x2A}, {KEY_TAB, 0x2B}, {KEY_Q, 0x14},
    {KEY_W, 0x1A}, {KEY_E, 0x08}, {KEY_R, 0x15}, {KEY_T, 0x17}, {KEY_Y, 0x1C}, {KEY_U, 0x18}, {KEY_I, 0x0C},
    {KEY_O, 0x12}, {KEY_P, 0x13}, {KEY_LEFTBRACE, 0x2F}, {KEY_RIGHTBRACE, 0x30}, {KEY_ENTER, 0x28},
    {KEY_CAPSLOCK, 0x39}, {KEY_A, 0x04}, {KEY_S, 0x16}, {KEY_D, 0x07}, {KEY_F, 0x09}, {KEY_G, 0x0A}, {KEY_H, 0x0B},
    {KEY_J, 0x0D}, {KEY_K, 0x0E}, {KEY_L, 0x0F}, {KEY_SEMICOLON, 0x33}, {KEY_APOSTROPHE, 0x34},
    {KEY_BACKSLASH, 0x32}, {KEY_LEFTSHIFT, 0xE1}, {KEY_102ND, 0x64}, {KEY_Z, 0x1D}, {KEY_X, 0x1B}, {KEY_C, 0x06},
    {KEY_V, 0x19}, {KEY_B, 0x05}, {KEY_N, 0x11}, {KEY_M, 0x10}, {KEY_COMMA, 0x36}, {KEY_DOT, 0x37},
    {KEY_SLASH, 0x38}, {KEY_RIGHTSHIFT, 0xE5}, {KEY_LEFTCTRL, 0xE0}, {KEY_LEFTMETA, 0xE3}, {KEY_LEFTALT, 0xE2},
    {KEY_SPACE, 0x2C}, {KEY_RIGHTALT, 0xE6}, {KEY_RIGHTMETA, -1}, {KEY_COMPOSE, 0x65}, {KEY_RIGHTCTRL, 0xE4},
    {KEY_INSERT, 0x49}, {KEY_HOME, 0x4A}, {KEY_PAGEUP, 0x4B}, {KEY_DELETE, 0x4C}, {KEY_END, 0x4D},
    {KEY_PAGEDOWN, 0x4E}, {KEY_UP, 0x52}, {KEY_LEFT, 0x50}, {KEY_DOWN, 0x51}, {KEY_RIGHT, 0x4F},
    {KEY_NUMLOCK, 0x53}, {KEY_KPSLASH, 0x54}, {KEY_KPASTERISK, 0x55}, {KEY_KPMINUS, 0x56}, {KEY_KP7, 0x5F},
    {KEY_KP8, 0x60}, {KEY_KP9, 0x61}, {KEY_KPPLUS, 0x57}, {KEY_KP4, 0x5C}, {KEY_KP5, 0x5D}, {KEY_KP6, 0x5E},
    {KEY_KP1, 0x59}, {KEY_KP2, 0x5A}, {KEY_KP3, 0x5B}, {KEY_KPENTER, 0x58}, {KEY_KP0, 0x62}, {KEY_KPDOT, 0x63},
};

} // namespace

// Input capture through both layers (evdev nodes and the window's own
// events), the key tables, and the evdev reader's stream handling.
class TestInputCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Writes into a pipe whose reader has closed fail with EPIPE instead.
    void initTestCase() { ::signal(SIGPIPE, SIG_IGN); }

    void layerCases_data()
    {
        QTest::addColumn<bool>("evdev");
        QTest::addColumn<int>("isoVariant");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("expected");
        const struct
        {
            const char* name;
            int isoVariant;
            Steps steps;
            const char* expected;
        } cases[] = {
            {"held key", 0, {{KEY_A, 1}, {KEY_A, 2}, {KEY_A, 2}, {KEY_A, 2}, {KEY_A, 0}}, "04+ 04-"},
            {"Ctrl+Break", 0, {{KEY_LEFTCTRL, 1}, {KEY_BREAK, 1}, {KEY_BREAK, 0}, {KEY_LEFTCTRL, 0}}, "E0+ 48+ 48- E0-"},
            {"Alt+Print Screen", 0, {{KEY_LEFTALT, 1}, {KEY_SYSRQ, 1}, {KEY_SYSRQ, 0}, {KEY_LEFTALT, 0}},
             "E2+ 46+ 46- E2-"},
            {"AltGr+Print Screen, Alt up first", 0,
             {{KEY_RIGHTALT, 1}, {KEY_SYSRQ, 1}, {KEY_RIGHTALT, 0}, {KEY_SYSRQ, 0}}, "E6+ 46+ E6- 46-"},
            {"US backslash", 0, {{KEY_BACKSLASH, 1}, {KEY_BACKSLASH, 0}}, "31+ 31-"},
            {"ISO backslash", 1, {{KEY_BACKSLASH, 1}, {KEY_BACKSLASH, 0}}, "32+ 32-"},
            {"overlapping keys", 0, {{KEY_A, 1}, {KEY_S, 1}, {KEY_A, 0}, {KEY_S, 0}}, "04+ 16+ 04- 16-"},
            {"keys without usage", 0, {{KEY_MUTE, 1}, {KEY_MUTE, 0}, {KEY_RO, 1}, {KEY_RO, 0}}, ""},
            {"left double-click", 0, {{BTN_LEFT, 1}, {BTN_LEFT, 0}, {BTN_LEFT, 1}, {BTN_LEFT, 0}},
             "F0+@12,34 F0-@12,34 F0+@12,34 F0-@12,34"},
            {"right and middle", 0, {{BTN_RIGHT, 1}, {BTN_RIGHT, 0}, {BTN_MIDDLE, 1}, {BTN_MIDDLE, 0}},
             "F1+@12,34 F1-@12,34 F2+@12,34 F2-@12,34"},
            {"side button", 0, {{BTN_SIDE, 1}, {BTN_SIDE, 0}}, ""},
        };
        for (const bool evdev : {true, false})
            for (const auto& c : cases)
                QTest::addRow("%s: %s", evdev ? "evdev" : "qt", c.name)
                    << evdev << c.isoVariant << c.steps << QString::fromLatin1(c.expected);
    }

    void layerCases()
    {
        QFETCH(bool, evdev);
        QFETCH(int, isoVariant);
        QFETCH(Steps, steps);
        Capture capture(static_cast<quint8>(isoVariant));
        Player player(capture, evdev);
        QVERIFY(player.ready());
        player.play(steps);
        QTEST(capture.joined(), "expected");
    }

    void iso105Keyboard()
    {
        Capture capture(1);
        EvdevTranslator layer(&capture.hook);
        for (const auto& [evdev, usage] : kIso105) {
            capture.reports.clear();
            layer.key(evdev, 1);
            layer.key(evdev, 0);
            const QString expected = usage < 0 ? QString() : QString::asprintf("%02X+ %02X-", usage, usage);
            QVERIFY2(capture.joined() == expected, qPrintable(QStringLiteral("evdev %1: %2").arg(evdev).arg(capture.joined())));
        }
    }

    // Two Linux codes on one set-1 code would make two keys indistinguishable.
    void everyTranslatedCodeIsDistinct()
    {
        QSet<int> seen;
        for (int code = 0; code < EvdevTranslator::kKeyCount; ++code) {
            Set1Code set1;
            if (!set1FromEvdev(code, false, &set1))
                continue;
            const int key = set1.scan << 8 | (set1.extended ? 1 : 0);
            QVERIFY2(!seen.contains(key), qPrintable(QString::number(code)));
            seen.insert(key);
        }
        QVERIFY(seen.size() > 105);
    }

    void keyStateAndOutOfRangeCodes()
    {
        Capture capture;
        capture.hook.keyboardProc({0x11E, false, false, true});
        capture.hook.setKeyboardCallback(nullptr, nullptr);
        capture.hook.keyboardProc({0x1E, false, false, true});
        QVERIFY(capture.hook.keyDownState(0x04));
        capture.hook.setKeyboardCallback(&Capture::onKey, &capture);
        capture.hook.keyboardProc({0x1E, false, false, true});
        capture.hook.keyboardProc({0x1E, false, false, false});
        QCOMPARE(capture.joined(), QStringLiteral("04-"));
    }

    // The filter watches and consumes nothing; events without a scan code are not keys.
    void qtFilterConsumesNothing()
    {
        Capture capture;
        CountingWindow window;
        sendKey(&window, KEY_A, true);
        sendButton(&window, QEvent::MouseButtonPress, BTN_LEFT, QPoint(5, 6));
        QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&window, &synthetic);
        QCOMPARE(window.keyPresses, 2);
        QCOMPARE(window.mousePresses, 1);
        QCOMPARE(capture.joined(), QStringLiteral("04+ F0+@5,6"));
    }

    void qtTakesEachEventOnceAtItsWindow()
    {
        Capture capture;
        QWindow window;
        QWidget widget;
        // The window passes each event on to its widgets; those copies are not new input.
        sendButton(&window, QEvent::MouseButtonPress, BTN_LEFT, QPoint(5, 6));
        sendButton(&widget, QEvent::MouseButtonPress, BTN_LEFT, QPoint(5, 6));
        sendKey(&widget, KEY_B, true);
        QCOMPARE(capture.joined(), QStringLiteral("F0+@5,6"));
    }

    void qtClickOnQuickWidgetReportedOnce()
    {
        QTemporaryDir dir;
        QFile qml(dir.filePath(QStringLiteral("Area.qml")));
        QVERIFY(qml.open(QIODevice::WriteOnly));
        qml.write("import QtQuick\nRectangle { width: 80; height: 80; MouseArea { anchors.fill: parent } }\n");
        qml.close();
        Capture capture;
        QWidget top;
        auto* quick = new QQuickWidget(&top);
        quick->setSource(QUrl::fromLocalFile(qml.fileName()));
        QCOMPARE(quick->status(), QQuickWidget::Ready);
        quick->setGeometry(0, 0, 80, 80);
        top.resize(80, 80);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        // The scene behind a QQuickWidget gets its own copy of the event.
        QTest::mouseClick(top.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(capture.reports.size(), 2);
    }

    void qtDefersToReaderThatSeesKeyboard()
    {
        Capture capture;
        auto keyboard = capturing(capture, EvdevReader::Keyboard);
        QVERIFY(keyboard->isOpen());
        QWindow window;
        // A quick tap reaches both layers, here Qt's first.
        sendKey(&window, KEY_A, true);
        sendKey(&window, KEY_A, false);
        keyboard->key(KEY_A, 1);
        keyboard->key(KEY_A, 0);
        pump();
        // The reader sees no mouse, so Qt's button events still count.
        sendButton(&window, QEvent::MouseButtonPress, BTN_LEFT, QPoint(1, 2));
        QCOMPARE(capture.joined(), QStringLiteral("04+ 04- F0+@1,2"));
    }

    void qtReleasesHeldKeysWhenDeactivated()
    {
        Capture capture;
        QWindow window;
        sendKey(&window, KEY_LEFTALT, true);
        sendKey(&window, KEY_TAB, true);
        capture.hook.eventFilter()->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(capture.joined(), QStringLiteral("E2+ 2B+ 2B- E2-"));
        // The real releases, if they do come, change nothing; the next press counts.
        sendKey(&window, KEY_TAB, false);
        sendKey(&window, KEY_LEFTALT, true);
        QCOMPARE(capture.joined(), QStringLiteral("E2+ 2B+ 2B- E2- E2+"));
    }

    void removedHooksReportNothing()
    {
        Capture capture;
        capture.hook.setGlobalCaptureActive(true);
        QVERIFY(capture.hook.evdevReader()->isRunning());
        capture.hook.removeHooks();
        QVERIFY(!capture.hook.evdevReader()->isRunning());
        QWindow window;
        sendKey(&window, KEY_A, true);
        sendButton(&window, QEvent::MouseButtonPress, BTN_LEFT, QPoint());
        QCOMPARE(capture.joined(), QString());
        QVERIFY(capture.hook.installHooks());
        QVERIFY(capture.hook.evdevReader()->isRunning());
    }

    void evdevRecordSplitAcrossReads()
    {
        Capture capture;
        auto pipe = capturing(capture, EvdevReader::Keyboard);
        input_event ev = {};
        ev.type = EV_KEY;
        ev.code = KEY_Q;
        ev.value = 1;
        const auto* bytes = reinterpret_cast<const char*>(&ev);
        QVERIFY(pipe->writeBytes(bytes, 5));
        pump();
        QCOMPARE(capture.joined(), QString());
        QVERIFY(pipe->writeBytes(bytes + 5, sizeof ev - 5));
        pump();
        QCOMPARE(capture.joined(), QStringLiteral("14+"));
    }

    void evdevDroppedEventsReleaseHeldKeys()
    {
        Capture capture;
        auto pipe = capturing(capture, EvdevReader::Keyboard);
        pipe->key(KEY_W, 1);
        pipe->event(EV_SYN, SYN_DROPPED, 0);
        // What follows up to the next report is a torn remnant and must not count.
        pipe->event(EV_KEY, KEY_E, 1);
        pipe->event(EV_SYN, SYN_REPORT, 0);
        pipe->key(KEY_R, 1);
        pump();
        // A pipe cannot say which keys are down, so all held ones are let go.
        QCOMPARE(capture.joined(), QStringLiteral("1A+ 1A- 15+"));
    }

    // However the stream ends, no key stays held.
    void evdevEndReleasesHeldKeys_data()
    {
        QTest::addColumn<bool>("nodeCloses");
        QTest::newRow("node closed") << true;
        QTest::newRow("capture stopped") << false;
    }

    void evdevEndReleasesHeldKeys()
    {
        QFETCH(bool, nodeCloses);
        Capture capture;
        EvdevReader* reader = capture.hook.evdevReader();
        auto pipe = capturing(capture, EvdevReader::Keyboard);
        pipe->key(KEY_LEFTSHIFT, 1);
        pump();
        QVERIFY(reader->coversKeyboard());
        if (nodeCloses)
            pipe->close();
        else
            capture.hook.setGlobalCaptureActive(false);
        pump();
        QCOMPARE(capture.joined(), QStringLiteral("E1+ E1-"));
        QCOMPARE(reader->streamCount(), 0);
        QVERIFY(!reader->coversKeyboard());
    }

    void evdevKindsLimitWhatIsRead()
    {
        Capture capture;
        auto mouse = capturing(capture, EvdevReader::Mouse);
        EvdevPipe keyboard(capture.hook.evdevReader(), EvdevReader::Keyboard);
        mouse->key(KEY_A, 1);
        mouse->key(BTN_LEFT, 1);
        keyboard.key(BTN_RIGHT, 1);
        keyboard.key(KEY_B, 1);
        pump();
        QCOMPARE(capture.joined(), QStringLiteral("F0+@12,34 05+"));
    }

    void evdevSkipsNodesThatAreNotDevices()
    {
        Capture capture;
        QFile fake(capture.noDevices.filePath(QStringLiteral("event0")));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write(QByteArray(48, '\1'));
        fake.close();
        capture.hook.setGlobalCaptureActive(true);
        QVERIFY(capture.hook.evdevReader()->isRunning());
        QCOMPARE(capture.hook.evdevReader()->streamCount(), 0);
    }

    void readerFollowsWindow()
    {
        Capture capture;
        QWidget window;
        capture.hook.followWindow(&window);
        EvdevReader* reader = capture.hook.evdevReader();
        QVERIFY(!reader->isRunning());
        window.show();
        QVERIFY(reader->isRunning());
        window.showMinimized();
        QTRY_VERIFY(!reader->isRunning());
        window.showNormal();
        QTRY_VERIFY(reader->isRunning());
        window.hide();
        QVERIFY(!reader->isRunning());
        // No reading without the hooks, even while shown.
        capture.hook.removeHooks();
        window.show();
        QVERIFY(!reader->isRunning());
    }
};

QTEST_MAIN(TestInputCapture)
#include "tst_inputcapture.moc"
