import QtQuick
import "../basic"

// The left panel's editor box: the macro editor and, where the mouse has
// gun functions, the gun editor.
Panel {
    id: root

    property bool gunShown: false
    property string macroText: ""
    property string gunText: ""

    signal openMacroEditor()
    signal openGunEditor()

    height: gunShown ? 100 : 76

    TextButton {
        objectName: "macroEditorButton"
        x: 12
        y: 40
        width: 208
        textValue: root.macroText
        onClicked: root.openMacroEditor()
    }

    TextButton {
        objectName: "gunEditorButton"
        x: 12
        y: 68
        width: 208
        visible: root.gunShown
        textValue: root.gunText
        onClicked: root.openGunEditor()
    }
}
