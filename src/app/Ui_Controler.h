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

    // Dresses `host`, creates the view on it and publishes `hid` to the screens;
    // `hideToTray` is how the host leaves the screen when the screens close it.
    void setupUi(QWidget* host, QObject* hid, std::function<void()> hideToTray);
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
