#include "CaptureFixture.h"

#include "hooks/InputEventFilter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickWidget>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <linux/input-event-codes.h>

#include <csignal>
#include <memory>
#include <utility>
#include <vector>

using Steps = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(Steps)

namespace {

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

} // namespace

class TestInputCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Writes into a pipe whose reader has closed fail with EPIPE instead.
    void initTestCase() { ::signal(SIGPIPE, SIG_IGN); }

    void layerCases_data();
    void layerCases();
    void isoBackslash_data();
    void isoBackslash();

    void procedureOverrides();
    void doubleClickMessagesIgnored();
    void stateKeptWithoutCallback();
    void scanCodeAboveByteIsIgnored();

    void qtFilterConsumesNothing();
    void qtTakesEachEventOnceAtItsWindow();
    void qtClickOnShownWidgetReportedOnce();
    void qtClickOnQuickWidgetReportedOnce();
    void qtIgnoresEventsWithoutScanCode();
    void qtDefersToReaderThatSeesKeyboard();
    void qtReleasesHeldKeysWhenDeactivated();
    void removedHooksReportNothing();

    void evdevRecordSplitAcrossReads();
    void evdevDroppedEventsReleaseHeldKeys();
    void evdevClosedNodeReleasesHeldKeys();
    void evdevStopReleasesHeldKeys();
    void evdevKindsLimitWhatIsRead();
    void evdevSkipsNodesThatAreNotDevices();
    void readerFollowsWindow();
};

void TestInputCapture::layerCases_data()
{
    QTest::addColumn<bool>("evdev");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("expected");

    const struct
    {
        const char* name;
        Steps steps;
        const char* expected;
    } cases[] = {
        {"held key", {{KEY_A, 1}, {KEY_A, 2}, {KEY_A, 2}, {KEY_A, 2}, {KEY_A, 0}}, "04+ 04-"},
        {"US Y position", {{KEY_Y, 1}, {KEY_Y, 0}}, "1C+ 1C-"},
        {"keypad Enter", {{KEY_KPENTER, 1}, {KEY_KPENTER, 0}}, "58+ 58-"},
        {"Enter", {{KEY_ENTER, 1}, {KEY_ENTER, 0}}, "28+ 28-"},
        {"Pause", {{KEY_PAUSE, 1}, {KEY_PAUSE, 0}}, "48+ 48-"},
        {"Ctrl+Break", {{KEY_LEFTCTRL, 1}, {KEY_BREAK, 1}, {KEY_BREAK, 0}, {KEY_LEFTCTRL, 0}}, "E0+ 48+ 48- E0-"},
        {"Num Lock", {{KEY_NUMLOCK, 1}, {KEY_NUMLOCK, 0}}, "53+ 53-"},
        {"Print Screen", {{KEY_SYSRQ, 1}, {KEY_SYSRQ, 0}}, "46+ 46-"},
        {"Alt+Print Screen", {{KEY_LEFTALT, 1}, {KEY_SYSRQ, 1}, {KEY_SYSRQ, 0}, {KEY_LEFTALT, 0}}, "E2+ 46+ 46- E2-"},
        {"AltGr+Print Screen, Alt up first",
         {{KEY_RIGHTALT, 1}, {KEY_SYSRQ, 1}, {KEY_RIGHTALT, 0}, {KEY_SYSRQ, 0}}, "E6+ 46+ E6- 46-"},
        {"right Windows", {{KEY_RIGHTMETA, 1}, {KEY_RIGHTMETA, 0}}, ""},
        {"left Windows", {{KEY_LEFTMETA, 1}, {KEY_LEFTMETA, 0}}, "E3+ E3-"},
        {"backslash", {{KEY_BACKSLASH, 1}, {KEY_BACKSLASH, 0}}, "31+ 31-"},
        {"overlapping keys", {{KEY_A, 1}, {KEY_S, 1}, {KEY_A, 0}, {KEY_S, 0}}, "04+ 16+ 04- 16-"},
        {"keys without usage", {{KEY_MUTE, 1}, {KEY_MUTE, 0}, {KEY_RO, 1}, {KEY_RO, 0}}, ""},
        {"left double-click", {{BTN_LEFT, 1}, {BTN_LEFT, 0}, {BTN_LEFT, 1}, {BTN_LEFT, 0}},
         "F0+@12,34 F0-@12,34 F0+@12,34 F0-@12,34"},
        {"right and middle", {{BTN_RIGHT, 1}, {BTN_RIGHT, 0}, {BTN_MIDDLE, 1}, {BTN_MIDDLE, 0}},
         "F1+@12,34 F1-@12,34 F2+@12,34 F2-@12,34"},
        {"side button", {{BTN_SIDE, 1}, {BTN_SIDE, 0}}, ""},
    };
    for (const bool evdev : {true, false}) {
        for (const auto& c : cases) {
            QTest::addRow("%s: %s", evdev ? "evdev" : "qt", c.name)
                << evdev << c.steps << QString::fromLatin1(c.expected);
        }
    }
}

void TestInputCapture::layerCases()
{
    QFETCH(bool, evdev);
    QFETCH(Steps, steps);
    QFETCH(QString, expected);

    Capture capture;
    Player player(capture, evdev);
    QVERIFY(player.ready());
    player.play(steps);
    QCOMPARE(capture.joined(), expected);
}

void TestInputCapture::isoBackslash_data()
{
    QTest::addColumn<bool>("evdev");
    QTest::newRow("evdev") << true;
    QTest::newRow("qt") << false;
}

void TestInputCapture::isoBackslash()
{
    QFETCH(bool, evdev);
    Capture capture(1);
    Player player(capture, evdev);
    QVERIFY(player.ready());
    player.play({{KEY_BACKSLASH, 1}, {KEY_BACKSLASH, 0}});
    QCOMPARE(capture.joined(), QStringLiteral("32+ 32-"));
}

void TestInputCapture::procedureOverrides()
{
    Capture capture;
    // Scroll Lock is the plain 0x46; with the extended flag it is Ctrl+Break.
    capture.hook.keyboardProc({0x46, false, false, true});
    capture.hook.keyboardProc({0x46, true, false, true});
    // SysRq counts only with Alt held.
    capture.hook.keyboardProc({0x54, false, false, true});
    capture.hook.keyboardProc({0x54, false, true, true});
    QCOMPARE(capture.joined(), QStringLiteral("47+ 48+ 46+"));
}

void TestInputCapture::doubleClickMessagesIgnored()
{
    Capture capture;
    capture.hook.mouseProc(kLButtonDblClk, 1, 2);
    capture.hook.mouseProc(kRButtonDblClk, 1, 2);
    capture.hook.mouseProc(0x20A, 1, 2);
    capture.hook.mouseProc(kMButtonUp, -3, 2);
    QCOMPARE(capture.joined(), QStringLiteral("F2-@-3,2"));
}

void TestInputCapture::stateKeptWithoutCallback()
{
    Capture capture;
    capture.hook.setKeyboardCallback(nullptr, nullptr);
    capture.hook.keyboardProc({0x1E, false, false, true});
    QVERIFY(capture.hook.keyDownState(0x04));
    capture.hook.setKeyboardCallback(&Capture::onKey, &capture);
    capture.hook.keyboardProc({0x1E, false, false, true});
    capture.hook.keyboardProc({0x1E, false, false, false});
    QCOMPARE(capture.joined(), QStringLiteral("04-"));
}

void TestInputCapture::scanCodeAboveByteIsIgnored()
{
    Capture capture;
    capture.hook.keyboardProc({0x11E, false, false, true});
    QCOMPARE(capture.joined(), QString());
}

void TestInputCapture::qtFilterConsumesNothing()
{
    Capture capture;
    CountingWindow window;
    sendKey(&window, KEY_A, true);
    sendButton(&window, QEvent::MouseButtonPress, BTN_LEFT, QPoint(5, 6));
    QCOMPARE(window.keyPresses, 1);
    QCOMPARE(window.mousePresses, 1);
    QCOMPARE(capture.joined(), QStringLiteral("04+ F0+@5,6"));
}

void TestInputCapture::qtTakesEachEventOnceAtItsWindow()
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

void TestInputCapture::qtClickOnShownWidgetReportedOnce()
{
    Capture capture;
    QWidget top;
    top.resize(100, 100);
    auto* child = new QWidget(&top);
    child->setGeometry(10, 10, 50, 50);
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    // Through the window, as the window system delivers it; the window hands it to
    // the child, which ignores it, so it travels on to the parent as well.
    QTest::mouseClick(top.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(15, 15));
    QCOMPARE(capture.reports.size(), 2);
    QVERIFY(capture.reports[0].startsWith(QLatin1String("F0+@")));
    QVERIFY(capture.reports[1].startsWith(QLatin1String("F0-@")));
}

void TestInputCapture::qtClickOnQuickWidgetReportedOnce()
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

void TestInputCapture::qtIgnoresEventsWithoutScanCode()
{
    Capture capture;
    QWindow window;
    QKeyEvent ev(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&window, &ev);
    QCOMPARE(capture.joined(), QString());
}

void TestInputCapture::qtDefersToReaderThatSeesKeyboard()
{
    Capture capture;
    capture.hook.setGlobalCaptureActive(true);
    EvdevPipe keyboard(capture.hook.evdevReader(), EvdevReader::Keyboard);
    QVERIFY(keyboard.isOpen());
    QWindow window;
    // A quick tap reaches both layers, here Qt's first.
    sendKey(&window, KEY_A, true);
    sendKey(&window, KEY_A, false);
    keyboard.key(KEY_A, 1);
    keyboard.key(KEY_A, 0);
    pump();
    // The reader sees no mouse, so Qt's button events still count.
    sendButton(&window, QEvent::MouseButtonPress, BTN_LEFT, QPoint(1, 2));
    QCOMPARE(capture.joined(), QStringLiteral("04+ 04- F0+@1,2"));
}

void TestInputCapture::qtReleasesHeldKeysWhenDeactivated()
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

void TestInputCapture::removedHooksReportNothing()
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

void TestInputCapture::evdevRecordSplitAcrossReads()
{
    Capture capture;
    capture.hook.setGlobalCaptureActive(true);
    EvdevPipe pipe(capture.hook.evdevReader(), EvdevReader::Keyboard);
    input_event ev = {};
    ev.type = EV_KEY;
    ev.code = KEY_Q;
    ev.value = 1;
    const auto* bytes = reinterpret_cast<const char*>(&ev);
    QVERIFY(pipe.writeBytes(bytes, 5));
    pump();
    QCOMPARE(capture.joined(), QString());
    QVERIFY(pipe.writeBytes(bytes + 5, sizeof ev - 5));
    pump();
    QCOMPARE(capture.joined(), QStringLiteral("14+"));
}

void TestInputCapture::evdevDroppedEventsReleaseHeldKeys()
{
    Capture capture;
    capture.hook.setGlobalCaptureActive(true);
    EvdevPipe pipe(capture.hook.evdevReader(), EvdevReader::Keyboard);
    pipe.key(KEY_W, 1);
    pipe.event(EV_SYN, SYN_DROPPED, 0);
    // What follows up to the next report is a torn remnant and must not count.
    pipe.event(EV_KEY, KEY_E, 1);
    pipe.event(EV_SYN, SYN_REPORT, 0);
    pipe.key(KEY_R, 1);
    pump();
    // A pipe cannot say which keys are down, so all held ones are let go.
    QCOMPARE(capture.joined(), QStringLiteral("1A+ 1A- 15+"));
}

void TestInputCapture::evdevClosedNodeReleasesHeldKeys()
{
    Capture capture;
    capture.hook.setGlobalCaptureActive(true);
    EvdevReader* reader = capture.hook.evdevReader();
    EvdevPipe pipe(reader, EvdevReader::Keyboard);
    pipe.key(KEY_LEFTSHIFT, 1);
    pump();
    QVERIFY(reader->coversKeyboard());
    pipe.close();
    pump();
    QCOMPARE(capture.joined(), QStringLiteral("E1+ E1-"));
    QCOMPARE(reader->streamCount(), 0);
    QVERIFY(!reader->coversKeyboard());
}

void TestInputCapture::evdevStopReleasesHeldKeys()
{
    Capture capture;
    capture.hook.setGlobalCaptureActive(true);
    EvdevPipe pipe(capture.hook.evdevReader(), EvdevReader::Keyboard);
    pipe.key(KEY_RIGHTCTRL, 1);
    pump();
    capture.hook.setGlobalCaptureActive(false);
    QCOMPARE(capture.joined(), QStringLiteral("E4+ E4-"));
    QCOMPARE(capture.hook.evdevReader()->streamCount(), 0);
    QVERIFY(!pipe.key(KEY_RIGHTCTRL, 0));
}

void TestInputCapture::evdevKindsLimitWhatIsRead()
{
    Capture capture;
    capture.hook.setGlobalCaptureActive(true);
    EvdevPipe mouse(capture.hook.evdevReader(), EvdevReader::Mouse);
    EvdevPipe keyboard(capture.hook.evdevReader(), EvdevReader::Keyboard);
    mouse.key(KEY_A, 1);
    mouse.key(BTN_LEFT, 1);
    keyboard.key(BTN_RIGHT, 1);
    keyboard.key(KEY_B, 1);
    pump();
    QCOMPARE(capture.joined(), QStringLiteral("F0+@12,34 05+"));
}

void TestInputCapture::evdevSkipsNodesThatAreNotDevices()
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

void TestInputCapture::readerFollowsWindow()
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

QTEST_MAIN(TestInputCapture)
#include "tst_inputcapture.moc"
