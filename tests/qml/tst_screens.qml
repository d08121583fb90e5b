import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        id: testCase
        name: "Screens"
        when: windowShown

        property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        function init() {
            failOnWarning(/.?/)
            callLog.clear()
            callLog.clearReturns()
            callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
            callLog.setKeyedReturn("getGlobalData", "common/url", "https://www.quorix.example/support")
            callLog.setKeyedReturn("getNameList", 2, ["Standard0", "FPS1", "MOBA2"])
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            callLog.setReturn("mouseGetCurrentDPI", 2)
            var keys = [[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0], [0, 0, 0xF4, 0],
                        [0, 0, 0xF3, 0], [5, 0, 1, 0], [5, 0, 2, 0], [0, 0xF0, 0x1E, 2]]
            for (var i = 0; i < keys.length; ++i)
                callLog.setKeyedReturn("mouseGetKeydefine", i, keys[i])
        }

        function shoot(main, file) {
            animationClock.advanceBy(0)
            var image = grabImage(main)
            image.save(screenshotDir + "/" + file)
            return image
        }

        function startedMain(type) {
            var main = createTemporaryObject(mainComponent, stage, { "deviceType": type })
            verify(main !== null, mainComponent.errorString())
            main.initUI()
            animationClock.advanceBy(1040)
            verify(main.started)
            return main
        }

        function test_start_up_image() {
            var main = createTemporaryObject(mainComponent, stage, { "deviceType": "mouse" })
            main.initUI()
            var image = shoot(main, "startup.png")
            compare(image.width, 1024)
            compare(image.height, 640)
        }

        function test_mouse_layout() {
            var main = startedMain("mouse")
            var image = shoot(main, "mouse.png")
            // The background is drawn, not left transparent.
            verify(image.pixel(500, 600).a > 0)
        }

        function test_mouse_layout_with_open_drop_down() {
            var main = startedMain("mouse")
            var list = findChild(main, "reportRateList")
            mouseClick(list)
            animationClock.advanceBy(120)
            shoot(main, "mouse-dropdown.png")
        }

        function test_reset_dialog_over_the_dimming_layer() {
            var main = startedMain("keyboard")
            mouseClick(findChild(main, "resetButton"))
            shoot(main, "keyboard-reset.png")
        }

        function test_fallback_font_is_installed_and_draws_chinese() {
            verify(Qt.fontFamilies().indexOf(Theme.fontFamily) >= 0, Theme.fontFamily)
        }
    }
}
