import QtQuick
import "../basic"

// The macro editor dialog: the named macros and the actions of the selected one.
Dialog {
    id: macroEditorMain

    property var macroEditorLang: ["Macro Editor", "Macro Name", "New", "Delete", "Action",
        "Stop Record", "Times", "OK", "Start Record", "Delay", "Delete", "Import", "Export",
        "Insert Delay", "Insert Key", "Insert Left Key", "Insert Middle Key", "Insert Right Key", "", ""]
    property var keyNames: null
    // The macro drop-down of the layout in use.
    property var macroTarget: null
    property bool isInputting: false
    property bool isInsertting: false
    property alias macroNumber_lv: nameList
    property alias macroNumberModel: names
    property alias macroData_lv: actions
    property string insertKeyText: ""

    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)
    signal listViewFocus()

    width: 640
    height: 448
    title: macroEditorLang[0]

    function nameOf(code) {
        return keyNames === null ? "" : keyNames.keycodeTostr(code)
    }

    function init() {
        names.clear()
        var stored = ui_View.getNameList(0)
        if (stored.length === 2 && String(stored[1]) === "loaderzephyx")
            stored = [stored[0]]
        var list = []
        for (var i = 0; i < stored.length; ++i) {
            list.push(String(stored[i]))
            names.append({ "textValue": String(stored[i]) })
        }
        if (macroTarget !== null)
            macroTarget.addData(list, true)
    }

    function detectKeyboard(isDown, usbCode) {
        var mouse = Number(usbCode) >= 0xF0
        actions.append({ "type": isDown ? (mouse ? 3 : 1) : (mouse ? 4 : 2), "info": nameOf(usbCode) })
    }

    function detectInput(isDown, usbCode) {
        if (Number(usbCode) < 0xF0)
            insertKeyText = nameOf(usbCode)
    }

    // The byte encoding comes with the editor's own change; until then nothing is sent.
    function sendMacro(index, macroName) {
    }

    function macroEditorFocus() {
        listViewFocus()
    }

    ListModel { id: names }
    ListModel { id: actions }

    Text {
        x: 16
        y: 4
        text: macroEditorMain.macroEditorLang[1]
        color: Theme.colorOrange
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
    }

    ListView {
        id: nameList
        x: 16
        y: 28
        width: 200
        height: 340
        clip: true
        currentIndex: -1
        model: names
        delegate: Rectangle {
            required property int index
            required property string textValue
            width: 200
            height: 24
            color: index === nameList.currentIndex ? Theme.colorOrange : "transparent"

            Text {
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                text: parent.textValue
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }

            MouseArea {
                anchors.fill: parent
                onClicked: nameList.currentIndex = parent.index
            }
        }
    }

    Text {
        x: 240
        y: 4
        text: macroEditorMain.macroEditorLang[4]
        color: Theme.colorOrange
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
    }

    ListView {
        x: 240
        y: 28
        width: 380
        height: 300
        clip: true
        model: actions
        delegate: Row {
            required property int index
            required property int type
            required property string info
            spacing: 8
            height: 24

            Text {
                width: 32
                anchors.verticalCenter: parent.verticalCenter
                text: String(parent.index + 1)
                color: Theme.colorGray2
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }

            Image {
                anchors.verticalCenter: parent.verticalCenter
                source: Theme.img("macros", ["macroKeyDelay", "macroKeyPress", "macroKeyRelease",
                                             "macroMousePress", "macroMouseRelease"][parent.type])
            }

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: parent.info + (parent.type === 0 ? " ms" : "")
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }
        }
    }

    TextButton {
        x: 240
        y: 344
        width: 120
        textValue: macroEditorMain.isInputting ? macroEditorMain.macroEditorLang[5]
                                               : macroEditorMain.macroEditorLang[8]
        onClicked: {
            if (!macroEditorMain.isInputting)
                actions.clear()
            macroEditorMain.isInputting = !macroEditorMain.isInputting
        }
    }
}
