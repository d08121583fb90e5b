import QtQuick
import "../basic"

// A flat text button of the panels and dialogs.
Rectangle {
    id: root

    property string textValue: ""
    property color baseColor: Theme.colorBlue

    signal clicked()

    width: 64
    height: 24
    radius: 3
    color: area.containsMouse ? Theme.colorOrange : baseColor
    border.color: Theme.colorGray1

    ThemedText {
        anchors.centerIn: parent
        text: root.textValue
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }
}
