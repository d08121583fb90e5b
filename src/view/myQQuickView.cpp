#include "view/myQQuickView.h"

#include "protocol/Hid_Thread.h"
#include "view/SettingsStore.h"
#include "view/ViewLog.h"

#include <QQuickItem>
#include <QThread>

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent)
    , m_settings(new SettingsStore(this))
{
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::invokeRoot(const char* function, Qt::ConnectionType type, const QVariantList& args)
{
    QObject* root = rootObject();
    if (!root) {
        qCWarning(lcView, "No screen is loaded to receive %s", function);
        return;
    }
    bool ok = false;
    switch (args.size()) {
    case 0:
        ok = QMetaObject::invokeMethod(root, function, type);
        break;
    case 1:
        ok = QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, args[0]));
        break;
    case 2:
        ok = QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, args[0]),
                                       Q_ARG(QVariant, args[1]));
        break;
    case 4:
        ok = QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, args[0]),
                                       Q_ARG(QVariant, args[1]), Q_ARG(QVariant, args[2]),
                                       Q_ARG(QVariant, args[3]));
        break;
    default:
        break;
    }
    if (!ok)
        qCWarning(lcView, "The screen has no function %s taking %lld arguments", function,
                  static_cast<long long>(args.size()));
}

void myQQuickView::detectKeyboard(bool isDown, int usage)
{
    invokeRoot("detectKeyboard", Qt::QueuedConnection, {isDown, usage});
}

void myQQuickView::detectMouse(bool isDown, int button, int x, int y)
{
    // Coordinates travel as unsigned 32-bit values, negative ones as two's complement.
    invokeRoot("detectMouse", Qt::QueuedConnection,
               {isDown, static_cast<uint>(button), static_cast<uint>(x), static_cast<uint>(y)});
}

void myQQuickView::clearHidBusy()
{
    if (m_hid)
        m_hid->setChannelFree();
}

void myQQuickView::initUI()
{
    invokeRoot("initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    invokeRoot("run", Qt::QueuedConnection);
}

void myQQuickView::resetApconfig()
{
    m_settings->resetApconfig();
}

void myQQuickView::setCurrentProfile(int profile)
{
    m_settings->setCurrentProfile(profile);
}

void myQQuickView::openUpdateExe()
{
}

QVariant myQQuickView::getData(QVariant key, bool isRecovery)
{
    return m_settings->getData(key.toString(), isRecovery);
}

QVariant myQQuickView::getGlobalData(QVariant key)
{
    return m_settings->getGlobalData(key.toString());
}

QVariantList myQQuickView::getDataList(QVariant key, bool isRecovery)
{
    return m_settings->getDataList(key.toString(), isRecovery);
}

void myQQuickView::setData(QVariant key, QVariant data)
{
    m_settings->setData(key.toString(), data);
}

void myQQuickView::setGlobalData(QVariant key, QVariant tmpdata)
{
    m_settings->setGlobalData(key.toString(), tmpdata);
}

void myQQuickView::setDataList(QVariant key, QVariantList datalist)
{
    m_settings->setDataList(key.toString(), datalist);
}

void myQQuickView::setBusy(int busyTime)
{
    invokeRoot("setProtectUI", Qt::DirectConnection, {busyTime});
}

void myQQuickView::setCurrentDPI(int dpiValue)
{
    // The event reader calls this from its pool thread; the engine lives here.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, dpiValue] { setCurrentDPI(dpiValue); },
                                  Qt::QueuedConnection);
        return;
    }
    invokeRoot("setCurrentDPI", Qt::DirectConnection, {dpiValue});
}
