import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        id: testCase
        name: "MacroAndProfiles"
        when: windowShown

        property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        SignalSpy { id: nameSpy; signalName: "modifyMacroName" }
        SignalSpy { id: dataSpy; signalName: "modifyMacroData" }

        function init() {
            failOnWarning(/.?/)
            callLog.clear()
            callLog.clearReturns()
            nameSpy.clear()
            dataSpy.clear()
        }

        function child(root, name) {
            var found = findChild(root, name)
            verify(found !== null, "no child " + name)
            return found
        }

        function startedMain(type) {
            compare(mainComponent.status, Component.Ready, mainComponent.errorString())
            var main = createTemporaryObject(mainComponent, stage, { "deviceType": type })
            main.initUI()
            animationClock.advanceBy(1040)
            verify(main.started)
            callLog.clear()
            return main
        }

        function shoot(item, file) {
            animationClock.advanceBy(0)
            grabImage(item).save(screenshotDir + "/" + file)
        }

        // The editor open, with its signals spied on.
        function openEditor(main) {
            mouseClick(child(main, "macroEditorButton"))
            var editor = child(main, "macroEditor")
            verify(editor.visible)
            nameSpy.target = editor
            dataSpy.target = editor
            return editor
        }

        function lastArgs(name) {
            var all = callLog.argsOf(name)
            verify(all.length > 0, name + " was not called")
            return all[all.length - 1]
        }

        function names(editor) {
            var list = []
            for (var i = 0; i < editor.macroNumberModel.count; ++i)
                list.push(editor.macroNumberModel.get(i).textValue)
            return list
        }

        function rows(editor) {
            var list = []
            for (var i = 0; i < editor.macroData_lv.count; ++i)
                list.push(editor.macroData_lv.get(i).type + "," + editor.macroData_lv.get(i).info)
            return list
        }

        function typeText(text) {
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        // ---- macro encoding as sent for a bound button or key ----

        function test_send_encodes_the_stored_macro_data() {
            return [
                { tag: "press and release without delay", stored: ["1,A", "2,A", "2"],
                  bytes: [0x00, 0x02, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
                { tag: "1500 ms after a press", stored: ["1,A", "0,1500", "2,A", "1"],
                  bytes: [0x00, 0x01, 0x7F, 0x04, 0x00, 0x96, 0x81, 0x04, 0x00, 0x00] },
                { tag: "1500 ms after a release", stored: ["2,A", "0,1500", "1,B", "1"],
                  bytes: [0x00, 0x01, 0xFF, 0x04, 0x00, 0x96, 0x01, 0x05, 0x00, 0x00] },
                { tag: "two delay rows fold", stored: ["1,A", "0,50", "0,50", "2,A", "1"],
                  bytes: [0x00, 0x01, 0x0A, 0x04, 0x81, 0x04, 0x00, 0x00] },
                { tag: "leading delays are dropped", stored: ["0,500", "0,20", "1,A", "2,A", "1"],
                  bytes: [0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00] },
                { tag: "a single press", stored: ["1,A", "1"], bytes: [0x00, 0x01, 0x01, 0x04, 0x00, 0x00] },
                { tag: "mouse buttons by name", stored: ["3,MS-L", "4,MS-L", "300"],
                  bytes: [0x01, 0x2C, 0x01, 0xF0, 0x81, 0xF0, 0x00, 0x00] },
            ]
        }

        function test_send_encodes_the_stored_macro(data) {
            callLog.setKeyedReturn("loadMacroIni", "M", data.stored)
            var main = startedMain("keyboard")
            child(main, "macroEditor").sendMacro(5, "M")
            compare(callLog.argsOf("ui_View.keyboardSendMacroData"), [[data.bytes, 5]])
        }

        // The keyboard's macro command means something else to the mouse.
        function test_send_in_the_mouse_layout_goes_to_the_mouse() {
            callLog.setKeyedReturn("loadMacroIni", "M", ["1,A", "1"])
            var main = startedMain("mouse")
            child(main, "macroEditor").sendMacro(3, "M")
            compare(callLog.count("ui_View.keyboardSendMacroData"), 0)
            compare(callLog.argsOf("ui_View.mouseSendMacroData"), [[[0, 1, 1, 4, 0, 0], 3]])
        }

        function test_send_of_a_missing_macro_sends_nothing() {
            var main = startedMain("keyboard")
            child(main, "macroEditor").sendMacro(1, "gone")
            compare(callLog.count("ui_View.keyboardSendMacroData"), 0)
        }

        // A button bound to the edited macro gets it again, on its own device only.
        function test_an_edit_resends_the_macro_to_the_layout_in_use_data() {
            return [{ tag: "mouse", type: "mouse", sends: [["mouseSendMacroData", 2]] },
                    { tag: "keyboard", type: "keyboard", sends: [] }]
        }

        function test_an_edit_resends_the_macro_to_the_layout_in_use(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "1"])
            callLog.setKeyedReturn("mouseGetKeydefine", 2, [4, 0, 2, 0])
            callLog.setKeyedReturn("getData", "mouseMacroKey/2", "Macro_0")
            var main = startedMain(data.type)
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            mouseClick(child(editor, "macroTimes"))
            keyClick(Qt.Key_Return)
            compare(dataSpy.count, 1)
            var sends = []
            var names = ["mouseSendMacroData", "keyboardSendMacroData"]
            for (var n = 0; n < names.length; ++n) {
                var all = callLog.argsOf("ui_View." + names[n])
                for (var i = 0; i < all.length; ++i)
                    sends.push([names[n], all[i][1]])
            }
            compare(sends, data.sends)
        }

        // ---- the macro list ----

        function test_one_stored_name_with_the_sentinel_is_one_macro() {
            callLog.setKeyedReturn("getNameList", 0, ["Solo", "loaderzephyx"])
            var main = startedMain("mouse")
            compare(names(child(main, "macroEditor")), ["Solo"])
            compare(child(main, "assignMacroList").count, 1)
        }

        function test_new_takes_the_lowest_free_number() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Renamed", "Macro_2", "Macro_3"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_1", ["1"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroNew"))
            compare(names(editor), ["Macro_0", "Renamed", "Macro_2", "Macro_3", "Macro_1"])
            compare(editor.macroNumber_lv.currentIndex, 4)
            compare(callLog.argsOf("ui_View.createMacroIni"), [["Macro_1", 0]])
            compare(lastArgs("ui_View.updataNameList"), [0, names(editor)])
            compare(child(main, "kbMacroList").count, 5)
        }

        function test_a_hundred_macros_take_no_more() {
            var many = []
            for (var i = 0; i < 100; ++i)
                many.push("m" + i)
            callLog.setKeyedReturn("getNameList", 0, many)
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            editor.newMacro()
            editor.importMacro()
            compare(editor.macroNumberModel.count, 100)
            compare(callLog.count("ui_View.createMacroIni") + callLog.count("ui_View.loadMacroFile"), 0)
        }

        function test_selecting_loads_actions_and_times() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_1", ["1,A", "0,120", "2,A", "7"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName1"))
            compare(rows(editor), ["1,A", "0,120", "2,A"])
            compare(editor.timesField.textValue, "7")
        }

        function test_import_inserts_before_the_selection_and_falls_back_to_an_empty_macro() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName1"), 10, 10, Qt.RightButton)
            var menu = child(editor, "macroNameMenu")
            verify(menu.visible)
            shoot(main, "macro-name-menu.png")
            mouseClick(child(menu, "menuEntry1"))
            verify(!menu.visible)
            compare(names(editor), ["Macro_0", "Macro_2", "Macro_1"])
            compare(editor.macroNumber_lv.currentIndex, 1)
            compare(callLog.argsOf("ui_View.loadMacroFile"), [["Macro_2"]])
            // The dialog was cancelled: the name gets an empty macro.
            compare(callLog.argsOf("ui_View.createMacroIni"), [["Macro_2", 0]])
        }

        function test_delete_and_export_act_on_the_selected_macro() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1", "Macro_2"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName1"), 10, 10, Qt.RightButton)
            mouseClick(child(child(editor, "macroNameMenu"), "menuEntry2"))
            compare(callLog.argsOf("ui_View.saveMacroFile"), [["Macro_1"]])
            mouseClick(child(editor, "macroDelete"))
            compare(callLog.argsOf("ui_View.deleteMacroIni"), [["Macro_1"]])
            compare(names(editor), ["Macro_0", "Macro_2"])
            compare(editor.macroNumber_lv.currentIndex, 1)
            compare(lastArgs("ui_View.loadMacroIni"), ["Macro_2"])
            // Bound buttons keep their binding.
            compare(callLog.count("ui_View.deleteMacroUpdateProfile"), 0)
        }

        // The mouse's button list renames the file with its bindings; in the
        // keyboard layout the main screen does. Either way, once.
        function test_rename_in_place_data() {
            return [{ tag: "mouse", type: "mouse" }, { tag: "keyboard", type: "keyboard" }]
        }

        function test_rename_in_place(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            callLog.setReturn("modifyMacroNameUpdateProfile", true)
            var main = startedMain(data.type)
            var editor = openEditor(main)
            mouseDoubleClickSequence(child(editor, "macroName0"))
            verify(child(child(editor, "macroName0"), "renameField").visible)
            typeText("Jump")
            keyClick(Qt.Key_Return)
            compare(names(editor), ["Jump", "Macro_1"])
            compare(nameSpy.count, 1)
            compare([nameSpy.signalArguments[0][0], nameSpy.signalArguments[0][1]], ["Macro_0", "Jump"])
            compare(callLog.argsOf("ui_View.modifyMacroNameUpdateProfile"), [["Macro_0", "Jump"]])
            compare(lastArgs("ui_View.updataNameList"), [0, ["Jump", "Macro_1"]])
            // Later edits of the selected macro go to its new name.
            mouseClick(child(editor, "macroName0"))
            mouseClick(child(editor, "macroTimes"))
            keyClick(Qt.Key_Return)
            compare(lastArgs("ui_View.saveMacroIni")[0], "Jump")
        }

        function test_rename_onto_a_name_in_use_or_an_unsafe_name_is_ignored_data() {
            return [{ tag: "name in use", text: "Macro_1" }, { tag: "path", text: "../x" },
                    { tag: "empty", text: "   " }]
        }

        function test_rename_onto_a_name_in_use_or_an_unsafe_name_is_ignored(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseDoubleClickSequence(child(editor, "macroName0"))
            typeText(data.text)
            // A press elsewhere in the editor ends the edit like Return.
            mousePress(editor, 300, 420)
            mouseRelease(editor, 300, 420)
            compare(names(editor), ["Macro_0", "Macro_1"])
            compare(nameSpy.count, 0)
            compare(callLog.count("ui_View.updataNameList"), 0)
        }

        // ---- recording ----

        function test_recording_without_a_selected_macro_records_nothing() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "recordButton"))
            verify(!editor.isInputting)
            main.detectKeyboard(true, 0x04)
            compare(editor.macroData_lv.count, 0)
            compare(callLog.count("ui_View.saveMacroIni"), 0)
        }

        function test_recording_takes_press_release_and_delays_data() {
            return [{ tag: "with delays", delay: true, rows: ["1,A", "0,150", "2,A", "0,40", "3,MS-L"] },
                    { tag: "without delays", delay: false, rows: ["1,A", "2,A", "3,MS-L"] }]
        }

        function test_recording_takes_press_release_and_delays(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,Z", "3"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            if (data.delay)
                mouseClick(child(editor, "macroDelayCheck"))
            mouseClick(child(editor, "recordButton"))
            verify(editor.isInputting)
            compare(editor.macroData_lv.count, 0)
            // The pause before the first key is not recorded.
            animationClock.advanceBy(500)
            main.detectKeyboard(true, 0x04)
            animationClock.advanceBy(150)
            main.detectKeyboard(false, 0x04)
            animationClock.advanceBy(40)
            main.detectKeyboard(true, 0xF0)
            if (data.delay)
                shoot(main, "macro-recording.png")
            compare(callLog.count("ui_View.saveMacroIni"), 0)
            mouseClick(child(editor, "recordButton"))
            verify(!editor.isInputting)
            compare(rows(editor), data.rows)
            compare(callLog.argsOf("ui_View.saveMacroIni"), [["Macro_0", data.rows, "3"]])
            compare(dataSpy.count, 1)
            compare(dataSpy.signalArguments[0][0], "Macro_0")
        }

        function test_recording_stops_growing_at_the_size_limit() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            mouseClick(child(editor, "recordButton"))
            for (var i = 0; i < 80; ++i)
                main.detectKeyboard(i % 2 === 0, 0x04)
            // 2 + 2 per action + 2 may not reach 126: 61 actions.
            compare(editor.macroData_lv.count, 61)
        }

        function test_closing_the_editor_ends_a_recording_and_saves() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            mouseClick(child(editor, "recordButton"))
            main.detectKeyboard(true, 0x05)
            mouseClick(child(editor, "dialogClose"))
            verify(!editor.visible)
            verify(!editor.isInputting)
            compare(callLog.argsOf("ui_View.saveMacroIni"), [["Macro_0", ["1,B"], "1"]])
        }

        // ---- the action menu ----

        // Delegates of newly loaded actions exist after the list's next layout.
        function actionRow(editor, row) {
            editor.actionView.view.forceLayout()
            return child(editor, "macroAction" + row)
        }

        function openActionMenu(editor, row) {
            mouseClick(actionRow(editor, row), 40, 10, Qt.RightButton)
            var menu = child(editor, "macroActionMenu")
            verify(menu.visible)
            return menu
        }

        function test_action_menu_entries_data() {
            return [
                { tag: "delete", entry: 0, rows: ["1,A", "1,B", "2,B"] },
                { tag: "insert delay before", entry: 1, rows: ["1,A", "0,50", "2,A", "1,B", "2,B"] },
                { tag: "insert left key after", entry: 3, rows: ["1,A", "2,A", "3,MS-L", "4,MS-L", "1,B", "2,B"] },
                { tag: "insert middle key after", entry: 4, rows: ["1,A", "2,A", "3,MS-M", "4,MS-M", "1,B", "2,B"] },
                { tag: "insert right key after", entry: 5, rows: ["1,A", "2,A", "3,MS-R", "4,MS-R", "1,B", "2,B"] },
            ]
        }

        function test_action_menu_entries(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "2,A", "1,B", "2,B", "1"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            var menu = openActionMenu(editor, 1)
            mouseClick(child(menu, "menuEntry" + data.entry))
            compare(rows(editor), data.rows)
            compare(callLog.argsOf("ui_View.saveMacroIni"), [["Macro_0", data.rows, "1"]])
            compare(dataSpy.count, 1)
        }

        function test_insert_key_goes_before_the_selection_or_after_the_last_row_data() {
            return [{ tag: "first row", row: 0, rows: ["1,C", "2,C", "1,A", "2,A"] },
                    { tag: "last row", row: 1, last: true, rows: ["1,A", "2,A", "1,C", "2,C"] }]
        }

        function test_insert_key_goes_before_the_selection_or_after_the_last_row(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "2,A", "1"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            var menu = openActionMenu(editor, data.row)
            if (data.last)
                shoot(main, "macro-action-menu.png")
            mouseClick(child(menu, "menuEntry2"))
            verify(editor.isInsertting)
            // Mouse buttons are not keys to insert.
            main.detectKeyboard(true, 0x06)
            main.detectKeyboard(true, 0xF1)
            compare(child(editor, "insertKeyName").text, "C")
            if (data.last)
                shoot(main, "macro-insert-key.png")
            mouseClick(child(editor, "insertKeyOk"))
            verify(!editor.isInsertting)
            compare(rows(editor), data.rows)
        }

        function test_editing_a_delay_data() {
            return [{ tag: "number", text: "300", info: "300" },
                    { tag: "emptied", text: "", info: "50" }]
        }

        function test_editing_a_delay(data) {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "0,50", "2,A", "1"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            mouseDoubleClickSequence(actionRow(editor, 1))
            verify(child(actionRow(editor, 1), "delayField").visible)
            keyClick(Qt.Key_Backspace)
            typeText(data.text)
            keyClick(Qt.Key_Return)
            compare(editor.macroData_lv.get(1).info, data.info)
            compare(callLog.argsOf("ui_View.saveMacroIni"), [["Macro_0", ["1,A", "0," + data.info, "2,A"], "1"]])
        }

        function test_emptied_times_field_saves_zero() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0"])
            callLog.setKeyedReturn("loadMacroIni", "Macro_0", ["1,A", "4"])
            var main = startedMain("keyboard")
            var editor = openEditor(main)
            mouseClick(child(editor, "macroName0"))
            mouseClick(child(editor, "macroTimes"))
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Return)
            compare(callLog.argsOf("ui_View.saveMacroIni"), [["Macro_0", ["1,A"], "0"]])
        }

        // ---- profiles ----

        function openProfiles(main) {
            mouseClick(child(main, "configButton"))
            var page = child(main, "profilePage")
            verify(page.visible)
            return page
        }

        function profileTexts(page) {
            var list = []
            for (var i = 0; i < page.profileDataModel0.count; ++i)
                list.push(page.profileDataModel0.get(i).textValue + page.profileDataModel0.get(i).profileNo)
            return list
        }

        function test_row_0_is_standard_and_only_the_last_digit_is_the_number() {
            callLog.setKeyedReturn("getNameList", 2, ["Mine0", "Team23"])
            var main = startedMain("mouse")
            var page = child(main, "profilePage")
            compare(page.profileDataModel0.get(1).textValue, "Team2")
            compare(page.profileDataModel0.get(1).profileNo, 3)
            compare(profileTexts(page), ["Standard0", "Team23"])
        }

        function test_standard_alone_is_stored_with_its_sentinel_dropped() {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "loaderzephyx"])
            var main = startedMain("mouse")
            compare(profileTexts(child(main, "profilePage")), ["Standard0"])
        }

        function test_new_appends_selects_and_resets_the_profile() {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "profile_0" + "1"])
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseClick(child(page, "profileNew"))
            compare(profileTexts(page), ["Standard0", "profile_01", "profile_12"])
            compare(page.selectedRow, 2)
            compare(callLog.argsOf("ui_View.resetProfile"), [[2]])
            compare(lastArgs("ui_View.updataNameList"), [2, profileTexts(page)])
            compare(child(main, "profileSelector").count, 3)
        }

        function sixRows() {
            return ["Standard0", "A1", "B2", "C3", "D4", "E5"]
        }

        function test_six_rows_take_no_new_row_but_import_over_the_selected_one() {
            callLog.setKeyedReturn("getNameList", 2, sixRows())
            callLog.setReturn("loadProfile", true)
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseClick(child(page, "profileNew"))
            compare(profileTexts(page), sixRows())
            compare(callLog.count("ui_View.resetProfile"), 0)
            mouseClick(child(page, "profileRow3"))
            mouseClick(child(page, "profileImport"))
            compare(profileTexts(page), sixRows())
            compare(callLog.argsOf("ui_View.loadProfile"), [[3]])
            mouseClick(child(page, "profileRow4"), 40, 12, Qt.RightButton)
            verify(child(page, "profileRowMenu").visible)
            shoot(main, "profiles-six-rows.png")
        }

        // The pages would otherwise keep showing, and on Save write back, what was replaced.
        function test_import_over_the_active_profile_reloads_the_pages_data() {
            return [{ tag: "active row", row: 3, reloads: true }, { tag: "other row", row: 4, reloads: false }]
        }

        function test_import_over_the_active_profile_reloads_the_pages(data) {
            callLog.setKeyedReturn("getNameList", 2, sixRows())
            callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "3")
            callLog.setReturn("loadProfile", true)
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseClick(child(page, "profileRow" + data.row))
            mouseClick(child(page, "profileImport"))
            compare(callLog.argsOf("ui_View.loadProfile"), [[data.row]])
            compare(callLog.count("ui_View.mouseSetKeyMatrix") > 0, data.reloads)
            compare(main.profileNo, 3)
        }

        function test_import_adds_a_row_and_a_cancelled_one_takes_it_back() {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "A1"])
            var main = startedMain("mouse")
            var page = openProfiles(main)
            callLog.setReturn("loadProfile", true)
            mouseClick(child(page, "profileImport"))
            compare(profileTexts(page), ["Standard0", "A1", "profile_02"])
            compare(callLog.argsOf("ui_View.loadProfile"), [[2]])
            callLog.setReturn("loadProfile", false)
            mouseClick(child(page, "profileImport"))
            compare(profileTexts(page), ["Standard0", "A1", "profile_02"])
            compare(lastArgs("ui_View.updataNameList"), [2, profileTexts(page)])
        }

        function test_row_0_and_the_active_row_cannot_be_deleted_data() {
            return [{ tag: "row 0", row: 0 }, { tag: "active row", row: 2 }]
        }

        function test_row_0_and_the_active_row_cannot_be_deleted(data) {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "A1", "B2"])
            callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "2")
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseClick(child(page, "profileRow" + data.row), 40, 12, Qt.RightButton)
            mouseClick(child(child(page, "profileRowMenu"), "menuEntry0"))
            compare(profileTexts(page), ["Standard0", "A1", "B2"])
            compare(callLog.count("ui_View.updataNameList"), 0)
        }

        // Numbers stay positions: the profiles below move up a slot with their files.
        function test_delete_moves_the_later_profiles_up_and_the_active_one_follows() {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "A1", "B2", "C3"])
            callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "3")
            callLog.setKeyedReturn("getGlobalData", "keyboard/profileNo", "1")
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseClick(child(page, "profileRow1"), 40, 12, Qt.RightButton)
            mouseClick(child(child(page, "profileRowMenu"), "menuEntry0"))
            compare(profileTexts(page), ["Standard0", "B1", "C2"])
            compare(callLog.argsOf("ui_View.copyProfile"), [[1, 2], [2, 3]])
            compare(main.profileNo, 2)
            compare(child(main, "profileSelector").textValue, "C")
            compare(callLog.argsOf("ui_View.setCurrentProfile"), [[2]])
            compare(callLog.argsOf("ui_View.setGlobalData"), [["mouse/profileNo", 2], ["keyboard/profileNo", 0]])
        }

        function test_export_saves_the_row_of_the_menu() {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "A1", "B2"])
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseClick(child(page, "profileRow2"), 40, 12, Qt.RightButton)
            mouseClick(child(child(page, "profileRowMenu"), "menuEntry1"))
            compare(callLog.argsOf("ui_View.saveProfile"), [[2]])
        }

        function test_rename_of_a_profile_data() {
            return [{ tag: "free name", text: "Sniper", texts: ["Standard0", "Sniper1", "B2"] },
                    { tag: "name of another row", text: "B", texts: ["Standard0", "A1", "B2"] }]
        }

        function test_rename_of_a_profile(data) {
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "A1", "B2"])
            var main = startedMain("mouse")
            var page = openProfiles(main)
            mouseDoubleClickSequence(child(page, "profileRow1"))
            verify(child(child(page, "profileRow1"), "profileRename").visible)
            typeText(data.text)
            keyClick(Qt.Key_Return)
            compare(profileTexts(page), data.texts)
            // Selecting a row does not switch the active profile.
            compare(main.profileNo, 0)
        }
    }
}
