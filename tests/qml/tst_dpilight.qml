import QtQuick
import QtTest
import "qrc:/modules/qml/J2/LightRules.js" as LightRules
import "qrc:/modules/qml/J2/DpiRules.js" as DpiRules

// The DPI page, the mouse lighting page and the system settings dialog, on
// their own and inside the main screen.
Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        id: testCase
        name: "DpiLightSystem"
        when: windowShown

        property var dpiComponent: Qt.createComponent("qrc:/modules/qml/J2/DpiSetting.qml")
        property var lightComponent: Qt.createComponent("qrc:/modules/qml/J2/LightControl.qml")
        property var systemComponent: Qt.createComponent("qrc:/modules/qml/J2/SystemSetting.qml")
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

        function make(component, props) {
            compare(component.status, Component.Ready, component.errorString())
            var item = createTemporaryObject(component, stage, props || {})
            verify(item !== null)
            return item
        }

        function lastArgs(name) {
            var all = callLog.argsOf(name)
            verify(all.length > 0, name + " was not called")
            return all[all.length - 1]
        }

        function shoot(item, file) {
            animationClock.advanceBy(0)
            grabImage(item).save(screenshotDir + "/" + file)
        }

        // ---- DPI page

        function dpiPage(dpiCount, values, currentDpiCount) {
            callLog.setKeyedReturn("getData", "mouse/dpiCount", String(dpiCount))
            callLog.setKeyedReturn("getData", "mouse/currentDpiCount", String(currentDpiCount || 4))
            callLog.setKeyedReturn("getGlobalData", "mouse/minDPI", "200")
            callLog.setKeyedReturn("getGlobalData", "mouse/maxDPI", "12000")
            callLog.setKeyedReturn("getGlobalData", "mouse/dpiBase", "100")
            callLog.setKeyedReturn("getGlobalData", "mouse/sensorType", "3389")
            callLog.setKeyedReturn("getDataList", "mouse/dpiValueArray", values)
            var page = make(dpiComponent)
            page.init(false, false)
            return page
        }

        function dpiTexts(page) {
            var texts = []
            for (var i = 0; i < 8; ++i)
                texts.push(child(page, "dpiValue" + i).text)
            return texts
        }

        function stageNames(page) {
            var names = []
            for (var i = 0; i < page.dpiSegment.mdItems.count; ++i)
                names.push(page.dpiSegment.mdItems.get(i).textValue)
            return names
        }

        function test_dpi_load_rounds_down_and_trims_the_stage_list_once() {
            var page = dpiPage(4, [400, 850, 1234, 12000, 199, 13000, 6400, 800], 3)
            // Stored multiples show as stored; others round down; out-of-range ones stop at the ends.
            compare(dpiTexts(page), ["400", "800", "1200", "12000", "200", "12000", "6400", "800"])
            compare(stageNames(page), ["1", "2", "3", "4"])
            compare(page.dpiSegment.currentSelect, 2)
            verify(child(page, "dpiStage2").visible)
            verify(!child(page, "dpiStage3").visible)
            callLog.setKeyedReturn("getData", "mouse/dpiCount", "8")
            page.init(false, false)
            compare(stageNames(page), ["1", "2", "3", "4"])
            compare(page.isSave, false)
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
        }

        function test_dpi_count_above_eight_reads_but_changes_nothing() {
            var page = dpiPage(8, [400, 800, 1600, 3200, 4800, 6400, 9600, 12000], 8)
            callLog.setKeyedReturn("getData", "mouse/dpiCount", "9")
            callLog.setKeyedReturn("getDataList", "mouse/dpiValueArray", [200, 200, 200, 200, 200, 200, 200, 200])
            var reads = callLog.count("ui_View.getDataList")
            page.init(true, false)
            compare(callLog.count("ui_View.getDataList"), reads + 1)
            compare(dpiTexts(page), ["400", "800", "1600", "3200", "4800", "6400", "9600", "12000"])
            compare(stageNames(page).length, 8)
            compare(child(page, "dpiSlider0").ratio, DpiRules.ratioOf(400, 200, 12000))
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
        }

        function test_dpi_drag_follows_at_every_move_and_marks_on_release() {
            var page = dpiPage(8, [400, 800, 1600, 3200, 4800, 6400, 9600, 12000], 8)
            var slider = child(page, "dpiSlider1")
            var knob = child(slider, "knob")
            var pressed = 0
            page.pressed.connect(function() { ++pressed })
            var x = knob.x + knob.width / 2
            var y = knob.y + knob.height / 2
            mousePress(slider, x, y)
            compare(pressed, 1)
            mouseMove(slider, x, y - 40)
            var midway = Number(child(page, "dpiValue1").text)
            verify(midway > 800, midway)
            compare(midway % 100, 0)
            verify(!page.isSave)
            mouseMove(slider, x, -500)
            compare(child(page, "dpiValue1").text, "12000")
            mouseRelease(slider, x, -500)
            verify(page.isSave)
            // The knob took the drag, not the window.
            compare(callLog.count("ui_Ctl.onXChanged") + callLog.count("ui_Ctl.onYChanged"), 0)
            page.saveData(true)
            compare(lastArgs("ui_View.mouseSetDpi"),
                    [8, "3389", [400, 12000, 1600, 3200, 4800, 6400, 9600, 12000]])
        }

        function test_dpi_click_on_the_track_glides_then_marks() {
            var page = dpiPage(8, [400, 800, 1600, 3200, 4800, 6400, 9600, 12000], 8)
            var slider = child(page, "dpiSlider0")
            mouseClick(slider, slider.width / 2, 4)
            verify(!page.isSave)
            animationClock.advanceBy(200)
            verify(page.isSave)
            compare(child(page, "dpiValue0").text, "12000")
        }

        function test_dpi_fewer_stages_hide_but_still_store_and_send_all_eight() {
            var page = dpiPage(8, [400, 800, 1600, 3200, 4800, 6400, 9600, 12000], 8)
            var list = page.dpiSegment
            mouseClick(list)
            animationClock.advanceBy(150)
            mouseClick(list, list.width / 2, list.height + 24 * 1 + 12)
            animationClock.advanceBy(150)
            compare(page.currentDpiCount, 2)
            verify(page.isSave)
            verify(child(page, "dpiStage1").visible)
            verify(!child(page, "dpiStage2").visible)
            page.saveData(true)
            compare(lastArgs("ui_View.setDataList"),
                    ["mouse/dpiValueArray", [400, 800, 1600, 3200, 4800, 6400, 9600, 12000]])
            compare(lastArgs("ui_View.setData"), ["mouse/currentDpiCount", 2])
            compare(lastArgs("ui_View.mouseSetDpi"), [2, "3389", [400, 800, 1600, 3200, 4800, 6400, 9600, 12000]])
        }

        function test_dpi_restore_takes_factory_values_and_keeps_the_stage_count() {
            var page = dpiPage(8, [400, 800, 1600, 3200, 4800, 6400, 9600, 12000], 5)
            callLog.setKeyedReturn("getDataList", "mouse/dpiValueArray", [1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000])
            mouseClick(child(page, "dpiRestore"))
            compare(lastArgs("ui_View.getDataList"), ["mouse/dpiValueArray", true])
            compare(dpiTexts(page)[7], "1000")
            compare(page.currentDpiCount, 5)
            verify(page.isSave)
            compare(callLog.count("ui_View.mouseSetDpi"), 0)
        }

        function test_dpi_orange_fill_follows_the_reported_stage() {
            callLog.setReturn("mouseGetCurrentDPI", 1)
            callLog.setKeyedReturn("getData", "mouse/dpiCount", "8")
            var main = make(mainComponent, { "deviceType": "mouse" })
            main.initUI()
            animationClock.advanceBy(1040)
            var fill1 = child(child(main, "dpiSlider1"), "fill")
            var fill0 = child(child(main, "dpiSlider0"), "fill")
            verify(Qt.colorEqual(fill0.color, "#fb637e"))
            main.setCurrentDPI(2)
            verify(Qt.colorEqual(fill1.color, "#fb637e"))
            verify(!Qt.colorEqual(fill0.color, "#fb637e"))
        }

        // ---- Lighting page

        readonly property var factoryColours: [251, 99, 126, 255, 0, 0, 255, 128, 0, 255, 255, 0,
            0, 255, 0, 0, 255, 255, 0, 0, 255, 255, 255, 255]

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

        function effectNames(page) {
            var names = []
            for (var i = 0; i < page.lightModel.mdItems.count; ++i)
                names.push(page.lightModel.mdItems.get(i).textValue)
            return names
        }

        function chooseEffect(page, index) {
            var list = page.lightModel
            mouseClick(list)
            animationClock.advanceBy(150)
            verify(list.isDrop)
            // Rows beyond the shown ones are scrolled to by the list; the page reacts the same.
            list.choose(index)
            animationClock.advanceBy(150)
        }

        function test_effect_list_entries_and_restoring_twice() {
            var page = lightPage(true, true)
            var names = effectNames(page)
            compare(names.length, 12)
            compare(names[3], "OFF")
            compare(names[4], "Twinkling")
            compare(names[11], "Breath Loop")
            mouseClick(child(page, "lightRestore"))
            mouseClick(child(page, "lightRestore"))
            page.init(true, false)
            compare(effectNames(page).length, 12)
            verify(page.isSave)
            compare(effectNames(lightPage(false, true))[4], "Breath Loop")
            compare(effectNames(lightPage(false, false)).length, 4)
        }

        function test_choosing_an_effect_data() {
            // speed/brightness: shown (1), hidden (0); steps after choosing from speed 2, brightness 3.
            return [
                { tag: "Static", colourful: true, v: false, effect: 0, speed: 0, bright: 1, steps: [2, 4], height: 224 },
                { tag: "Breath", colourful: true, v: false, effect: 1, speed: 1, bright: 0, steps: [0, 3], height: 224 },
                { tag: "Neon", colourful: true, v: false, effect: 2, speed: 1, bright: 0, steps: [0, 3], height: 224 },
                { tag: "OFF", colourful: true, v: false, effect: 3, speed: 0, bright: 0, steps: [2, 0], height: 176 },
                { tag: "Twinkling", colourful: true, v: false, effect: 4, speed: 0, bright: 1, steps: [2, 4], height: 224 },
                { tag: "Wave", colourful: true, v: false, effect: 5, speed: 1, bright: 1, steps: [0, 4], height: 264 },
                { tag: "Gliding", colourful: true, v: false, effect: 6, speed: 0, bright: 0, steps: [0, 4], height: 176 },
                { tag: "Finger Moving", colourful: true, v: false, effect: 7, speed: 0, bright: 1, steps: [2, 4], height: 224 },
                { tag: "Vertical Flipping", colourful: true, v: false, effect: 8, speed: 1, bright: 1, steps: [0, 4], height: 264 },
                { tag: "YO-YO", colourful: true, v: false, effect: 9, speed: 1, bright: 1, steps: [0, 4], height: 264 },
                { tag: "Spotlight", colourful: true, v: false, effect: 10, speed: 1, bright: 1, steps: [0, 4], height: 264 },
                { tag: "Breath Loop at 11", colourful: true, v: true, effect: 11, speed: 1, bright: 1, steps: [2, 3], height: 264 },
                { tag: "Breath Loop at 4", colourful: false, v: true, effect: 4, speed: 1, bright: 0, steps: [0, 3], height: 224 }
            ]
        }

        function test_choosing_an_effect(data) {
            // Wave shows both sliders, so the table's "unchanged" is seen against both shown.
            var page = lightPage(data.colourful, data.v, [5, 2, 3])
            child(page, "colorBlock2").clicked(2)
            compare(page.selectColorBlock, 2)
            chooseEffect(page, data.effect)
            compare(page.effect, data.effect)
            compare(child(page, "speedRow").visible, data.speed === 1)
            compare(child(page, "brightnessRow").visible, data.bright === 1)
            compare([child(page, "speedRow").step, child(page, "brightnessRow").step], data.steps)
            compare(child(child(page, "brightnessRow"), "percent").text, (data.steps[1] * 25) + "%")
            compare(page.height, data.height)
            compare(page.selectColorBlock, 0)
            verify(page.isSave)
            page.saveData(true, 1)
            compare(lastArgs("ui_View.mouseSetRGBEffect"), [data.effect, data.steps[0], data.steps[1]])
            compare(callLog.count("ui_View.mouseSetRGBColor"), 0)
        }

        function test_loading_shows_sliders_without_setting_steps() {
            var page = lightPage(true, false, [3, 1, 2])
            compare(page.effect, 3)
            verify(!child(page, "speedRow").visible)
            verify(!child(page, "brightnessRow").visible)
            compare(page.height, 176)
            page.saveData(false, 0)
            compare(callLog.argsOf("ui_View.setDataList")[0], ["mouse/lightValue", [3, 1, 2]])
            verify(!page.isSave)
        }

        function test_variant_eighth_colour_is_sent_only_with_breath_loop_data() {
            return [
                { tag: "Static", effect: 0, last: [0, 0, 0] },
                { tag: "Breath Loop", effect: 4, last: [255, 255, 255] }
            ]
        }

        function test_variant_eighth_colour_is_sent_only_with_breath_loop(data) {
            var page = lightPage(false, true, [data.effect, 0, 4])
            page.saveData(true, 0)
            var sent = lastArgs("ui_View.mouseSetRGBColor")
            compare(sent[0], 1)
            compare(sent[1].slice(0, 21), factoryColours.slice(0, 21))
            compare(sent[1].slice(21), data.last)
            compare(lastArgs("ui_View.setDataList")[1].slice(21), data.last)
        }

        function typeInto(field, text) {
            field.txtInput.forceActiveFocus()
            field.txtInput.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            keyClick(Qt.Key_Tab)
            field.closeFocus()
        }

        function test_typed_colour_keeps_its_value_and_places_the_knob_data() {
            return [
                { tag: "grey", rgb: ["128", "128", "128"], colour: "#808080", knob: -8 },
                { tag: "white", rgb: ["255", "255", "255"], colour: "#ffffff", knob: 175 },
                { tag: "pure blue", rgb: ["0", "0", "255"], colour: "#0000ff", knob: 3 * 30.5 + 255 / 256 * 30.5 - 9 }
            ]
        }

        function test_typed_colour_keeps_its_value_and_places_the_knob(data) {
            var page = lightPage(true, false)
            child(page, "colorBlock3").clicked(3)
            typeInto(child(page, "redField"), data.rgb[0])
            typeInto(child(page, "greenField"), data.rgb[1])
            typeInto(child(page, "blueField"), data.rgb[2])
            compare(page.colours[3], data.colour)
            fuzzyCompare(child(page, "hueBar").knobX, data.knob, 0.01)
            verify(page.isSave)
            // Another block and back: the knob and fields come from the block.
            child(page, "colorBlock0").clicked(0)
            compare(child(page, "redField").textValue, "251")
            child(page, "colorBlock3").clicked(3)
            compare(child(page, "greenField").textValue, data.rgb[1])
            fuzzyCompare(child(page, "hueBar").knobX, data.knob, 0.01)
        }

        function test_hue_bar_drag_colours_the_selected_block() {
            var page = lightPage(true, false)
            var bar = child(page, "hueBar")
            child(page, "colorBlock1").clicked(1)
            var focused = 0
            mousePress(bar, 40, bar.height / 2)
            // The knob's centre came to the press: position 41 is in the yellow-to-green segment.
            compare(page.colours[1], LightRules.hueColour(41))
            compare(child(page, "redField").textValue, String(255 - Math.floor(11 * 255 / 30)))
            verify(!page.isSave)
            mouseMove(bar, 400, bar.height / 2)
            compare(page.colours[1], "#ffffff")
            mouseMove(bar, 100, bar.height / 2)
            compare(page.colours[1], LightRules.hueColour(101))
            mouseRelease(bar, 100, bar.height / 2)
            verify(page.isSave)
            compare(callLog.count("ui_Ctl.onXChanged") + callLog.count("ui_Ctl.onYChanged"), 0)
            compare(page.colours[0], "#fb637e")
            page.saveData(true, 2)
            compare(lastArgs("ui_View.mouseSetRGBColor")[1].slice(3, 6), LightRules.components(LightRules.hueColour(101)))
            // Back on the block, its knob is where it picked the colour.
            var picked = bar.knobX
            child(page, "colorBlock0").clicked(0)
            verify(bar.knobX !== picked)
            child(page, "colorBlock1").clicked(1)
            compare(bar.knobX, picked)
        }

        function test_hue_colours_data() {
            return [
                { tag: "red to yellow", p: 15, colour: "#ff7f00" },
                { tag: "yellow to green", p: 45, colour: "#80ff00" },
                { tag: "green to cyan", p: 60, colour: "#00ff00" },
                { tag: "cyan to blue", p: 105, colour: "#0080ff" },
                { tag: "blue to magenta", p: 135, colour: "#7f00ff" },
                { tag: "magenta to red", p: 179, colour: "#ff0009" },
                { tag: "tail is red", p: 181, colour: "#ff0000" },
                { tag: "right end is white", p: 184, colour: "#ffffff" }
            ]
        }

        function test_hue_colours(data) {
            compare(LightRules.hueColour(data.p), data.colour)
        }

        function test_colour_to_knob_place_data() {
            var seg = 183 / 6
            return [
                { tag: "red", colour: "#ff0000", p: 0 },
                { tag: "orange", colour: "#ff8000", p: 128 / 256 * seg },
                { tag: "yellow goes by red first", colour: "#ffff00", p: 255 / 256 * seg },
                { tag: "green", colour: "#00ff00", p: (1 + 255 / 256) * seg },
                { tag: "cyan goes by blue first", colour: "#00ffff", p: 3 * seg },
                { tag: "sky", colour: "#0080ff", p: (3 + 127 / 256) * seg },
                { tag: "violet", colour: "#8000ff", p: (4 + 128 / 256) * seg },
                { tag: "spring", colour: "#00ff80", p: (2 + 128 / 256) * seg },
                { tag: "pink", colour: "#ff0080", p: (5 + 127 / 256) * seg },
                { tag: "white", colour: "#ffffff", p: 184 },
                { tag: "grey", colour: "#808080", p: 0 },
                { tag: "dim red", colour: "#800000", p: 0 }
            ]
        }

        function test_colour_to_knob_place(data) {
            fuzzyCompare(LightRules.hueOf(data.colour, 184), data.p, 1e-9)
        }

        function test_colour_blocks_shown_data() {
            return [
                { tag: "colourful", colourful: true, v: false, dpi: 1, effect: 0, shown: [1, 1, 1, 1, 1, 1, 1, 1] },
                { tag: "one per stage", colourful: false, v: false, dpi: 3, effect: 0, shown: [1, 1, 1, 0, 0, 0, 0, 0] },
                { tag: "eight stages", colourful: false, v: false, dpi: 8, effect: 0, shown: [1, 1, 1, 1, 1, 1, 1, 1] },
                { tag: "no stages", colourful: false, v: false, dpi: 0, effect: 0, shown: [0, 0, 0, 0, 0, 0, 0, 0] },
                { tag: "variant static", colourful: true, v: true, dpi: 8, effect: 0, shown: [1, 0, 0, 0, 0, 0, 0, 0] },
                { tag: "variant breath loop", colourful: false, v: true, dpi: 8, effect: 4, shown: [1, 1, 1, 1, 1, 1, 1, 0] }
            ]
        }

        function test_colour_blocks_shown(data) {
            var page = lightPage(data.colourful, data.v, [data.effect, 0, 4], { "dpiCount": data.dpi })
            var shown = []
            for (var i = 0; i < 8; ++i)
                shown.push(child(page, "colorBlock" + i).visible ? 1 : 0)
            compare(shown, data.shown)
        }

        function test_cover_takes_clicks_for_effects_without_colours_data() {
            return [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10].map(function(e) {
                return { tag: "effect " + e, effect: e, covered: [0, 1, 4, 9, 10].indexOf(e) < 0 }
            })
        }

        function test_cover_takes_clicks_for_effects_without_colours(data) {
            var page = lightPage(true, false, [data.effect, 0, 4])
            compare(child(page, "colourCover").visible, data.covered)
            mouseClick(child(page, "colorBlock5"))
            compare(page.selectColorBlock, data.covered ? 0 : 5)
        }

        function test_pressing_a_slider_closes_the_effect_list_and_ends_typing() {
            var page = lightPage(true, false, [5, 0, 4])
            var slider = child(page, "speedRow").slider
            mouseClick(page.lightModel)
            animationClock.advanceBy(150)
            verify(page.lightModel.isDrop)
            mousePress(slider, 4, slider.height / 2)
            verify(!page.lightModel.isDrop)
            mouseRelease(slider, 4, slider.height / 2)
            animationClock.advanceBy(200)
            var red = child(page, "redField")
            red.txtInput.forceActiveFocus()
            red.textValue = "12"
            mouseClick(slider, slider.width - 4, slider.height / 2)
            animationClock.advanceBy(200)
            verify(!red.txtInput.activeFocus)
            compare(page.colours[0], "#0c637e")
            compare(child(page, "speedRow").step, 4)
            compare(child(child(page, "speedRow"), "percent").text, "100%")
        }

        // ---- System settings dialog

        function systemDialog(mouseRate, doubleRate, scrollRate) {
            callLog.setKeyedReturn("getData", "mouse/mouseRate", String(mouseRate))
            callLog.setKeyedReturn("getData", "mouse/doubleRate", String(doubleRate))
            callLog.setKeyedReturn("getData", "mouse/scrollRate", String(scrollRate))
            var dialog = make(systemComponent)
            dialog.init(false, false)
            dialog.open()
            return dialog
        }

        function stored(key) {
            var all = callLog.argsOf("ui_View.setData").filter(function(a) { return a[0] === key })
            verify(all.length > 0, key + " was not stored")
            return all[all.length - 1][1]
        }

        function test_speed_steps_at_the_ends_and_between_data() {
            return [
                { tag: "far right", x: 1000, position: 340, step: 10 },
                { tag: "far left", x: -1000, position: 2, step: 0 },
                { tag: "on a threshold", x: 104, position: 104, step: 4 },
                { tag: "below a threshold", x: 103, position: 103, step: 3 }
            ]
        }

        function test_speed_steps_at_the_ends_and_between(data) {
            var dialog = systemDialog(171, 188, 3)
            var slider = child(child(dialog, "cursorSlider"), "slider")
            var knobX = 171 + 4
            mousePress(slider, knobX, slider.height / 2)
            mouseMove(slider, knobX + (data.x - 171) / 2, slider.height / 2)
            mouseMove(slider, knobX + data.x - 171, slider.height / 2)
            verify(callLog.count("ui_View.mouseSetCursorSpeed") === 0)
            mouseRelease(slider, knobX + data.x - 171, slider.height / 2)
            compare(stored("mouse/mouseRate"), data.position)
            compare(stored("mouse/doubleRate"), 188)
            compare(callLog.argsOf("ui_View.mouseSetCursorSpeed"), [[data.step]])
            compare(callLog.count("ui_View.mouseSetDoubleClickSpeed"), 0)
            compare(callLog.count("ui_View.mouseSetVerticalScrollLines"), 0)
            compare(callLog.count("ui_Ctl.onXChanged") + callLog.count("ui_Ctl.onYChanged"), 0)
        }

        function test_click_on_the_double_click_track_applies_after_the_glide() {
            var dialog = systemDialog(171, 188, 3)
            var slider = child(child(dialog, "doubleSlider"), "slider")
            mouseClick(slider, 40, slider.height / 2)
            compare(callLog.count("ui_View.mouseSetDoubleClickSpeed"), 0)
            animationClock.advanceBy(200)
            compare(stored("mouse/doubleRate"), 35)
            compare(callLog.argsOf("ui_View.mouseSetDoubleClickSpeed"), [[1]])
        }

        function test_stored_scroll_value_picks_the_radio_button_data() {
            return [
                { tag: "one screen", stored: 1000, screen: true, field: "3" },
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

        function test_radio_buttons_exclude_each_other_and_apply_scrolling() {
            var dialog = systemDialog(2, 2, 5)
            mouseClick(child(dialog, "screenRadio"))
            verify(child(dialog, "screenRadio").isSelect)
            verify(!child(dialog, "rowsRadio").isSelect)
            compare(stored("mouse/scrollRate"), 1000)
            compare(lastArgs("ui_View.mouseSetVerticalScrollLines"), [1000])
            mouseClick(child(dialog, "rowsRadio"))
            verify(!child(dialog, "screenRadio").isSelect)
            compare(stored("mouse/scrollRate"), 5)
            compare(lastArgs("ui_View.mouseSetVerticalScrollLines"), [5])
            compare(callLog.count("ui_View.mouseSetCursorSpeed"), 0)
        }

        function test_rows_field_on_leaving_data() {
            return [
                { tag: "emptied", typed: "", value: 1 },
                { tag: "zero", typed: "0", value: 1 },
                { tag: "twelve", typed: "12", value: 12 },
                { tag: "too many", typed: "999", value: 100 }
            ]
        }

        function test_rows_field_on_leaving(data) {
            var dialog = systemDialog(2, 2, 3)
            var focused = 0
            dialog.inputFocused.connect(function() { ++focused })
            var field = child(dialog, "rowsField")
            mouseClick(field)
            compare(focused, 1)
            field.txtInput.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < data.typed.length; ++i)
                keyClick(data.typed.charAt(i))
            keyClick(Qt.Key_Return)
            verify(!field.txtInput.activeFocus)
            compare(field.textValue, String(data.value))
            compare(stored("mouse/scrollRate"), data.value)
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[data.value]])
        }

        function test_restore_stores_and_applies_factory_values() {
            var dialog = systemDialog(300, 300, 1000)
            callLog.setKeyedReturn("getData", "mouse/mouseRate", "171")
            callLog.setKeyedReturn("getData", "mouse/doubleRate", "188")
            callLog.setKeyedReturn("getData", "mouse/scrollRate", "3")
            callLog.clear()
            mouseClick(child(dialog, "systemRestore"))
            compare(callLog.argsOf("ui_View.getData")[0], ["mouse/mouseRate", true])
            compare(stored("mouse/mouseRate"), 171)
            compare(stored("mouse/scrollRate"), 3)
            compare(callLog.argsOf("ui_View.mouseSetCursorSpeed"), [[5]])
            compare(callLog.argsOf("ui_View.mouseSetDoubleClickSpeed"), [[6]])
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[3]])
            verify(child(dialog, "rowsRadio").isSelect)
        }

        function test_profile_change_reloads_and_applies_all_three() {
            callLog.setKeyedReturn("getGlobalData", "mouse/profileNo", "0")
            callLog.setKeyedReturn("getData", "mouse/mouseRate", "40")
            callLog.setKeyedReturn("getData", "mouse/doubleRate", "340")
            callLog.setKeyedReturn("getData", "mouse/scrollRate", "1000")
            var main = make(mainComponent, { "deviceType": "mouse" })
            main.initUI()
            animationClock.advanceBy(1040)
            callLog.clear()
            main.changeProfile(2)
            compare(callLog.argsOf("ui_View.mouseSetCursorSpeed"), [[2]])
            compare(callLog.argsOf("ui_View.mouseSetDoubleClickSpeed"), [[10]])
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[1000]])
            verify(child(main, "screenRadio").isSelect)
        }

        function test_main_screen_wiring() {
            callLog.setKeyedReturn("getGlobalData", "mouse/isColorful", "false")
            callLog.setKeyedReturn("getData", "mouse/dpiCount", "3")
            callLog.setKeyedReturn("getData", "mouse/currentDpiCount", "2")
            callLog.setKeyedReturn("getDataList", "mouse/lightValue", [0, 0, 4])
            var main = make(mainComponent, { "deviceType": "mouse" })
            main.initUI()
            animationClock.advanceBy(1040)
            // A single-colour mouse has a colour per stage the mouse supports.
            verify(child(main, "colorBlock2").visible)
            verify(!child(main, "colorBlock3").visible)
            // Typing the rows closes the main screen's lists.
            var rate = child(main, "dpiStageList")
            mouseClick(rate)
            animationClock.advanceBy(150)
            verify(rate.isDrop)
            mouseClick(child(main, "systemSettingButton"))
            verify(rate.isDrop)
            mouseClick(child(main, "rowsField"))
            animationClock.advanceBy(150)
            verify(!rate.isDrop)
        }

        // ---- Screenshots of every effect's page and of the dialog, to look at

        function test_screenshots() {
            callLog.setKeyedReturn("getGlobalData", "mouse/isColorful", "true")
            callLog.setKeyedReturn("getGlobalData", "mouse/is55328", "true")
            callLog.setKeyedReturn("getGlobalData", "mouse/minDPI", "200")
            callLog.setKeyedReturn("getGlobalData", "mouse/maxDPI", "12000")
            callLog.setKeyedReturn("getGlobalData", "mouse/dpiBase", "100")
            callLog.setKeyedReturn("getData", "mouse/dpiCount", "8")
            callLog.setKeyedReturn("getData", "mouse/currentDpiCount", "6")
            callLog.setKeyedReturn("getData", "mouse/mouseRate", "171")
            callLog.setKeyedReturn("getData", "mouse/doubleRate", "188")
            callLog.setKeyedReturn("getData", "mouse/scrollRate", "3")
            callLog.setKeyedReturn("getDataList", "mouse/dpiValueArray", [400, 800, 1600, 3200, 4800, 6400, 9600, 12000])
            callLog.setKeyedReturn("getDataList", "mouse/lightValue", [0, 2, 4])
            callLog.setKeyedReturn("getDataList", "mouse/colorValue", factoryColours)
            callLog.setReturn("mouseGetCurrentDPI", 3)
            var main = make(mainComponent, { "deviceType": "mouse" })
            main.initUI()
            animationClock.advanceBy(1040)
            shoot(main, "dpilight-mouse.png")
            var light = child(main, "lightPage")
            for (var e = 0; e < light.lightModel.mdItems.count; ++e) {
                chooseEffect(light, e)
                shoot(main, "dpilight-effect" + e + ".png")
            }
            mouseClick(child(main, "systemSettingButton"))
            shoot(main, "dpilight-system.png")

            var single = lightPage(false, false, [1, 3, 2], { "dpiCount": 3 })
            shoot(single, "dpilight-single-colour.png")
        }

        function test_dpi_rules_data() {
            return [
                { tag: "low end", ratio: 0, min: 200, max: 12000, base: 100, value: 200 },
                { tag: "high end", ratio: 1, min: 200, max: 12000, base: 100, value: 12000 },
                { tag: "rounds down", ratio: 0.5, min: 200, max: 12000, base: 100, value: 6100 },
                { tag: "stored value back", ratio: DpiRules.ratioOf(1700, 200, 6000), min: 200, max: 6000, base: 50, value: 1700 },
                { tag: "minimum off the grid", ratio: 0, min: 230, max: 6000, base: 50, value: 200 },
                { tag: "no range", ratio: 0.3, min: 400, max: 400, base: 50, value: 400 }
            ]
        }

        function test_dpi_rules(data) {
            compare(DpiRules.valueAt(data.ratio, data.min, data.max, data.base), data.value)
        }
    }
}
