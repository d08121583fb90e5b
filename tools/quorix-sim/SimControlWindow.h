#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class SimulatedHid;
class TracingBackend;
class Widget;

// The simulator's control window: plug and unplug each device, press the mouse's
// DPI button, and watch the tail of the wire trace.
class SimControlWindow : public QWidget
{
    Q_OBJECT

public:
    SimControlWindow(SimulatedHid& sim, TracingBackend& trace, Widget& host, QWidget* parent = nullptr);

protected:
    // Closing the control window ends the simulation; the host alone is a tray program.
    void closeEvent(QCloseEvent* event) override;

private:
    void togglePlug(bool keyboard);
    void refresh();
    void pullTrace();

    SimulatedHid& m_sim;
    TracingBackend& m_trace;
    Widget& m_host;
    QPushButton* m_keyboard = nullptr;
    QPushButton* m_mouse = nullptr;
    QPushButton* m_dpi = nullptr;
    QLabel* m_state = nullptr;
    QPlainTextEdit* m_tail = nullptr;
};
