import QtQuick
import "../basic"

// A right-click menu: opens at a point of its parent, kept inside it; a click
// on an entry closes the menu and reports the entry.
Rectangle {
    id: root

    property var entries: []

    signal triggered(int index)

    readonly property int rowHeight: 24

    visible: false
    z: 200
    width: 140
    height: rowHeight * entries.length + 4
    color: Theme.colorGray0
    border.color: Theme.colorGray1

    function popup(px, py) {
        x = Math.max(0, Math.min(parent.width - width, px))
        y = Math.max(0, Math.min(parent.height - height, py))
        visible = true
    }

    function close() {
        visible = false
    }

    Column {
        x: 2
        y: 2

        Repeater {
            model: root.entries
            delegate: Rectangle {
                required property int index
                required property string modelData
                objectName: "menuEntry" + index
                width: root.width - 4
                height: root.rowHeight
                color: hover.containsMouse ? Theme.colorOrange : "transparent"

                ThemedText {
                    x: 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: parent.modelData
                }

                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        root.close()
                        root.triggered(parent.index)
                    }
                }
            }
        }
    }
}
