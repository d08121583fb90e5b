import QtQuick
import "../basic"

// The key setting panel under the keyboard picture: key value capture, macro
// binding, multimedia functions and key colours.
Item {
    id: kbKeySettingMain

    property var keyNames: null
    property bool isKeyInput: false
    property alias macroList: macroDrop
    property alias mediaControl: mediaGrid
    property int selectPictureValue: 0
    property string keyValueText: "单击输入"

    signal openMacroEditor()

    width: 720
    height: 303

    function detectKeyboard(isDown, usbCode, index) {
        isKeyInput = false
        keyValueText = keyNames === null ? "" : keyNames.keycodeTostr(usbCode)
    }

    function autoSettingLED(isClear) {
    }

    function kbKeySettingFocus() {
        macroDrop.closeMenu()
        mediaGrid.closeMenu()
    }

    Image {
        anchors.fill: parent
        source: Theme.img("index", "keySettingBk")
    }

    Grid {
        x: 24
        y: 24
        columns: 2
        columnSpacing: 16
        rowSpacing: 16
        verticalItemAlignment: Grid.AlignVCenter

        Text {
            text: "键值"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Rectangle {
            objectName: "keyValueBox"
            width: 160
            height: 24
            color: Theme.colorGray0
            border.color: kbKeySettingMain.isKeyInput ? Theme.colorOrange : Theme.colorGray1

            Text {
                anchors.centerIn: parent
                text: kbKeySettingMain.keyValueText
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }

            MouseArea {
                anchors.fill: parent
                onClicked: kbKeySettingMain.isKeyInput = true
            }
        }

        Text {
            text: "宏键功能"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Row {
            spacing: 12
            z: 2

            MacroList {
                id: macroDrop
                objectName: "kbMacroList"
                width: 160
            }

            TextButton {
                textValue: "编辑"
                onClicked: kbKeySettingMain.openMacroEditor()
            }
        }

        Text {
            text: "多媒体"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        DropDownGrid {
            id: mediaGrid
            objectName: "mediaGrid"
            width: 96
            z: 1
            mdItems: ListModel {
                ListElement { textValue: "播放器" }
                ListElement { textValue: "下一首" }
                ListElement { textValue: "上一首" }
                ListElement { textValue: "停止" }
                ListElement { textValue: "静音" }
                ListElement { textValue: "播放/暂停" }
                ListElement { textValue: "音量+" }
                ListElement { textValue: "音量-" }
                ListElement { textValue: "电子邮件" }
                ListElement { textValue: "小算盘" }
                ListElement { textValue: "我的电脑" }
                ListElement { textValue: "Web搜索" }
                ListElement { textValue: "Web主页" }
                ListElement { textValue: "Web上一页" }
                ListElement { textValue: "Web下一页" }
                ListElement { textValue: "Web停止" }
                ListElement { textValue: "Web刷新" }
                ListElement { textValue: "Web收藏" }
            }
        }

        Text {
            text: "按键颜色"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Row {
            spacing: 8

            Repeater {
                model: ["图一", "图二", "图三", "图四", "图五"]
                delegate: TextButton {
                    required property int index
                    required property string modelData
                    width: 56
                    textValue: modelData
                    baseColor: index === kbKeySettingMain.selectPictureValue ? Theme.colorOrange : Theme.colorBlue
                    onClicked: kbKeySettingMain.selectPictureValue = index
                }
            }
        }
    }

    Image {
        x: 24
        y: 220
        source: Theme.img("lightControl", "colorBar")
    }

    Row {
        x: 240
        y: 220
        spacing: 8

        Repeater {
            model: ["255", "0", "0"]
            delegate: RectInput {
                required property string modelData
                textValue: modelData
            }
        }
    }
}
