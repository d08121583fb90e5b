import QtQuick
import "../basic"

// An image that swaps to its "H" variant under the mouse.
Image {
    id: root

    property string group: "index"
    property string name: ""

    signal clicked()

    source: Theme.img(group, area.containsMouse ? name + "H" : name)

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }
}
