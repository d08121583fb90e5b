import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

    ScreenCase {
        name: "MacroAndProfiles"

        SignalSpy { id: nameSpy; signalName: "modifyMacroName" }
        SignalSpy { id: dataSpy; signalName: "modifyMacroData" }

        function prepare() {
            nameSpy.clear()
            dataSpy.clear()
        }

        function startWith(type, macros) {
            callLog.setKeyedReturn("getNameList", 0, macros)
            return start(type)
        }

        // The editor open on a started screen, its signals spied on, macro `selected` chosen.
        function openEditor(type, macros, selected) {
            startWith(type, macros)
            mouseClick(child(main, "macroEditorButton"))
            var editor = child(main, "macroEditor")
            verify(editor.visible)
            nameSpy.target = editor
            dataSpy.target = editor
            if (selected !== undefined)
                mouseClick(child(editor, "macroName" + selected))
            return editor
        }

        function names(editor) {
            return entries(editor.macroNumberModel, function(e) { return e.textValue })
        }

        function rows(editor) {
            return entries(editor.macroData_lv, function(e) { return e.type + "," + e.info })
        }

        function typeText(text) {
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        // ---- sending a bound macro: to the device of the layout in use only

        function test_send_data() {
            return [
                { tag: "keyboard", type: "keyboard", stored: ["1,A", "2,A", "2"], to: "keyboardSendMacroData",
                  bytes: [0x00, 0x02, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
                { tag: "mouse buttons by name", type: "keyboard", stored: ["3,MS-L", "4,MS-L", "300"],
                  to: "keyboardSendMacroData", bytes: [0x01, 0x2C, 0x01, 0xF0, 0x81, 0xF0, 0x00, 0x00] },
                { tag: "mouse", type: "mouse", stored: ["1,A", "1"], to: "mouseSendMacroData", bytes: [0, 1, 1, 4, 0, 0] },
                { tag: "missing macro", type: "keyboard", name: "gone", to: "keyboardSendMacroData" }
            ]
        }

        function test_send(data) {
            callLog.setKeyedReturn("loadMacroIni", "M", data.stored)
            start(data.type)
            child(main, "macroEditor").sendMacro(5, data.name || "M")
            compare(calls("" + data.to), data.bytes ? [[data.bytes, 5]] : [])
            compare(callLog.count("ui_View.mouseSendMacroData") + callLog.count("ui_View.keyboardSendMacroData"),
                    data.bytes ? 1 : 0)
        }

        // A mouse button bound to the edited macro gets it again; the keyboard page resends its own.
        function test_an_edit_resends_the_macro_to_the_layout_in_use_data() {
            return [{ tag: "mouse", type: "mouse", sends: 1 }, { tag: "keyboard", type: "keyboard", sends: 0 }]
        }

        function test_an_edit_resends_the_macro_to_the_layout_in_use(data) {
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "1"])
            callLog.setKeyedReturn("mouseGetKeydefine", 2, [4, 0, 2, 0])
            callLog.setKeyedReturn("getData", "mouseMacroKey/2", "Macro_0")
            var editor = openEditor(data.type, ["Macro_0"], 0)
            mouseClick(child(editor, "macroTimes"))
            keyClick(Qt.Key_Return)
            compare(dataSpy.count, 1)
            compare(calls("mouseSendMacroData").map(function(a) { return a[1] }),
                    data.sends ? [2] : [])
            compare(callLog.count("ui_View.keyboardSendMacroData"), 0)
        }

        // ---- the macro list

        function test_one_stored_name_with_the_sentinel_is_one_macro() {
            startWith("mouse", ["Solo", "loaderzephyx"])
            compare(names(child(main, "macroEditor")), ["Solo"])
            compare(child(main, "assignMacroList").count, 1)
        }

        function test_new_takes_the_lowest_free_number() {
            callLog.setKeyedReturn("loadMacroIni", "Macro_1", ["1"])
            var editor = openEditor("keyboard", ["Macro_0", "Renamed", "Macro_2", "Macro_3"])
            mouseClick(child(editor, "macroNew"))
            compare(names(editor), ["Macro_0", "Renamed", "Macro_2", "Macro_3", "Macro_1"])
            compare(editor.macroNumber_lv.currentIndex, 4)
            compare(calls("createMacroIni"), [["Macro_1", 0]])
            compare(lastCall("updataNameList"), [0, names(editor)])
            compare(child(main, "kbMacroList").count, 5)
        }

        function test_import_inserts_before_the_selection_and_falls_back_to_an_empty_macro() {
            var editor = openEditor("keyboard", ["Macro_0", "Macro_1"])
            mouseClick(child(editor, "macroName1"), 10, 10, Qt.RightButton)
            var menu = child(editor, "macroNameMenu")
            shoot(main, "macro-name-menu.png")
            mouseClick(child(menu, "menuEntry1"))
            verify(!menu.visible)
            compare(names(editor), ["Macro_0", "Macro_2", "Macro_1"])
            compare(editor.macroNumber_lv.currentIndex, 1)
            compare(calls("loadMacroFile"), [["Macro_2"]])
            // The file dialog was cancelled: the name gets an empty macro.
            compare(calls("createMacroIni"), [["Macro_2", 0]])
        }

        function test_delete_selects_the_next_macro() {
            var editor = openEditor("keyboard", ["Macro_0", "Macro_1", "Macro_2"], 1)
            mouseClick(child(editor, "macroDelete"))
            compare(calls("deleteMacroIni"), [["Macro_1"]])
            compare(names(editor), ["Macro_0", "Macro_2"])
            compare(lastCall("loadMacroIni"), ["Macro_2"])
        }

        // The name can be anything that stays in the macro folder and is not taken;
        // a press elsewhere ends the edit like Return.
        function test_rename_in_place_data() {
            return [{ tag: "free name", type: "keyboard", text: "Jump", names: ["Jump", "Macro_1"] },
                    { tag: "name in use", type: "keyboard", text: "Macro_1", press: true },
                    { tag: "dots in a name", type: "keyboard", text: "Reload...", names: ["Reload...", "Macro_1"] },
                    { tag: "path", type: "keyboard", text: "../x", press: true },
                    { tag: "parent folder", type: "keyboard", text: ".." },
                    { tag: "empty", type: "keyboard", text: "   " }]
        }

        function test_rename_in_place(data) {
            callLog.setReturn("modifyMacroNameUpdateProfile", true)
            var editor = openEditor(data.type, ["Macro_0", "Macro_1"])
            mouseDoubleClickSequence(child(editor, "macroName0"))
            typeText(data.text)
            if (data.press) {
                mousePress(editor, 300, 420)
                mouseRelease(editor, 300, 420)
            } else {
                keyClick(Qt.Key_Return)
            }
            if (!data.names) {
                compare(names(editor), ["Macro_0", "Macro_1"])
                compare(nameSpy.count + callLog.count("ui_View.updataNameList"), 0)
                return
            }
            compare(names(editor), data.names)
            compare(nameSpy.count, 1)
            // Renamed once, with its bindings, whichever page owns them.
            compare(calls("modifyMacroNameUpdateProfile"), [["Macro_0", data.text]])
            compare(lastCall("updataNameList"), [0, data.names])
            // Later edits of the selected macro go to its new name.
            mouseClick(child(editor, "macroName0"))
            mouseClick(child(editor, "macroTimes"))
            keyClick(Qt.Key_Return)
            compare(lastCall("saveMacroIni")[0], data.text)
        }

        // ---- recording and editing

        function test_recording_without_delays() {
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,Z", "3"])
            var editor = openEditor("keyboard", ["Macro_0"], 0)
            mouseClick(child(editor, "recordButton"))
            compare(editor.macroData_lv.count, 0)
            main.detectKeyboard(true, 0x04)
            animationClock.advanceBy(150)
            main.detectKeyboard(false, 0x04)
            main.detectKeyboard(true, 0xF0)
            shoot(main, "macro-recording.png")
            compare(callLog.count("ui_View.saveMacroIni"), 0)
            mouseClick(child(editor, "recordButton"))
            compare(calls("saveMacroIni"), [["Macro_0", ["1,A", "2,A", "3,MS-L"], "3"]])
            compare(dataSpy.count, 1)
        }

        function test_recording_stops_growing_at_the_size_limit_and_ends_on_closing() {
            var editor = openEditor("keyboard", ["Macro_0"], 0)
            mouseClick(child(editor, "recordButton"))
            for (var i = 0; i < 80; ++i)
                main.detectKeyboard(i % 2 === 0, 0x04)
            // 2 + 2 per action + 2 may not reach 126: 61 actions.
            compare(editor.macroData_lv.count, 61)
            mouseClick(child(editor, "dialogClose"))
            verify(!editor.isInputting)
            compare(calls("saveMacroIni")[0][1].length, 61)
        }

        // Delegates of newly loaded actions exist after the list's next layout.
        function actionRow(editor, row) {
            editor.actionView.view.forceLayout()
            return child(editor, "macroAction" + row)
        }

        // Entry 2, insert key, takes C; mouse buttons are not keys to insert.
        function test_action_menu_entries_data() {
            return [
                { tag: "delete", row: 1, entry: 0, rows: ["1,A", "1,B", "2,B"] },
                { tag: "insert delay before", row: 1, entry: 1, rows: ["1,A", "0,50", "2,A", "1,B", "2,B"] },
                { tag: "insert key before", row: 0, entry: 2, rows: ["1,C", "2,C", "1,A", "2,A", "1,B", "2,B"] },
                { tag: "insert key after the last", row: 3, entry: 2, rows: ["1,A", "2,A", "1,B", "2,B", "1,C", "2,C"] },
                { tag: "insert left key after", row: 1, entry: 3, rows: ["1,A", "2,A", "3,MS-L", "4,MS-L", "1,B", "2,B"] },
                { tag: "insert right key after", row: 1, entry: 5, rows: ["1,A", "2,A", "3,MS-R", "4,MS-R", "1,B", "2,B"] }
            ]
        }

        function test_action_menu_entries(data) {
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "2,A", "1,B", "2,B", "1"])
            var editor = openEditor("keyboard", ["Macro_0"], 0)
            mouseClick(actionRow(editor, data.row), 40, 10, Qt.RightButton)
            var menu = child(editor, "macroActionMenu")
            if (data.row === 3)
                shoot(main, "macro-action-menu.png")
            mouseClick(child(menu, "menuEntry" + data.entry))
            if (data.entry === 2) {
                main.detectKeyboard(true, 0x06)
                main.detectKeyboard(true, 0xF1)
                if (data.row === 3)
                    shoot(main, "macro-insert-key.png")
                mouseClick(child(editor, "insertKeyOk"))
                verify(!editor.isInsertting)
            }
            compare(rows(editor), data.rows)
            compare(lastCall("saveMacroIni"), ["Macro_0", data.rows, "1"])
        }

        function test_editing_a_delay_or_the_times_data() {
            return [{ tag: "delay", row: 1, text: "300", saved: ["1,A", "0,300", "2,A"], times: "1" },
                    { tag: "emptied delay", row: 1, text: "", saved: ["1,A", "0,50", "2,A"], times: "1" },
                    { tag: "emptied times", text: "", saved: ["1,A", "0,50", "2,A"], times: "0" }]
        }

        function test_editing_a_delay_or_the_times(data) {
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "0,50", "2,A", "1"])
            var editor = openEditor("keyboard", ["Macro_0"], 0)
            if (data.row !== undefined) {
                mouseDoubleClickSequence(actionRow(editor, data.row))
                verify(child(actionRow(editor, data.row), "delayField").visible)
            } else {
                mouseClick(child(editor, "macroTimes"))
                keyClick(Qt.Key_End)
            }
            keyClick(Qt.Key_Backspace)
            typeText(data.text)
            keyClick(Qt.Key_Return)
            compare(calls("saveMacroIni"), [["Macro_0", data.saved, data.times]])
        }

        // ---- profiles: row 0 is the standard one; the last digit of a name is its number

        function openProfiles(type, stored, active) {
            callLog.setKeyedReturn("getNameList", 2, stored)
            if (active !== undefined)
                callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", String(active))
            callLog.setReturn("loadProfile", true)
            start(type || "mouse")
            mouseClick(child(main, "configButton"))
            return child(main, "profilePage")
        }

        function profileTexts(page) {
            return entries(page.profileDataModel0, function(e) { return e.textValue + e.profileNo })
        }

        function rowMenu(page, row, entry) {
            mouseClick(child(page, "profileRow" + row), 40, 12, Qt.RightButton)
            mouseClick(child(child(page, "profileRowMenu"), "menuEntry" + entry))
        }

        function test_stored_names_data() {
            return [{ tag: "numbers", stored: ["Mine0", "Team23"], texts: ["Standard0", "Team23"] },
                    { tag: "sentinel", stored: ["Standard0", "loaderzephyx"], texts: ["Standard0"] }]
        }

        function test_stored_names(data) {
            compare(profileTexts(openProfiles("mouse", data.stored)), data.texts)
        }

        function test_new_appends_selects_and_resets_the_profile() {
            var page = openProfiles("mouse", ["Standard0", "profile_01"])
            mouseClick(child(page, "profileNew"))
            compare(profileTexts(page), ["Standard0", "profile_01", "profile_12"])
            compare(page.selectedRow, 2)
            compare(calls("resetProfile"), [[2]])
            compare(lastCall("updataNameList"), [2, profileTexts(page)])
            compare(child(main, "profileSelector").count, 3)
        }

        // Six rows take no new one, and an import replaces the selected row. Over the
        // active profile the pages reload: they would otherwise write back what was replaced.
        function test_six_rows_import_over_the_selected_one_data() {
            return [{ tag: "active row", row: 3, reloads: true }, { tag: "other row", row: 4, reloads: false }]
        }

        function test_six_rows_import_over_the_selected_one(data) {
            var six = ["Standard0", "A1", "B2", "C3", "D4", "E5"]
            var page = openProfiles("mouse", six, 3)
            mouseClick(child(page, "profileNew"))
            compare(calls("resetProfile"), [])
            mouseClick(child(page, "profileRow" + data.row))
            mouseClick(child(page, "profileImport"))
            compare([profileTexts(page), calls("loadProfile")], [six, [[data.row]]])
            compare(callLog.count("ui_View.mouseSetKeyMatrix") > 0, data.reloads)
            compare(main.profileNo, 3)
            mouseClick(child(page, "profileRow4"), 40, 12, Qt.RightButton)
            shoot(main, "profiles-six-rows.png")
        }

        function test_import_adds_a_row_and_a_cancelled_one_takes_it_back() {
            var page = openProfiles("mouse", ["Standard0", "A1"])
            mouseClick(child(page, "profileImport"))
            compare(calls("loadProfile"), [[2]])
            callLog.setReturn("loadProfile", false)
            mouseClick(child(page, "profileImport"))
            compare(profileTexts(page), ["Standard0", "A1", "profile_02"])
            compare(lastCall("updataNameList"), [2, profileTexts(page)])
        }

        function test_row_0_and_the_active_row_cannot_be_deleted_data() {
            return [{ tag: "row 0", row: 0 }, { tag: "active row", row: 2 }]
        }

        function test_row_0_and_the_active_row_cannot_be_deleted(data) {
            var page = openProfiles("mouse", ["Standard0", "A1", "B2"], 2)
            rowMenu(page, data.row, 0)
            compare(profileTexts(page), ["Standard0", "A1", "B2"])
            compare(callLog.count("ui_View.updataNameList"), 0)
        }

        // Numbers stay positions: the profiles below move up a slot with their files.
        function test_delete_moves_the_later_profiles_up_and_the_active_one_follows() {
            callLog.setKeyedReturn("getGlobalData", "keyboard/profileNo", "1")
            var page = openProfiles("mouse", ["Standard0", "A1", "B2", "C3"], 3)
            rowMenu(page, 1, 0)
            compare(profileTexts(page), ["Standard0", "B1", "C2"])
            compare(calls("copyProfile"), [[1, 2], [2, 3]])
            compare(main.profileNo, 2)
            compare(child(main, "profileSelector").textValue, "C")
            compare(calls("setCurrentProfile"), [[2]])
            compare(calls("setGlobalData"), [["mouse/profileNo", 2], ["keyboard/profileNo", 0]])
        }

    }
}
