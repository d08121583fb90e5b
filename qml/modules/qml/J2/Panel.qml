import QtQuick
import "../basic"

// A titled box of the side panels.
Rectangle {
    id: root

    property string title: ""
    default property alias content: body.data

    width: 232
    radius: 4
    color: Theme.colorBlack

    ThemedText {
        x: 12
        y: 10
        text: root.title
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
    }

    Item {
        id: body
        anchors.fill: parent
    }
}
