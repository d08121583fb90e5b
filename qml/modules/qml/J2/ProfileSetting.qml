import QtQuick
import "../basic"

// The profile dialog and the list of profiles it shares with the title bar
// selector. A row's profile number is always its position: when a row is
// deleted, the profiles below it move up one slot with their files, so the
// title bar, Import, New and Export all name the same slot for a row.
Dialog {
    id: profileMain

    property var profileLang: ["config", "New", "Import", "Delete", "Export", "Standard",
        "", "", "", "", "", "", "", "", "", "", "", "", "", ""]
    property alias profileDataModel0: rows
    // The active profile; the main screen sets it at first start.
    property int profileNo: -1
    property int selectedRow: 0
    property int editRow: -1

    readonly property int maxProfiles: 6

    signal changeProfile(int tmpProfileNo)
    // An import went over the active profile, whose pages now show stale values.
    signal activeProfileReplaced()
    signal listViewFocus()
    signal doubleClick()

    width: 415
    height: 288
    title: profileLang[0]

    onCloseClicked: profileFocus()
    onListViewFocus: endRename()
    onDoubleClick: beginRename(selectedRow)

    function storedTexts() {
        var texts = []
        for (var i = 0; i < rows.count; ++i)
            texts.push(rows.get(i).textValue + rows.get(i).profileNo)
        return texts
    }

    function store() {
        ui_View.updataNameList(2, storedTexts())
    }

    function init() {
        rows.clear()
        var stored = ui_View.getNameList(2)
        if (stored.length === 2 && String(stored[1]) === "loaderzephyx")
            stored = [stored[0]]
        for (var i = 0; i < stored.length && rows.count < maxProfiles; ++i) {
            var text = String(stored[i])
            var number = parseInt(text.charAt(text.length - 1), 10)
            rows.append({ "textValue": text.slice(0, -1), "profileNo": isNaN(number) ? i : number })
        }
        if (rows.count === 0)
            rows.append({ "textValue": "", "profileNo": 0 })
        selectedRow = Math.max(0, rowOfNumber(profileNo))
        rows.setProperty(0, "textValue", profileLang[5])
        store()
    }

    function rowOfNumber(number) {
        for (var i = 0; i < rows.count; ++i) {
            if (rows.get(i).profileNo === number)
                return i
        }
        return -1
    }

    function nameInUse(name, exceptRow) {
        for (var i = 0; i < rows.count; ++i) {
            if (i !== exceptRow && rows.get(i).textValue === name)
                return true
        }
        return false
    }

    // Adds a row named "profile_" and the smallest free number 0 … 11, taking
    // the smallest free profile number; -1 when the list is full.
    function addRow() {
        if (rows.count >= maxProfiles)
            return -1
        var name = ""
        for (var n = 0; n < 12 && name === ""; ++n) {
            if (!nameInUse("profile_" + n, -1))
                name = "profile_" + n
        }
        var number = 0
        while (rowOfNumber(number) >= 0)
            ++number
        rows.append({ "textValue": name, "profileNo": number })
        selectedRow = rows.count - 1
        store()
        return number
    }

    function newProfile() {
        var number = addRow()
        if (number >= 0)
            ui_View.resetProfile(number)
    }

    // Over a new row, or over the selected row when the list is full. A
    // cancelled import takes its new row back: it names no profile.
    function importProfile() {
        var added = addRow() >= 0
        var row = selectedRow
        if (ui_View.loadProfile(row)) {
            if (row === profileNo)
                activeProfileReplaced()
        } else if (added) {
            rows.remove(row)
            selectedRow = Math.min(row, rows.count - 1)
            store()
        }
    }

    function exportProfile(row) {
        if (row >= 0 && row < rows.count)
            ui_View.saveProfile(row)
    }

    function deleteProfile(row) {
        if (row <= 0 || row >= rows.count || row === profileNo)
            return
        for (var j = row + 1; j < rows.count; ++j)
            ui_View.copyProfile(j - 1, j)
        rows.remove(row)
        for (var i = 0; i < rows.count; ++i)
            rows.setProperty(i, "profileNo", i)
        selectedRow = Math.min(row, rows.count - 1)
        store()
        followMovedProfiles(row)
    }

    // The active profiles of both layouts keep their content when it moves up a slot.
    function followMovedProfiles(deletedRow) {
        var keys = ["mouse/profileNo", "keyboard/profileNo"]
        var ownKey = Theme.deviceType === "mouse" ? keys[0] : keys[1]
        for (var k = 0; k < keys.length; ++k) {
            var stored = keys[k] === ownKey ? profileNo : parseInt(ui_View.getGlobalData(keys[k]), 10)
            if (isNaN(stored) || stored < deletedRow)
                continue
            var moved = stored === deletedRow ? 0 : stored - 1
            ui_View.setGlobalData(keys[k], moved)
            if (keys[k] === ownKey) {
                profileNo = moved
                ui_View.setCurrentProfile(moved)
            }
        }
    }

    function beginRename(row) {
        if (row <= 0 || row >= rows.count)
            return
        selectedRow = row
        editRow = row
    }

    function endRename() {
        if (editRow < 0)
            return
        var row = editRow
        var name = String(editedText).trim()
        editRow = -1
        if (name === "" || nameInUse(name, row))
            return
        rows.setProperty(row, "textValue", name)
        store()
    }

    property string editedText: ""

    function profileFocus() {
        endRename()
        rowMenu.close()
    }

    ListModel { id: rows }

    MouseArea {
        anchors.fill: parent
        onPressed: (mouse) => {
            profileMain.profileFocus()
            mouse.accepted = false
        }
    }

    Column {
        x: 16
        y: 8
        spacing: 2

        Repeater {
            model: rows
            delegate: ProfileRow {
                required property int index
                required textValue
                objectName: "profileRow" + index
                selected: index === profileMain.selectedRow
                active: index === profileMain.profileNo
                editing: index === profileMain.editRow
                onEditTextChanged: if (editing) profileMain.editedText = editText
                onPressed: {
                    if (profileMain.editRow !== index)
                        profileMain.profileFocus()
                    profileMain.selectedRow = index
                }
                onRightClicked: (px, py) => {
                    var p = mapToItem(rowMenu.parent, px, py)
                    rowMenu.popup(p.x, p.y)
                }
                onDoubleClicked: profileMain.doubleClick()
                onEditAccepted: profileMain.endRename()
            }
        }
    }

    TextButton {
        objectName: "profileNew"
        x: 415 - 16 - 64 - 16 - 64
        y: 212
        textValue: profileMain.profileLang[1]
        onClicked: { profileMain.profileFocus(); profileMain.newProfile() }
    }

    TextButton {
        objectName: "profileImport"
        x: 415 - 16 - 64
        y: 212
        textValue: profileMain.profileLang[2]
        onClicked: { profileMain.profileFocus(); profileMain.importProfile() }
    }

    PopupMenu {
        id: rowMenu
        objectName: "profileRowMenu"
        entries: [profileMain.profileLang[3], profileMain.profileLang[4]]
        onTriggered: (index) => {
            if (index === 0)
                profileMain.deleteProfile(profileMain.selectedRow)
            else
                profileMain.exportProfile(profileMain.selectedRow)
        }
    }
}
