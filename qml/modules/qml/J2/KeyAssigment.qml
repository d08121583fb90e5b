import QtQuick
import "../basic"

// The button assignment dialog: edits a working copy of one key matrix entry.
Dialog {
    id: keyAssigmentMain

    property var keyAssigmentLang: ["Key ", "Mouse Function", "Left Key", "Middle Key", "Right Key",
        "Forward Key", "Back Key", "Double Fire", "Fire Function", "Key Value", "Click Input", "Rate",
        "Times", "Endness", "Group Function", "Media Function", "Macro Function", "Macro Editor",
        "Macro runs one-time after pressing the button",
        "Macro runs endless loop until any button is pressed",
        "Macro runs endless loop until button is released", "DPI Function", "DPI+", "DPI-", "DPI LOOP",
        "Windows Function", "Shortcut Function", "Player", "Next", "Privous", "Stop", "Mute",
        "Play/Pause", "Volumn+", "Volumn-", "My PC", "Index", "Search", "Max", "Min", "Desktop", "Run",
        "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
        "Gun Function", "One Gun", "Two Gun", "Three Gun", "Sniper Key", "", "", ""]
    property var keyNames: null
    // The key matrix panel whose entries the dialog edits.
    property var matrix: null
    property bool gunShown: true
    property int editIndex: -1
    property int keyCode0: 0
    property int keyCode1: 0
    property int keyCode2: 0
    property int keyCode3: 0
    property string keyString: ""
    property bool isFireInput: false
    property bool isComboInput: false
    property alias macroList: macroDrop
    property string fireKeyText: keyAssigmentLang[10]

    // Button codes and texts of the mouse group, in the dialog's order.
    readonly property var mouseButtons: [[0xF0, 2], [0xF2, 3], [0xF1, 4], [0xF4, 5], [0xF3, 6]]

    signal openMacroEditor()

    width: 416
    height: 404
    title: keyAssigmentLang[0] + (editIndex + 1) + " : " + keyString

    function nameOf(code) {
        return keyNames === null ? "" : keyNames.keycodeTostr(code)
    }

    function keyCodeToString(code0, code1, code2, code3) {
        switch (Number(code0)) {
        case 0:
            for (var i = 0; i < mouseButtons.length; ++i) {
                if (mouseButtons[i][0] === Number(code2))
                    return keyAssigmentLang[mouseButtons[i][1]]
            }
            return keyAssigmentLang[7]
        case 1:
            return nameOf(code1)
        case 5:
            return [keyAssigmentLang[22], keyAssigmentLang[23], keyAssigmentLang[24],
                    keyAssigmentLang[56]][Number(code2) - 1] || ""
        case 8:
            return [keyAssigmentLang[53], keyAssigmentLang[54], keyAssigmentLang[55]][Number(code2) - 1] || ""
        default:
            return ""
        }
    }

    function init() {
        fireKeyText = keyAssigmentLang[10]
    }

    function show(index) {
        editIndex = index
        var e = matrix.modKeys.get(index)
        keyCode0 = e.keyCode0
        keyCode1 = e.keyCode1
        keyCode2 = e.keyCode2
        keyCode3 = e.keyCode3
        keyString = e.keyText
    }

    function setWorking(c0, c1, c2, c3) {
        keyCode0 = c0
        keyCode1 = c1
        keyCode2 = c2
        keyCode3 = c3
        keyString = keyCodeToString(c0, c1, c2, c3)
    }

    function detectKeyboard(isDown, usbCode, index) {
        if (index === 0) {
            isFireInput = false
            fireKeyText = nameOf(usbCode)
            setWorking(1, Number(usbCode), 10, 0)
        } else if (isDown) {
            comboText.text = comboText.text === "" ? nameOf(usbCode) : comboText.text + " + " + nameOf(usbCode)
        }
    }

    function keyAssigmentFocus() {
        macroDrop.closeMenu()
    }

    Column {
        x: 16
        y: 8
        spacing: 10

        Text {
            text: keyAssigmentMain.keyAssigmentLang[1]
            color: Theme.colorOrange
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Grid {
            columns: 3
            columnSpacing: 24
            rowSpacing: 8

            Repeater {
                model: keyAssigmentMain.mouseButtons.length + 1
                delegate: RadioButton {
                    required property int index
                    width: 100
                    textValue: keyAssigmentMain.keyAssigmentLang[2 + index]
                    isSelect: keyAssigmentMain.keyCode0 === 0 && (index < 5
                              ? keyAssigmentMain.keyCode2 === keyAssigmentMain.mouseButtons[index][0]
                              : keyAssigmentMain.keyCode2 === 0x1E)
                    onBtnClick: index < 5 ? keyAssigmentMain.setWorking(0, 0, keyAssigmentMain.mouseButtons[index][0], 0)
                                          : keyAssigmentMain.setWorking(0, 0xF0, 0x1E, 2)
                }
            }
        }

        Text {
            text: keyAssigmentMain.keyAssigmentLang[8]
            color: Theme.colorOrange
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Row {
            spacing: 12

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: keyAssigmentMain.keyAssigmentLang[9]
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }

            Rectangle {
                objectName: "fireKeyBox"
                width: 120
                height: 24
                color: Theme.colorGray0
                border.color: keyAssigmentMain.isFireInput ? Theme.colorOrange : Theme.colorGray1

                Text {
                    anchors.centerIn: parent
                    text: keyAssigmentMain.fireKeyText
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: keyAssigmentMain.isFireInput = true
                }
            }
        }

        Text {
            text: keyAssigmentMain.keyAssigmentLang[14]
            color: Theme.colorOrange
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Rectangle {
            objectName: "comboBox"
            width: 240
            height: 24
            color: Theme.colorGray0
            border.color: keyAssigmentMain.isComboInput ? Theme.colorOrange : Theme.colorGray1

            Text {
                id: comboText
                anchors.centerIn: parent
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }

            MouseArea {
                anchors.fill: parent
                onClicked: {
                    comboText.text = ""
                    keyAssigmentMain.isComboInput = !keyAssigmentMain.isComboInput
                }
            }
        }

        Text {
            text: keyAssigmentMain.keyAssigmentLang[16]
            color: Theme.colorOrange
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Row {
            spacing: 12
            z: 1

            MacroList {
                id: macroDrop
                objectName: "assignMacroList"
                width: 160
            }

            TextButton {
                width: 120
                textValue: keyAssigmentMain.keyAssigmentLang[17]
                onClicked: keyAssigmentMain.openMacroEditor()
            }
        }
    }

}
