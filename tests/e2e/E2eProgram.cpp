#include "E2eProgram.h"

#include "VirtualAnimationClock.h"
#include "app/ProgramSession.h"
#include "app/Widget.h"
#include "protocol/Clock.h"
#include "protocol/sim/TracingBackend.h"
#include "protocol/sim/VirtualClock.h"
#include "view/SettingsStore.h"
#include "view/myQQuickView.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QSettings>
#include <QTest>
#include <QVariantAnimation>

#include <cstring>

#include <linux/input-event-codes.h>

namespace {

constexpr int kFrameMs = 16;

// Every animation and QML Timer of the process runs on virtual time from the
// first program on. One endless animation keeps the driver in charge even while
// only QML Timers are pending (Qt would otherwise hand them to a real timer).
VirtualAnimationClock* s_animationClock = nullptr;
QVariantAnimation* s_keepDriving = nullptr;

VirtualAnimationClock& animationClock()
{
    if (!s_animationClock) {
        s_animationClock = new VirtualAnimationClock;
        s_animationClock->install();
        s_keepDriving = new QVariantAnimation;
        s_keepDriving->setStartValue(0.0);
        s_keepDriving->setEndValue(1.0);
        s_keepDriving->setDuration(1000);
        s_keepDriving->setLoopCount(-1);
        s_keepDriving->start();
        // Both must go while the application still runs its event machinery.
        qAddPostRoutine([] {
            delete s_keepDriving;
            s_animationClock->uninstall();
            delete s_animationClock;
        });
    }
    return *s_animationClock;
}

// The evdev code of a lower-case letter, digit or space; 0 for anything else.
int evdevOf(char c)
{
    static const char* const rows[] = {"1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static const int first[] = {KEY_1, KEY_Q, KEY_A, KEY_Z};
    for (int r = 0; c && r < 4; ++r) {
        if (const char* at = std::strchr(rows[r], c))
            return first[r] + int(at - rows[r]);
    }
    return c == ' ' ? KEY_SPACE : 0;
}

QQuickItem* findItem(QQuickItem* under, const QString& name, bool visibleOnly)
{
    for (QQuickItem* child : under->childItems()) {
        if (child->objectName() == name && (!visibleOnly || child->isVisible()))
            return child;
        if (QQuickItem* found = findItem(child, name, visibleOnly))
            return found;
    }
    return nullptr;
}

QJsonObject parsed(const QString& line)
{
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

QString field(const QJsonObject& line, const char* name)
{
    return line.value(QLatin1String(name)).toString();
}

} // namespace

E2eProgram::E2eProgram()
{
    if (!m_root.isValid())
        QTest::qFail("Cannot make a data root from the factory tree", __FILE__, __LINE__);
    animationClock();
}

E2eProgram::~E2eProgram()
{
    stop();
}

bool E2eProgram::start(Plugged plugged, sim::MouseFamily family)
{
    stop();
    QSettings(SettingsStore::globalPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("mouse/icType"),
                  family == sim::MouseFamily::F560 ? QStringLiteral("560") : QStringLiteral("553"));
    m_clock = std::make_unique<VirtualClock>();
    m_sim = std::make_unique<SimulatedHid>(family, m_clock.get());
    m_sim->unplug(plugged == Plugged::Mouse ? SimulatedHid::Device::Keyboard : SimulatedHid::Device::Mouse);
    m_trace = std::make_unique<TracingBackend>(*m_sim, *m_clock);
    return restart();
}

bool E2eProgram::restart()
{
    if (!m_sim) {
        QTest::qFail("restart() before start()", __FILE__, __LINE__);
        return false;
    }
    stop();
    m_session = std::make_unique<ProgramSession>(*m_trace, *m_clock, nullptr);
    m_session->showAndDetect();
    // Built by the first pass, for the device it served.
    myQQuickView& v = view();
    if (v.status() != QQuickWidget::Ready || !v.rootObject()) {
        for (const QQmlError& e : v.errors())
            qWarning("%s", qPrintable(e.toString()));
        QTest::qFail("The screens did not load", __FILE__, __LINE__);
        return false;
    }
    QApplication::setActiveWindow(&host());
    v.setFocus();
    if (!settle()) {
        QTest::qFail("The screens did not settle after start-up", __FILE__, __LINE__);
        return false;
    }
    return true;
}

void E2eProgram::stop()
{
    if (m_session) {
        m_session->host().hid().stopReader();
        m_sim->interruptReads();
        m_session.reset();
    }
    Widget::setDeviceConnected(false);
}

Widget& E2eProgram::host()
{
    return m_session->host();
}

myQQuickView& E2eProgram::view()
{
    return *host().view();
}

QQuickItem* E2eProgram::item(const QString& objectName, QQuickItem* under)
{
    QQuickItem* top = under ? under : view().rootObject();
    QQuickItem* found = top ? findItem(top, objectName, true) : nullptr;
    if (!found && top)
        found = findItem(top, objectName, false);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("No item named \"%1\"").arg(objectName)), __FILE__, __LINE__);
    return found;
}

bool E2eProgram::isShown(const QString& objectName)
{
    QQuickItem* top = view().rootObject();
    return top && findItem(top, objectName, true);
}

QPoint E2eProgram::windowPoint(QQuickItem* item, QPointF at) const
{
    if (at.x() < 0 || at.y() < 0)
        at = QPointF(item->width() / 2, item->height() / 2);
    return item->mapToScene(at).toPoint();
}

void E2eProgram::click(QQuickItem* item, QPointF at, Qt::MouseButton button)
{
    if (!item)
        return;
    QTest::mouseClick(&view(), button, Qt::NoModifier, windowPoint(item, at));
    QCoreApplication::processEvents();
}

void E2eProgram::doubleClick(QQuickItem* item)
{
    if (!item)
        return;
    const QPoint p = windowPoint(item, QPointF(-1, -1));
    QTest::mousePress(&view(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(&view(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, p);
    QCoreApplication::processEvents();
}

void E2eProgram::drag(QQuickItem* item, QPoint offset, QPointF at)
{
    if (!item)
        return;
    const QPoint from = windowPoint(item, at);
    constexpr int kSteps = 4;
    QTest::mousePress(&view(), Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= kSteps; ++i)
        QTest::mouseMove(&view(), from + offset * i / kSteps);
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, from + offset);
    QCoreApplication::processEvents();
}

void E2eProgram::sendKey(QEvent::Type type, int evdevCode, int key, Qt::KeyboardModifiers modifiers,
                         const QString& text)
{
    // X11 and Wayland give the evdev code + 8 as the native scan code.
    QKeyEvent event(type, key, modifiers, static_cast<quint32>(evdevCode + 8), 0, 0, text);
    QCoreApplication::sendEvent(host().windowHandle(), &event);
    QCoreApplication::processEvents();
}

void E2eProgram::keyPress(int evdevCode)
{
    sendKey(QEvent::KeyPress, evdevCode, Qt::Key_unknown, Qt::NoModifier, QString());
}

void E2eProgram::keyRelease(int evdevCode)
{
    sendKey(QEvent::KeyRelease, evdevCode, Qt::Key_unknown, Qt::NoModifier, QString());
}

void E2eProgram::typeText(const QString& text)
{
    for (const QChar c : text) {
        const int evdev = evdevOf(c.toLower().toLatin1());
        if (!evdev) {
            QTest::qFail(qPrintable(QStringLiteral("Cannot type \"%1\"").arg(c)), __FILE__, __LINE__);
            return;
        }
        // Qt's key codes of letters, digits and space are their upper-case characters.
        const int key = c.toUpper().unicode();
        const bool shift = c.isUpper();
        const Qt::KeyboardModifiers mods = shift ? Qt::ShiftModifier : Qt::NoModifier;
        if (shift)
            sendKey(QEvent::KeyPress, KEY_LEFTSHIFT, Qt::Key_Shift, Qt::NoModifier, QString());
        sendKey(QEvent::KeyPress, evdev, key, mods, QString(c));
        sendKey(QEvent::KeyRelease, evdev, key, mods, QString(c));
        if (shift)
            sendKey(QEvent::KeyRelease, KEY_LEFTSHIFT, Qt::Key_Shift, Qt::ShiftModifier, QString());
    }
}

bool E2eProgram::busy()
{
    QQuickItem* top = view().rootObject();
    if (!top)
        return false;
    if (top->property("busy").toBool() || !view().isEnabled() || host().checkTimer().isActive())
        return true;
    QObject* lock = top->findChild<QObject*>(QStringLiteral("lockTimer"));
    return lock && lock->property("running").toBool();
}

void E2eProgram::advance(int ms)
{
    // The detection timer runs on real time in the program; here it is due
    // once its interval of virtual time has passed since it was (re)started.
    int checkDueIn = host().checkTimer().isActive() ? host().checkTimer().interval() : -1;
    while (ms > 0) {
        const int step = std::min(ms, kFrameMs);
        QCoreApplication::processEvents();
        animationClock().advanceBy(step);
        m_clock->advance(step);
        ms -= step;
        QTimer& check = host().checkTimer();
        if (!check.isActive()) {
            checkDueIn = -1;
        } else if (checkDueIn < 0) {
            checkDueIn = check.interval();
        } else if ((checkDueIn -= step) <= 0) {
            check.stop();
            host().checkDevice();
            checkDueIn = -1;
        }
    }
    QCoreApplication::processEvents();
    // Positioners lay out when the view polishes, which a render does.
    view().grabFramebuffer();
}

bool E2eProgram::settle(int limitMs)
{
    QCoreApplication::processEvents();
    for (int spent = 0; spent < limitMs; spent += kFrameMs * 4) {
        if (!busy()) {
            advance(kFrameMs);
            if (!busy())
                return true;
        }
        advance(kFrameMs * 4);
    }
    return !busy();
}

int E2eProgram::mark() const
{
    return m_trace ? m_trace->lines().size() : 0;
}

QStringList E2eProgram::trace(const QString& dev, const QString& op, int since) const
{
    QStringList result;
    const QStringList lines = m_trace ? m_trace->lines() : QStringList();
    for (int i = since; i < lines.size(); ++i) {
        const QJsonObject line = parsed(lines[i]);
        if ((dev.isEmpty() || field(line, "dev") == dev) && (op.isEmpty() || field(line, "op") == op))
            result << lines[i];
    }
    return result;
}

QList<QByteArray> E2eProgram::traceBytes(const QString& dev, const QString& op, int since) const
{
    QList<QByteArray> result;
    for (const QString& text : trace(dev, op, since))
        result << QByteArray::fromHex(field(parsed(text), "data").toLatin1());
    return result;
}

QByteArray E2eProgram::payloadAfter(const QString& dev, const QByteArray& block, int since) const
{
    QByteArray payload;
    bool inside = false;
    for (const QString& text : trace(dev, QString(), since)) {
        const QJsonObject line = parsed(text);
        const QString op = field(line, "op");
        const QByteArray data = QByteArray::fromHex(field(line, "data").toLatin1());
        if (op == QLatin1String("send-feature")) {
            if (inside)
                break;
            inside = data.mid(1).startsWith(block);
            if (inside)
                payload = QByteArray("");
        } else if (inside && op == QLatin1String("write")) {
            payload += data.mid(1);
        }
    }
    return payload;
}

void E2eProgram::flush()
{
    if (m_session)
        view().settings().flush();
}

QString E2eProgram::fileText(const QString& relativePath)
{
    flush();
    QFile file(m_root.file(relativePath));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QVariant E2eProgram::globalValue(const QString& key)
{
    flush();
    return QSettings(m_root.file(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat).value(key);
}

QVariant E2eProgram::profileValue(int slot, const QString& key)
{
    flush();
    return QSettings(m_root.file(QStringLiteral("modules/setting/p%1.bin").arg(slot + 1)), QSettings::IniFormat)
        .value(key);
}
