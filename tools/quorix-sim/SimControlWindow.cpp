#include "SimControlWindow.h"

#include "app/Widget.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kTailLines = 400;
// Often enough to feel live, rarely enough to stay out of the way.
constexpr int kTracePollMs = 250;

} // namespace

SimControlWindow::SimControlWindow(SimulatedHid& sim, TracingBackend& trace, Widget& host, QWidget* parent)
    : QWidget(parent)
    , m_sim(sim)
    , m_trace(trace)
    , m_host(host)
{
    setWindowTitle(tr("Quorix simulator"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    m_keyboard = new QPushButton(this);
    m_mouse = new QPushButton(this);
    m_dpi = new QPushButton(tr("Press the mouse's DPI button"), this);
    buttons->addWidget(m_keyboard);
    buttons->addWidget(m_mouse);
    buttons->addWidget(m_dpi);
    layout->addLayout(buttons);
    m_state = new QLabel(this);
    layout->addWidget(m_state);
    layout->addWidget(new QLabel(tr("Wire trace (newest last):"), this));
    m_tail = new QPlainTextEdit(this);
    m_tail->setReadOnly(true);
    m_tail->setMaximumBlockCount(kTailLines);
    m_tail->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_tail->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_tail, 1);
    resize(760, 420);

    connect(m_keyboard, &QPushButton::clicked, this, [this] { togglePlug(true); });
    connect(m_mouse, &QPushButton::clicked, this, [this] { togglePlug(false); });
    connect(m_dpi, &QPushButton::clicked, this, [this] {
        m_sim.pressDpiButton();
        refresh();
    });
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &SimControlWindow::pullTrace);
    poll->start(kTracePollMs);
    refresh();
}

void SimControlWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    QCoreApplication::exit(0);
}

void SimControlWindow::togglePlug(bool keyboard)
{
    const auto device = keyboard ? SimulatedHid::Device::Keyboard : SimulatedHid::Device::Mouse;
    if (m_sim.isPlugged(device))
        m_sim.unplug(device);
    else
        m_sim.plug(device);
    // What the kernel's hotplug notification does for a real device.
    m_host.deviceChangeNotified();
    refresh();
}

void SimControlWindow::refresh()
{
    const bool kb = m_sim.isPlugged(SimulatedHid::Device::Keyboard);
    const bool ms = m_sim.isPlugged(SimulatedHid::Device::Mouse);
    m_keyboard->setText(kb ? tr("Unplug the keyboard") : tr("Plug the keyboard in"));
    m_mouse->setText(ms ? tr("Unplug the mouse") : tr("Plug the mouse in"));
    m_dpi->setEnabled(ms);
    m_state->setText(tr("Keyboard: %1    Mouse: %2    Served: %3")
                         .arg(kb ? tr("plugged") : tr("unplugged"), ms ? tr("plugged") : tr("unplugged"),
                              Widget::deviceConnected() && m_host.hid().isReaderRunning()
                                  ? (m_host.hid().currentDevice() == 0 ? tr("keyboard") : tr("mouse"))
                                  : tr("none")));
}

void SimControlWindow::pullTrace()
{
    const QStringList lines = m_trace.takeLines();
    if (!lines.isEmpty())
        m_tail->appendPlainText(lines.join(QLatin1Char('\n')));
    refresh();
}
