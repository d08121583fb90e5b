import QtQuick
import QtTest
import "qrc:/modules/qml/J2/LightRules.js" as LightRules
import "qrc:/modules/qml/J2/DpiRules.js" as DpiRules

// The DPI page, the mouse lighting page and the system settings dialog; their
// flows to the mouse are driven end to end elsewhere.
Item {
    id: stage
    width: 1024
    height: 640

    ScreenCase {
        name: "DpiLightSystem"

        property var dpiComponent: Qt.createComponent("qrc:/modules/qml/J2/DpiSetting.qml")
        property var lightComponent: Qt.createComponent("qrc:/modules/qml/J2/LightControl.qml")
        property var systemComponent: Qt.createComponent("qrc:/modules/qml/J2/SystemSetting.qml")
        readonly property var factoryColours: [251, 99, 126, 255, 0, 0, 255, 128, 0, 255, 255, 0,
            0, 255, 0, 0, 255, 255, 0, 0, 255, 255, 255, 255]
        readonly property var eightStages: [400, 800, 1600, 3200, 4800, 6400, 9600, 12000]

        function stored(key) {
            var all = calls("setData").filter(function(a) { return a[0] === key })
            verify(all.length > 0, key + " was not stored")
            return all[all.length - 1][1]
        }

        // ---- DPI page

        function dpiPage(dpiCount, values, currentDpiCount) {
            returns("getData", { "mouse/dpiCount": String(dpiCount), "mouse/currentDpiCount": String(currentDpiCount) })
            returns("getGlobalData", { "mouse/minDPI": "200", "mouse/maxDPI": "12000", "mouse/dpiBase": "100",
                                       "mouse/sensorType": "3389" })
            callLog.setKeyedReturn("getDataList", "mouse/dpiValueArray", values)
            var page = make(dpiComponent)
            page.init(false, false)
            return page
        }

        function dpiTexts(page) {
            return [0, 1, 2, 3, 4, 5, 6, 7].map(function(i) { return child(page, "dpiValue" + i).text })
        }

        function test_dpi_load_rounds_down_and_keeps_the_first_stage_count() {
            var page = dpiPage(4, [400, 850, 1234, 12000, 199, 13000, 6400, 800], 3)
            // Off-grid values round down; out-of-range ones stop at the ends.
            compare(dpiTexts(page), ["400", "800", "1200", "12000", "200", "12000", "6400", "800"])
            compare(page.dpiSegment.mdItems.count, 4)
            compare(page.dpiSegment.currentSelect, 2)
            // A count above eight on a later load changes nothing.
            returns("getData", { "mouse/dpiCount": "9" })
            callLog.setKeyedReturn("getDataList", "mouse/dpiValueArray", eightStages)
            page.init(true, false)
            compare(page.dpiSegment.mdItems.count, 4)
            compare(dpiTexts(page)[1], "800")
            verify(!page.isSave)
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
        }

        function test_dpi_rules_data() {
            return [
                { tag: "rounds down", ratio: 0.5, min: 200, max: 12000, base: 100, value: 6100 },
                { tag: "stored value back", ratio: DpiRules.ratioOf(1700, 200, 6000), min: 200, max: 6000, base: 50, value: 1700 },
                { tag: "minimum off the grid", ratio: 0, min: 230, max: 6000, base: 50, value: 200 },
                { tag: "no range", ratio: 0.3, min: 400, max: 400, base: 50, value: 400 }
            ]
        }

        function test_dpi_rules(data) {
            compare(DpiRules.valueAt(data.ratio, data.min, data.max, data.base), data.value)
        }

        // ---- Lighting page

        function lightPage(colourful, is55328, lightValue, props) {
            callLog.setKeyedReturn("getDataList", "mouse/lightValue", lightValue || [0, 2, 4])
            callLog.setKeyedReturn("getDataList", "mouse/colorValue", factoryColours)
            var p = props || {}
            p.colourful = colourful
            p.variant55328 = is55328
            p.firstLoad = true
            var page = make(lightComponent, p)
            page.init(false, false)
            page.firstLoad = false
            return page
        }

        function chooseEffect(page, index) {
            mouseClick(page.lightModel)
            animationClock.advanceBy(150)
            page.lightModel.choose(index)
            animationClock.advanceBy(150)
        }

        // The variant's Breath Loop; the other effects' bytes are checked on the wire.
        function test_choosing_breath_loop_data() {
            return [
                { tag: "colourful, at 11", colourful: true, effect: 11, steps: [2, 3] },
                { tag: "single colour, at 4", colourful: false, effect: 4, steps: [0, 3] }
            ]
        }

        function test_choosing_breath_loop(data) {
            var page = lightPage(data.colourful, true, [5, 2, 3])
            child(page, "colorBlock2").clicked(2)
            chooseEffect(page, data.effect)
            compare(page.effect, data.effect)
            verify(child(page, "speedRow").visible)
            compare([child(page, "speedRow").step, child(page, "brightnessRow").step], data.steps)
            compare(page.selectColorBlock, 0)
            page.saveData(true, 1)
            compare(lastCall("mouseSetRGBEffect"), [data.effect, data.steps[0], data.steps[1]])
            compare(callLog.count("ui_View.mouseSetRGBColor"), 0)
        }

        function test_variant_eighth_colour_is_sent_only_with_breath_loop_data() {
            return [{ tag: "Static", effect: 0, last: [0, 0, 0] }, { tag: "Breath Loop", effect: 4, last: [255, 255, 255] }]
        }

        function test_variant_eighth_colour_is_sent_only_with_breath_loop(data) {
            var page = lightPage(false, true, [data.effect, 0, 4])
            page.saveData(true, 0)
            var sent = lastCall("mouseSetRGBColor")
            compare(sent[0], 1)
            compare(sent[1].slice(0, 21), factoryColours.slice(0, 21))
            compare(sent[1].slice(21), data.last)
            compare(lastCall("setDataList")[1].slice(21), data.last)
        }

        // Positions along the 184-pixel bar and colours, both ways.
        function test_hue_bar_data() {
            var seg = 183 / 6
            return [
                { tag: "red to yellow", p: 15, colour: "#ff7f00" },
                { tag: "magenta to red", p: 179, colour: "#ff0009" },
                { tag: "tail is red", p: 181, colour: "#ff0000" },
                { tag: "right end is white", p: 184, colour: "#ffffff" },
                { tag: "yellow goes by red first", colour: "#ffff00", back: 255 / 256 * seg },
                { tag: "cyan goes by blue first", colour: "#00ffff", back: 3 * seg },
                { tag: "pink", colour: "#ff0080", back: (5 + 127 / 256) * seg },
                { tag: "grey", colour: "#808080", back: 0 }
            ]
        }

        function test_hue_bar(data) {
            if (data.p !== undefined)
                compare(LightRules.hueColour(data.p), data.colour)
            else
                fuzzyCompare(LightRules.hueOf(data.colour, 184), data.back, 1e-9)
        }

        // Blocks offered: colourful mice have eight, others one per stage; the variant keeps
        // all but the first for Breath Loop.
        function test_colour_blocks_shown_data() {
            return [
                { tag: "colourful", colourful: true, v: false, dpi: 1, effect: 0, shown: "11111111" },
                { tag: "one per stage", colourful: false, v: false, dpi: 3, effect: 0, shown: "11100000" },
                { tag: "no stages", colourful: false, v: false, dpi: 0, effect: 0, shown: "00000000" },
                { tag: "variant static", colourful: true, v: true, dpi: 8, effect: 0, shown: "10000000" },
                { tag: "variant breath loop", colourful: false, v: true, dpi: 8, effect: 4, shown: "11111110" }
            ]
        }

        function test_colour_blocks_shown(data) {
            var shown = ""
            for (var i = 0; i < 8; ++i)
                shown += LightRules.blockShown(i, data.colourful, data.v, data.dpi, data.effect) ? "1" : "0"
            compare(shown, data.shown)
        }

        // ---- System settings dialog

        function systemDialog(mouseRate, doubleRate, scrollRate) {
            returns("getData", { "mouse/mouseRate": String(mouseRate), "mouse/doubleRate": String(doubleRate),
                                 "mouse/scrollRate": String(scrollRate) })
            var dialog = make(systemComponent)
            dialog.init(false, false)
            dialog.open()
            return dialog
        }

        function test_stored_scroll_value_picks_the_radio_button_data() {
            return [
                { tag: "rows", stored: 7, screen: false, field: "7" },
                { tag: "just above rows", stored: 101, screen: true, field: "3" }
            ]
        }

        function test_stored_scroll_value_picks_the_radio_button(data) {
            var dialog = systemDialog(2, 2, data.stored)
            compare(child(dialog, "screenRadio").isSelect, data.screen)
            compare(child(dialog, "rowsRadio").isSelect, !data.screen)
            compare(child(dialog, "rowsField").textValue, data.field)
            compare(callLog.count("ui_View.mouseSetVerticalScrollLines"), 0)
        }

        function test_rows_field_on_leaving_data() {
            return [
                { tag: "emptied", typed: "", value: 1 },
                { tag: "zero", typed: "0", value: 1 },
                { tag: "too many", typed: "999", value: 100 }
            ]
        }

        function test_rows_field_on_leaving(data) {
            var dialog = systemDialog(2, 2, 3)
            var field = child(dialog, "rowsField")
            mouseClick(field)
            field.txtInput.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < data.typed.length; ++i)
                keyClick(data.typed.charAt(i))
            keyClick(Qt.Key_Return)
            compare(field.textValue, String(data.value))
            compare(stored("mouse/scrollRate"), data.value)
            compare(calls("mouseSetVerticalScrollLines"), [[data.value]])
        }

        function test_restore_and_profile_change_apply_all_three() {
            var dialog = systemDialog(300, 300, 1000)
            returns("getData", { "mouse/mouseRate": "171", "mouse/doubleRate": "188", "mouse/scrollRate": "3" })
            callLog.clear()
            mouseClick(child(dialog, "systemRestore"))
            compare(calls("getData")[0], ["mouse/mouseRate", true])
            compare(stored("mouse/mouseRate"), 171)
            var applied = ["mouseSetCursorSpeed", "mouseSetDoubleClickSpeed", "mouseSetVerticalScrollLines"]
            compare(applied.map(function(n) { return calls(n) }), [[[5]], [[6]], [[3]]])
            verify(child(dialog, "rowsRadio").isSelect)

            returns("getData", { "mouse/mouseRate": "40", "mouse/doubleRate": "340", "mouse/scrollRate": "1000" })
            start("mouse")
            main.changeProfile(2)
            compare(applied.map(function(n) { return calls(n) }), [[[2]], [[10]], [[1000]]])
            verify(child(main, "screenRadio").isSelect)
        }

        // ---- Screenshots of every effect's page and of the dialog, to look at

        function test_screenshots() {
            returns("getGlobalData", { "mouse/isColorful": "true", "mouse/is55328": "true", "mouse/minDPI": "200",
                                       "mouse/maxDPI": "12000", "mouse/dpiBase": "100" })
            returns("getData", { "mouse/dpiCount": "8", "mouse/currentDpiCount": "6", "mouse/mouseRate": "171",
                                 "mouse/doubleRate": "188", "mouse/scrollRate": "3" })
            returns("getDataList", { "mouse/dpiValueArray": eightStages, "mouse/lightValue": [0, 2, 4],
                                     "mouse/colorValue": factoryColours })
            callLog.setReturn("mouseGetCurrentDPI", 3)
            start("mouse")
            shoot(main, "dpilight-mouse.png")
            var light = child(main, "lightPage")
            for (var e = 0; e < light.lightModel.mdItems.count; ++e) {
                chooseEffect(light, e)
                shoot(main, "dpilight-effect" + e + ".png")
            }
            mouseClick(child(main, "systemSettingButton"))
            shoot(main, "dpilight-system.png")
            shoot(lightPage(false, false, [1, 3, 2], { "dpiCount": 3 }), "dpilight-single-colour.png")
        }
    }
}
