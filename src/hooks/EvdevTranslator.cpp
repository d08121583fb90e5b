#include "hooks/EvdevTranslator.h"

#include "hooks/InputSink.h"
#include "hooks/Set1ScanCodes.h"

#include <linux/input-event-codes.h>

EvdevTranslator::EvdevTranslator(InputSink* sink)
    : m_sink(sink)
{
}

bool EvdevTranslator::altDown() const
{
    return m_held.test(KEY_LEFTALT) || m_held.test(KEY_RIGHTALT);
}

void EvdevTranslator::key(int code, int value)
{
    if (code < 0 || code >= kKeyCount || (value != 0 && value != 1))
        return;
    const bool down = value == 1;
    m_held.set(static_cast<size_t>(code), down);
    Set1Code set1;
    const bool alt = altDown();
    if (!set1FromEvdev(code, alt, &set1))
        return;
    m_sink->keyboardProc({set1.scan, set1.extended, alt, down});
}

void EvdevTranslator::button(int code, bool down, QPoint screenPos)
{
    quint32 message = 0;
    switch (code) {
    case BTN_LEFT: message = down ? kLButtonDown : kLButtonUp; break;
    case BTN_RIGHT: message = down ? kRButtonDown : kRButtonUp; break;
    case BTN_MIDDLE: message = down ? kMButtonDown : kMButtonUp; break;
    default: return;
    }
    m_sink->mouseProc(message, screenPos.x(), screenPos.y());
}

void EvdevTranslator::releaseAll()
{
    for (int code = 0; code < kKeyCount; ++code) {
        if (m_held.test(static_cast<size_t>(code)))
            key(code, 0);
    }
}
