import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

    // Stands in for the macro editor: what it is asked to send, and its two signals.
    QtObject {
        id: fakeEditor
        property var sent: []
        signal modifyMacroName(string oldMacroName, string newMacroName)
        signal modifyMacroData(string macroName)
        function sendMacro(index, macroName) {
            sent = sent.concat([[index, macroName]])
        }
    }

ScreenCase {
    name: "KeyboardPages"

    property var keyboard

    function prepare() {
        callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
        fakeEditor.sent = []
    }

    function startKeyboard() {
        start("keyboard")
        keyboard = child(main, "keyboardMain")
        child(main, "kbKeySetting").macroEditor = fakeEditor
    }

    function functionOf(dataIndex) {
        var e = keyboard.entryAt(dataIndex)
        return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
    }

    // Every key of the matrix once, with the factory profile's function; the five
    // Japanese caps hidden.
    function test_caps_cover_the_matrix_once_with_the_factory_functions() {
        startKeyboard()
        var seen = {}
        var hidden = []
        for (var r = 0; r < 6; ++r) {
            for (var p = 0; p < keyboard.models[r].count; ++p) {
                var fw = keyboard.models[r].get(p).fwIndex
                verify(fw >= 0 && fw < 126 && seen[fw] === undefined, "matrix index " + fw)
                seen[fw] = true
                var cap = child(keyboard, "key" + (100 * r + p))
                compare(cap.keyDefaultData, factoryKeys[String(fw)].map(Number).join(","), "matrix index " + fw)
                if (!cap.visible)
                    hidden.push(cap.dataIndex)
            }
        }
        compare(hidden.sort(), [113, 412, 503, 505, 506].sort())
    }

    // A mouse never has the key caps made; a keyboard served after it gets them,
    // with its stored functions.
    function test_a_keyboard_after_a_mouse_gets_its_keys() {
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/8", [3, 0, 0xE2, 0])
        start("mouse")
        keyboard = child(main, "keyboardMain")
        verify(!keyboard.built)
        main.deviceType = "keyboard"
        main.initUI()
        animationClock.advanceBy(1040)
        compare(functionOf(301), [3, 0, 0xE2, 0])
        verify(child(keyboard, "key102").visible)
    }

    function test_loading_keeps_defaults_for_broken_entries() {
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/8", [3, 0, 0xE2, 0])
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/14", [0, 0, 999, 0])
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/20", [0, 0])
        callLog.setKeyedReturn("getDataList", "keyboardLEDData/8", ["00ff0000", "0000ff00", "nonsense", "00000000"])
        startKeyboard()
        compare([functionOf(301), functionOf(302), functionOf(303)], [[3, 0, 0xE2, 0], [0, 0, 0x16, 0], [0, 0, 0x07, 0]])
        compare([0, 1, 2, 3, 4].map(function(p) { return keyboard.keyInfo(301, p) }), ["#ff0000", "#00ff00", "", "", ""])
    }

    function test_macros_take_the_next_free_number_and_then_reuse_0() {
        startKeyboard()
        var setting = child(main, "kbKeySetting")
        keyboard.selectKeyProc(201)
        setting.bindMacro("Macro_0")
        keyboard.selectKeyProc(202)
        setting.bindMacro("Macro_1")
        compare([functionOf(201), functionOf(202)], [[4, 1, 0, 0], [4, 1, 1, 0]])
        compare(fakeEditor.sent, [[0, "Macro_0"], [1, "Macro_1"]])
        compare(calls("setData"), [["keyboardMacroKey/0", "Macro_0"], ["keyboardMacroKey/1", "Macro_1"]])
        for (var n = 2; n < 32; ++n) {
            compare(keyboard.getMacroIndex(), n)
            keyboard.keyFunctionSetting(n < 14 ? 101 + n - 2 : n < 24 ? 203 + n - 14 : 301 + n - 24, 4, 1, n, 0)
        }
        compare(keyboard.getMacroIndex(), 0)
    }

    function test_lock_keys_take_neither_colour_nor_macro_data() {
        return [{ tag: "Caps Lock", cap: 300 }, { tag: "Scroll Lock", cap: 14 }, { tag: "Num Lock", cap: 118 }]
    }

    function test_lock_keys_take_neither_colour_nor_macro(data) {
        startKeyboard()
        var before = functionOf(data.cap)
        mouseClick(child(main, "kbViewTab1"))
        mouseClick(child(keyboard, "key" + data.cap))
        mouseClick(child(keyboard, "key" + data.cap), 4, 4, Qt.RightButton)
        child(main, "kbKeySetting").bindMacro("Macro_0")
        compare(keyboard.selectKey, data.cap)
        compare(keyboard.keyInfo(data.cap, 0), "")
        compare(functionOf(data.cap), before)
        compare(fakeEditor.sent, [])
        verify(!keyboard.isPictureSave && !keyboard.isFunctionSave)
    }

    // isStep: 0 both halves, 1 the functions, 2 the colours.
    function test_saving_sends_only_the_half_isStep_names_data() {
        return [{ tag: "all", step: 0, functions: 1, colours: 1, effect: 1 },
                { tag: "functions", step: 1, functions: 1, colours: 0, effect: 1 },
                { tag: "colours", step: 2, functions: 0, colours: 1, effect: 0 }]
    }

    function test_saving_sends_only_the_half_isStep_names(data) {
        callLog.setKeyedReturn("getDataList", "keyboard/lightValue", [9, 1, 2, 3])
        startKeyboard()
        keyboard.saveData(true, data.step)
        child(main, "kbLightControl").saveData(true, data.step)
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), data.functions)
        compare(callLog.count("ui_View.keyboardLEDPicture"), data.colours)
        compare(calls("keyboardSetRGBEffect"), data.effect ? [[9, 1, 2, 3]] : [])
        compare(callLog.count("ui_View.keyboardSetRGBColor"), data.colours)
        // Every key under its own matrix index, the right Shift under 79.
        var fns = calls("setDataList").filter(function(c) { return /^keyboardFunctionData\//.test(c[0]) })
        compare(fns.length, data.functions ? 113 : 0)
        compare(fns.some(function(c) { return c[0] === "keyboardFunctionData/79" && String(c[1]) === "0,0,229,0" }),
                data.functions === 1)
    }

    function test_restoring_one_key_takes_its_factory_function() {
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/9", [0, 0, 0x14, 0])
        startKeyboard()
        keyboard.selectKeyProc(201)
        keyboard.keyFunctionSetting(201, 3, 0, 0xE2, 0)
        keyboard.isFunctionSave = false
        callLog.clear()
        mouseClick(child(main, "kbRestoreKey"))
        compare(calls("getDataList"), [["keyboardFunctionData/9", true]])
        compare(functionOf(201), [0, 0, 0x14, 0])
        verify(keyboard.isFunctionSave)
    }

    function test_an_edited_macro_is_sent_again_to_its_keys_in_the_keyboard_layout_only() {
        startKeyboard()
        keyboard.keyFunctionSetting(201, 4, 1, 5, 0)
        keyboard.keyFunctionSetting(202, 4, 1, 6, 0)
        callLog.setKeyedReturn("getData", "keyboardMacroKey/5", "Jump")
        callLog.setKeyedReturn("getData", "keyboardMacroKey/6", "Run")
        fakeEditor.modifyMacroData("Jump")
        compare(fakeEditor.sent, [[5, "Jump"]])
        fakeEditor.modifyMacroName("Run", "Sprint")
        compare(calls("setData"), [["keyboardMacroKey/6", "Sprint"]])
        main.deviceType = "mouse"
        fakeEditor.sent = []
        fakeEditor.modifyMacroData("Jump")
        compare(fakeEditor.sent, [])
    }

    function shipped(language) {
        var texts = shippedTexts[language]
        verify(texts !== undefined && texts["keyboardPage"] !== undefined, "no keyboardPage in " + language)
        return texts["keyboardPage"]
    }

    function test_screens_in_english_and_chinese_data() {
        return [{ tag: "ChineseSimplified", file: "cn" }, { tag: "English", file: "en" }]
    }

    // The three views a user checks, in both shipped languages (see the screenshot folder).
    function test_screens_in_english_and_chinese(data) {
        callLog.setKeyedReturn("getGlobalData", "common/language", data.tag)
        callLog.setKeyedReturn("getLangStrings", "keyboardPage", shipped(data.tag))
        callLog.setKeyedReturn("getDataList", "keyboard/lightValue", [2, 2, 4, 3])
        callLog.setKeyedReturn("getDataList", "keyboard/colorValue",
                               [251, 99, 126, 255, 0, 0, 255, 128, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255])
        startKeyboard()
        keyboard.keyFunctionSetting(201, 3, 0, 0xE2, 0)
        mouseClick(child(keyboard, "key201"))
        shoot(main, "keyboard-function-" + data.file + ".png")
        mouseClick(child(main, "kbViewTab1"))
        var setting = child(main, "kbKeySetting")
        var colours = [["255", "0", "0"], ["0", "255", "0"], ["0", "0", "255"]]
        for (var i = 0; i < 14; ++i) {
            child(setting, "kbRed").textValue = colours[i % 3][0]
            child(setting, "kbGreen").textValue = colours[i % 3][1]
            child(setting, "kbBlue").textValue = colours[i % 3][2]
            mouseClick(child(keyboard, "key" + (201 + (i % 10) + 100 * Math.floor(i / 10))))
        }
        mouseClick(child(keyboard, "key300"))
        shoot(main, "keyboard-colour-" + data.file + ".png")
        var list = child(main, "kbEffectList")
        mouseClick(list, list.width / 2, list.height / 2)
        animationClock.advanceBy(200)
        shoot(main, "keyboard-lighting-" + data.file + ".png")
        mouseClick(list, list.width / 2, list.height + 12)
        animationClock.advanceBy(200)
        mouseClick(child(main, "kbBlock3"))
        shoot(main, "keyboard-lighting-static-" + data.file + ".png")
    }
}
}
