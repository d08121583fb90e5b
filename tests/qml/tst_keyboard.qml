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

TestCase {
    id: testCase
    name: "KeyboardPages"
    when: windowShown

    property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        failOnWarning(/.?/)
        callLog.clear()
        callLog.clearReturns()
        callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
        fakeEditor.sent = []
    }

    function child(root, name) {
        var found = findChild(root, name)
        verify(found !== null, "no child " + name)
        return found
    }

    function startedMain() {
        compare(mainComponent.status, Component.Ready, mainComponent.errorString())
        var main = createTemporaryObject(mainComponent, stage, { "deviceType": "keyboard" })
        verify(main !== null)
        main.initUI()
        animationClock.advanceBy(1040)
        verify(main.started)
        callLog.clear()
        return main
    }

    function shoot(main, file) {
        animationClock.advanceBy(0)
        grabImage(main).save(screenshotDir + "/" + file)
    }

    function functionOf(keyboard, dataIndex) {
        var e = keyboard.entryAt(dataIndex)
        return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
    }

    function storedLists(key) {
        var found = []
        var calls = callLog.argsOf("ui_View.setDataList")
        for (var i = 0; i < calls.length; ++i) {
            if (String(calls[i][0]).indexOf(key) === 0)
                found.push(calls[i])
        }
        return found
    }

    // Drags a hue bar's knob until its centre is `centre` pixels into the bar.
    function dragKnob(bar, centre) {
        var knob = child(bar, "hueKnob")
        var from = knob.x + knob.width / 2
        mousePress(bar, from, 8)
        mouseMove(bar, (from + centre) / 2, 8)
        mouseMove(bar, centre, 8)
        mouseRelease(bar, centre, 8)
    }

    // The caps make a real keyboard: every key of the matrix once, the five
    // Japanese caps hidden, the rest inside the picture without overlapping.
    function test_caps_cover_the_matrix_once_and_do_not_overlap() {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        var seen = {}
        var shown = []
        var hiddenCaps = []
        for (var r = 0; r < 6; ++r) {
            for (var p = 0; p < keyboard.models[r].count; ++p) {
                var fw = keyboard.models[r].get(p).fwIndex
                verify(fw >= 0 && fw < 126, "matrix index " + fw)
                verify(seen[fw] === undefined, "matrix index " + fw + " twice")
                seen[fw] = true
                var cap = child(keyboard, "key" + (100 * r + p))
                if (!cap.visible)
                    hiddenCaps.push(cap.dataIndex)
                else
                    shown.push(cap)
            }
        }
        compare(hiddenCaps.sort(), [113, 412, 503, 505, 506].sort())
        for (var i = 0; i < shown.length; ++i) {
            var a = shown[i]
            verify(a.x >= 0 && a.y >= 0 && a.x + a.width <= keyboard.width && a.y + a.height <= keyboard.height,
                   "cap " + a.dataIndex + " outside the picture")
            for (var j = i + 1; j < shown.length; ++j) {
                var b = shown[j]
                var apart = a.x + a.width <= b.x || b.x + b.width <= a.x
                        || a.y + a.height <= b.y || b.y + b.height <= a.y
                verify(apart, "caps " + a.dataIndex + " and " + b.dataIndex + " overlap")
            }
        }
        // The tall keypad keys span two rows; Space is the widest cap.
        compare(child(keyboard, "key220").height, child(keyboard, "key219").height * 2 + 4)
        compare(child(keyboard, "key316").height, child(keyboard, "key220").height)
        verify(child(keyboard, "key504").width > 5 * child(keyboard, "key505").width)
        compare(keyboard.getDataIndex(411), 79)
        compare(keyboard.getDataIndex(316), 120)
    }

    // The pages' key table and the factory profile were written apart; they must agree.
    function test_default_functions_are_the_factory_ones() {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        for (var r = 0; r < 6; ++r) {
            for (var p = 0; p < keyboard.models[r].count; ++p) {
                var e = keyboard.models[r].get(p)
                var stored = factoryKeys[String(e.fwIndex)]
                verify(stored !== undefined, "no factory function for " + e.fwIndex)
                compare(child(keyboard, "key" + (100 * r + p)).keyDefaultData, stored.map(Number).join(","),
                        e.keyText + " (" + e.fwIndex + ")")
            }
        }
    }

    function test_function_text_by_type_data() {
        return [
            { tag: "key", fn: [0, 0, 0x04, 0], text: "A" },
            { tag: "media by grid", fn: [3, 0, 0xB5, 0x00], text: "下一首" },
            { tag: "mail", fn: [3, 0, 0x8A, 0x01], text: "邮件" },
            { tag: "calculator", fn: [3, 0, 0x92, 0x01], text: "计算器" },
            { tag: "web", fn: [3, 0, 0x21, 0x02], text: "Web搜索" },
            { tag: "unknown usage", fn: [3, 0, 0x99, 0x00], text: "" },
            { tag: "macro", fn: [4, 1, 3, 0], text: "Macro" },
            { tag: "Fn", fn: [2, 0, 0, 0], text: "Macro" }
        ]
    }

    function test_function_text_by_type(data) {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        keyboard.selectKeyProc(201)
        keyboard.keyFunctionSetting(201, data.fn[0], data.fn[1], data.fn[2], data.fn[3])
        compare(keyboard.keyFunctionDisplay(201), data.text)
        compare(child(main, "kbInfoFunction").text, data.text)
        verify(keyboard.isFunctionSave)
    }

    function test_loading_takes_stored_keys_and_keeps_defaults_for_broken_ones() {
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/8", [3, 0, 0xE2, 0])
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/14", [0, 0, 999, 0])
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/20", [0, 0])
        callLog.setKeyedReturn("getDataList", "keyboardLEDData/8",
                               ["00ff0000", "0000ff00", "nonsense", "00000000"])
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        compare(functionOf(keyboard, 301), [3, 0, 0xE2, 0])   // A
        compare(functionOf(keyboard, 302), [0, 0, 0x16, 0])   // S: out of range
        compare(functionOf(keyboard, 303), [0, 0, 0x07, 0])   // D: too short
        keyboard.selectKeyProc(301)
        compare(child(main, "kbInfoFunction").text, "静音")
        compare([keyboard.keyInfo(301, 0), keyboard.keyInfo(301, 1), keyboard.keyInfo(301, 2),
                 keyboard.keyInfo(301, 3), keyboard.keyInfo(301, 4)], ["#ff0000", "#00ff00", "", "", ""])
        var swatch = child(main, "kbSwatch3")
        compare(Qt.colorEqual(swatch.color, "transparent"), true)
    }

    function test_macros_take_the_next_free_number_and_then_reuse_0() {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        var setting = child(main, "kbKeySetting")
        setting.macroEditor = fakeEditor
        keyboard.selectKeyProc(201)
        setting.bindMacro("Macro_0")
        keyboard.selectKeyProc(202)
        setting.bindMacro("Macro_1")
        compare(functionOf(keyboard, 201), [4, 1, 0, 0])
        compare(functionOf(keyboard, 202), [4, 1, 1, 0])
        compare(fakeEditor.sent, [[0, "Macro_0"], [1, "Macro_1"]])
        compare(callLog.argsOf("ui_View.setData"), [["keyboardMacroKey/0", "Macro_0"],
                                                   ["keyboardMacroKey/1", "Macro_1"]])
        // Thirty more keys, none of them the two above, take numbers 2 … 31.
        var caps = []
        for (var c = 101; c <= 112; ++c)
            caps.push(c)
        for (c = 203; c <= 212; ++c)
            caps.push(c)
        for (c = 301; c <= 308; ++c)
            caps.push(c)
        for (var n = 2; n < 32; ++n) {
            compare(keyboard.getMacroIndex(), n)
            keyboard.keyFunctionSetting(caps[n - 2], 4, 1, n, 0)
        }
        compare(keyboard.getMacroIndex(), 0)
    }

    function test_lock_keys_take_neither_colour_nor_macro_data() {
        return [{ tag: "Caps Lock", cap: 300 }, { tag: "Scroll Lock", cap: 14 }, { tag: "Num Lock", cap: 118 }]
    }

    function test_lock_keys_take_neither_colour_nor_macro(data) {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        var setting = child(main, "kbKeySetting")
        setting.macroEditor = fakeEditor
        var before = functionOf(keyboard, data.cap)
        mouseClick(child(main, "kbViewTab1"))
        mouseClick(child(keyboard, "key" + data.cap))
        mouseClick(child(keyboard, "key" + data.cap), 4, 4, Qt.RightButton)
        setting.bindMacro("Macro_0")
        compare(keyboard.selectKey, data.cap)
        compare(keyboard.keyInfo(data.cap, 0), "")
        compare(functionOf(keyboard, data.cap), before)
        compare(fakeEditor.sent, [])
        verify(!keyboard.isPictureSave)
        verify(!keyboard.isFunctionSave)
    }

    function test_painting_in_the_colour_view_and_choosing_pictures() {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        var setting = child(main, "kbKeySetting")
        mouseClick(child(main, "kbViewTab1"))
        compare(keyboard.selectModel, 1)
        child(setting, "kbRed").textValue = "0"
        child(setting, "kbGreen").textValue = "128"
        child(setting, "kbBlue").textValue = "255"
        mouseClick(child(keyboard, "key201"))
        compare(keyboard.entryAt(201).keyColorStr0, "000080ff")
        verify(Qt.colorEqual(child(keyboard, "key201").color, "#0080ff"))
        verify(keyboard.isPictureSave)

        keyboard.isPictureSave = false
        mouseClick(child(setting, "kbPicture2"))
        compare(keyboard.selectPictureValue, 2)
        verify(Qt.colorEqual(child(keyboard, "key201").color, "black"))
        verify(!keyboard.isPictureSave, "choosing a picture is no edit")
        mouseClick(child(keyboard, "key202"), 4, 4, Qt.RightButton)
        compare(keyboard.entryAt(202).keyColorStr2, "00000000")
        verify(keyboard.isPictureSave)
        // In the function view a click selects but does not paint.
        mouseClick(child(main, "kbViewTab0"))
        mouseClick(child(keyboard, "key203"))
        compare(keyboard.entryAt(203).keyColorStr2, "00000000")
        compare(keyboard.selectKey, 203)
    }

    function test_saving_sends_only_the_half_isStep_names_data() {
        return [
            { tag: "all", step: 0, functions: true, colours: true },
            { tag: "functions", step: 1, functions: true, colours: false },
            { tag: "colours", step: 2, functions: false, colours: true }
        ]
    }

    function test_saving_sends_only_the_half_isStep_names(data) {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        keyboard.saveData(true, data.step)
        compare(storedLists("keyboardFunctionData/").length > 0, data.functions)
        compare(storedLists("keyboardLEDData/").length > 0, data.colours)
        compare(callLog.count("ui_View.keyboardSetKeyMatrix"), data.functions ? 1 : 0)
        compare(callLog.count("ui_View.keyboardLEDPicture"), data.colours ? 1 : 0)
        // Every key is stored under its own matrix index, the right Shift under 79.
        var fns = storedLists("keyboardFunctionData/")
        if (data.functions) {
            compare(fns.length, 113)
            verify(fns.some(function (c) { return c[0] === "keyboardFunctionData/79"
                                                  && String(c[1]) === String([0, 0, 0xE5, 0]) }))
        }
    }

    function test_restoring_one_key_takes_its_factory_function() {
        callLog.setKeyedReturn("getDataList", "keyboardFunctionData/9", [0, 0, 0x14, 0])
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        keyboard.selectKeyProc(201)
        keyboard.keyFunctionSetting(201, 3, 0, 0xE2, 0)
        keyboard.isFunctionSave = false
        callLog.clear()
        mouseClick(child(main, "kbRestoreKey"))
        compare(callLog.argsOf("ui_View.getDataList"), [["keyboardFunctionData/9", true]])
        compare(functionOf(keyboard, 201), [0, 0, 0x14, 0])
        verify(keyboard.isFunctionSave)
    }

    function test_an_edited_macro_is_sent_again_to_its_keys() {
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        var setting = child(main, "kbKeySetting")
        setting.macroEditor = fakeEditor
        keyboard.keyFunctionSetting(201, 4, 1, 5, 0)
        keyboard.keyFunctionSetting(202, 4, 1, 6, 0)
        callLog.setKeyedReturn("getData", "keyboardMacroKey/5", "Jump")
        callLog.setKeyedReturn("getData", "keyboardMacroKey/6", "Run")
        fakeEditor.modifyMacroData("Jump")
        compare(fakeEditor.sent, [[5, "Jump"]])
        fakeEditor.modifyMacroName("Run", "Sprint")
        compare(callLog.argsOf("ui_View.setData"), [["keyboardMacroKey/6", "Sprint"]])
        // The mouse layout's edits are not the keyboard's.
        main.deviceType = "mouse"
        fakeEditor.sent = []
        fakeEditor.modifyMacroData("Jump")
        compare(fakeEditor.sent, [])
    }

    // Speed, cover and block 8 by effect.
    function test_lighting_box_controls_follow_the_effect_data() {
        return [
            { tag: "static", effect: 0, speed: false, cover: false, block8: false },
            { tag: "breathing", effect: 1, speed: true, cover: false, block8: true },
            { tag: "wave", effect: 2, speed: true, cover: true, block8: true },
            { tag: "dark on press", effect: 5, speed: true, cover: false, block8: false },
            { tag: "neon", effect: 6, speed: true, cover: true, block8: true },
            { tag: "swirl", effect: 11, speed: true, cover: false, block8: true },
            { tag: "user 1", effect: 12, speed: false, cover: true, block8: true },
            { tag: "user 5", effect: 16, speed: false, cover: true, block8: true }
        ]
    }

    function test_lighting_box_controls_follow_the_effect(data) {
        var main = startedMain()
        var light = child(main, "kbLightControl")
        light.chooseBlock(7)
        light.isSave = false
        var list = child(light, "kbEffectList")
        list.currentSelect = data.effect
        list.valueChange(data.effect)
        compare(child(light, "kbSpeed").visible, data.speed)
        compare(child(light, "kbColourCover").visible, data.cover)
        compare(child(light, "kbBlock7").visible, data.block8)
        compare(light.effectValues(), [data.effect, 4, 4, data.block8 ? 7 : 0])
        verify(light.isSave)
    }

    function test_lighting_saves_only_its_half_data() {
        return [
            { tag: "all", step: 0, keys: ["keyboard/lightValue", "keyboard/colorValue"], effect: 1, colours: 1 },
            { tag: "effect", step: 1, keys: ["keyboard/lightValue"], effect: 1, colours: 0 },
            { tag: "colours", step: 2, keys: ["keyboard/colorValue"], effect: 0, colours: 1 }
        ]
    }

    function test_lighting_saves_only_its_half(data) {
        callLog.setKeyedReturn("getDataList", "keyboard/lightValue", [9, 1, 2, 3])
        var main = startedMain()
        var light = child(main, "kbLightControl")
        light.saveData(true, data.step)
        compare(callLog.argsOf("ui_View.setDataList").map(function (c) { return c[0] }), data.keys)
        compare(callLog.count("ui_View.keyboardSetRGBEffect"), data.effect)
        compare(callLog.count("ui_View.keyboardSetRGBColor"), data.colours)
        if (data.effect)
            compare(callLog.argsOf("ui_View.keyboardSetRGBEffect")[0], [9, 1, 2, 3])
    }

    function test_the_lighting_knob_recolours_the_selected_block() {
        var main = startedMain()
        var light = child(main, "kbLightControl")
        // Block 7 is white: its knob starts at the bar's right end.
        mouseClick(child(light, "kbBlock6"))
        compare(light.colorIndex, 6)
        dragKnob(child(light, "kbLightHueBar"), 45)
        compare(light.colours[6], [119, 255, 0])   // position 46: 255 · 16 / 30 on from yellow
        verify(light.isSave)
    }

    function shipped(language) {
        var texts = shippedTexts[language]
        verify(texts !== undefined && texts["keyboardPage"] !== undefined, "no keyboardPage in " + language)
        return texts["keyboardPage"]
    }

    // The Chinese file says what the pages say without one.
    function test_the_chinese_section_is_the_built_in_texts() {
        var main = startedMain()
        compare(shipped("ChineseSimplified"), child(main, "keyboardMain").keyboardPageLang)
    }

    function test_language_section_replaces_the_built_in_texts_data() {
        return [
            { tag: "English", english: true, count: 58, title: "Key Info", tab: "Color",
              input: "Click Input", effect: "User Mode 5", media: "Web Favorites" },
            { tag: "short", english: true, count: 5, title: "Key Info", tab: "Color",
              input: "Click Input", effect: "用户模式5", media: "Web收藏" },
            { tag: "missing", english: false, count: 0, title: "按键信息", tab: "颜色",
              input: "单击输入", effect: "用户模式5", media: "Web收藏" }
        ]
    }

    function test_language_section_replaces_the_built_in_texts(data) {
        callLog.setKeyedReturn("getGlobalData", "common/language", "English")
        callLog.setKeyedReturn("getLangStrings", "keyboardPage",
                               data.english ? shipped("English").slice(0, data.count) : [])
        callLog.setKeyedReturn("getDataList", "keyboard/lightValue", [16, 4, 4, 0])
        var main = startedMain()
        compare(callLog.count("ui_View.getLangStrings"), 0)
        compare(child(main, "kbKeyInfo").title, data.title)
        compare(child(main, "kbViewTab1").textValue, data.tab)
        compare(child(main, "kbKeySetting").keyValueText, data.input)
        compare(child(main, "kbEffectList").textValue, data.effect)
        compare(child(main, "mediaGrid").mdItems.get(17).textValue, data.media)
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
        var main = startedMain()
        var keyboard = child(main, "keyboardMain")
        keyboard.keyFunctionSetting(201, 3, 0, 0xE2, 0)
        mouseClick(child(keyboard, "key201"))
        shoot(main, "keyboard-function-" + data.file + ".png")
        mouseClick(child(main, "kbViewTab1"))
        var setting = child(main, "kbKeySetting")
        var colours = [["255", "0", "0"], ["0", "255", "0"], ["0", "0", "255"]]
        for (var i = 0; i < 14; ++i) {
            var c = colours[i % 3]
            child(setting, "kbRed").textValue = c[0]
            child(setting, "kbGreen").textValue = c[1]
            child(setting, "kbBlue").textValue = c[2]
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
