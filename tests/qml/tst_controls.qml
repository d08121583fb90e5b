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
    Component { id: sliderComponent; SliderButton { x: 20; y: 20; width: 160 } }
    Component { id: checkComponent; CheckBox { x: 40; y: 40; index: 3 } }
    Component { id: radioComponent; RadioButton { x: 40; y: 40; index: 2 } }
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

        function test_list_text_follows_the_model() {
            var list = dropDown(listComponent, ["zero", "one", "two", "three"])
            list.currentSelect = -1
            compare(list.textValue, "")
            list.currentSelect = 3
            list.mdItems.setProperty(3, "textValue", "drei")
            compare(list.textValue, "drei")
            list.mdItems.remove(3)
            compare(list.textValue, "")
        }

        // Six columns; an empty cell keeps the current item but still reports the click.
        function test_grid_cells_data() {
            return [
                { tag: "filled", x: 4, y: 0, current: 4 },
                { tag: "empty", x: 2, y: 0, current: 1 },
                { tag: "second row", x: 0, y: 1, current: 6 }
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

        // Positions are the knob's left edge; a click puts the knob's centre under the mouse.
        function test_slider_click_glides_then_reports_data() {
            return [
                { tag: "middle", x: 80, value: Math.floor(80 - 4.5) },
                { tag: "right end", x: 159, value: Math.floor(160 - 11.25) },
                { tag: "snaps down to a step", segment: 4, at: 2.7, step: 3 },
                { tag: "snaps up to a step", segment: 4, at: 0.6, step: 1 }
            ]
        }

        function test_slider_click_glides_then_reports(data) {
            var s = make(sliderComponent, data.segment ? { "isScale": true, "segment": data.segment } : {})
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            mouseClick(s, data.segment ? s.minX + data.at * s.travel / data.segment + 4.5 : data.x, 8)
            animationClock.advanceBy(60)
            compare(changed.count, 0)
            animationClock.advanceBy(90)
            compare(changed.count, 1)
            compare(delayed.count, 1)
            if (data.segment) {
                compare(s.segmentValue, data.step)
                compare(changed.signalArguments[0][0], Math.floor(s.minX + data.step * s.travel / data.segment))
            } else {
                compare(changed.signalArguments[0][0], data.value)
            }
        }

        function test_slider_drag_reports_moves_and_the_release() {
            var s = make(sliderComponent)
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            var dragged = spy(s, "dragSignal")
            mousePress(s, s.minX + 4, 8)
            mouseMove(s, s.minX + 24, 8)
            mouseMove(s, s.minX + 44, 8)
            compare(changed.count, 2)
            compare(changed.signalArguments[1][0], Math.floor(s.minX + 40))
            mouseMove(s, -400, 8)
            compare(s.position, 2)
            mouseMove(s, 400, 8)
            mouseRelease(s, 400, 8)
            compare(spied(delayed), [[Math.floor(s.maxX)]])
            compare(spied(dragged), [[true], [false]])
        }

        function test_slider_setters() {
            var s = make(sliderComponent, { "segment": 4 })
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            s.setValue(50)
            compare(s.position, 50)
            s.setIndexValue(2, false)
            compare(s.position, Math.floor(s.minX + s.travel / 2))
            compare(changed.count + delayed.count, 0)
            s.setIndexValue(4, true)
            compare(spied(changed), [[Math.floor(s.maxX)]])
            s.setRatioValue(0.5)
            compare(s.position, Math.floor(Math.floor(s.travel * 0.5) + 3.25))
            compare(changed.count, 2)
            s.isScale = true
            s.segment = 10
            var half = s.minX + s.travel / 10 / 2
            compare([s.nearestStep(half - 0.01), s.nearestStep(half), s.nearestStep(s.maxX)], [0, 1, 10])
        }

        function test_checkbox_toggles_and_radio_never_clears_itself() {
            var box = make(checkComponent)
            var seen = []
            box.btnClick.connect(function(index) { seen.push([index, box.isSelect]) })
            mouseClick(box, 6, box.height / 2)
            mouseClick(box, 6, box.height / 2)
            // The handler sees the state before the click.
            compare(seen, [[3, false], [3, true]])
            verify(!box.isSelect)
            var radio = make(radioComponent)
            var clicked = spy(radio, "btnClick")
            mouseClick(radio, 5, radio.height / 2)
            mouseClick(radio, 5, radio.height / 2)
            verify(radio.isSelect)
            compare(spied(clicked), [[2], [2]])
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
