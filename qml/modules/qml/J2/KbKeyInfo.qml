import QtQuick
import "../basic"
import "KbTexts.js" as KbTexts

// The selected key: its label, its function and its colour in the five pictures.
Panel {
    id: root

    property var lang: KbTexts.builtIn
    property string keyStr: ""
    property string keyFunctionStr: ""
    property var keyColors: ["", "", "", "", ""]

    // The back image: the key's factory function.
    signal restoreClicked()

    title: text(KbTexts.keyInfoTitle)
    height: 132

    function text(i) {
        var t = lang[i]
        return t === undefined ? KbTexts.builtIn[i] : String(t)
    }

    function keyInfoSetting(keyStr, keyFunctionStr, keyColor0, keyColor1, keyColor2, keyColor3, keyColor4) {
        root.keyStr = keyStr
        root.keyFunctionStr = keyFunctionStr
        keyColors = [keyColor0, keyColor1, keyColor2, keyColor3, keyColor4]
    }

    ImageButton {
        objectName: "kbRestoreKey"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 10
        width: 20
        height: 20
        name: "back"
        onClicked: root.restoreClicked()
    }

    Grid {
        x: 12
        y: 40
        columns: 2
        columnSpacing: 12
        rowSpacing: 8

        Repeater {
            model: [root.text(KbTexts.keyCaption), root.keyStr.replace("\n", ""),
                    root.text(KbTexts.functionView), root.keyFunctionStr]
            delegate: ThemedText {
                required property int index
                required property string modelData
                objectName: index === 1 ? "kbInfoKey" : (index === 3 ? "kbInfoFunction" : "")
                width: index % 2 === 0 ? 48 : 148
                elide: Text.ElideRight
                text: modelData
                color: index % 2 === 0 ? Theme.colorGray3 : Theme.fontColor
            }
        }
    }

    Row {
        x: 12
        y: 96
        spacing: 8

        Repeater {
            model: 5
            delegate: Rectangle {
                required property int index
                objectName: "kbSwatch" + index
                width: 35
                height: 20
                radius: 2
                color: root.keyColors[index] === "" ? "transparent" : root.keyColors[index]
                border.color: Theme.colorGray2

                ThemedText {
                    anchors.centerIn: parent
                    text: String(parent.index + 1)
                    visible: root.keyColors[parent.index] === ""
                    color: Theme.colorGray2
                    font.pixelSize: Theme.fontMinSize
                }
            }
        }
    }
}
