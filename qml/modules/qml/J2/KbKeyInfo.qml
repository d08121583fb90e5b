import QtQuick
import "../basic"

// The selected key's label, function and its colour in the five pictures.
Panel {
    id: root

    property string keyStr: ""
    property string keyFunctionStr: ""
    property var keyColors: ["", "", "", "", ""]

    title: "按键信息"
    height: 120

    function keyInfoSetting(keyStr, keyFunctionStr, keyColor0, keyColor1, keyColor2, keyColor3, keyColor4) {
        root.keyStr = keyStr
        root.keyFunctionStr = keyFunctionStr
        keyColors = [keyColor0, keyColor1, keyColor2, keyColor3, keyColor4]
    }

    Column {
        x: 12
        y: 36
        spacing: 8

        Text {
            text: root.keyStr + "  " + root.keyFunctionStr
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        Row {
            spacing: 8

            Repeater {
                model: 5
                delegate: Rectangle {
                    required property int index
                    width: 32
                    height: 20
                    radius: 2
                    color: root.keyColors[index] === "" ? "transparent" : root.keyColors[index]
                    border.color: Theme.colorGray2
                }
            }
        }
    }
}
