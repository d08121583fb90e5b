#pragma once

#include <QtGlobal>

// A key notification as the input layers deliver it: the set-1 scan code of the
// physical key, its extended (0xE0) flag, whether Alt was held and the direction.
struct KeyNotification
{
    quint16 scanCode = 0;
    bool extended = false;
    bool altDown = false;
    bool isDown = false;
};

// Mouse button messages the capture reports, with their classic numbering.
enum MouseMessage : quint32 {
    kLButtonDown = 0x201,
    kLButtonUp = 0x202,
    kLButtonDblClk = 0x203,
    kRButtonDown = 0x204,
    kRButtonUp = 0x205,
    kRButtonDblClk = 0x206,
    kMButtonDown = 0x207,
    kMButtonUp = 0x208,
};

// Where the input layers (the event filter on our windows, the /dev/input
// reader) deliver what they see: the hook procedures, translation and
// de-duplication included.
class InputSink
{
public:
    virtual ~InputSink() = default;
    virtual void keyboardProc(const KeyNotification& notification) = 0;
    virtual void mouseProc(quint32 message, int x, int y) = 0;
};
