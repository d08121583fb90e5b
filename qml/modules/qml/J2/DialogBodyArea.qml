import QtQuick

// Laid under a dialog's content, below its title bar: a left press on the
// body ends the dialog's edits, and dragging moves the dialog as its frame does.
MouseArea {
    id: root

    property var dialog: null
    property point pressPos

    signal bodyPressed()

    onPressed: (mouse) => {
        pressPos = Qt.point(mouse.x, mouse.y)
        bodyPressed()
    }
    onPositionChanged: (mouse) => {
        if (pressed)
            dialog.moveBy(mouse.x - pressPos.x, mouse.y - pressPos.y)
    }
}
