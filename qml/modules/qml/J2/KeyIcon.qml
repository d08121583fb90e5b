import QtQuick
import "../basic"

// The symbol on the four media caps: 0 music, 1 mail, 2 calculator, 3 computer.
Item {
    id: root

    property int kind: 0
    property color tint: Theme.fontColor

    width: 14
    height: 12

    // Music: a note.
    Item {
        anchors.fill: parent
        visible: root.kind === 0
        Rectangle { x: 2; y: 7; width: 5; height: 5; radius: 2.5; color: root.tint }
        Rectangle { x: 6; y: 0; width: 1.5; height: 10; color: root.tint }
        Rectangle { x: 6; y: 0; width: 5; height: 2; color: root.tint }
    }

    // Mail: an envelope.
    Item {
        anchors.fill: parent
        visible: root.kind === 1
        Rectangle { y: 2; width: 14; height: 10; color: "transparent"; border.color: root.tint }
        Rectangle { x: 0; y: 4; width: 8.5; height: 1; rotation: 33; transformOrigin: Item.Left; color: root.tint }
        Rectangle { x: 14; y: 4; width: 8.5; height: 1; rotation: 147; transformOrigin: Item.Left; color: root.tint }
    }

    // Calculator: a display over a key grid.
    Item {
        anchors.fill: parent
        visible: root.kind === 2
        Rectangle { x: 2; width: 10; height: 12; color: "transparent"; border.color: root.tint }
        Rectangle { x: 4; y: 2; width: 6; height: 2; color: root.tint }
        Grid {
            x: 4
            y: 6
            columns: 3
            spacing: 1
            Repeater {
                model: 6
                Rectangle { width: 1.5; height: 1.5; color: root.tint }
            }
        }
    }

    // Computer: a screen on a stand.
    Item {
        anchors.fill: parent
        visible: root.kind === 3
        Rectangle { width: 14; height: 9; color: "transparent"; border.color: root.tint }
        Rectangle { x: 6; y: 9; width: 2; height: 2; color: root.tint }
        Rectangle { x: 3; y: 11; width: 8; height: 1; color: root.tint }
    }
}
