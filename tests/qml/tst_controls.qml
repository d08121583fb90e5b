import QtQuick
import QtTest
import "qrc:/modules/qml/J2"

Item {
    id: stage
    width: 800
    height: 600

    Component {
        id: listComponent
        DropDownList {
            x: 20
            y: 20
            width: 120
            mdItems: ListModel {
                ListElement { textValue: "zero" }
                ListElement { textValue: "one" }
                ListElement { textValue: "two" }
                ListElement { textValue: "three" }
            }
        }
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }

    TestCase {
        name: "DropDownList"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function spy(target, signalName) {
            return createTemporaryObject(signalSpy, stage, { "target": target, "signalName": signalName })
        }

        function test_click_opens_and_row_click_emits_after_the_slide() {
            var list = createTemporaryObject(listComponent, stage)
            var changed = spy(list, "valueChange")
            var clicked = spy(list, "btnClick")
            compare(list.currentSelect, 2)
            compare(list.textValue, "two")
            mouseClick(list)
            compare(clicked.count, 1)
            verify(list.isDrop)
            animationClock.advanceBy(120)
            mouseClick(list, 60, 24 + 24 * 1 + 12)
            compare(list.currentSelect, 1)
            compare(list.textValue, "one")
            compare(changed.count, 0)
            animationClock.advanceBy(120)
            verify(!list.isDrop)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], 1)
        }
    }
}
