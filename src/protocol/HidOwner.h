#pragma once

#include <QString>

// What the protocol object needs from the window host that owns it: the view's
// capability values fixed at start-up, and the three UI actions of the event
// reader. The reader calls the actions from its pool thread; an implementation
// hands them to the GUI thread.
class HidOwner
{
public:
    virtual ~HidOwner() = default;

    // `mouse/icType` as read when the view was built; "560" selects that family.
    virtual QString controllerType() const = 0;
    // `mouse/isGun` as read when the view was built.
    virtual bool gunFlag() const = 0;

    virtual void readerSetCurrentDPI(int stage) = 0;
    virtual void readerShowBalloon(const QString& title, const QString& text, int msecs) = 0;
    virtual void readerSetViewEnabled(bool enabled) = 0;
};
