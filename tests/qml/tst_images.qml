import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

Item {
    id: stage
    width: 400
    height: 400

    Component {
        id: imageComponent
        Image {}
    }

    TestCase {
        name: "Images"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function catalogued(group, name) {
            var names = Theme.imageCatalogue[group]
            return names !== undefined && names.indexOf(name) >= 0
        }

        function urlOf(group, name) {
            return group === "" ? Theme.plainImg(name) : Theme.img(group, name)
        }

        function test_every_catalogued_image_loads() {
            var count = 0
            for (var group in Theme.imageCatalogue) {
                var names = Theme.imageCatalogue[group]
                for (var i = 0; i < names.length; ++i) {
                    var image = createTemporaryObject(imageComponent, stage, { "source": urlOf(group, names[i]) })
                    compare(image.status, Image.Ready, urlOf(group, names[i]))
                    verify(image.implicitWidth > 0 && image.implicitHeight > 0, names[i])
                    ++count
                }
            }
            compare(count, 3 + 23 + 36 + 8 + 6 + 7 + 1)
        }

        function test_image_addresses_follow_the_skin() {
            compare(Theme.img("index", "minBtn"), "qrc:/index/modules/img/skin1/index/minBtn.svg")
            compare(Theme.plainImg("background"), "qrc:/modules/img/background.svg")
            Theme.skinNo = 2
            compare(Theme.img("mouse", "MouseFront"), "qrc:/index/modules/img/skin2/mouse/MouseFront.svg")
            compare(Theme.img("gun", "AKM"), "qrc:/index/modules/img/skin1/gun/AKM.svg")
            Theme.skinNo = 1
        }

        // Every image a screen names literally is one of the drawn ones.
        function test_screens_name_only_catalogued_images() {
            var files = Object.keys(screenSources)
            verify(files.length > 20)
            var literal = /Theme\.img\("([A-Za-z]+)", "([A-Za-z0-9-]+)"\)/g
            var plain = /Theme\.plainImg\("([A-Za-z0-9-]+)"\)/g
            var button = /ImageButton \{[^}]*?name: "([A-Za-z]+)"/g
            var found = 0
            for (var i = 0; i < files.length; ++i) {
                var text = screenSources[files[i]]
                var m
                while ((m = literal.exec(text)) !== null) {
                    verify(catalogued(m[1], m[2]), files[i] + ": " + m[0])
                    ++found
                }
                while ((m = button.exec(text)) !== null) {
                    verify(catalogued("index", m[1]) && catalogued("index", m[1] + "H"), files[i] + ": " + m[1])
                    ++found
                }
                while ((m = plain.exec(text)) !== null) {
                    verify(catalogued("", m[1]), files[i] + ": " + m[0])
                    ++found
                }
            }
            verify(found >= 19, found)
        }

        function test_chinese_font_family_is_installed() {
            verify(Qt.fontFamilies().indexOf(Theme.fontFamily) >= 0, Theme.fontFamily)
            verify(Theme.fontFamily !== "sans-serif")
        }

        function test_family_choice_falls_back_in_order() {
            compare(Theme.pickFamily(["No Such Family", Theme.fontFamily]), Theme.fontFamily)
            compare(Theme.pickFamily(["No Such Family"]), "sans-serif")
        }
    }
}
