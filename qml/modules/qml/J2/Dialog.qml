import QtQuick
import "../basic"

// A dialog frame: opens centred in the window, can be dragged by its
// background and stays inside the window.
Rectangle {
    id: root

    property string title: ""
    property Item area: parent
    default property alias content: body.data

    signal closeClicked()

    visible: false
    radius: 4
    color: Theme.colorBlack
    border.color: Theme.colorGray1

    function open() {
        x = Math.floor((area.width - width) / 2)
        y = Math.floor((area.height - height) / 2)
        visible = true
    }

    function moveBy(dx, dy) {
        x = Math.max(0, Math.min(area.width - width, x + dx))
        y = Math.max(0, Math.min(area.height - height, y + dy))
    }

    // A modal frame takes every button; only the left one drags it.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        property point pressPos
        onPressed: (mouse) => { pressPos = Qt.point(mouse.x, mouse.y) }
        onPositionChanged: (mouse) => {
            if (mouse.buttons & Qt.LeftButton)
                root.moveBy(mouse.x - pressPos.x, mouse.y - pressPos.y)
        }
    }

    ThemedText {
        x: 16
        y: 12
        text: root.title
        font.pixelSize: Theme.fontMaxSize
    }

    ImageButton {
        objectName: "dialogClose"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 12
        name: "closeBtn"
        onClicked: root.closeClicked()
    }

    Item {
        id: body
        anchors.fill: parent
        anchors.topMargin: 40
    }
}
