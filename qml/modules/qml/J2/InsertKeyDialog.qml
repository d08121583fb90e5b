import QtQuick
import "../basic"

// The small "Insert Key" box over the macro editor: shows the last key
// pressed; "OK" hands it over.
Item {
    id: root

    property string title: ""
    property string okText: ""
    property string keyName: ""

    signal accepted()

    visible: false

    // Clicks stay off the editor below while the box is open.
    Rectangle {
        anchors.fill: parent
        color: Theme.colorCover
        MouseArea { anchors.fill: parent }
    }

    Rectangle {
        objectName: "insertKeyBox"
        anchors.centerIn: parent
        width: 220
        height: 120
        radius: 4
        color: Theme.colorBlack
        border.color: Theme.colorGray1

        ThemedText {
            x: 16
            y: 10
            text: root.title
            font.pixelSize: Theme.fontMiddleSize
        }

        Rectangle {
            x: 16
            y: 40
            width: 188
            height: 28
            color: Theme.colorGray0
            border.color: Theme.colorOrange

            ThemedText {
                objectName: "insertKeyName"
                anchors.centerIn: parent
                text: root.keyName
            }
        }

        TextButton {
            objectName: "insertKeyOk"
            x: 140
            y: 84
            textValue: root.okText
            onClicked: root.accepted()
        }
    }
}
