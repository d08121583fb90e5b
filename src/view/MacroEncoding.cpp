#include "view/MacroEncoding.h"

#include <QQmlEngine>

#include <algorithm>

namespace MacroEncoding {
namespace {

constexpr int kMsPerUnit = 10;
// Bits 0 … 6 of the timing byte hold up to 126 units; all seven set means the
// pause follows as a 16-bit number.
constexpr int kLongPause = 0x7F;
constexpr int kReleaseBit = 0x80;
constexpr int kLongestPause = 0xFFFF;
constexpr int kRecordSize = 2;
constexpr int kLongRecordSize = 6;
constexpr int kFrameSize = 4;

struct Event
{
    int type;
    int code;
    int pauseMs;
};

// Key and button actions with the delay rows that follow each summed up. Delays
// before the first action have no record to belong to, and the last action's
// pause is meaningless: both are dropped.
QList<Event> fold(const QList<Action>& actions)
{
    QList<Event> events;
    for (const Action& a : actions) {
        if (a.type == Delay) {
            if (!events.isEmpty())
                events.last().pauseMs += std::max(0, a.value);
        } else {
            events.append({a.type, a.value, 0});
        }
    }
    if (!events.isEmpty())
        events.last().pauseMs = 0;
    return events;
}

// Whole units, rounded to the nearest; a pause too short for one unit is
// given as one, which the device takes as "no pause".
int units(int pauseMs)
{
    const long long rounded = (static_cast<long long>(pauseMs) + kMsPerUnit / 2) / kMsPerUnit;
    return static_cast<int>(std::clamp<long long>(rounded, 1, kLongestPause));
}

bool isRelease(int type)
{
    return type == KeyRelease || type == ButtonRelease;
}

} // namespace

QList<int> encode(const QList<Action>& actions, int repeat)
{
    const int count = std::clamp(repeat, 0, 0xFFFF);
    QList<int> bytes{count >> 8, count & 0xFF};
    const QList<Event> events = fold(actions);
    if (events.isEmpty())
        return bytes;
    for (const Event& e : events) {
        const int pause = units(e.pauseMs);
        const int release = isRelease(e.type) ? kReleaseBit : 0;
        bytes << (release | std::min(pause, kLongPause)) << (e.code & 0xFF);
        if (pause >= kLongPause)
            bytes << (pause >> 8) << (pause & 0xFF);
    }
    bytes << 0 << 0;
    return bytes;
}

int sizeEstimate(const QList<Action>& actions)
{
    int size = kFrameSize;
    for (const Event& e : fold(actions))
        size += units(e.pauseMs) >= kLongPause ? kLongRecordSize : kRecordSize;
    return size;
}

} // namespace MacroEncoding

namespace {

QList<MacroEncoding::Action> toActions(const QVariantList& list)
{
    QList<MacroEncoding::Action> actions;
    actions.reserve(list.size());
    for (const QVariant& item : list) {
        const QVariantList pair = item.toList();
        if (pair.size() < 2)
            continue;
        const int type = pair.at(0).toInt();
        if (type < MacroEncoding::Delay || type > MacroEncoding::ButtonRelease)
            continue;
        actions.append({type, pair.at(1).toInt()});
    }
    return actions;
}

} // namespace

QVariantList MacroCodec::encode(const QVariantList& actions, int repeat) const
{
    QVariantList result;
    for (int b : MacroEncoding::encode(toActions(actions), repeat))
        result.append(b);
    return result;
}

int MacroCodec::sizeEstimate(const QVariantList& actions) const
{
    return MacroEncoding::sizeEstimate(toActions(actions));
}

void MacroCodec::registerForScreens()
{
    static const bool registered = [] {
        qmlRegisterSingletonType<MacroCodec>("Quorix.View", 1, 0, "MacroCodec",
                                             [](QQmlEngine*, QJSEngine*) -> QObject* { return new MacroCodec; });
        return true;
    }();
    Q_UNUSED(registered);
}
