import QtQuick
import "../basic"

// Asks before the current profile goes back to the factory settings.
Dialog {
    id: root

    property string question: ""
    property string cancelText: ""
    property string okText: ""

    signal accepted()

    width: 320
    height: 160

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 20
        text: root.question
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 68
        spacing: 32

        TextButton {
            objectName: "resetCancel"
            textValue: root.cancelText
            onClicked: root.closeClicked()
        }

        TextButton {
            objectName: "resetOk"
            textValue: root.okText
            onClicked: root.accepted()
        }
    }
}
