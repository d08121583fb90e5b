import QtQuick
import "../basic"

// The macro function: a macro chosen by name, run in one of three modes.
AssignSection {
    id: root

    property var dialog: null
    property int runMode: 0
    property alias macroList: macroDrop
    readonly property var lang: dialog.keyAssigmentLang

    signal openMacroEditor()

    z: macroDrop.isDrop || macroDrop.sliding ? 1 : 0

    // Shows a macro entry's name and run mode.
    function showEntry(code0, code1, text) {
        if (code0 !== 4)
            return
        if (code1 >= 0 && code1 <= 2)
            runMode = code1
        var found = -1
        for (var i = 0; i < macroDrop.mdItems.count && found < 0; ++i) {
            if (macroDrop.mdItems.get(i).textValue === text)
                found = i
        }
        macroDrop.currentSelect = found
    }

    function setRunMode(mode) {
        runMode = mode
        if (dialog.keyCode0 === 4)
            dialog.keyCode1 = mode
    }

    Column {
        spacing: 12

        Row {
            spacing: 12
            z: 1

            MacroList {
                id: macroDrop
                objectName: "assignMacroList"
                width: 168
                onValueChange: (index) => root.dialog.chooseMacro(String(mdItems.get(index).textValue))
            }

            TextButton {
                objectName: "assignMacroEditor"
                width: 120
                textValue: root.lang[17]
                onClicked: root.openMacroEditor()
            }
        }

        Repeater {
            model: 3
            delegate: Item {
                id: mode
                required property int index
                width: modeRadio.width
                height: modeRadio.height

                RadioButton {
                    id: modeRadio
                    objectName: "macroRunMode" + mode.index
                    index: mode.index
                    gapValue: 10
                    textValue: root.lang[18 + mode.index]
                    isSelect: root.runMode === mode.index
                    onBtnClick: {
                        root.setRunMode(mode.index)
                        isSelect = Qt.binding(function() { return root.runMode === mode.index })
                    }
                }
            }
        }
    }
}
