import QtQuick

// A press area that drags the frameless window: every move while the left
// button is held sends the offset from the press point, x then y. It takes
// every button so nothing reaches what lies below, but only the left one acts.
MouseArea {
    id: area

    property point pressPos

    // A left press, before any drag; the main screen closes its menus on it.
    signal grabbed()

    acceptedButtons: Qt.AllButtons

    onPressed: (mouse) => {
        if (mouse.button !== Qt.LeftButton)
            return
        pressPos = Qt.point(mouse.x, mouse.y)
        grabbed()
    }
    onPositionChanged: (mouse) => {
        if (!(mouse.buttons & Qt.LeftButton))
            return
        ui_Ctl.onXChanged(mouse.x - pressPos.x)
        ui_Ctl.onYChanged(mouse.y - pressPos.y)
    }
}
