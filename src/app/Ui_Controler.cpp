#include "app/Ui_Controler.h"

#include "app/AppLog.h"
#include "devices/DeviceList.h"
#include "view/myQQuickView.h"

#include <QQmlContext>
#include <QQmlError>
#include <QQuickWindow>
#include <QWidget>

Ui_Controler::Ui_Controler(QObject* parent)
    : QObject(parent)
{
}

Ui_Controler::~Ui_Controler() = default;

void Ui_Controler::setupUi(QWidget* host, QObject* hid, std::function<void()> hideToTray)
{
    if (host->objectName().isEmpty())
        host->setObjectName(QStringLiteral("Widget"));
    m_window = host;
    m_hideToTray = std::move(hideToTray);
    host->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    host->setWindowOpacity(1.0);
    host->setAttribute(Qt::WA_TranslucentBackground);
    host->setStyleSheet(QStringLiteral("background:transparent;"));

    m_view = new myQQuickView(host);
    m_view->setObjectName(QStringLiteral("ui_View"));
    m_view->setResizeMode(QQuickWidget::SizeViewToRootObject);
    m_view->setClearColor(Qt::transparent);
    // Hidden in the tray, the window needs no scene: it is rebuilt from the items on show.
    m_view->quickWindow()->setPersistentSceneGraph(false);
    // A blank window would hide a broken document; say what failed at once.
    QObject::connect(m_view, &QQuickWidget::statusChanged, m_view, [view = m_view](QQuickWidget::Status s) {
        if (s == QQuickWidget::Error) {
            for (const QQmlError& e : view->errors())
                qCCritical(lcApp, "%s", qPrintable(e.toString()));
        }
    });
    // Published before the document loads so its bindings resolve on first evaluation.
    QQmlContext* context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    context->setContextProperty(QStringLiteral("hid"), hid);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);
    m_view->resize(kScreenWidth, kScreenHeight);
    host->resize(kScreenWidth, kScreenHeight);
    host->setWindowTitle(DeviceList::readTitle());
}

void Ui_Controler::loadScreens()
{
    if (!m_view || screensLoaded())
        return;
    m_view->setSource(QUrl(QString::fromLatin1(kMainDocument)));
    if (m_window)
        m_window->resize(m_view->size());
}

bool Ui_Controler::screensLoaded() const
{
    return m_view && !m_view->source().isEmpty();
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (m_window && m_hideToTray)
        m_hideToTray();
}

void Ui_Controler::onXChanged(int x)
{
    if (m_window)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (m_window)
        m_window->move(m_window->x(), m_window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (m_view)
        m_view->setBusy(busyTime);
}

void Ui_Controler::setBusy()
{
    setBusy(0);
}
