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

    MouseArea {
        anchors.fill: parent
        property point pressPos
        onPressed: (mouse) => { pressPos = Qt.point(mouse.x, mouse.y) }
        onPositionChanged: (mouse) => root.moveBy(mouse.x - pressPos.x, mouse.y - pressPos.y)
    }

    Text {
        x: 16
        y: 12
        text: root.title
        color: Theme.fontColor
        font.family: Theme.fontFamily
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
