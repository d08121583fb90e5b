#include "hooks/InputEventFilter.h"

#include "hooks/EvdevReader.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QWindow>

#include <linux/input-event-codes.h>

namespace {

bool isFirstStop(QObject* watched)
{
    if (!watched->isWindowType())
        return false;
    // A QQuickWidget's scene window only gets copies of its widget's events.
    auto* quick = qobject_cast<QQuickWindow*>(watched);
    return !quick || !QQuickRenderControl::renderWindowFor(quick);
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return BTN_LEFT;
    case Qt::RightButton: return BTN_RIGHT;
    case Qt::MiddleButton: return BTN_MIDDLE;
    default: return -1;
    }
}

} // namespace

InputEventFilter::InputEventFilter(InputSink* sink, const EvdevReader* reader, QObject* parent)
    : QObject(parent)
    , m_reader(reader)
    , m_translator(sink)
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::applicationStateChanged, this, &InputEventFilter::applicationStateChanged);
}

void InputEventFilter::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        return;
    if (m_reader->coversKeyboard())
        m_translator.forget();
    else
        m_translator.releaseAll();
}

bool InputEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!isFirstStop(watched))
            break;
        const auto* key = static_cast<QKeyEvent*>(event);
        const quint32 native = key->nativeScanCode();
        if (key->isAutoRepeat() || native <= kNativeScanOffset)
            break;
        if (m_reader->coversKeyboard()) {
            m_translator.forget();
            break;
        }
        m_translator.key(static_cast<int>(native - kNativeScanOffset), event->type() == QEvent::KeyPress ? 1 : 0);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        if (!isFirstStop(watched) || m_reader->coversMouse())
            break;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Where the press happened; the pointer may have moved on by now.
        m_translator.button(buttonCode(mouse->button()), event->type() == QEvent::MouseButtonPress,
                            mouse->globalPosition().toPoint());
        break;
    }
    default:
        break;
    }
    return false;
}
