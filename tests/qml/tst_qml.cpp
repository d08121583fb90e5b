#include "StandIns.h"
#include "VirtualAnimationClock.h"

#include "view/MacroEncoding.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSettings>
#include <QVariantAnimation>
#include <QtQuickTest>

// Publishes the recording stand-ins under the names the application uses, and
// what the checks on the shipped texts and factory keys read.
class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        m_clock = new VirtualAnimationClock(this);
        m_clock->install();
        // While only pauses (QML Timers) run, Qt hands them to a real-time timer;
        // one endless animation keeps the virtual clock in charge of them too.
        m_keepDriving = new QVariantAnimation(this);
        m_keepDriving->setStartValue(0.0);
        m_keepDriving->setEndValue(1.0);
        m_keepDriving->setDuration(1000);
        m_keepDriving->setLoopCount(-1);
        m_keepDriving->start();
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        MacroCodec::registerForScreens();
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
        // The shipped language files: language → section → strings.
        QVariantMap shippedTexts;
        QDirIterator files(QStringLiteral(QUORIX_I18N_DIR), {QStringLiteral("*.ini")}, QDir::Files);
        while (files.hasNext()) {
            QSettings ini(files.next(), QSettings::IniFormat);
            QVariantMap sections;
            for (const QString& section : ini.childGroups()) {
                QStringList strings;
                const int total = ini.value(section + QStringLiteral("/total")).toInt();
                for (int i = 0; i < total; ++i)
                    strings.append(ini.value(section + QLatin1Char('/') + QString::number(i)).toString());
                sections.insert(section, strings);
            }
            shippedTexts.insert(QFileInfo(ini.fileName()).completeBaseName(), sections);
        }
        context->setContextProperty(QStringLiteral("shippedTexts"), shippedTexts);
        // The factory profile's keyboard functions, matrix index → four numbers.
        QVariantMap factoryKeys;
        QSettings factory(QStringLiteral(QUORIX_I18N_DIR "/../setting/pD.bin"), QSettings::IniFormat);
        factory.beginGroup(QStringLiteral("keyboardFunctionData"));
        for (const QString& key : factory.childKeys())
            factoryKeys.insert(key, factory.value(key));
        context->setContextProperty(QStringLiteral("factoryKeys"), factoryKeys);
    }

    // The animation objects must go while the application still exists.
    void cleanupTestCase()
    {
        // Qt's software scene graph frees the textures of the closed view's images
        // only at its next frame; one grab of an empty window is that frame.
        QQuickWindow().grabWindow();
        delete m_keepDriving;
        m_clock->uninstall();
        delete m_clock;
    }

private:
    VirtualAnimationClock* m_clock = nullptr;
    QVariantAnimation* m_keepDriving = nullptr;
};

QUICK_TEST_MAIN_WITH_SETUP(quorix_qml, Setup)

#include "tst_qml.moc"
