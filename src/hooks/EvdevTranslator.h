#pragma once

#include <QPoint>

#include <bitset>

class InputSink;

// Turns one input layer's key and button events, named by Linux input codes, into
// the notifications the hook procedures take. Each layer keeps its own, so the Alt
// state and the keys held are those that layer has seen.
class EvdevTranslator
{
public:
    static constexpr int kKeyCount = 0x300;

    explicit EvdevTranslator(InputSink* sink);

    // `value` as evdev gives it: 0 release, 1 press, 2 auto-repeat (not reported).
    void key(int code, int value);
    // BTN_LEFT, BTN_RIGHT or BTN_MIDDLE at the pointer's screen position.
    void button(int code, bool down, QPoint screenPos);

    // Reports the release of every key this layer saw go down and not come up,
    // for when the layer can no longer see the releases.
    void releaseAll();
    // Drops what this layer holds without reporting anything.
    void forget() { m_held.reset(); }
    bool isHeld(int code) const { return code >= 0 && code < kKeyCount && m_held.test(static_cast<size_t>(code)); }

private:
    bool altDown() const;

    InputSink* m_sink;
    std::bitset<kKeyCount> m_held;
};
