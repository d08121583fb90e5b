import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/J2"

Item {
    id: stage
    width: 800
    height: 600

    Component { id: listComponent; DropDownList { x: 20; y: 20; width: 120 } }
    Component { id: gridComponent; DropDownGrid { x: 10; y: 20; width: 80 } }
    Component { id: inputComponent; RectInput { x: 40; y: 40 } }

    ScreenCase {
        name: "Controls"

        function prepare() {
            Theme.deviceType = "keyboard"
        }

        function dropDown(component, texts) {
            var drop = make(component)
            for (var i = 0; i < texts.length; ++i)
                drop.mdItems.append({ "textValue": texts[i] })
            return drop
        }

        // Open and wait out the slide.
        function openFully(control) {
            mouseClick(control, control.width / 2, control.height / 2)
            animationClock.advanceBy(200)
            verify(control.isDrop)
        }

        function test_list_reports_a_row_after_the_closing_slide_data() {
            return [{ tag: "another row", row: 1 }, { tag: "the current row", row: 2 }]
        }

        function test_list_reports_a_row_after_the_closing_slide(data) {
            var list = dropDown(listComponent, ["zero", "one", "two", "three"])
            list.currentSelect = 2
            var changed = spy(list, "valueChange")
            openFully(list)
            mouseClick(list, 60, 24 + 24 * data.row + 12)
            compare(list.currentSelect, data.row)
            verify(!list.isDrop)
            compare(changed.count, 0)
            animationClock.advanceBy(120)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], data.row)
        }

        function test_list_ignores_closing_during_the_slide() {
            var list = dropDown(listComponent, ["zero", "one"])
            var clicked = spy(list, "btnClick")
            var changed = spy(list, "valueChange")
            mouseClick(list)
            animationClock.advanceBy(32)
            mouseClick(list)
            list.closeMenu()
            compare(clicked.count, 2)
            animationClock.advanceBy(120)
            verify(list.isDrop)
            list.closeMenu()
            verify(!list.isDrop)
            animationClock.advanceBy(120)
            compare(changed.count, 0)
        }

        // Six columns; an empty cell keeps the current item but still reports the click.
        function test_grid_cells_data() {
            return [
                { tag: "filled", x: 4, y: 0, current: 4 },
                { tag: "empty", x: 2, y: 0, current: 1 }
            ]
        }

        function test_grid_cells(data) {
            var grid = dropDown(gridComponent, ["a", "b", "", "d", "e", "f", "g"])
            grid.currentSelect = 1
            var clicked = spy(grid, "btnClick")
            var changed = spy(grid, "valueChange")
            openFully(grid)
            compare(clicked.count, 0)
            mouseClick(grid, 80 * data.x + 40, 24 + 24 * data.y + 12)
            compare(grid.currentSelect, data.current)
            compare(clicked.count, 1)
            verify(!grid.isDrop)
            animationClock.advanceBy(120)
            compare(changed.count, 0)
        }

        function test_typed_value_data() {
            return [
                { tag: "emptied shows zero even above the minimum", min: 1, start: "12",
                  keys: [Qt.Key_End, Qt.Key_Backspace, Qt.Key_Backspace], typed: "", left: "0" },
                { tag: "no sign or letters, clamped on leaving", max: 255, start: "",
                  keys: [Qt.Key_Minus, Qt.Key_A, Qt.Key_3, Qt.Key_0, Qt.Key_0], typed: "300", left: "255" },
                { tag: "four characters at most", max: 65535, start: "",
                  keys: [Qt.Key_1, Qt.Key_1, Qt.Key_1, Qt.Key_1, Qt.Key_1], typed: "1111", left: "1111" },
                { tag: "negative shows zero on leaving", min: -5, start: "-3", keys: [], typed: "-3", left: "0" },
                { tag: "return ends the edit", start: "", keys: [Qt.Key_7, Qt.Key_Return], typed: "7", left: "7",
                  ended: true }
            ]
        }

        function test_typed_value(data) {
            var props = {}
            if (data.min !== undefined) props.minValue = data.min
            if (data.max !== undefined) props.maxValue = data.max
            var field = make(inputComponent, props)
            var ended = spy(field, "endInputSignal")
            field.textValue = data.start
            field.txtInput.forceActiveFocus()
            for (var i = 0; i < data.keys.length; ++i)
                keyClick(data.keys[i])
            compare(field.textValue, data.typed)
            compare(field.txtInput.activeFocus, !data.ended)
            if (!data.ended)
                field.closeFocus()
            compare(field.textValue, data.left)
            compare(ended.count, 1)
        }

    }
}
