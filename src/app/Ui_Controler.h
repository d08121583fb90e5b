#pragma once

#include <QObject>

#include <functional>

class QWidget;
class myQQuickView;

// Dresses the frameless host window, creates the view with its context objects,
// and gives the screens the window operations a frameless window needs.
class Ui_Controler : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kMainDocument = "qrc:/modules/qml/main.qml";

    explicit Ui_Controler(QObject* parent = nullptr);
    ~Ui_Controler() override;

    // The main document's size; the host has it before the screens are loaded.
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 640;

    // Dresses `host`, creates the view on it and publishes `hid` to the screens;
    // `hideToTray` is how the host leaves the screen when the screens close it.
    void setupUi(QWidget* host, QObject* hid, std::function<void()> hideToTray);
    // Builds the screens, once. They are only ever shown for a served device, so
    // a program waiting in the tray for one never pays for them.
    void loadScreens();
    bool screensLoaded() const;
    myQQuickView* view() const { return m_view; }

public Q_SLOTS:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    QWidget* m_window = nullptr;
    std::function<void()> m_hideToTray;
    myQQuickView* m_view = nullptr;
};
