#include "CallLog.h"
#include "StandIns.h"
#include "VirtualAnimationClock.h"

#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQuickTest>

// Publishes the recording stand-ins under the names the application uses and
// puts every animation on virtual time before any test runs.
class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        m_clock = new VirtualAnimationClock(this);
        m_clock->install();
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        auto* log = new CallLog(engine);
        QQmlContext* context = engine->rootContext();
        context->setContextProperty(QStringLiteral("callLog"), log);
        context->setContextProperty(QStringLiteral("ui_View"), new ViewStandIn(log, engine));
        context->setContextProperty(QStringLiteral("hid"), new HidStandIn(log, engine));
        context->setContextProperty(QStringLiteral("ui_Ctl"), new ControllerStandIn(log, engine));
        context->setContextProperty(QStringLiteral("animationClock"), m_clock);
        const QString shots = QStringLiteral(QUORIX_SCREENSHOT_DIR);
        QDir().mkpath(shots);
        context->setContextProperty(QStringLiteral("screenshotDir"), shots);
    }

private:
    VirtualAnimationClock* m_clock = nullptr;
};

QUICK_TEST_MAIN_WITH_SETUP(quorix_qml, Setup)

#include "tst_qml.moc"
