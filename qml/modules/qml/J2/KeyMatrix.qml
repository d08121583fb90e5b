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
    // The macro editor: sends the macros that buttons run and tells of renamed
    // and edited macros.
    property var macroEditor: null
    // Only the layout in use rebinds its buttons; the editor renames the file itself otherwise.
    property bool hearsMacroEditor: true
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
        e.keyText = textOf(e)
        return e
    }

    function textOf(e) {
        return textSource === null ? ""
             : textSource.keyCodeToString(e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3)
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

    // Binds macro number `number` to the named macro and has the editor send it.
    function bindMacro(number, name) {
        if (macroEditor !== null)
            macroEditor.sendMacro(number, name)
        ui_View.setData("mouseMacroKey/" + number, name)
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
        isSave = true
        if (dialog.keyCode0 === 4)
            bindMacro(dialog.keyCode2, dialog.keyString)
        return true
    }

    // Entry `index` takes its factory bytes unless its text is already the
    // factory one; the factory entry, or null when nothing changed.
    function restoreEntry(index, currentText) {
        if (index < 0 || index >= modKeysTmpModel.count)
            return null
        var factory = modKeysTmpModel.get(index)
        if (factory.keyText === currentText)
            return null
        var copy = { "keyCode0": factory.keyCode0, "keyCode1": factory.keyCode1,
                     "keyCode2": factory.keyCode2, "keyCode3": factory.keyCode3,
                     "keyText": factory.keyText }
        modKeysModel.set(index, copy)
        if (copy.keyCode0 === 4)
            bindMacro(copy.keyCode2, copy.keyText)
        isSave = true
        return copy
    }

    function restoreAll() {
        for (var i = 0; i < modKeysTmpModel.count; ++i) {
            var factory = modKeysTmpModel.get(i)
            modKeysModel.set(i, { "keyCode0": factory.keyCode0, "keyCode1": factory.keyCode1,
                                  "keyCode2": factory.keyCode2, "keyCode3": factory.keyCode3,
                                  "keyText": factory.keyText })
            if (factory.keyCode0 === 4)
                bindMacro(factory.keyCode2, factory.keyText)
        }
        isSave = true
    }

    function boundMacroName(e) {
        var name = ui_View.getData("mouseMacroKey/" + e.keyCode2, false)
        return name === undefined || name === null ? "" : String(name)
    }

    // A renamed macro keeps its buttons: their binding and text follow the
    // new name. Nothing is sent, so nothing needs saving.
    function renameMacro(oldMacroName, newMacroName) {
        for (var i = 0; i < modKeysModel.count; ++i) {
            var e = modKeysModel.get(i)
            if (e.keyCode0 === 4 && boundMacroName(e) === String(oldMacroName)) {
                ui_View.setData("mouseMacroKey/" + e.keyCode2, newMacroName)
                modKeysModel.setProperty(i, "keyText", String(newMacroName))
            }
        }
        // The factory entries name their macros through the same bindings.
        for (var j = 0; j < modKeysTmpModel.count; ++j) {
            var f = modKeysTmpModel.get(j)
            if (f.keyCode0 === 4 && f.keyText === String(oldMacroName))
                modKeysTmpModel.setProperty(j, "keyText", String(newMacroName))
        }
        ui_View.modifyMacroNameUpdateProfile(oldMacroName, newMacroName)
    }

    // An edited macro is sent again for every button that runs it.
    function resendMacro(macroName) {
        if (macroEditor === null)
            return
        for (var i = 0; i < modKeysModel.count; ++i) {
            var e = modKeysModel.get(i)
            if (e.keyCode0 === 4 && boundMacroName(e) === String(macroName))
                macroEditor.sendMacro(e.keyCode2, String(macroName))
        }
    }

    Connections {
        target: keyMatrixMain.macroEditor
        enabled: keyMatrixMain.hearsMacroEditor
        ignoreUnknownSignals: true
        function onModifyMacroName(oldMacroName, newMacroName) {
            keyMatrixMain.renameMacro(oldMacroName, newMacroName)
        }
        function onModifyMacroData(macroName) { keyMatrixMain.resendMacro(macroName) }
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

                ThemedText {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: keyMatrixMain.keyMatrixLang[0] + (row.index + 1)
                }

                ThemedText {
                    x: 80
                    width: 128
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.keyText
                    elide: Text.ElideRight
                    color: Theme.colorGray3
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
