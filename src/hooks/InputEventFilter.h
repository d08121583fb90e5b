#pragma once

#include "hooks/EvdevTranslator.h"

#include <QObject>

class EvdevReader;
class InputSink;

// Observes every key and mouse-button event of the application's windows before
// anything else handles it, and consumes none. Each event is taken where it first
// arrives, at its top-level window; its further deliveries (to widgets, and to the
// scene a QQuickWidget renders off screen) are the same event again.
// While the /dev/input reader sees a keyboard (or a mouse), it is the only source of
// key (or button) events: both see the same presses, and a quick tap could
// otherwise be delivered twice, once by each, after the other's release.
class InputEventFilter : public QObject
{
    Q_OBJECT

public:
    // On X11 and Wayland a key event's native scan code is the evdev code plus 8.
    static constexpr quint32 kNativeScanOffset = 8;

    // Installed only while the hooks are; `reader` tells which devices it covers.
    InputEventFilter(InputSink* sink, const EvdevReader* reader, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Once the application is no longer active, key releases go to another
    // application's window; the keys this layer holds are released then.
    void applicationStateChanged(Qt::ApplicationState state);

private:
    const EvdevReader* m_reader;
    EvdevTranslator m_translator;
};
