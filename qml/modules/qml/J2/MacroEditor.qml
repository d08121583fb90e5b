import QtQuick
import Quorix.View
import "../basic"

// The macro editor dialog: the named macros, the actions of the selected one,
// recording and editing them. Every edit is stored at once.
Dialog {
    id: macroEditorMain

    property var macroEditorLang: ["Macro Editor", "Macro Name", "New", "Delete", "Action",
        "Stop Record", "Times", "OK", "Start Record", "Delay", "Delete", "Import", "Export",
        "Insert Delay", "Insert Key", "Insert Left Key", "Insert Middle Key", "Insert Right Key", "", ""]
    property var keyNames: null
    // The macro drop-down of the layout in use.
    property var macroTarget: null
    // Which device a bound macro goes to.
    readonly property bool forMouse: Theme.deviceType === "mouse"
    property bool isInputting: false
    property bool isInsertting: false
    // Milliseconds since recording started or since the last recorded key, on
    // the animation clock: a repeating 10 ms timer drifts by whole ticks.
    property real recordElapsed: 0
    readonly property int macroRecordCount: Math.floor(recordElapsed / 10)
    property alias macroNumber_lv: nameList
    property alias macroNumberModel: names
    property alias macroData_lv: actions
    property alias actionView: actionList
    property alias timesField: times
    property alias delayBox: delayCheck
    property alias insertKeyText: insertKey.keyName

    readonly property int maxMacros: 100

    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)
    signal listViewFocus()

    width: 640
    height: 448
    title: macroEditorLang[0]

    onCloseClicked: closeEditor()
    onListViewFocus: {
        nameList.endRename()
        actionList.endDelayEdit()
    }

    // Read afresh each time: a binding would not see a rename of the row.
    function currentName() {
        var at = nameList.currentIndex
        return at >= 0 && at < names.count ? names.get(at).textValue : ""
    }

    function nameOf(code) {
        return keyNames === null ? "" : keyNames.keycodeTostr(code)
    }

    function codeOf(name) {
        return keyNames === null ? 0 : keyNames.strTokeycode(name)
    }

    function nameArray() {
        var list = []
        for (var i = 0; i < names.count; ++i)
            list.push(names.get(i).textValue)
        return list
    }

    function init() {
        if (isInputting)
            stopRecord()
        nameList.currentIndex = -1
        actions.clear()
        names.clear()
        var stored = ui_View.getNameList(0)
        if (stored.length === 2 && String(stored[1]) === "loaderzephyx")
            stored = [stored[0]]
        for (var i = 0; i < stored.length; ++i)
            names.append({ "textValue": String(stored[i]) })
        if (macroTarget !== null)
            macroTarget.addData(nameArray(), true)
    }

    function storeNames() {
        var list = nameArray()
        ui_View.updataNameList(0, list)
        if (macroTarget !== null)
            macroTarget.addData(list, false)
    }

    // "Macro_" and the smallest number from 0 to 99 that no macro has as its name.
    function freeName() {
        var used = nameArray()
        for (var n = 0; n < maxMacros; ++n) {
            if (used.indexOf("Macro_" + n) < 0)
                return "Macro_" + n
        }
        return ""
    }

    // A stored action: its type digit, a comma, and its key name or pause.
    function parseAction(text) {
        var s = String(text)
        var comma = s.indexOf(",")
        return { "type": parseInt(s.charAt(0), 10), "info": comma < 0 ? "" : s.slice(comma + 1) }
    }

    // [type, value] pairs of the encoder: milliseconds for a delay, the device code otherwise.
    function encoderPairs(rows) {
        var pairs = []
        for (var i = 0; i < rows.length; ++i) {
            var t = rows[i].type
            pairs.push([t, t === 0 ? Number(rows[i].info) : codeOf(rows[i].info)])
        }
        return pairs
    }

    function currentRows() {
        var rows = []
        for (var i = 0; i < actions.count; ++i)
            rows.push({ "type": actions.get(i).type, "info": actions.get(i).info })
        return rows
    }

    function hasRoom() {
        return MacroCodec.sizeEstimate(encoderPairs(currentRows())) < MacroCodec.sizeLimit
    }

    function selectMacro(index) {
        if (isInputting)
            stopRecord()
        listViewFocus()
        nameList.currentIndex = index
        loadActions()
    }

    function loadActions() {
        actions.clear()
        actionList.currentIndex = -1
        if (currentName() === "")
            return
        var stored = ui_View.loadMacroIni(currentName())
        for (var i = 0; i + 1 < stored.length; ++i) {
            var row = parseAction(stored[i])
            if (!isNaN(row.type))
                actions.append(row)
        }
        if (stored.length > 0)
            times.textValue = String(stored[stored.length - 1])
    }

    function newMacro() {
        if (names.count >= maxMacros)
            return
        var name = freeName()
        names.append({ "textValue": name })
        nameList.currentIndex = names.count - 1
        ui_View.createMacroIni(name, 0)
        loadActions()
        storeNames()
    }

    function importMacro() {
        if (names.count >= maxMacros)
            return
        var name = freeName()
        var at = nameList.currentIndex >= 0 ? nameList.currentIndex : names.count
        names.insert(at, { "textValue": name })
        if (!ui_View.loadMacroFile(name))
            ui_View.createMacroIni(name, 0)
        nameList.currentIndex = at
        loadActions()
        storeNames()
    }

    function exportMacro() {
        if (currentName() !== "")
            ui_View.saveMacroFile(currentName())
    }

    function deleteMacro() {
        var at = nameList.currentIndex
        if (at < 0 || at >= names.count)
            return
        if (isInputting)
            stopRecord()
        ui_View.deleteMacroIni(names.get(at).textValue)
        actions.clear()
        names.remove(at)
        nameList.currentIndex = Math.min(at, names.count - 1)
        loadActions()
        storeNames()
    }

    // A name becomes a file name: it must be one, and no other macro may have it.
    function renameMacro(index, newName) {
        var oldName = names.get(index).textValue
        var name = String(newName).trim()
        // Only what could leave the macro folder is refused, as the files' own check
        // does: dots are ordinary characters of a name ("Reload...", "1..3").
        if (name === "" || name === oldName || nameArray().indexOf(name) >= 0
                || name === "." || name === ".." || name.indexOf("/") >= 0 || name.indexOf("\u0000") >= 0)
            return
        // The main screen renames the file together with its bindings.
        modifyMacroName(oldName, name)
        names.setProperty(index, "textValue", name)
        storeNames()
    }

    function startRecord() {
        if (currentName() === "")
            return
        listViewFocus()
        times.closeFocus()
        actions.clear()
        actionList.currentIndex = -1
        recordTimer.restart()
        isInputting = true
    }

    function stopRecord() {
        recordTimer.stop()
        isInputting = false
        autoSave()
    }

    function detectKeyboard(isDown, usbCode) {
        if (!isInputting || currentName() === "" || !hasRoom())
            return
        var code = Number(usbCode)
        if (actions.count > 0 && delayCheck.isSelect)
            actions.append({ "type": 0, "info": String(macroRecordCount * 10) })
        recordTimer.restart()
        var button = code >= 0xF0
        var type = isDown ? (button ? 3 : 1) : (button ? 4 : 2)
        actions.append({ "type": type, "info": nameOf(code) })
        actionList.view.positionViewAtEnd()
    }

    function detectInput(isDown, usbCode) {
        var code = Number(usbCode)
        if (isInsertting && code < 0xF0)
            insertKey.keyName = nameOf(code)
    }

    function deleteAction() {
        var at = actionList.currentIndex
        if (at < 0 || at >= actions.count)
            return
        actions.remove(at)
        actionList.currentIndex = Math.min(at, actions.count - 1)
        autoSave()
    }

    function insertDelay() {
        if (!hasRoom())
            return
        var at = actionList.currentIndex >= 0 ? actionList.currentIndex : actions.count
        actions.insert(at, { "type": 0, "info": "50" })
        actionList.currentIndex = at
        autoSave()
    }

    function openInsertKey() {
        if (!hasRoom())
            return
        insertKey.keyName = ""
        insertKey.visible = true
        isInsertting = true
    }

    function finishInsertKey() {
        insertKey.visible = false
        isInsertting = false
        var name = insertKey.keyName
        if (name === "")
            return
        var sel = actionList.currentIndex
        var at = sel < 0 || sel === actions.count - 1 ? actions.count : sel
        actions.insert(at, { "type": 1, "info": name })
        actions.insert(at + 1, { "type": 2, "info": name })
        autoSave()
    }

    // A press and a release of a mouse button after the selected action.
    function insertButton(name) {
        if (!hasRoom())
            return
        var at = actionList.currentIndex >= 0 ? actionList.currentIndex + 1 : actions.count
        actions.insert(at, { "type": 3, "info": name })
        actions.insert(at + 1, { "type": 4, "info": name })
        autoSave()
    }

    function editDelay(index, text) {
        var value = Number(text)
        if (text !== "" && /^[0-9]+$/.test(text) && value <= 65535)
            actions.setProperty(index, "info", String(value))
        autoSave()
    }

    function actionTexts() {
        var list = []
        for (var i = 0; i < actions.count; ++i)
            list.push(actions.get(i).type + "," + actions.get(i).info)
        return list
    }

    function autoSave() {
        if (currentName() === "")
            return
        ui_View.saveMacroIni(currentName(), actionTexts(), times.textValue)
        modifyMacroData(currentName())
    }

    // Sends the stored macro `macroName` to macro number `index` of the device in use.
    function sendMacro(index, macroName) {
        var stored = ui_View.loadMacroIni(macroName)
        if (stored.length === 0)
            return
        var rows = []
        for (var i = 0; i + 1 < stored.length; ++i)
            rows.push(parseAction(stored[i]))
        var repeat = parseInt(stored[stored.length - 1], 10)
        var bytes = MacroCodec.encode(encoderPairs(rows), isNaN(repeat) ? 0 : repeat)
        if (forMouse)
            ui_View.mouseSendMacroData(bytes, index)
        else
            ui_View.keyboardSendMacroData(bytes, index)
    }

    function macroEditorFocus() {
        times.closeFocus()
        listViewFocus()
        nameMenu.close()
        actionMenu.close()
    }

    // Closing ends a recording or a key insert as if it had been finished.
    function closeEditor() {
        if (isInputting)
            stopRecord()
        if (isInsertting) {
            isInsertting = false
            insertKey.visible = false
        }
        macroEditorFocus()
        if (macroTarget !== null)
            macroTarget.closeMenu()
    }

    ListModel { id: names }
    ListModel { id: actions }

    NumberAnimation {
        id: recordTimer
        target: macroEditorMain
        property: "recordElapsed"
        from: 0
        to: 86400000
        duration: 86400000
    }

    // A press on the background ends edits and closes the menus; the frame
    // below still drags the dialog.
    MouseArea {
        anchors.fill: parent
        onPressed: (mouse) => {
            macroEditorMain.macroEditorFocus()
            mouse.accepted = false
        }
    }

    ThemedText {
        x: 16
        y: 4
        text: macroEditorMain.macroEditorLang[1]
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMiddleSize
    }

    MacroNameList {
        id: nameList
        x: 16
        y: 28
        width: 200
        height: 300
        model: names
        onRowClicked: (index) => macroEditorMain.selectMacro(index)
        onRowRightClicked: (index, px, py) => {
            macroEditorMain.selectMacro(index)
            var p = mapToItem(nameMenu.parent, px, py)
            actionMenu.close()
            nameMenu.popup(p.x, p.y)
        }
        onRenameRequested: (index, newName) => macroEditorMain.renameMacro(index, newName)
    }

    TextButton {
        objectName: "macroNew"
        x: 16
        y: 340
        width: 96
        textValue: macroEditorMain.macroEditorLang[2]
        onClicked: { macroEditorMain.macroEditorFocus(); macroEditorMain.newMacro() }
    }

    TextButton {
        objectName: "macroDelete"
        x: 120
        y: 340
        width: 96
        textValue: macroEditorMain.macroEditorLang[3]
        onClicked: { macroEditorMain.macroEditorFocus(); macroEditorMain.deleteMacro() }
    }

    ThemedText {
        x: 232
        y: 4
        text: macroEditorMain.macroEditorLang[4]
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMiddleSize
    }

    MacroActionList {
        id: actionList
        x: 232
        y: 28
        width: 392
        height: 300
        model: actions
        onRowRightClicked: (index, px, py) => {
            if (macroEditorMain.currentName() === "" || macroEditorMain.isInputting)
                return
            var p = mapToItem(nameMenu.parent, px, py)
            nameMenu.close()
            actionMenu.popup(p.x, p.y)
        }
        onRowPressed: nameList.endRename()
        onDelayEdited: (index, text) => macroEditorMain.editDelay(index, text)
    }

    TextButton {
        objectName: "recordButton"
        x: 232
        y: 340
        width: 120
        baseColor: macroEditorMain.isInputting ? Theme.colorOrange : Theme.colorBlue
        textValue: macroEditorMain.isInputting ? macroEditorMain.macroEditorLang[5]
                                               : macroEditorMain.macroEditorLang[8]
        onClicked: {
            if (macroEditorMain.isInputting)
                macroEditorMain.stopRecord()
            else
                macroEditorMain.startRecord()
        }
    }

    ThemedText {
        x: 376
        y: 344
        text: macroEditorMain.macroEditorLang[6]
    }

    RectInput {
        id: times
        objectName: "macroTimes"
        x: 376 + 48
        y: 342
        maxValue: 9999
        textValue: "1"
        onEndInputSignal: macroEditorMain.autoSave()
    }

    CheckBox {
        id: delayCheck
        objectName: "macroDelayCheck"
        x: 500
        y: 344
        textValue: macroEditorMain.macroEditorLang[9]
    }

    ThemedText {
        objectName: "recordTime"
        x: 580
        y: 344
        visible: macroEditorMain.isInputting
        color: Theme.colorOrange
        text: (macroEditorMain.macroRecordCount * 10) + " ms"
    }

    PopupMenu {
        id: nameMenu
        objectName: "macroNameMenu"
        entries: [macroEditorMain.macroEditorLang[10], macroEditorMain.macroEditorLang[11],
                  macroEditorMain.macroEditorLang[12]]
        onTriggered: (index) => {
            if (index === 0)
                macroEditorMain.deleteMacro()
            else if (index === 1)
                macroEditorMain.importMacro()
            else
                macroEditorMain.exportMacro()
        }
    }

    PopupMenu {
        id: actionMenu
        objectName: "macroActionMenu"
        entries: [macroEditorMain.macroEditorLang[10], macroEditorMain.macroEditorLang[13],
                  macroEditorMain.macroEditorLang[14], macroEditorMain.macroEditorLang[15],
                  macroEditorMain.macroEditorLang[16], macroEditorMain.macroEditorLang[17]]
        onTriggered: (index) => {
            switch (index) {
            case 0: macroEditorMain.deleteAction(); break
            case 1: macroEditorMain.insertDelay(); break
            case 2: macroEditorMain.openInsertKey(); break
            case 3: macroEditorMain.insertButton("MS-L"); break
            case 4: macroEditorMain.insertButton("MS-M"); break
            case 5: macroEditorMain.insertButton("MS-R"); break
            }
        }
    }

    InsertKeyDialog {
        id: insertKey
        objectName: "insertKeyDialog"
        anchors.fill: parent
        z: 300
        title: macroEditorMain.macroEditorLang[14]
        okText: macroEditorMain.macroEditorLang[7]
        onAccepted: macroEditorMain.finishInsertKey()
    }
}
