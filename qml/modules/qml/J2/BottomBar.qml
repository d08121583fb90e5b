import QtQuick
import "../basic"

// "Config", "Reset" and "Save" at the bottom right; Save turns red while
// any page holds unsaved edits.
Row {
    id: root

    property var texts: []
    property bool dirty: false

    signal configClicked()
    signal resetClicked()
    signal saveClicked()

    anchors.right: parent.right
    anchors.rightMargin: 24
    anchors.bottom: parent.bottom
    anchors.bottomMargin: 8
    spacing: 16

    TextButton {
        objectName: "configButton"
        textValue: root.texts[4]
        onClicked: root.configClicked()
    }

    TextButton {
        objectName: "resetButton"
        textValue: root.texts[5]
        onClicked: root.resetClicked()
    }

    TextButton {
        objectName: "saveButton"
        textValue: root.texts[10]
        baseColor: root.dirty ? Theme.colorUnsaved : Theme.colorBlue
        onClicked: root.saveClicked()
    }
}
