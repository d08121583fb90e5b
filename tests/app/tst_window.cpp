#include "TestData.h"
#include "app/Ui_Controler.h"
#include "app/Widget.h"
#include "protocol/sim/SimulatedHid.h"
#include "view/myQQuickView.h"

#include <QFile>
#include <QAction>
#include <QEventLoop>
#include <QMenu>
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

    void screenLoadsWithItsTitleAndTray()
    {
        TrayHost host;
        QCOMPARE(host.windowTitle(), QStringLiteral("Window Title"));
        // Built for a served device only, at the size the window already has.
        QCOMPARE(host.view()->status(), QQuickWidget::Null);
        const QSize size = host.size();
        host.ensureScreens();
        QCOMPARE(host.view()->status(), QQuickWidget::Ready);
        QVERIFY(host.view()->errors().isEmpty());
        QCOMPARE(host.size(), size);
        QCOMPARE(host.view()->size(), size);
        QCOMPARE(host.trayIcon()->toolTip(), QStringLiteral("VELDRAN QUORIX MOUSE Q9"));
        QAction* quit = host.trayIcon()->contextMenu()->actions().first();
        QCOMPARE(quit->text(), QStringLiteral("Quit (&Q)"));
        QEventLoop loop;
        QTimer::singleShot(0, quit, &QAction::trigger);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
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

    // Hidden a while, the window gives up its native window, scene and pages; shown
    // again it is where it was and looks as it did.
    void hiddenWindowLetsGoAndComesBackAlike()
    {
        TrayHost host;
        host.ensureScreens();
        QQuickItem* root = host.view()->rootObject();
        root->setProperty("visible", true);
        root->setProperty("started", true);
        host.move(120, 80);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QPoint at = host.pos();
        const QImage before = host.grab().toImage();

        host.controller()->onClose();
        QVERIFY(!host.isVisible());
        host.releaseWhileHidden();
        QVERIFY(!host.testAttribute(Qt::WA_WState_Created));

        host.restoreWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(host.pos(), at);
        QCOMPARE(host.grab().toImage(), before);

        // A minimised window is still the user's: nothing is let go.
        host.tray = false;
        host.controller()->onClose();
        host.releaseWhileHidden();
        QVERIFY(host.testAttribute(Qt::WA_WState_Created));
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

    void busyLocksTheViewUntilTheNextTurn()
    {
        TrayHost host;
        host.ensureScreens();
        host.controller()->setBusy();
        QVERIFY(!host.view()->isEnabled());
        QTRY_VERIFY(host.view()->isEnabled());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
