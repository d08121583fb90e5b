import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    id: testCase
    name: "MainScreen"
    when: windowShown

    property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        failOnWarning(/.?/)
        callLog.clear()
        callLog.clearReturns()
    }

    function child(root, name) {
        var found = findChild(root, name)
        verify(found !== null, "no child " + name)
        return found
    }

    function makeMain(type) {
        compare(mainComponent.status, Component.Ready, mainComponent.errorString())
        return createTemporaryObject(mainComponent, stage, { "deviceType": type })
    }

    // First start done and the start-up lock (1000 ms from the next frame) run out.
    function startedMain(type) {
        var main = makeMain(type)
        main.initUI()
        animationClock.advanceBy(1040)
        verify(main.started)
        callLog.clear()
        return main
    }

    function args(name) {
        return callLog.argsOf(name)
    }

    function clickDropRow(list, row) {
        mouseClick(list, list.width / 2, list.height / 2)
        animationClock.advanceBy(200)
        verify(list.isDrop)
        mouseClick(list, list.width / 2, list.height + 24 * row + 12)
        animationClock.advanceBy(200)
    }

    // Only the 560 family keeps profiles of its own; the program runs it on profile 1.
    function test_first_start_data() {
        return [
            { tag: "560 on profile 3", ic: "560", device: 3, fixes: [[1]] },
            { tag: "560 on profile 1", ic: "560", device: 1, fixes: [] },
            { tag: "553", ic: "", device: 3, fixes: [] }
        ]
    }

    function test_first_start(data) {
        if (data.ic)
            callLog.setKeyedReturn("getGlobalData", "mouse/icType", data.ic)
        callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "2")
        callLog.setReturn("mouseReadCurrentProfile", data.device)
        callLog.setReturn("mouseGetCurrentDPI", 3)
        var main = makeMain("mouse")
        main.initUI()
        verify(main.busy)
        compare(callLog.names()[0], "ui_View.setEnabled")
        compare(callLog.count("ui_View.mouseReadKeyboardType"), 1)
        compare(callLog.count("ui_View.mouseReadCurrentProfile"), data.ic ? 1 : 0)
        compare(args("hid.hid560_02H_SetCurrentProfile"), data.fixes)
        compare(args("ui_View.setCurrentProfile"), [[2]])
        compare(child(main, "dpiPage").currentDPI, 2)
        // The first start sends nothing else to the device.
        var sent = callLog.names().filter(function(n) { return /\.mouseSet|\.keyboardSet/.test(n) })
        compare(sent, [])
        animationClock.advanceBy(980)
        verify(main.busy)
        animationClock.advanceBy(60)
        verify(!main.busy)
        verify(!child(main, "powerOn").visible)
        compare(args("ui_View.setEnabled"), [[false], [true]])
        // Later starts only lock and refresh the stage.
        callLog.clear()
        callLog.setReturn("mouseGetCurrentDPI", 4)
        main.initUI()
        compare(callLog.names(), ["ui_View.setEnabled", "ui_View.mouseGetCurrentDPI"])
        compare(child(main, "dpiPage").currentDPI, 3)
    }

    function test_language_file_texts_win_where_given() {
        callLog.setKeyedReturn("getLangStrings", "main", ["编辑", "宏编辑"])
        var names = []
        for (var i = 0; i < 133; ++i)
            names.push("K" + i)
        callLog.setKeyedReturn("getLangStrings", "keyCode", names)
        var main = makeMain("keyboard")
        main.initUI()
        compare([main.mainLang[0], main.mainLang[1], main.mainLang[10]], ["编辑", "宏编辑", "Save"])
        var setting = child(main, "kbKeySetting")
        setting.isKeyInput = true
        main.detectKeyboard(true, 0x04)
        compare(setting.keyValueText, "K0")
    }

    function test_setCurrentDPI_ignores_what_is_no_stage() {
        var main = startedMain("mouse")
        var dpi = child(main, "dpiPage")
        var calls = [[3, 2], [0, 2], ["5", 4], [undefined, 4]]
        for (var i = 0; i < calls.length; ++i) {
            main.setCurrentDPI(calls[i][0])
            compare(dpi.currentDPI, calls[i][1], String(calls[i][0]))
        }
        compare(callLog.names(), [])
    }

    function test_input_lock() {
        var main = startedMain("mouse")
        main.setProtectUI(0)
        verify(main.busy)
        verify(child(main, "busyIndicator").visible)
        animationClock.advanceBy(16)
        verify(!main.busy)
        main.controlUIEnable(false)
        animationClock.advanceBy(5000)
        verify(main.busy)
        main.controlUIEnable(true)
        verify(!main.busy)
        verify(!child(main, "busyIndicator").visible)
        compare(args("ui_View.setEnabled"), [[false], [true], [false], [true]])
    }

    function test_report_rate_is_stored_by_row_and_sent_as_the_device_code() {
        callLog.setKeyedReturn("getData", "mouse/reportRate", "1")
        var main = startedMain("mouse")
        var list = child(main, "reportRateList")
        compare(list.textValue, "250Hz")
        clickDropRow(list, 3)
        compare(args("ui_View.setData"), [["mouse/reportRate", 3]])
        compare(args("ui_View.mouseSetReportRate"), [[1]])
        callLog.clear()
        child(main, "reportRate").init(true)
        compare(args("ui_View.mouseSetReportRate"), [[4]])
    }

    function test_save_sends_the_dirty_pages_under_the_lock() {
        var main = startedMain("mouse")
        mouseClick(child(main, "saveButton"))
        compare(callLog.count("ui_View.mouseSetKeyMatrix") + callLog.count("ui_View.mouseSetDpi"), 0)
        verify(callLog.count("ui_View.keyboardSetRGBEffect") > 0)
        callLog.clear()
        child(main, "keyMatrix").isSave = true
        child(main, "dpiPage").isSave = true
        mouseClick(child(main, "saveButton"))
        var names = callLog.names()
        compare(args("ui_View.setEnabled"), [[false], [true]])
        verify(names.indexOf("ui_View.mouseSetKeyMatrix") > names.indexOf("ui_View.setEnabled"))
        verify(names.indexOf("ui_View.mouseSetDpi") < names.lastIndexOf("ui_View.setEnabled"))
        compare(callLog.count("ui_View.mouseSetRGBEffect"), 0)
        verify(!main.anyDirty)
    }

    function test_profile_change_data() {
        return [
            { tag: "mouse with guns", type: "mouse", guns: "true", row: 1, layers: 1 },
            { tag: "mouse without guns", type: "mouse", guns: "false", row: 1, layers: 0 },
            { tag: "same profile", type: "mouse", guns: "true", row: 0, same: true },
            { tag: "keyboard", type: "keyboard", guns: "false", row: 2 }
        ]
    }

    function test_profile_change(data) {
        callLog.setReturn("getNameList", ["Mine0", "Work1", "Play2"])
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", data.guns)
        var main = startedMain(data.type)
        clickDropRow(child(main, "profileSelector"), data.row)
        compare(main.profileNo, data.row)
        if (data.same) {
            compare(callLog.names(), [])
            return
        }
        compare(args("ui_View.setGlobalData"), [[data.type + "/profileNo", data.row]])
        compare(args("ui_View.setCurrentProfile"), [[data.row]])
        compare(args("ui_View.setEnabled"), [[false], [true]])
        var mouse = data.type === "mouse"
        compare(callLog.count("ui_View.mouseSetKeyMatrix") > 0, mouse)
        compare(callLog.count("ui_View.keyboardSetKeyMatrix") > 0, !mouse)
        if (mouse) {
            compare(callLog.count("ui_View.mouseSwitchKeyMatrix"), data.layers)
            compare(callLog.count("ui_View.mouseResetKeyMatrix"), data.layers)
        }
        verify(!main.busy)
    }

    function test_reset_dialog_cancel_and_close_leave_everything() {
        var main = startedMain("mouse")
        var dialog = child(main, "resetDialog")
        mouseClick(child(main, "resetButton"))
        verify(dialog.visible)
        verify(child(main, "mainMask").visible)
        mouseClick(child(main, "resetCancel"))
        verify(!dialog.visible)
        verify(!child(main, "mainMask").visible)
        mouseClick(child(main, "systemSettingButton"))
        mouseClick(child(child(main, "systemSetting"), "dialogClose"))
        verify(!child(main, "mainMask").visible)
        compare(callLog.names(), [])
    }

    function test_reset_of_the_mouse() {
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
        var main = startedMain("mouse")
        child(main, "dpiPage").isSave = true
        mouseClick(child(main, "resetButton"))
        mouseClick(child(main, "resetOk"))
        verify(!child(main, "mainMask").visible)
        compare(args("ui_View.resetProfile"), [[0]])
        compare(args("ui_View.mouseSetCurrentDPI"), [[2]])
        compare(args("ui_View.setGlobalData"), [["mouse/selectGun", [0, 1, 2]]])
        compare(callLog.count("ui_View.mouseSendGundata"), 3)
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), 0)
        verify(!main.anyDirty)
        compare(args("ui_View.setEnabled"), [[false], [true]])
    }

    function test_reset_of_the_keyboard_reloads_from_the_factory_profile() {
        var main = startedMain("keyboard")
        mouseClick(child(main, "resetButton"))
        mouseClick(child(main, "resetOk"))
        // The first key of the picture, Esc, is matrix index 5.
        compare(args("ui_View.getDataList")[0], ["keyboardFunctionData/5", true])
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), 1)
        compare(callLog.count("ui_View.resetProfile") + callLog.count("ui_View.mouseSetKeyMatrix"), 0)
    }

    function test_device_type_change_runs_the_first_start_again() {
        callLog.setKeyedReturn("getGlobalData", "keyboard/profileNo", "1")
        callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "2")
        callLog.setReturn("getNameList", ["Std0", "A1", "B2"])
        callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
        var main = startedMain("keyboard")
        compare(main.profileNo, 1)
        compare(child(main, "assignMacroList").count, 0)
        main.deviceType = "mouse"
        callLog.clear()
        main.initUI()
        compare(callLog.count("ui_View.mouseReadKeyboardType"), 1)
        compare(main.profileNo, 2)
        compare(child(main, "profileSelector").currentSelect, 2)
        compare(child(main, "assignMacroList").count, 2)
        animationClock.advanceBy(1040)
        verify(child(main, "mouseMain").visible)
        verify(!child(main, "keyboardMain").visible)
    }

    function test_keys_reach_only_a_waiting_receiver() {
        var main = startedMain("mouse")
        var assign = child(main, "keyAssigment")
        var editor = child(main, "macroEditor")
        main.detectKeyboard(true, 0x04)
        compare(assign.keyCode0, 0)
        assign.isFireInput = true
        main.detectKeyboard(false, 0x05)
        verify(!assign.isFireInput)
        compare([assign.keyCode0, assign.keyCode1], [1, 0x05])
        // Recording needs a selected macro.
        editor.isInputting = true
        main.detectKeyboard(true, 0x06)
        compare(editor.macroData_lv.count, 0)
        editor.macroNumberModel.append({ "textValue": "Macro_0" })
        editor.macroNumber_lv.currentIndex = 0
        main.detectKeyboard(true, 0x06)
        compare(editor.macroData_lv.get(0).info, "C")
        editor.isInputting = false
        editor.isInsertting = true
        main.detectKeyboard(true, 0x07)
        compare(editor.insertKeyText, "D")
        compare(editor.macroData_lv.count, 1)
        compare(assign.keyCode1, 0x05)
    }

    function test_background_drags_the_window_and_closes_drop_downs() {
        var main = startedMain("mouse")
        var list = child(main, "reportRateList")
        mouseClick(list)
        animationClock.advanceBy(200)
        mousePress(main, 700, 580)
        mouseMove(main, 710, 575)
        mouseRelease(main, 710, 575)
        animationClock.advanceBy(200)
        verify(!list.isDrop)
        compare([args("ui_Ctl.onXChanged")[0], args("ui_Ctl.onYChanged")[0]], [[10], [-5]])
    }

    function test_dialogs_drag_inside_the_window_only() {
        var main = startedMain("mouse")
        var dialog = child(main, "profilePage")
        mouseClick(child(main, "configButton"))
        mousePress(dialog, 200, 250)
        mouseMove(dialog, -600, -400)
        mouseMove(dialog, -900, -700)
        mouseRelease(dialog, -900, -700)
        compare([dialog.x, dialog.y], [0, 0])
        mousePress(dialog, 10, 250)
        mouseMove(dialog, 1500, 900)
        mouseRelease(dialog, 1500, 900)
        compare([dialog.x, dialog.y], [1024 - dialog.width, 640 - dialog.height])
        // Other buttons do not drag.
        mousePress(dialog, 200, 250, Qt.RightButton)
        mouseMove(dialog, 150, 200, -1, Qt.RightButton)
        mouseRelease(dialog, 150, 200, Qt.RightButton)
        compare(dialog.x, 1024 - dialog.width)
        compare(callLog.count("ui_Ctl.onXChanged"), 0)
    }

    function test_dimming_layer_swallows_clicks_closes_lists_and_drags_with_the_left_button() {
        var main = startedMain("mouse")
        var light = child(main, "lightEffectList")
        mouseClick(light)
        animationClock.advanceBy(120)
        verify(light.isDrop)
        main.openDialog(child(main, "profilePage"))
        verify(child(main, "mainMask").visible)
        mouseClick(main, 990, 620)
        var label = child(main, "mouseLabel2")
        var at = label.mapToItem(main, label.width / 2, label.height / 2)
        mouseClick(main, at.x, at.y, Qt.RightButton)
        verify(!child(main, "keyAssigment").visible)
        compare(callLog.count("hid.hidARM_09H_SetKeyboardMode"), 0)
        animationClock.advanceBy(120)
        verify(!light.isDrop)
        mousePress(main, 30, 610, Qt.RightButton)
        mouseMove(main, 60, 630, -1, Qt.RightButton)
        mouseRelease(main, 60, 630, Qt.RightButton)
        compare(callLog.count("ui_Ctl.onXChanged"), 0)
        mousePress(main, 30, 610)
        mouseMove(main, 40, 630)
        mouseRelease(main, 40, 630)
        compare([args("ui_Ctl.onXChanged")[0], args("ui_Ctl.onYChanged")[0]], [[10], [20]])
    }

    function test_macro_editor_opens_above_the_assignment_dialog() {
        var main = startedMain("mouse")
        mouseClick(child(main, "mouseLabel1"))
        var assign = child(main, "keyAssigment")
        var editor = child(main, "macroEditor")
        assign.openMacroEditor()
        verify(editor.visible && editor.z > assign.z)
        mouseClick(child(editor, "dialogClose"))
        verify(!editor.visible)
        verify(assign.visible)
        verify(child(main, "mainMask").visible)
    }

    function test_buttons_the_mouse_lacks_or_the_last_left_button_open_nothing() {
        callLog.setKeyedReturn("mouseGetKeydefine", 0, [0, 0, 0xF0, 0])
        callLog.setKeyedReturn("mouseGetKeydefine", 1, [0, 0, 0xF1, 0])
        callLog.setKeyedReturn("getGlobalData", "mouse/keyCount", "5")
        var main = startedMain("mouse")
        verify(child(main, "mouseLabel4").visible)
        verify(!child(main, "mouseLabel5").visible)
        mouseClick(child(main, "mouseLabel0"))
        verify(!child(main, "keyAssigment").visible)
        mouseClick(child(main, "mouseLabel1"))
        verify(child(main, "keyAssigment").visible)
    }

    function test_closing_the_assignment_dialog_marks_a_change_only() {
        var main = startedMain("mouse")
        var matrix = child(main, "keyMatrix")
        var assign = child(main, "keyAssigment")
        mouseClick(child(main, "mouseLabel2"))
        mouseClick(child(assign, "dialogClose"))
        verify(!matrix.isSave)
        mouseClick(child(main, "mouseLabel2"))
        assign.isFireInput = true
        main.detectKeyboard(true, 0x04)
        mouseClick(child(assign, "dialogClose"))
        verify(matrix.isSave)
        compare(matrix.modKeys.get(2).keyText, "A")
        compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
    }

    function test_title_bar_buttons_reach_the_window_controller() {
        var main = startedMain("mouse")
        mouseClick(child(main, "minButton"))
        mouseClick(child(main, "closeButton"))
        compare(callLog.names(), ["ui_Ctl.onMinimize", "ui_Ctl.onClose"])
    }
}
}
