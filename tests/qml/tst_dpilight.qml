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
