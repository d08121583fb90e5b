#pragma once

#include <QObject>

class Widget;
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

    void setupUi(Widget* host);
    myQQuickView* view() const { return m_view; }

public Q_SLOTS:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    Widget* m_window = nullptr;
    myQQuickView* m_view = nullptr;
};
