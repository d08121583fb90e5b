#include "app/Widget.h"

#include "app/AppLog.h"
#include "app/ResidentMemory.h"
#include "app/Ui_Controler.h"
#include "app/UserEvent.h"
#include "devices/Detection.h"
#include "devices/DeviceList.h"
#include "devices/HotplugMonitor.h"
#include "devices/UdevRuleHint.h"
#include "hooks/WarningBox.h"
#include "protocol/HidBackend.h"
#include "view/SettingsStore.h"
#include "view/myQQuickView.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QIcon>
#include <QMenu>
#include <QQuickItem>
#include <QWindow>

#include <atomic>
#include <malloc.h>

Q_LOGGING_CATEGORY(lcApp, "quorix.app")

namespace {

std::atomic_bool g_deviceConnected{false};

const char kTrayMenuStyle[] =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

// Ends `loop` when `window` is exposed.
class ExposeWatch : public QObject
{
public:
    ExposeWatch(QWindow* window, QEventLoop* loop)
        : m_loop(loop)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, m_loop, &QEventLoop::quit);
        return false;
    }

private:
    QEventLoop* m_loop;
};

} // namespace

bool Widget::deviceConnected()
{
    return g_deviceConnected.load();
}

void Widget::setDeviceConnected(bool connected)
{
    g_deviceConnected.store(connected);
}

Widget::Widget(bool withTray, QWidget* parent)
    : QWidget(parent)
{
    m_hid.setOwner(this);
    m_controller = new Ui_Controler();
    m_controller->setupUi(this, &m_hid, [this] { hideToTray(); });
    view()->setHid(&m_hid);
    m_checkTimer.setInterval(kCheckInterval);
    m_checkTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, inside the burst it should wait out.
    m_checkTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_checkTimer, &QTimer::timeout, this, &Widget::checkDevice);
    m_releaseTimer.setInterval(kReleaseDelayMs);
    m_releaseTimer.setSingleShot(true);
    connect(&m_releaseTimer, &QTimer::timeout, this, &Widget::releaseWhileHidden);
    if (withTray)
        createTrayIcon();
    auto* monitor = new HotplugMonitor(this);
    connect(monitor, &HotplugMonitor::deviceChanged, this, &Widget::deviceChangeNotified);
    monitor->start();
    m_warningBox = new WarningBox(this, this);
}

Widget::~Widget()
{
    m_hid.stopReader();
    m_hid.waitForReader();
    m_controller->deleteLater();
}

myQQuickView* Widget::view() const
{
    return m_controller->view();
}

void Widget::ensureScreens()
{
    m_controller->loadScreens();
}

void Widget::paintFirstFrame(int limitMs)
{
    QWindow* window = windowHandle();
    if (!window || !isVisible())
        return;
    if (!window->isExposed()) {
        QEventLoop loop;
        ExposeWatch watch(window, &loop);
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (window->isExposed())
        repaint();
}

void Widget::keyboardCallback(quint8 usage, bool isDown, void* context)
{
    static_cast<Widget*>(context)->view()->detectKeyboard(isDown, usage);
}

void Widget::mouseCallback(quint8 button, quint8 isDown, int x, int y, void* context)
{
    static_cast<Widget*>(context)->view()->detectMouse(isDown != 0, button, x, y);
}

void Widget::copyDataCallback(const CopyData* data, void* context)
{
    if (context && data)
        static_cast<Widget*>(context)->m_warningBox->handle(data);
}

void Widget::createTrayIcon()
{
    m_trayIcon = new QSystemTrayIcon(this);
    auto* quit = new QAction(tr("Quit (&Q)"), this);
    connect(quit, &QAction::triggered, this, &Widget::exitSYS);
    auto* menu = new QMenu(this);
    menu->addAction(quit);
    menu->setStyleSheet(QString::fromLatin1(kTrayMenuStyle));
    m_trayIcon->setContextMenu(menu);
    m_trayIcon->setToolTip(QStringLiteral("VELDRAN QUORIX MOUSE Q9"));
    // From the data root, not the resources, so an installation can swap it.
    m_trayIcon->setIcon(QIcon(QStringLiteral("./modules/img/logo.ico")));
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    m_trayIcon->setVisible(true);
}

bool Widget::trayAvailable() const
{
    return m_trayIcon && QSystemTrayIcon::isSystemTrayAvailable();
}

void Widget::hideToTray()
{
    if (trayAvailable())
        setVisible(false);
    else
        showMinimized();
}

void Widget::restoreWindow()
{
    setVisible(true);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Widget::showBalloon(const QString& title, const QString& text, int msecs)
{
    if (m_trayIcon && trayAvailable())
        m_trayIcon->showMessage(title, text, QSystemTrayIcon::Information, msecs);
    else
        qCInfo(lcApp, "%s: %s", qPrintable(title), qPrintable(text));
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick && deviceConnected())
        restoreWindow();
}

void Widget::receiveMessage(QString message)
{
    Q_UNUSED(message)
    qCDebug(lcApp, "Another start asked for the window");
    if (deviceConnected())
        restoreWindow();
}

void Widget::exitSYS()
{
    m_hid.stopReader();
    QCoreApplication::exit(0);
}

void Widget::deviceChangeNotified()
{
    // While a device is served its reader notices removal; passes run only when idle.
    if (!m_hid.isReaderRunning())
        m_checkTimer.start();
}

void Widget::checkDevice()
{
    // A pass processes events while it talks to the device; a pass due meanwhile
    // waits for this one to end instead of running inside it.
    if (m_inPass) {
        m_checkTimer.start();
        return;
    }
    m_inPass = true;
    runPass();
    m_inPass = false;
}

void Widget::runPass()
{
    QList<DeviceRecord> devices = DeviceList::read();
    HidBackend& backend = *m_hid.backend();
    Detection::locateInterfaces(devices, backend);
    m_hid.setDevices(devices);
    const bool servedStillThere = m_servedWithoutReader >= 0 && m_servedWithoutReader < devices.size()
        && devices[m_servedWithoutReader].path == m_servedPath;
    if (m_servedWithoutReader >= 0 && !servedStillThere) {
        // Without an event interface no reader saw it go; this pass did.
        qDebug("Device removed");
        view()->setEnabled(false);
        m_servedWithoutReader = -1;
    }
    for (int j = 0; j < devices.size(); ++j) {
        if (devices[j].path.isEmpty() || !devices[j].hasValidReportLength())
            continue;
        if (j == m_servedWithoutReader) {
            m_hid.chkDeviceIsEnCode(j);
            return;
        }
        if (!canOpen(backend, devices[j]))
            continue;
        if (m_hid.chkDeviceIsEnCode(j)) {
            m_servedWithoutReader = -1;
            connectSequence(j);
            if (m_hid.devices().value(j).path2.isEmpty() && !m_hid.isReaderRunning()) {
                m_servedWithoutReader = j;
                m_servedPath = devices[j].path;
            }
            return;
        }
    }
    m_servedWithoutReader = -1;
    disconnectSequence();
}

// A device listed but not openable would be connected, lost at once and found
// again on every pass; it waits instead for the next device-change notice.
bool Widget::canOpen(HidBackend& backend, const DeviceRecord& record)
{
    for (const QString& path : {record.path, record.path2}) {
        if (path.isEmpty())
            continue;
        const QByteArray node = path.toLatin1();
        if (HidHandle* handle = backend.open(node)) {
            backend.close(handle);
            continue;
        }
        const bool denied = backend.accessDenied(node);
        qCWarning(lcApp, "Cannot open %s%s; it is not served until a device changes", node.constData(),
                  denied ? " (permission denied)" : "");
        if (denied && !m_toldAboutAccess) {
            m_toldAboutAccess = true;
            qCWarning(lcApp, "%s", qPrintable(UdevRuleHint::message()));
            showBalloon(QStringLiteral("Info"), UdevRuleHint::message(), kBalloonMs);
        }
        return false;
    }
    return true;
}

void Widget::connectSequence(int index)
{
    qDebug("Device Connect");
    ensureScreens();
    view()->clearHidBusy();
    setDeviceConnected(true);
    showBalloon(QStringLiteral("Info"), QStringLiteral("Detect Device"), kBalloonMs);
    m_hid.connectRead(m_hid.currentDevice());
    // The 560 family keeps its settings in profile memory the view mirrors; a
    // keyboard has no such memory and must not be asked for it.
    if (view()->settings().is560() && m_hid.devices().value(index).type == kMouseType) {
        const int blocks = view()->settings().isGun() ? 5 : 2;
        for (int n = 0; n < blocks; ++n)
            view()->mouseReadProfile(static_cast<uint>(n));
    }
    view()->setEnabled(true);
    // The screens show the layout of the device actually served, not always the keyboard's.
    if (QQuickItem* root = view()->rootObject())
        root->setProperty("deviceType", m_hid.devices().value(index).type == kMouseType ? QStringLiteral("mouse")
                                                                            : QStringLiteral("keyboard"));
    view()->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUI));
}

void Widget::disconnectSequence()
{
    qDebug("Device DisConnect");
    setDeviceConnected(false);
    hideToTray();
}

void Widget::releaseWhileHidden()
{
    if (isVisible())
        return;
    // The native window goes with its pixel buffers; show() makes a new one in
    // the same place. The scene went when the view hid, so its nodes are freed.
    const QPoint at = pos();
    destroy();
    move(at);
    malloc_trim(0);
    const qint64 advised = ResidentMemory::releaseFilePages();
    qCDebug(lcApp, "Hidden: %lld kB of mapped files advised out", static_cast<long long>(advised / 1024));
}

void Widget::showEvent(QShowEvent* event)
{
    m_releaseTimer.stop();
    QWidget::showEvent(event);
}

void Widget::hideEvent(QHideEvent* event)
{
    // Not at once: a window hidden and shown again at once keeps its pages.
    m_releaseTimer.start();
    QWidget::hideEvent(event);
}

void Widget::customEvent(QEvent* event)
{
    if (event->type() == UserEvent::kType && static_cast<UserEvent*>(event)->eventCode == UserEvent::kRunUI)
        view()->runUI();
}

QString Widget::controllerType() const
{
    return view()->settings().controllerType();
}

bool Widget::gunFlag() const
{
    return view()->settings().isGun();
}

void Widget::readerSetCurrentDPI(int stage)
{
    view()->setCurrentDPI(stage);
}

void Widget::readerShowBalloon(const QString& title, const QString& text, int msecs)
{
    QMetaObject::invokeMethod(this, [this, title, text, msecs] { showBalloon(title, text, msecs); },
                              Qt::QueuedConnection);
}

void Widget::readerSetViewEnabled(bool enabled)
{
    QMetaObject::invokeMethod(this, [this, enabled] {
        view()->setEnabled(enabled);
        // udev announces a removal at once, while the reader still serves the device
        // and the announcement is ignored; the reader's own notice (it is ending now)
        // stands in for the late device-change message, so a pass still follows.
        if (!enabled)
            m_checkTimer.start();
    }, Qt::QueuedConnection);
}
