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
        var main = createTemporaryObject(mainComponent, stage, { "deviceType": type })
        verify(main !== null)
        return main
    }

    // A started screen: first start done and the start-up lock run out.
    function startedMain(type) {
        var main = makeMain(type)
        main.initUI()
        // The lock is 1000 ms from the frame after the call.
        animationClock.advanceBy(1040)
        verify(main.started)
        callLog.clear()
        return main
    }

    function argsOf(name) {
        return callLog.argsOf(name)
    }

    // Asserts that `expected` occur in the log in this order (others may lie between).
    function verifyOrder(expected) {
        var names = callLog.names()
        var at = -1
        for (var i = 0; i < expected.length; ++i) {
            var next = names.indexOf(expected[i], at + 1)
            verify(next > at, expected[i] + " missing after position " + at + " in " + names.join(", "))
            at = next
        }
    }

    function clickDropRow(list, row) {
        mouseClick(list, list.width / 2, list.height / 2)
        animationClock.advanceBy(200)
        verify(list.isDrop)
        mouseClick(list, list.width / 2, list.height + 24 * row + 12)
        animationClock.advanceBy(200)
    }

    function test_first_initUI_locks_reads_settings_and_initialises_pages() {
        callLog.setKeyedReturn("getGlobalData", "mouse/icType", "560")
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
        callLog.setKeyedReturn("getGlobalData", "mouse/isColorful", "true")
        callLog.setKeyedReturn("getGlobalData", "mouse/keyCount", "6")
        callLog.setKeyedReturn("getGlobalData", "common/url", "https://example.org/help")
        callLog.setKeyedReturn("getGlobalData", "common/language", "English")
        callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "2")
        callLog.setReturn("mouseReadCurrentProfile", 3)
        callLog.setReturn("mouseGetCurrentDPI", 3)
        var main = makeMain("mouse")
        verify(!main.visible)
        main.initUI()

        verify(main.visible)
        verify(main.busy)
        verify(main.isPownOn)
        compare(argsOf("ui_View.setEnabled")[0][0], false)
        compare(callLog.names()[0], "ui_View.setEnabled")
        compare(callLog.count("ui_View.mouseReadKeyboardType"), 1)
        compare(argsOf("hid.hid560_02H_SetCurrentProfile"), [[1]])
        compare(main.isColorful, true)
        compare(main.icType, "560")
        compare(main.url, "https://example.org/help")
        compare(main.language, "English")
        compare(child(main, "mouseMain").keyCount, 6)
        var sections = argsOf("ui_View.getLangStrings").map(function(a) { return a[0] })
        compare(sections, ["main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl",
                           "macroEditor", "systemSetting", "gunControl", "profile", "keyCode", "keyboardPage",
                           "other"])
        compare(argsOf("ui_View.getLangStrings")[0][1], "English")
        compare(main.profileNo, 2)
        compare(argsOf("ui_View.setCurrentProfile"), [[2]])
        verifyOrder(["ui_View.getData", "ui_View.getNameList", "ui_View.setCurrentProfile",
                     "ui_View.getNameList", "ui_View.getGlobalData", "ui_View.mouseGetKeydefine",
                     "ui_View.getDataList", "ui_View.getData", "ui_View.getDataList",
                     "ui_View.mouseGetCurrentDPI"])
        compare(child(main, "dpiPage").currentDPI, 2)
        // First start sends nothing to the device but the profile fix-up.
        compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
        compare(callLog.count("ui_View.mouseSetDpi"), 0)
        compare(callLog.count("ui_View.mouseSetReportRate"), 0)
    }

    function test_start_up_image_gives_way_to_regions_when_the_lock_runs_out() {
        var main = makeMain("mouse")
        main.initUI()
        var powerOn = child(main, "powerOn")
        verify(powerOn.visible)
        verify(!child(main, "leftPanel").visible)
        animationClock.advanceBy(980)
        verify(main.busy)
        animationClock.advanceBy(60)
        verify(!main.busy)
        verify(!powerOn.visible)
        verify(child(main, "leftPanel").visible)
        verify(child(main, "rightPanel").visible)
        verify(child(main, "bottomBar").visible)
        verify(child(main, "menuUp").visible)
        verify(child(main, "mouseMain").visible)
        verify(!child(main, "keyboardMain").visible)
        var enables = argsOf("ui_View.setEnabled")
        compare(enables[enables.length - 1], [true])
    }

    function test_keyboard_layout_shows_the_keyboard_regions() {
        var main = startedMain("keyboard")
        verify(child(main, "keyboardMain").visible)
        verify(child(main, "kbKeySetting").visible)
        verify(child(main, "kbKeyInfo").visible)
        verify(child(main, "kbLightControl").visible)
        verify(!child(main, "mouseMain").visible)
        verify(!child(main, "rightPanel").visible)
        verify(!child(main, "keyMatrix").visible)
        verify(!child(main, "gunEditorButton").visible)
        compare(child(main, "editorBox").height, 76)
    }

    function test_second_initUI_only_locks_and_refreshes_the_stage() {
        var main = startedMain("mouse")
        callLog.setReturn("mouseGetCurrentDPI", 4)
        main.initUI()
        compare(callLog.names(), ["ui_View.setEnabled", "ui_View.mouseGetCurrentDPI"])
        compare(child(main, "dpiPage").currentDPI, 3)
        verify(main.busy)
        animationClock.advanceBy(1040)
        verify(!main.busy)
    }

    function test_560_mouse_already_on_profile_1_is_left_alone() {
        callLog.setKeyedReturn("getGlobalData", "mouse/icType", "560")
        callLog.setReturn("mouseReadCurrentProfile", 1)
        var main = makeMain("mouse")
        main.initUI()
        compare(callLog.count("ui_View.mouseReadCurrentProfile"), 1)
        compare(callLog.count("hid.hid560_02H_SetCurrentProfile"), 0)
    }

    function test_553_mouse_does_not_ask_for_its_profile() {
        var main = makeMain("mouse")
        main.initUI()
        compare(main.icType, "553")
        compare(callLog.count("ui_View.mouseReadCurrentProfile"), 0)
    }

    function test_language_texts_replace_the_built_in_ones_where_given() {
        callLog.setKeyedReturn("getLangStrings", "main", ["编辑", "宏编辑"])
        var main = makeMain("mouse")
        main.initUI()
        compare(main.mainLang[0], "编辑")
        compare(main.mainLang[1], "宏编辑")
        compare(main.mainLang[10], "Save")
    }

    function test_key_names_follow_the_language_file() {
        var names = []
        for (var i = 0; i < 133; ++i)
            names.push("K" + i)
        callLog.setKeyedReturn("getLangStrings", "keyCode", names)
        var main = makeMain("keyboard")
        main.initUI()
        var setting = child(main, "kbKeySetting")
        setting.isKeyInput = true
        main.detectKeyboard(true, 0x04)
        compare(setting.keyValueText, "K0")
    }

    function test_setCurrentDPI_zero_changes_nothing() {
        var main = startedMain("mouse")
        var dpi = child(main, "dpiPage")
        main.setCurrentDPI(3)
        compare(dpi.currentDPI, 2)
        main.setCurrentDPI(0)
        compare(dpi.currentDPI, 2)
        main.setCurrentDPI("5")
        compare(dpi.currentDPI, 4)
        main.setCurrentDPI(undefined)
        compare(dpi.currentDPI, 4)
        compare(callLog.names(), [])
    }

    function test_setProtectUI_zero_shows_busy_until_the_next_turn() {
        var main = startedMain("mouse")
        main.setProtectUI(0)
        verify(main.busy)
        verify(child(main, "busyIndicator").visible)
        animationClock.advanceBy(16)
        verify(!main.busy)
        compare(argsOf("ui_View.setEnabled"), [[false], [true]])
    }

    function test_controlUIEnable_locks_without_a_timer() {
        var main = startedMain("mouse")
        main.controlUIEnable(false)
        verify(main.busy)
        animationClock.advanceBy(5000)
        verify(main.busy)
        main.controlUIEnable(true)
        verify(!main.busy)
        compare(argsOf("ui_View.setEnabled"), [[false], [true]])
    }

    function test_run_does_nothing() {
        var main = startedMain("mouse")
        main.run()
        compare(callLog.names(), [])
    }

    function test_report_rate_is_loaded_and_chosen_by_index() {
        callLog.setKeyedReturn("getData", "mouse/reportRate", "1")
        var main = startedMain("mouse")
        var rate = child(main, "reportRate")
        var list = child(main, "reportRateList")
        compare(list.currentSelect, 1)
        compare(list.textValue, "250Hz")
        clickDropRow(list, 3)
        compare(callLog.names(), ["ui_View.setData", "ui_View.mouseSetReportRate"])
        compare(argsOf("ui_View.setData"), [["mouse/reportRate", 3]])
        compare(argsOf("ui_View.mouseSetReportRate"), [[1]])
        callLog.clear()
        rate.init(true)
        compare(argsOf("ui_View.mouseSetReportRate"), [[4]])
    }

    function test_save_with_nothing_dirty_still_sends_keyboard_mode_and_lighting() {
        var main = startedMain("mouse")
        var save = child(main, "saveButton")
        compare(save.baseColor, Qt.color("#29292d"))
        mouseClick(save)
        compare(callLog.names(), ["hid.hidARM_09H_SetKeyboardMode", "ui_View.setDataList",
                                  "ui_View.setDataList", "ui_View.keyboardSetRGBEffect",
                                  "ui_View.keyboardSetRGBColor"])
        compare(argsOf("hid.hidARM_09H_SetKeyboardMode"), [[1]])
        verify(!main.busy)
    }

    function test_save_stores_dirty_pages_in_order_under_the_lock() {
        var main = startedMain("mouse")
        child(main, "keyMatrix").isSave = true
        child(main, "dpiPage").isSave = true
        child(main, "keyboardMain").isPictureSave = true
        var save = child(main, "saveButton")
        compare(save.baseColor, Qt.color("#ff3030"))
        mouseClick(save)
        verifyOrder(["hid.hidARM_09H_SetKeyboardMode", "ui_View.setEnabled", "ui_View.mouseSetKeyMatrix",
                     "ui_View.mouseSetDpi", "ui_View.keyboardLEDPicture", "ui_View.keyboardSetRGBEffect",
                     "ui_View.keyboardSetRGBColor", "ui_View.setEnabled"])
        compare(argsOf("ui_View.setEnabled"), [[false], [true]])
        compare(callLog.count("ui_View.mouseSetRGBEffect"), 0)
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), 0)
        verify(!main.anyDirty)
        compare(save.baseColor, Qt.color("#29292d"))
    }

    function test_choosing_the_current_profile_does_nothing() {
        callLog.setReturn("getNameList", ["Mine0", "Work1"])
        var main = startedMain("mouse")
        compare(main.profileNo, 0)
        var selector = child(main, "profileSelector")
        clickDropRow(selector, 0)
        compare(callLog.names(), [])
        compare(main.profileNo, 0)
    }

    function test_profile_change_reloads_the_mouse_pages_in_order() {
        callLog.setReturn("getNameList", ["Mine0", "Work1"])
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
        var main = startedMain("mouse")
        clickDropRow(child(main, "profileSelector"), 1)
        compare(main.profileNo, 1)
        compare(callLog.names()[0], "ui_View.setEnabled")
        compare(argsOf("ui_View.setGlobalData"), [["mouse/profileNo", 1]])
        compare(argsOf("ui_View.setCurrentProfile"), [[1]])
        verifyOrder(["ui_View.setEnabled", "ui_View.setGlobalData", "ui_View.setCurrentProfile",
                     "ui_View.mouseGetKeydefine", "ui_View.mouseSetKeyMatrix",
                     "ui_View.mouseSetReportRate", "ui_View.mouseSetDpi",
                     "ui_View.mouseSetRGBEffect", "ui_View.mouseSetRGBColor",
                     "ui_View.mouseSetCursorSpeed", "ui_View.mouseSetVerticalScrollLines",
                     "ui_View.mouseSwitchKeyMatrix", "ui_View.mouseResetKeyMatrix", "ui_View.setEnabled"])
        compare(argsOf("ui_View.mouseSwitchKeyMatrix"), [[1]])
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), 0)
        verify(!main.busy)
    }

    function test_profile_change_without_guns_skips_the_key_layers() {
        callLog.setReturn("getNameList", ["Mine0", "Work1"])
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "false")
        var main = startedMain("mouse")
        main.changeProfile(1)
        compare(callLog.count("ui_View.mouseSwitchKeyMatrix"), 0)
        compare(callLog.count("ui_View.mouseResetKeyMatrix"), 0)
    }

    function test_profile_change_reloads_the_keyboard_pages_in_order() {
        var main = startedMain("keyboard")
        main.changeProfile(2)
        verifyOrder(["ui_View.setEnabled", "ui_View.setGlobalData", "ui_View.setCurrentProfile",
                     "ui_View.keyboardSetKeyMatrix", "ui_View.keyboardLEDPicture",
                     "ui_View.keyboardSetRGBEffect", "ui_View.keyboardSetRGBColor",
                     "ui_View.getDataList", "ui_View.setEnabled"])
        compare(argsOf("ui_View.setGlobalData"), [["keyboard/profileNo", 2]])
        compare(argsOf("ui_View.keyboardSetKeyMatrix"), [[false]])
        compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
        var last = callLog.argsOf("ui_View.getDataList")
        compare(last[last.length - 1], ["keyboard/bkLightValue", false])
    }

    function test_reset_dialog_opens_centred_and_cancel_closes_it() {
        var main = startedMain("mouse")
        var dialog = child(main, "resetDialog")
        mouseClick(child(main, "resetButton"))
        verify(dialog.visible)
        verify(child(main, "mainMask").visible)
        compare(dialog.x, Math.floor((1024 - dialog.width) / 2))
        compare(dialog.y, Math.floor((640 - dialog.height) / 2))
        mouseClick(child(main, "resetCancel"))
        verify(!dialog.visible)
        verify(!child(main, "mainMask").visible)
        compare(callLog.names(), [])
    }

    function test_reset_of_the_mouse_runs_the_pages_in_order() {
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
        var main = startedMain("mouse")
        child(main, "dpiPage").isSave = true
        child(main, "lightPage").isSave = true
        mouseClick(child(main, "resetButton"))
        callLog.clear()
        mouseClick(child(main, "resetOk"))
        verify(!child(main, "resetDialog").visible)
        verify(!child(main, "mainMask").visible)
        verifyOrder(["ui_View.setEnabled", "ui_View.resetProfile", "ui_View.mouseGetKeydefine",
                     "ui_View.mouseSetKeyMatrix", "ui_View.mouseSetReportRate", "ui_View.mouseSetDpi",
                     "ui_View.mouseSetRGBEffect", "ui_View.mouseSetCursorSpeed",
                     "ui_View.mouseSwitchKeyMatrix", "ui_View.mouseResetKeyMatrix",
                     "ui_View.mouseSetCurrentDPI", "ui_View.setGlobalData", "ui_View.mouseSendGundata",
                     "ui_View.setEnabled"])
        compare(argsOf("ui_View.resetProfile"), [[0]])
        compare(argsOf("ui_View.mouseSetCurrentDPI"), [[2]])
        compare(argsOf("ui_View.setGlobalData"), [["mouse/selectGun", [0, 1, 2]]])
        compare(child(main, "dpiPage").currentDPI, 1)
        verify(!main.anyDirty)
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), 0)
    }

    function test_reset_of_the_keyboard_reloads_from_the_factory_profile() {
        var main = startedMain("keyboard")
        mouseClick(child(main, "resetButton"))
        mouseClick(child(main, "resetOk"))
        verifyOrder(["ui_View.setEnabled", "ui_View.getDataList", "ui_View.keyboardSetKeyMatrix",
                     "ui_View.keyboardSetRGBEffect", "ui_View.keyboardSetRGBColor",
                     "ui_View.setDataList", "ui_View.keyboardSetRGBEffect", "ui_View.setEnabled"])
        // The first key of the picture, Esc, is matrix index 5.
        compare(argsOf("ui_View.getDataList")[0], ["keyboardFunctionData/5", true])
        compare(callLog.count("ui_View.resetProfile"), 0)
        compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
    }

    function test_device_type_change_runs_the_first_start_again() {
        callLog.setKeyedReturn("getGlobalData", "keyboard/profileNo", "1")
        callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "2")
        callLog.setReturn("getNameList", ["Std0", "A1", "B2"])
        var main = startedMain("keyboard")
        compare(main.profileNo, 1)
        main.initUI()
        compare(callLog.count("ui_View.mouseReadKeyboardType"), 0)

        main.deviceType = "mouse"
        callLog.clear()
        main.initUI()
        compare(callLog.count("ui_View.mouseReadKeyboardType"), 1)
        compare(callLog.count("ui_View.getLangStrings"), 12)
        compare(main.profileNo, 2)
        compare(argsOf("ui_View.setCurrentProfile"), [[2]])
        compare(child(main, "profileSelector").currentSelect, 2)
        verify(main.isPownOn)
        animationClock.advanceBy(1040)
        verify(child(main, "mouseMain").visible)
        verify(!child(main, "keyboardMain").visible)

        callLog.clear()
        main.initUI()
        compare(callLog.names(), ["ui_View.setEnabled", "ui_View.mouseGetCurrentDPI"])
    }

    function test_device_type_change_hands_the_macros_to_the_new_layout() {
        callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
        var main = startedMain("keyboard")
        compare(child(main, "kbMacroList").count, 2)
        compare(child(main, "assignMacroList").count, 0)
        main.deviceType = "mouse"
        main.initUI()
        compare(child(main, "assignMacroList").count, 2)
    }

    function test_keys_reach_only_a_waiting_receiver() {
        var main = startedMain("mouse")
        var assign = child(main, "keyAssigment")
        var editor = child(main, "macroEditor")
        main.detectKeyboard(true, 0x04)
        compare(assign.keyCode0, 0)
        compare(editor.macroData_lv.count, 0)

        assign.isFireInput = true
        main.detectKeyboard(false, 0x05)
        verify(!assign.isFireInput)
        compare([assign.keyCode0, assign.keyCode1], [1, 0x05])
        compare(assign.fireKeyText, "B")

        editor.isInputting = true
        main.detectKeyboard(true, 0x06)
        compare(editor.macroData_lv.count, 0)
        editor.macroNumberModel.append({ "textValue": "Macro_0" })
        editor.macroNumber_lv.currentIndex = 0
        main.detectKeyboard(true, 0x06)
        compare(editor.macroData_lv.count, 1)
        compare(editor.macroData_lv.get(0).info, "C")

        editor.isInputting = false
        editor.isInsertting = true
        main.detectKeyboard(true, 0x07)
        compare(editor.insertKeyText, "D")
        compare(editor.macroData_lv.count, 1)
    }

    function test_msg_MS_carries_the_mouse_event() {
        var main = startedMain("mouse")
        var seen = []
        main.msg_MS.connect(function(d, b, x, y) { seen.push([d, b, x, y]) })
        main.detectMouse(true, 1, 10, 20)
        compare(seen, [[true, 1, 10, 20]])
    }

    function test_background_drags_the_window_x_then_y() {
        var main = startedMain("mouse")
        mousePress(main, 700, 580)
        mouseMove(main, 710, 575)
        mouseRelease(main, 710, 575)
        var names = callLog.names()
        var x = names.indexOf("ui_Ctl.onXChanged")
        verify(x >= 0)
        compare(names[x + 1], "ui_Ctl.onYChanged")
        compare(argsOf("ui_Ctl.onXChanged")[0], [10])
        compare(argsOf("ui_Ctl.onYChanged")[0], [-5])
    }

    function test_pressing_the_background_closes_open_drop_downs() {
        var main = startedMain("mouse")
        var list = child(main, "reportRateList")
        mouseClick(list)
        animationClock.advanceBy(200)
        verify(list.isDrop)
        mousePress(main, 700, 580)
        mouseRelease(main, 700, 580)
        animationClock.advanceBy(200)
        verify(!list.isDrop)
    }

    function test_dialog_drags_inside_the_window_only() {
        var main = startedMain("mouse")
        var dialog = child(main, "profilePage")
        mouseClick(child(main, "configButton"))
        verify(dialog.visible)
        mousePress(dialog, 200, 250)
        mouseMove(dialog, 100, 200)
        compare(dialog.x, Math.floor((1024 - dialog.width) / 2) - 100)
        mouseMove(dialog, -600, -400)
        mouseMove(dialog, -900, -700)
        mouseRelease(dialog, -900, -700)
        compare(dialog.x, 0)
        compare(dialog.y, 0)
        mousePress(dialog, 10, 250)
        mouseMove(dialog, 1500, 900)
        mouseRelease(dialog, 1500, 900)
        compare(dialog.x, 1024 - dialog.width)
        compare(dialog.y, 640 - dialog.height)
        compare(callLog.count("ui_Ctl.onXChanged"), 0)
    }

    function test_dimming_layer_swallows_clicks_and_drags_the_window() {
        var main = startedMain("mouse")
        mouseClick(child(main, "configButton"))
        var mask = child(main, "mainMask")
        verify(mask.visible)
        mouseClick(main, 30, 610)
        mouseClick(main, 990, 620)
        verify(!child(main, "gunControl").visible)
        compare(callLog.count("hid.hidARM_09H_SetKeyboardMode"), 0)
        mousePress(main, 30, 610)
        mouseMove(main, 40, 630)
        mouseRelease(main, 40, 630)
        compare(argsOf("ui_Ctl.onXChanged")[0], [10])
        compare(argsOf("ui_Ctl.onYChanged")[0], [20])
    }

    function test_only_the_left_button_acts_through_the_layer_and_dialogs_take_every_button() {
        var main = startedMain("mouse")
        mouseClick(child(main, "configButton"))
        var dialog = child(main, "profilePage")
        mousePress(main, 30, 610, Qt.RightButton)
        mouseMove(main, 60, 630, -1, Qt.RightButton)
        mouseRelease(main, 60, 630, Qt.RightButton)
        compare(callLog.count("ui_Ctl.onXChanged"), 0)
        var x = dialog.x
        mousePress(dialog, 200, 250, Qt.RightButton)
        mouseMove(dialog, 150, 200, -1, Qt.RightButton)
        mouseRelease(dialog, 150, 200, Qt.RightButton)
        compare(dialog.x, x)
        // A right click on the layer over a key cap reaches no page below.
        var label = child(main, "mouseLabel2")
        var at = label.mapToItem(main, label.width / 2, label.height / 2)
        mouseClick(main, at.x, at.y, Qt.RightButton)
        verify(!child(main, "keyAssigment").visible)
    }

    function test_close_button_hides_dialog_and_mask() {
        var main = startedMain("mouse")
        var dialog = child(main, "systemSetting")
        mouseClick(child(main, "systemSettingButton"))
        verify(dialog.visible)
        mouseClick(child(dialog, "dialogClose"))
        verify(!dialog.visible)
        verify(!child(main, "mainMask").visible)
    }

    function test_macro_editor_opens_above_the_assignment_dialog() {
        var main = startedMain("mouse")
        mouseClick(child(main, "mouseLabel1"))
        var assign = child(main, "keyAssigment")
        var editor = child(main, "macroEditor")
        verify(assign.visible)
        assign.openMacroEditor()
        verify(editor.visible)
        verify(editor.z > assign.z)
        mouseClick(child(editor, "dialogClose"))
        verify(!editor.visible)
        verify(child(main, "mainMask").visible)
    }

    function test_the_last_left_button_opens_nothing() {
        callLog.setKeyedReturn("mouseGetKeydefine", 0, [0, 0, 0xF0, 0])
        callLog.setKeyedReturn("mouseGetKeydefine", 1, [0, 0, 0xF1, 0])
        var main = startedMain("mouse")
        mouseClick(child(main, "mouseLabel0"))
        verify(!child(main, "keyAssigment").visible)
        mouseClick(child(main, "mouseLabel1"))
        verify(child(main, "keyAssigment").visible)
    }

    function test_title_bar_buttons_reach_the_window_controller() {
        var main = startedMain("mouse")
        mouseClick(child(main, "minButton"))
        mouseClick(child(main, "closeButton"))
        compare(callLog.names(), ["ui_Ctl.onMinimize", "ui_Ctl.onClose"])
    }

    function test_ask_menu_shows_url_and_version_and_closes_on_a_row() {
        callLog.setKeyedReturn("getGlobalData", "common/url", "https://example.org/help")
        var main = startedMain("mouse")
        var menu = child(main, "menuUp")
        mouseClick(child(main, "askButton"))
        verify(menu.askMenuOpen)
        var row1 = child(main, "askRow1")
        compare(row1.modelData, "verison:1.0")
        compare(child(main, "askRow0").modelData, "https://example.org/help")
        mouseClick(row1)
        verify(!menu.askMenuOpen)
    }

    function test_busy_indicator_pulses_while_locked() {
        var main = startedMain("mouse")
        var busy = child(main, "busyIndicator")
        verify(!busy.visible)
        main.controlUIEnable(false)
        verify(busy.visible)
        var label = busy.children[0]
        animationClock.advanceBy(216)
        verify(label.opacity < 0.8 && label.opacity > 0.3, "opacity " + label.opacity)
        animationClock.advanceBy(200)
        verify(label.opacity < 0.3, "opacity " + label.opacity)
        animationClock.advanceBy(400)
        verify(label.opacity > 0.9, "opacity " + label.opacity)
        main.controlUIEnable(true)
        verify(!busy.visible)
    }

    function test_buttons_beyond_the_key_count_are_hidden() {
        callLog.setKeyedReturn("getGlobalData", "mouse/keyCount", "5")
        var main = startedMain("mouse")
        verify(child(main, "mouseLabel4").visible)
        verify(!child(main, "mouseLabel5").visible)
    }

    function test_background_press_closes_the_keyboard_lists() {
        var main = startedMain("keyboard")
        var grid = child(main, "mediaGrid")
        mouseClick(grid)
        animationClock.advanceBy(120)
        verify(grid.isDrop)
        var effects = child(main, "kbEffectList")
        mousePress(main, 700, 620)
        mouseRelease(main, 700, 620)
        animationClock.advanceBy(120)
        verify(!grid.isDrop)
        mouseClick(effects)
        animationClock.advanceBy(120)
        verify(effects.isDrop)
        main.mainFocus()
        animationClock.advanceBy(120)
        verify(!effects.isDrop)
    }

    function test_pressing_the_dimming_layer_closes_the_dialogs_drop_downs() {
        var main = startedMain("mouse")
        var light = child(main, "lightEffectList")
        mouseClick(light)
        animationClock.advanceBy(120)
        verify(light.isDrop)
        main.openDialog(child(main, "profilePage"))
        mousePress(main, 20, 620)
        mouseRelease(main, 20, 620)
        animationClock.advanceBy(120)
        verify(!light.isDrop)
    }

    function test_closing_the_assignment_dialog_marks_a_change_only() {
        var main = startedMain("mouse")
        var matrix = child(main, "keyMatrix")
        var assign = child(main, "keyAssigment")
        mouseClick(child(main, "mouseLabel2"))
        verify(assign.visible)
        mouseClick(child(assign, "dialogClose"))
        verify(!matrix.isSave)
        mouseClick(child(main, "mouseLabel2"))
        assign.isFireInput = true
        main.detectKeyboard(true, 0x04)
        mouseClick(child(assign, "dialogClose"))
        verify(matrix.isSave)
        compare(matrix.modKeys.get(2).keyCode0, 1)
        compare(matrix.modKeys.get(2).keyCode1, 0x04)
        compare(matrix.modKeys.get(2).keyText, "A")
        compare(child(main, "mouseMain").selectKey, -1)
        compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
    }

    function test_key_caps_follow_the_keyboard_page() {
        var main = startedMain("keyboard")
        var keyboard = child(main, "keyboardMain")
        var cap = child(main, "key101")
        compare(cap.keyTxtText, "1")
        verify(child(main, "key0").isSelect)
        mouseClick(cap)
        compare(keyboard.selectKey, 101)
        verify(cap.isSelect)
        verify(!child(main, "key0").isSelect)
        compare(cap.color, Qt.color("#29292d"))
        keyboard.selectModel = 1
        cap.keyColor = "#00ff00"
        compare(cap.color, Qt.color("#00ff00"))
        mouseClick(child(main, "key102"), 5, 5, Qt.RightButton)
        compare(keyboard.selectKey, 102)
    }
}
}
