import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

ScreenCase {
    name: "MainScreen"

    function ctl(name) {
        return callLog.argsOf("ui_Ctl." + name)
    }

    // Only the 560 family keeps profiles of its own; the program runs it on profile 1.
    function test_first_start_data() {
        return [
            { tag: "560 on profile 3", ic: "560", device: 3, fixes: [[1]] },
            { tag: "560 on profile 1", ic: "560", device: 1, fixes: [] },
            { tag: "553", ic: "553", device: 3, fixes: [] }
        ]
    }

    function test_first_start(data) {
        returns("getGlobalData", { "mouse/icType": data.ic, "mouse/profileNo": "2" })
        callLog.setReturn("mouseReadCurrentProfile", data.device)
        callLog.setReturn("mouseGetCurrentDPI", 3)
        main = make(mainComponent, { "deviceType": "mouse" })
        main.initUI()
        compare(callLog.names()[0], "ui_View.setEnabled")
        compare(callLog.count("ui_View.mouseReadCurrentProfile"), data.ic === "560" ? 1 : 0)
        compare(callLog.argsOf("hid.hid560_02H_SetCurrentProfile"), data.fixes)
        compare(calls("setCurrentProfile"), [[2]])
        compare(child(main, "dpiPage").currentDPI, 2)
        // Nothing else reaches the device.
        compare(callLog.names().filter(function(n) { return /\.(mouse|keyboard)Set/.test(n) }), [])
        animationClock.advanceBy(980)
        verify(main.busy)
        animationClock.advanceBy(60)
        verify(!main.busy && !child(main, "powerOn").visible)
        compare(calls("setEnabled"), [[false], [true]])
        // A later start only locks and refreshes the stage.
        callLog.clear()
        callLog.setReturn("mouseGetCurrentDPI", 4)
        main.initUI()
        compare(callLog.names(), ["ui_View.setEnabled", "ui_View.mouseGetCurrentDPI"])
        compare(child(main, "dpiPage").currentDPI, 3)
    }

    function test_setCurrentDPI_ignores_what_is_no_stage() {
        var dpi = child(start("mouse"), "dpiPage")
        var given = [[3, 2], [0, 2], ["5", 4], [undefined, 4]]
        for (var i = 0; i < given.length; ++i) {
            main.setCurrentDPI(given[i][0])
            compare(dpi.currentDPI, given[i][1], String(given[i][0]))
        }
        compare(callLog.names(), [])
    }

    function test_input_lock() {
        start("mouse")
        main.setProtectUI(0)
        verify(main.busy && child(main, "busyIndicator").visible)
        animationClock.advanceBy(16)
        verify(!main.busy)
        main.controlUIEnable(false)
        animationClock.advanceBy(5000)
        verify(main.busy)
        main.controlUIEnable(true)
        verify(!main.busy && !child(main, "busyIndicator").visible)
        compare(calls("setEnabled"), [[false], [true], [false], [true]])
    }

    function test_profile_change_data() {
        return [
            { tag: "mouse with guns", type: "mouse", guns: "true", row: 1, layers: 1 },
            { tag: "same profile", type: "mouse", guns: "true", row: 0 },
            { tag: "keyboard", type: "keyboard", guns: "false", row: 2, layers: 0 }
        ]
    }

    function test_profile_change(data) {
        callLog.setReturn("getNameList", ["Mine0", "Work1", "Play2"])
        callLog.setKeyedReturn("getGlobalData", "mouse/isGun", data.guns)
        start(data.type)
        chooseRow(child(main, "profileSelector"), data.row)
        compare(main.profileNo, data.row)
        if (data.row === 0)
            return compare(callLog.names(), [])
        compare([calls("setGlobalData"), calls("setCurrentProfile")], [[[data.type + "/profileNo", data.row]], [[data.row]]])
        compare(calls("setEnabled"), [[false], [true]])
        var mouse = data.type === "mouse"
        compare([calls("mouseSetKeyMatrix").length > 0, calls("keyboardSetKeyMatrix").length > 0], [mouse, !mouse])
        compare([calls("mouseSwitchKeyMatrix").length, calls("mouseResetKeyMatrix").length], [data.layers, data.layers])
    }

    function test_device_type_change_runs_the_first_start_again() {
        returns("getGlobalData", { "keyboard/profileNo": "1", "mouse/profileNo": "2" })
        callLog.setReturn("getNameList", ["Std0", "A1", "B2"])
        callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
        start("keyboard")
        compare([main.profileNo, child(main, "assignMacroList").count], [1, 0])
        main.deviceType = "mouse"
        main.initUI()
        compare(callLog.count("ui_View.mouseReadKeyboardType"), 1)
        compare([main.profileNo, child(main, "profileSelector").currentSelect], [2, 2])
        compare(child(main, "assignMacroList").count, 2)
        animationClock.advanceBy(1040)
        verify(child(main, "mouseMain").visible && !child(main, "keyboardMain").visible)
    }

    function test_keys_reach_only_a_waiting_receiver() {
        start("mouse")
        var assign = child(main, "keyAssigment")
        var editor = child(main, "macroEditor")
        assign.isFireInput = true
        main.detectKeyboard(false, 0x05)
        compare([assign.isFireInput, assign.keyCode0, assign.keyCode1], [false, 1, 0x05])
        // Recording needs a selected macro.
        editor.isInputting = true
        main.detectKeyboard(true, 0x06)
        compare(editor.macroData_lv.count, 0)
        editor.macroNumberModel.append({ "textValue": "Macro_0" })
        editor.macroNumber_lv.currentIndex = 0
        main.detectKeyboard(true, 0x06)
        compare([editor.macroData_lv.count, editor.macroData_lv.get(0).info, assign.keyCode1], [1, "C", 0x05])
    }

    function test_dimming_layer_swallows_clicks_closes_lists_and_drags_with_the_left_button() {
        start("mouse")
        var light = child(main, "lightEffectList")
        mouseClick(light)
        animationClock.advanceBy(120)
        verify(light.isDrop)
        main.openDialog(child(main, "profilePage"))
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
        compare(ctl("onXChanged"), [])
        mousePress(main, 30, 610)
        mouseMove(main, 40, 630)
        mouseRelease(main, 40, 630)
        compare([ctl("onXChanged")[0], ctl("onYChanged")[0]], [[10], [20]])
    }

    // Key caps take right clicks; under the layer they get none.
    function test_dimming_layer_takes_every_button() {
        start("keyboard")
        var keyboard = child(main, "keyboardMain")
        var cap = child(main, "key102")
        var at = cap.mapToItem(main, 5, 5)
        main.openDialog(child(main, "profilePage"))
        mouseClick(main, at.x, at.y, Qt.RightButton)
        mouseClick(main, at.x, at.y, Qt.MiddleButton)
        verify(keyboard.selectKey !== 102)
    }

    function test_macro_editor_opens_above_the_assignment_dialog() {
        start("mouse")
        mouseClick(child(main, "mouseLabel1"))
        var assign = child(main, "keyAssigment")
        var editor = child(main, "macroEditor")
        assign.openMacroEditor()
        verify(editor.visible && editor.z > assign.z)
        mouseClick(child(editor, "dialogClose"))
        verify(!editor.visible && assign.visible && child(main, "mainMask").visible)
    }

}
}
