import QtQuick
import "../basic"

// The left panel's editor box: the macro editor and, where the mouse has
// gun functions, the gun editor.
Panel {
    id: root

    property bool gunShown: false
    // The main screen's texts: heading, macro editor and gun editor are 0 to 2.
    property var texts: []

    signal openMacroEditor()
    signal openGunEditor()

    title: texts[0] || ""
    height: gunShown ? 100 : 76

    TextButton {
        objectName: "macroEditorButton"
        x: 12
        y: 40
        width: 208
        textValue: root.texts[1] || ""
        onClicked: root.openMacroEditor()
    }

    TextButton {
        objectName: "gunEditorButton"
        x: 12
        y: 68
        width: 208
        visible: root.gunShown
        textValue: root.texts[2] || ""
        onClicked: root.openGunEditor()
    }
}
