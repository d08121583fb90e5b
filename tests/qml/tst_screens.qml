import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

Item {
    id: stage
    width: 1024
    height: 640

    Component { id: imageComponent; Image {} }

    ScreenCase {
        name: "Screens"

        function prepare() {
            returns("getGlobalData", { "mouse/isGun": "true", "common/url": "https://www.quorix.example/support" })
            returns("getNameList", { 2: ["Standard0", "FPS1", "MOBA2"], 0: ["Macro_0", "Macro_1"] })
            callLog.setReturn("mouseGetCurrentDPI", 2)
            var keys = [[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0], [0, 0, 0xF4, 0],
                        [0, 0, 0xF3, 0], [5, 0, 1, 0], [5, 0, 2, 0], [0, 0xF0, 0x1E, 2]]
            for (var i = 0; i < keys.length; ++i)
                callLog.setKeyedReturn("mouseGetKeydefine", i, keys[i])
        }

        // The main views, to look at in the screenshot folder.
        function test_screenshots() {
            main = make(mainComponent, { "deviceType": "mouse" })
            main.initUI()
            shoot(main, "startup.png")
            animationClock.advanceBy(1040)
            shoot(main, "mouse.png")
            mouseClick(child(main, "reportRateList"))
            animationClock.advanceBy(120)
            shoot(main, "mouse-dropdown.png")
            start("keyboard")
            mouseClick(child(main, "resetButton"))
            shoot(main, "keyboard-reset.png")
        }

        function test_every_catalogued_image_loads() {
            for (var group in Theme.imageCatalogue) {
                var names = Theme.imageCatalogue[group]
                for (var i = 0; i < names.length; ++i) {
                    var url = group === "" ? Theme.plainImg(names[i]) : Theme.img(group, names[i])
                    var image = createTemporaryObject(imageComponent, stage, { "source": url })
                    compare(image.status, Image.Ready, url)
                    verify(image.implicitWidth > 0 && image.implicitHeight > 0, url)
                }
            }
        }

        function test_the_chinese_font_is_installed_and_chosen_first() {
            verify(Qt.fontFamilies().indexOf(Theme.fontFamily) >= 0, Theme.fontFamily)
            compare(Theme.pickFamily(["No Such Family", Theme.fontFamily]), Theme.fontFamily)
            compare(Theme.pickFamily(["No Such Family"]), "sans-serif")
        }
    }
}
