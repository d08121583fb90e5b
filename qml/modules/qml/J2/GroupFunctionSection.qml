import QtQuick
import "../basic"

// The key combination: a click on the box captures modifiers and up to two
// keys until confirmed or cancelled.
AssignSection {
    id: root

    property var dialog: null
    // What the box shows while no capture runs.
    property string boxText: ""

    Row {
        spacing: 10

        Rectangle {
            objectName: "comboBox"
            width: 240
            height: 24
            radius: 2
            color: Theme.colorGray0
            border.color: root.dialog.isComboInput ? Theme.colorOrange : Theme.colorGray1

            ThemedText {
                anchors.centerIn: parent
                width: parent.width - 8
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideLeft
                text: root.dialog.isComboInput ? root.dialog.combo.text : root.boxText
            }

            MouseArea {
                anchors.fill: parent
                onClicked: root.dialog.startComboInput()
            }
        }

        ImageButton {
            objectName: "comboConfirm"
            anchors.verticalCenter: parent.verticalCenter
            visible: root.dialog.isComboInput
            name: "sureBtn"
            onClicked: root.dialog.confirmCombo()
        }

        ImageButton {
            objectName: "comboCancel"
            anchors.verticalCenter: parent.verticalCenter
            visible: root.dialog.isComboInput
            name: "closeBtn"
            onClicked: root.dialog.cancelCombo()
        }
    }
}
