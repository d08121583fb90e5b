#pragma once

#include "protocol/HidOwner.h"
#include "protocol/Hid_Thread.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

class Ui_Controler;
class WarningBox;
class myQQuickView;
struct CopyData;

// The one top-level window: a frameless host whose whole surface is the view. It
// owns the protocol object, the detection timer and the tray icon; the program
// lives in the tray and quits only from the tray menu.
class Widget : public QWidget, public HidOwner
{
    Q_OBJECT

public:
    static constexpr int kCheckInterval = 2048;
    static constexpr int kBalloonMs = 10000;
    static constexpr int kFirstFrameLimitMs = 500;
    static constexpr int kReleaseDelayMs = 1000;

    // The tray icon is made only `withTray`: where no system tray exists, or for a
    // tool that never shows the window, the program has none.
    explicit Widget(bool withTray = QSystemTrayIcon::isSystemTrayAvailable(), QWidget* parent = nullptr);
    ~Widget() override;

    Hid_Thread& hid() { return m_hid; }
    myQQuickView* view() const;
    // Builds the screens if no device has been served yet (see Ui_Controler::loadScreens).
    void ensureScreens();
    // Waits, at most `limitMs`, until the shown window is on screen and painted.
    void paintFirstFrame(int limitMs = kFirstFrameLimitMs);
    Ui_Controler* controller() const { return m_controller; }
    // Null when the program has no tray icon.
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }
    QTimer& checkTimer() { return m_checkTimer; }
    WarningBox* warningBox() const { return m_warningBox; }

    // Input capture callbacks; `context` is the host.
    static void keyboardCallback(quint8 usage, bool isDown, void* context);
    static void mouseCallback(quint8 button, quint8 isDown, int x, int y, void* context);
    static void copyDataCallback(const CopyData* data, void* context);

    // True while the last detection pass served a device; read by the restore paths.
    static bool deviceConnected();
    static void setDeviceConnected(bool connected);

    // A device appeared or went away somewhere on the system.
    void deviceChangeNotified();
    // Show, raise and activate the window, as a restore command does.
    void restoreWindow();
    // Hides to the tray, or minimises where no tray exists so the window stays reachable.
    void hideToTray();
    // Gives back what a hidden window holds for nothing; runs a moment after it hides.
    void releaseWhileHidden();
    virtual void showBalloon(const QString& title, const QString& text, int msecs);

    // HidOwner
    QString controllerType() const override;
    bool gunFlag() const override;
    void readerSetCurrentDPI(int stage) override;
    void readerShowBalloon(const QString& title, const QString& text, int msecs) override;
    void readerSetViewEnabled(bool enabled) override;

public Q_SLOTS:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void exitSYS();
    void receiveMessage(QString message);

protected:
    void customEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Whether the window can hide to a tray icon; tests substitute it.
    virtual bool trayAvailable() const;
    // The two outcomes of a detection pass; tools observe them by overriding.
    virtual void connectSequence(int index);
    virtual void disconnectSequence();

private:
    static constexpr int kMouseType = 1;

    void createTrayIcon();
    void runPass();
    // Opens and closes the record's interfaces; false (logged, and the user told
    // once how to get access when that is the cause) when one cannot be opened.
    bool canOpen(HidBackend& backend, const DeviceRecord& record);

    QTimer m_checkTimer;
    // Runs once the window has stayed hidden a moment (see ResidentMemory).
    QTimer m_releaseTimer;
    Ui_Controler* m_controller = nullptr;
    Hid_Thread m_hid;
    QSystemTrayIcon* m_trayIcon = nullptr;
    WarningBox* m_warningBox = nullptr;
    bool m_inPass = false;
    bool m_toldAboutAccess = false;
    // The served record when it has no event interface: no reader runs for it,
    // so device changes start passes, and a pass that still finds it keeps it.
    int m_servedWithoutReader = -1;
    QString m_servedPath;
};
