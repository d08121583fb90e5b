#pragma once

#include <QList>
#include <QObject>
#include <QVariantList>

// The device form of a macro: repeat count, one record per key or button action
// carrying the pause after it, and the end mark. Delay rows never make records
// of their own; they fold into the action before them.
namespace MacroEncoding {

enum ActionType { Delay = 0, KeyPress = 1, KeyRelease = 2, ButtonPress = 3, ButtonRelease = 4 };

struct Action
{
    int type = Delay;
    // Milliseconds for a delay row, the device code otherwise.
    int value = 0;
};

// Recording and inserting stop once the estimate reaches this many bytes.
inline constexpr int kSizeLimit = 126;

QList<int> encode(const QList<Action>& actions, int repeat);
// What the editor counts against the limit: 2 for the repeat count, 2 per action
// (6 when the pause after it needs the long form) and 2 for the end mark.
int sizeEstimate(const QList<Action>& actions);

} // namespace MacroEncoding

// The encoding for the screens, published to them as the singleton
// `MacroCodec` of the import "Quorix.View". Actions arrive as [type, value] pairs.
class MacroCodec : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int sizeLimit READ sizeLimit CONSTANT)

public:
    using QObject::QObject;

    int sizeLimit() const { return MacroEncoding::kSizeLimit; }

    Q_INVOKABLE QVariantList encode(const QVariantList& actions, int repeat) const;
    Q_INVOKABLE int sizeEstimate(const QVariantList& actions) const;

    // Once per process, before the first screen is compiled.
    static void registerForScreens();
};
