import QtQuick
import "../basic"

// The button list of the mouse layout and the key matrix it shows: 16
// entries of four bytes, of which the first `keyCount` are buttons.
Panel {
    id: keyMatrixMain

    property var keyMatrixLang: ["Key ", "Key Function"]
    property int keyCount: 8
    property bool isSave: false
    // The assignment dialog, whose keyCodeToString gives an entry's text.
    property var textSource: null
    property var gunPage: null
    property alias modKeys: modKeysModel
    property alias modKeys_tmp: modKeysTmpModel

    signal enterBtn(int index)
    signal leaveBtn(int index)
    signal clickBtn(int index)

    title: keyMatrixLang[1]
    height: 40 + 24 * keyCount + 2 * (keyCount - 1) + 8

    function entryOf(bytes) {
        var e = { "keyCode0": Number(bytes[0]) || 0, "keyCode1": Number(bytes[1]) || 0,
                  "keyCode2": Number(bytes[2]) || 0, "keyCode3": Number(bytes[3]) || 0 }
        e.keyText = textSource === null ? ""
                  : textSource.keyCodeToString(e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3)
        return e
    }

    function init(isSendData, isRecovery) {
        modKeysModel.clear()
        modKeysTmpModel.clear()
        for (var j = 0; j < 16; ++j) {
            modKeysModel.append(entryOf(ui_View.mouseGetKeydefine(j, isRecovery)))
            modKeysTmpModel.append(entryOf(ui_View.mouseGetKeydefine(j, true)))
        }
        if (isSendData)
            modKeysModel.saveData()
    }

    // Takes the dialog's working copy into entry `index`; true when it changed.
    function applyAssignment(index, dialog) {
        if (index < 0 || index >= modKeysModel.count)
            return false
        var e = modKeysModel.get(index)
        if (e.keyCode0 === dialog.keyCode0 && e.keyCode1 === dialog.keyCode1
                && e.keyCode2 === dialog.keyCode2 && e.keyCode3 === dialog.keyCode3)
            return false
        modKeysModel.set(index, { "keyCode0": dialog.keyCode0, "keyCode1": dialog.keyCode1,
                                  "keyCode2": dialog.keyCode2, "keyCode3": dialog.keyCode3,
                                  "keyText": dialog.keyString })
        return true
    }

    function restoreAll() {
        for (var i = 0; i < modKeysTmpModel.count; ++i)
            modKeysModel.set(i, modKeysTmpModel.get(i))
        isSave = true
    }

    ListModel {
        id: modKeysModel

        function saveData() {
            var src = []
            for (var i = 0; i < count; ++i) {
                var e = get(i)
                src.push(e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3)
            }
            var periods = [0, 0, 0]
            if (keyMatrixMain.gunPage !== null)
                periods = keyMatrixMain.gunPage.slotPeriods()
            ui_View.mouseSetKeyMatrix(src, true, periods)
        }

        // The last left button cannot be given away.
        function checkOneLeftKey(selected) {
            var holders = []
            for (var i = 0; i < count; ++i) {
                var e = get(i)
                if (e.keyCode0 === 0 && e.keyCode2 === 0xF0)
                    holders.push(i)
            }
            return holders.length === 1 && holders[0] === selected
        }
    }

    ListModel {
        id: modKeysTmpModel
    }

    ImageButton {
        objectName: "keyMatrixRestore"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 10
        name: "back"
        onClicked: keyMatrixMain.restoreAll()
    }

    Column {
        x: 8
        y: 40
        spacing: 2

        Repeater {
            model: modKeysModel
            delegate: Rectangle {
                id: row
                required property int index
                required property string keyText
                visible: index < Math.min(keyMatrixMain.keyCount, 14)
                width: 216
                height: 24
                radius: 2
                color: rowArea.containsMouse ? Theme.colorOrange : Theme.colorBlue

                Text {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: keyMatrixMain.keyMatrixLang[0] + (row.index + 1)
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }

                Text {
                    x: 80
                    width: 128
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.keyText
                    elide: Text.ElideRight
                    color: Theme.colorGray3
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: keyMatrixMain.enterBtn(row.index)
                    onExited: keyMatrixMain.leaveBtn(row.index)
                    onClicked: keyMatrixMain.clickBtn(row.index)
                }
            }
        }
    }
}
