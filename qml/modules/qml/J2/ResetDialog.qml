import QtQuick
import "../basic"

// Asks before the current profile goes back to the factory settings.
Dialog {
    id: root

    // The main screen's texts: title, question, cancel and OK are 5 to 8.
    property var texts: []
    readonly property string question: texts[6] || ""
    readonly property string cancelText: texts[7] || ""
    readonly property string okText: texts[8] || ""

    signal accepted()

    title: texts[5] || ""
    width: 320
    height: 160

    ThemedText {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 20
        text: root.question
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
