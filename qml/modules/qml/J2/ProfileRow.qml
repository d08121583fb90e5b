import QtQuick
import "../basic"

// One profile of the profile dialog: its name, marked when it is the active one.
Rectangle {
    id: root

    property string textValue: ""
    property bool selected: false
    property bool active: false
    property bool editing: false
    property alias editText: editor.text

    signal pressed()
    signal rightClicked(real px, real py)
    signal doubleClicked()
    signal editAccepted()

    width: 383
    height: 24
    color: selected ? Theme.colorOrange : Theme.colorBlue
    border.color: Theme.colorGray1

    Rectangle {
        objectName: "activeMark"
        x: 6
        anchors.verticalCenter: parent.verticalCenter
        width: 6
        height: 6
        radius: 3
        visible: root.active
        color: root.selected ? Theme.fontColor : Theme.colorOrange
    }

    ThemedText {
        x: 20
        width: parent.width - 28
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: root.textValue
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: root.pressed()
        onClicked: (mouse) => {
            if (mouse.button === Qt.RightButton)
                root.rightClicked(mouse.x, mouse.y)
        }
        onDoubleClicked: (mouse) => {
            if (mouse.button === Qt.LeftButton)
                root.doubleClicked()
        }
    }

    InlineEdit {
        id: editor
        objectName: "profileRename"
        anchors.fill: parent
        visible: root.editing
        maximumLength: 24
        onVisibleChanged: if (visible) begin(root.textValue)
        onAccepted: root.editAccepted()
    }
}
