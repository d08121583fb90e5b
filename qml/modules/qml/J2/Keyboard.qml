import QtQuick
import "../basic"

// The keyboard picture: six rows of key caps. Functions and colours of
// every key come with the keyboard page's own change; this one keeps the
// page's interface and dirty flags.
Item {
    id: keyboardMain

    property int selectKey: 0
    property int selectModel: 0
    property bool isFunctionSave: false
    property bool isPictureSave: false
    property int selectPictureValue: 0

    // Cap labels per row; "" leaves a gap between key groups.
    readonly property var rows: [
        ["ESC", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
         "Prt", "Scr", "Pau", "音乐", "邮件", "计算器", "我的电脑", " ", " ", " ", " "],
        ["`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "Back", "",
         "Ins", "Hom", "Pgu", "", "Num", "/", "*", "-"],
        ["Tab", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]", "\\", "",
         "Del", "End", "Pgd", "", "7", "8", "9", "+"],
        ["Caps", "A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'", "Enter", "", "", "", "", "",
         "4", "5", "6", "Enter"],
        ["Shift", "Z", "X", "C", "V", "B", "N", "M", ",", ".", "/", "ろ", "Shift", "", "", "▲", "", "",
         "1", "2", "3"],
        ["Ctrl", "Win", "Alt", "Space", "Alt", "Win", "Fn", "Ctrl", "", "◄", "▼", "►", "", "0", "."]
    ]

    signal keySelected(int index)

    width: 718
    height: 190

    function init(isSendData, isRecovery, isStep) {
        if (isStep === 0 || isStep === 1)
            ui_View.getDataList("keyboardFunctionData/0", isRecovery)
        if (isStep === 0 || isStep === 2)
            ui_View.getDataList("keyboardLEDData/0", isRecovery)
        selectKey = 0
        if (isSendData)
            saveData(true, 0)
    }

    function saveData(isSendData, isStep) {
        if (!isSendData)
            return
        if (isStep === 0 || isStep === 1)
            ui_View.keyboardSetKeyMatrix(false)
        if (isStep === 0 || isStep === 2)
            ui_View.keyboardLEDPicture(selectPictureValue, false)
    }

    function selectKeyProc(index) {
        selectKey = index
        keySelected(index)
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: -8
        radius: 4
        color: Theme.colorGray0
        border.color: Theme.colorGray1
    }

    Column {
        spacing: 4

        Repeater {
            model: keyboardMain.rows
            delegate: Row {
                id: keyRow
                required property int index
                required property var modelData
                spacing: 2

                Repeater {
                    model: keyRow.modelData
                    delegate: Loader {
                        required property int index
                        required property string modelData
                        sourceComponent: modelData === "" ? gap : cap
                        property int capIndex: 100 * keyRow.index + index
                        property string label: modelData
                    }
                }
            }
        }
    }

    Component {
        id: cap
        Key {
            objectName: "key" + dataIndex
            dataIndex: parent ? parent.capIndex : 0
            keyTxtText: parent ? parent.label : ""
        }
    }

    Component {
        id: gap
        KeySpacing {}
    }
}
