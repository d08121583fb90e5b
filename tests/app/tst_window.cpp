#include "TestData.h"
#include "app/Ui_Controler.h"
#include "app/UserEvent.h"
#include "app/Widget.h"
#include "protocol/sim/SimulatedHid.h"
#include "view/myQQuickView.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QTest>
#include <QTimer>

namespace {

// The host in front of a machine without our devices: detection finds nothing,
// and nothing can reach a real device.
class TrayHost : public Widget
{
public:
    TrayHost()
        : Widget(true)
    {
        sim.unplug(SimulatedHid::Device::Keyboard);
        sim.unplug(SimulatedHid::Device::Mouse);
        hid().setBackend(&sim);
    }

    SimulatedHid sim;
    bool tray = true;

protected:
    bool trayAvailable() const override { return tray; }
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDataRoot> m_root;

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestDataRoot>();
        QVERIFY(m_root->isValid());
        QFile f(QStringLiteral("modules/setting/apConfig.bin"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[common]\nname=Window Title\ndeviceCount=0\n");
        Widget::setDeviceConnected(false);
    }

    void cleanup() { m_root.reset(); }

    void frameAndSize()
    {
        TrayHost host;
        const Qt::WindowFlags flags = host.windowFlags();
        QVERIFY(flags & Qt::Window);
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(host.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(host.styleSheet(), QStringLiteral("background:transparent;"));
        QCOMPARE(host.objectName(), QStringLiteral("Widget"));
        QCOMPARE(host.size(), QSize(1024, 640));
        QCOMPARE(host.windowTitle(), QStringLiteral("Window Title"));
    }

    void screenLoadsWithItsContextObjects()
    {
        TrayHost host;
        myQQuickView* view = host.view();
        QCOMPARE(view->objectName(), QStringLiteral("ui_View"));
        QCOMPARE(view->status(), QQuickWidget::Ready);
        QVERIFY(view->errors().isEmpty());
        QVERIFY(view->rootObject());
        QCOMPARE(view->rootObject()->size(), QSizeF(1024, 640));
        QQmlContext* context = view->rootContext();
        QCOMPARE(context->contextProperty(QStringLiteral("ui_View")).value<QObject*>(), view);
        QCOMPARE(context->contextProperty(QStringLiteral("hid")).value<QObject*>(), &host.hid());
        QCOMPARE(context->contextProperty(QStringLiteral("ui_Ctl")).value<QObject*>(), host.controller());
    }

    void trayIconAndMenu()
    {
        TrayHost host;
        QSystemTrayIcon* tray = host.trayIcon();
        QVERIFY(tray);
        QCOMPARE(tray->toolTip(), QStringLiteral("VELDRAN QUORIX MOUSE Q9"));
        QMenu* menu = tray->contextMenu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QAction* quit = menu->actions().first();
        QCOMPARE(quit->text(), QStringLiteral("Quit (&Q)"));
        QCOMPARE(QKeySequence::mnemonic(quit->text()), QKeySequence(Qt::ALT | Qt::Key_Q));
    }

    void quitEndsTheLoopWithZeroAndStopsTheReader()
    {
        TrayHost host;
        QAction* quit = host.trayIcon()->contextMenu()->actions().first();
        QEventLoop loop;
        QTimer::singleShot(0, quit, &QAction::trigger);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!host.hid().isReaderRunning());
    }

    void restoreOnlyWhileADeviceIsServed()
    {
        TrayHost host;
        host.hide();
        host.trayIconActivated(QSystemTrayIcon::DoubleClick);
        host.receiveMessage(QString());
        QVERIFY(!host.isVisible());

        Widget::setDeviceConnected(true);
        host.trayIconActivated(QSystemTrayIcon::Trigger);
        host.trayIconActivated(QSystemTrayIcon::MiddleClick);
        QVERIFY(!host.isVisible());
        host.trayIconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(host.isVisible());

        host.hide();
        host.receiveMessage(QStringLiteral("ignored text"));
        QVERIFY(host.isVisible());
    }

    void closeHidesToTheTrayOrMinimisesWithoutOne()
    {
        {
            TrayHost host;
            host.show();
            host.controller()->onClose();
            QVERIFY(!host.isVisible());
        }
        // One window at a time, as the program has: Qt's software scene graph
        // keeps a view's textures of images another live view still shows.
        TrayHost noTray;
        noTray.tray = false;
        noTray.show();
        noTray.controller()->onClose();
        QVERIFY(noTray.isVisible());
        QVERIFY(noTray.isMinimized());
    }

    void passWithoutDevicesDisconnects()
    {
        TrayHost host;
        host.show();
        Widget::setDeviceConnected(true);
        QTest::ignoreMessage(QtDebugMsg, "Device DisConnect");
        host.checkDevice();
        QVERIFY(!Widget::deviceConnected());
        QVERIFY(!host.isVisible());
        QVERIFY(host.hid().devices().isEmpty());
    }

    void aBrokenDeviceListLeavesATrayProgram_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbled") << QByteArray::fromHex("01025b5b636f6d6d6f6e0a6e616d650a3dff0a") << true;
    }

    void aBrokenDeviceListLeavesATrayProgram()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFile::remove(QStringLiteral("modules/setting/apConfig.bin"));
        if (present) {
            QFile f(QStringLiteral("modules/setting/apConfig.bin"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        TrayHost host;
        QVERIFY(host.windowTitle().isEmpty());
        host.show();
        host.checkDevice();
        QVERIFY(host.hid().devices().isEmpty());
        QVERIFY(!host.isVisible());
        QVERIFY(host.trayIcon()->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable());
    }

    void deviceChangesDebounceIntoOnePass()
    {
        TrayHost host;
        QTimer& timer = host.checkTimer();
        QVERIFY(timer.isSingleShot());
        QCOMPARE(timer.interval(), 2048);
        QVERIFY(!timer.isActive());
        host.deviceChangeNotified();
        QVERIFY(timer.isActive());
    }

    void draggingMovesTheWindowByTheOffset()
    {
        TrayHost host;
        host.move(100, 100);
        const QPoint start = host.pos();
        host.controller()->onXChanged(15);
        host.controller()->onYChanged(-7);
        QCOMPARE(host.pos(), start + QPoint(15, -7));
    }

    void screenshotOfTheWindow()
    {
        TrayHost host;
        host.show();
        host.view()->initUI();
        QTRY_VERIFY(host.view()->rootObject()->isVisible());
        // The start-up card gives way to the regions when the input lock ends.
        QTRY_VERIFY_WITH_TIMEOUT(host.view()->isEnabled(), 3000);
        QTest::qWait(50);
        const QImage shot = host.grab().toImage();
        QCOMPARE(shot.size(), QSize(1024, 640));
        const QString dir = QStringLiteral(QUORIX_SCREENSHOT_DIR);
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/window.png")));
    }

    void busyLocksTheViewUntilTheNextTurn()
    {
        TrayHost host;
        host.controller()->setBusy();
        QVERIFY(!host.view()->isEnabled());
        QTRY_VERIFY(host.view()->isEnabled());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
