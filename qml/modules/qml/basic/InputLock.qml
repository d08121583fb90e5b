import QtQuick

// Locks the view's input while the screens or the device are busy: for a
// fixed time (lock) or until released (hold/release). The first time a lock
// runs out the start-up image gives way to the regions (started).
Item {
    id: lock

    property bool busy: false
    property bool started: false

    function lockFor(interval) {
        hold()
        timer.interval = Number(interval)
        timer.restart()
    }

    function hold() {
        busy = true
        ui_View.setEnabled(false)
    }

    function setHeld(held) {
        if (held)
            hold()
        else
            release()
    }

    function release() {
        ui_View.setEnabled(true)
        busy = false
    }

    Timer {
        id: timer
        objectName: "lockTimer"
        interval: 1000
        onTriggered: {
            lock.release()
            lock.started = true
        }
    }
}
