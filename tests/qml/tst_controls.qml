import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/J2"

Item {
    id: stage
    width: 800
    height: 600

    Component {
        id: signalSpy
        SignalSpy {}
    }

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
        id: longListComponent
        DropDownList {
            x: 20
            y: 20
            width: 120
            Component.onCompleted: {
                for (var i = 0; i < 14; ++i)
                    mdItems.append({ "textValue": "row" + i })
            }
        }
    }

    Component {
        id: gridComponent
        DropDownGrid {
            x: 10
            y: 20
            width: 80
            mdItems: ListModel {
                ListElement { textValue: "a" }
                ListElement { textValue: "b" }
                ListElement { textValue: "" }
                ListElement { textValue: "d" }
                ListElement { textValue: "e" }
                ListElement { textValue: "f" }
                ListElement { textValue: "g" }
            }
        }
    }

    Component {
        id: dropSliderComponent
        DropDownSlider {
            x: 20
            y: 20
            width: 176
            textValue: "10MS"
        }
    }

    Component {
        id: sliderComponent
        SliderButton {
            x: 20
            y: 20
            width: 160
        }
    }

    Component {
        id: checkComponent
        CheckBox {
            x: 40
            y: 40
            index: 3
            textValue: "Endness"
        }
    }

    Component {
        id: radioComponent
        RadioButton {
            x: 40
            y: 40
            index: 2
            textValue: "DPI+"
        }
    }

    Component {
        id: inputComponent
        RectInput {
            x: 40
            y: 40
        }
    }

    Component {
        id: keyComponent
        Key {
            x: 40
            y: 40
            keyTxtText: "A"
        }
    }

    function spy(target, signalName) {
        return testCaseList.createTemporaryObject(signalSpy, stage, { "target": target, "signalName": signalName })
    }

    // Open and wait out the slide.
    function openFully(control, ms) {
        testCaseList.mouseClick(control, control.width / 2, control.height / 2)
        animationClock.advanceBy(ms)
        testCaseList.verify(control.isDrop)
    }

    TestCase {
        id: testCaseList
        name: "DropDownList"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
            Theme.deviceType = "keyboard"
        }

        function test_row_click_emits_after_the_closing_slide() {
            var list = createTemporaryObject(listComponent, stage)
            var changed = spy(list, "valueChange")
            var clicked = spy(list, "btnClick")
            compare(list.currentSelect, 2)
            compare(list.textValue, "two")
            openFully(list, 120)
            compare(clicked.count, 1)
            mouseClick(list, 60, 24 + 24 * 1 + 12)
            compare(list.currentSelect, 1)
            compare(list.textValue, "one")
            verify(!list.isDrop)
            compare(changed.count, 0)
            animationClock.advanceBy(120)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], 1)
        }

        function test_choosing_the_current_row_again_still_emits() {
            var list = createTemporaryObject(listComponent, stage)
            var changed = spy(list, "valueChange")
            openFully(list, 120)
            mouseClick(list, 60, 24 + 24 * 2 + 12)
            animationClock.advanceBy(120)
            compare(list.currentSelect, 2)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], 2)
        }

        function test_click_during_the_slide_only_reports_the_click() {
            var list = createTemporaryObject(listComponent, stage)
            var clicked = spy(list, "btnClick")
            mouseClick(list)
            animationClock.advanceBy(32)
            verify(list.sliding)
            mouseClick(list)
            compare(clicked.count, 2)
            verify(list.isDrop)
            animationClock.advanceBy(120)
            verify(list.isDrop)
        }

        function test_closeMenu_closes_only_a_fully_open_list() {
            var list = createTemporaryObject(listComponent, stage)
            var changed = spy(list, "valueChange")
            mouseClick(list)
            animationClock.advanceBy(32)
            list.closeMenu()
            verify(list.isDrop)
            animationClock.advanceBy(120)
            list.closeMenu()
            verify(!list.isDrop)
            animationClock.advanceBy(120)
            compare(changed.count, 0)
        }

        function test_open_height_follows_the_layout() {
            var list = createTemporaryObject(longListComponent, stage)
            compare(list.count, 14)
            openFully(list, 120)
            compare(list.shownRows, 6)
            Theme.deviceType = "mouse"
            compare(list.shownRows, 10)
        }

        function test_long_list_gets_a_drag_bar() {
            var list = createTemporaryObject(longListComponent, stage)
            var dragged = spy(list, "dragSignal")
            openFully(list, 120)
            // The bar is the 12-pixel strip at the right edge of the open list.
            mousePress(list, list.width - 6, 24 + 10)
            mouseMove(list, list.width - 6, 24 + 60)
            mouseRelease(list, list.width - 6, 24 + 60)
            compare(dragged.count, 2)
            compare(dragged.signalArguments[0][0], true)
            compare(dragged.signalArguments[1][0], false)
        }

        function test_short_list_has_no_drag_bar() {
            var list = createTemporaryObject(listComponent, stage)
            var dragged = spy(list, "dragSignal")
            var changed = spy(list, "valueChange")
            openFully(list, 120)
            mouseClick(list, list.width - 6, 24 + 12)
            animationClock.advanceBy(120)
            compare(dragged.count, 0)
            compare(changed.count, 1)
        }

        function test_text_is_empty_without_a_current_row() {
            var list = createTemporaryObject(listComponent, stage)
            list.currentSelect = -1
            compare(list.textValue, "")
            list.currentSelect = 3
            compare(list.textValue, "three")
            list.mdItems.setProperty(3, "textValue", "drei")
            compare(list.textValue, "drei")
            list.mdItems.remove(3)
            compare(list.textValue, "")
        }
    }

    TestCase {
        name: "DropDownGrid"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function test_field_click_opens_six_columns() {
            var grid = createTemporaryObject(gridComponent, stage)
            var focused = spy(grid, "focusControl")
            var clicked = spy(grid, "btnClick")
            compare(grid.textValue, "a")
            openFully(grid, 120)
            compare(focused.count, 1)
            compare(clicked.count, 0)
            compare(grid.rows, 2)
        }

        function test_filled_cell_becomes_current_and_reports_the_click() {
            var grid = createTemporaryObject(gridComponent, stage)
            var clicked = spy(grid, "btnClick")
            var changed = spy(grid, "valueChange")
            openFully(grid, 120)
            mouseClick(grid, 80 * 4 + 40, 24 + 12)
            compare(grid.currentSelect, 4)
            compare(grid.textValue, "e")
            compare(clicked.count, 1)
            verify(!grid.isDrop)
            animationClock.advanceBy(120)
            compare(changed.count, 0)
        }

        function test_empty_cell_keeps_the_current_item_but_reports_the_click() {
            var grid = createTemporaryObject(gridComponent, stage)
            var clicked = spy(grid, "btnClick")
            grid.currentSelect = 1
            openFully(grid, 120)
            mouseClick(grid, 80 * 2 + 40, 24 + 12)
            compare(grid.currentSelect, 1)
            compare(grid.textValue, "b")
            compare(clicked.count, 1)
            verify(!grid.isDrop)
        }

        function test_second_row_cells_are_reachable() {
            var grid = createTemporaryObject(gridComponent, stage)
            openFully(grid, 120)
            mouseClick(grid, 40, 24 + 24 + 12)
            compare(grid.currentSelect, 6)
        }
    }

    TestCase {
        name: "DropDownSlider"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function test_panel_slides_open_in_180_ms() {
            var drop = createTemporaryObject(dropSliderComponent, stage)
            var clicked = spy(drop, "btnClick")
            mouseClick(drop)
            compare(clicked.count, 1)
            animationClock.advanceBy(120)
            verify(drop.sliding)
            animationClock.advanceBy(120)
            verify(!drop.sliding)
            compare(drop.sliderControl.width, drop.width - 16)
        }

        function test_knob_position_is_passed_on() {
            var drop = createTemporaryObject(dropSliderComponent, stage)
            var changed = spy(drop, "valueChange")
            var dragged = spy(drop, "dragSignal")
            openFully(drop, 200)
            var slider = drop.sliderControl
            mouseClick(slider, 50, slider.height / 2)
            animationClock.advanceBy(150)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], slider.position)
            compare(slider.position, Math.floor(50 - 4.5))
            mousePress(slider, slider.position + 4, slider.height / 2)
            mouseRelease(slider, slider.position + 4, slider.height / 2)
            compare(dragged.count, 2)
        }

        function test_setValue_places_the_knob_by_ratio() {
            var drop = createTemporaryObject(dropSliderComponent, stage)
            var changed = spy(drop, "valueChange")
            drop.setValue(0.5)
            var travel = drop.sliderControl.travel
            compare(drop.sliderControl.position, Math.floor(Math.floor(travel * 0.5) + 3.25))
            compare(changed.count, 1)
        }
    }

    TestCase {
        name: "SliderButton"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function test_knob_travels_between_a_quarter_knob_and_the_far_end() {
            var s = createTemporaryObject(sliderComponent, stage)
            compare(s.minX, 2.25)
            compare(s.maxX, 160 - 11.25)
        }

        function test_track_click_glides_then_emits_both_values() {
            var s = createTemporaryObject(sliderComponent, stage)
            var clicked = spy(s, "btnClick")
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            mouseClick(s, 80, 8)
            compare(clicked.count, 1)
            compare(changed.count, 0)
            animationClock.advanceBy(60)
            compare(changed.count, 0)
            animationClock.advanceBy(80)
            compare(changed.count, 1)
            compare(delayed.count, 1)
            compare(changed.signalArguments[0][0], Math.floor(80 - 4.5))
            compare(delayed.signalArguments[0][0], Math.floor(80 - 4.5))
        }

        function test_track_click_is_clamped_to_the_travel() {
            var s = createTemporaryObject(sliderComponent, stage)
            var changed = spy(s, "valueChange")
            mouseClick(s, 159, 8)
            animationClock.advanceBy(150)
            compare(changed.signalArguments[0][0], Math.floor(160 - 11.25))
            mouseClick(s, 1, 8)
            animationClock.advanceBy(150)
            compare(changed.signalArguments[1][0], 2)
        }

        function test_scale_mode_snaps_a_click_to_the_nearest_step() {
            var s = createTemporaryObject(sliderComponent, stage, { "isScale": true, "segment": 4 })
            var changed = spy(s, "valueChange")
            var step = s.travel / 4
            mouseClick(s, s.minX + 3 * step - 10 + 4.5, 8)
            animationClock.advanceBy(150)
            compare(s.segmentValue, 3)
            compare(changed.signalArguments[0][0], Math.floor(s.minX + 3 * step))
        }

        function test_scale_mode_halfway_goes_to_the_upper_step() {
            var s = createTemporaryObject(sliderComponent, stage, { "isScale": true, "segment": 10 })
            var half = s.minX + s.travel / 10 / 2
            compare(s.nearestStep(half), 1)
            compare(s.nearestStep(half - 0.01), 0)
            compare(s.nearestStep(s.maxX), 10)
        }

        function test_dragging_reports_every_move_and_the_release() {
            var s = createTemporaryObject(sliderComponent, stage)
            var clicked = spy(s, "btnClick")
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            var dragged = spy(s, "dragSignal")
            var knobY = 8
            mousePress(s, s.minX + 4, knobY)
            compare(clicked.count, 1)
            compare(dragged.signalArguments[0][0], true)
            mouseMove(s, s.minX + 24, knobY)
            mouseMove(s, s.minX + 44, knobY)
            compare(changed.count, 2)
            compare(changed.signalArguments[1][0], Math.floor(s.minX + 40))
            mouseMove(s, 400, knobY)
            compare(s.position, Math.floor(s.maxX))
            mouseRelease(s, 400, knobY)
            compare(delayed.count, 1)
            compare(delayed.signalArguments[0][0], Math.floor(s.maxX))
            compare(dragged.count, 2)
            compare(dragged.signalArguments[1][0], false)
        }

        function test_dragging_in_scale_mode_snaps_on_release_only() {
            var s = createTemporaryObject(sliderComponent, stage, { "isScale": true, "segment": 4 })
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            var step = s.travel / 4
            mousePress(s, s.minX + 4, 8)
            mouseMove(s, s.minX + 4 + step + 10, 8)
            compare(changed.count, 0)
            mouseRelease(s, s.minX + 4 + step + 10, 8)
            compare(s.segmentValue, 1)
            compare(delayed.signalArguments[0][0], Math.floor(s.minX + step))
            compare(changed.count, 0)
        }

        function test_setRatioValue_uses_the_truncated_travel_plus_offset() {
            var s = createTemporaryObject(sliderComponent, stage)
            var changed = spy(s, "valueChange")
            s.setRatioValue(0.5)
            compare(s.position, Math.floor(Math.floor(s.travel * 0.5) + 3.25))
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], s.position)
        }

        function test_setIndexValue_sets_the_step_and_emits_on_request() {
            var s = createTemporaryObject(sliderComponent, stage, { "segment": 4 })
            var changed = spy(s, "valueChange")
            s.setIndexValue(2, false)
            compare(s.segmentValue, 2)
            compare(s.position, Math.floor(s.minX + s.travel / 2))
            compare(changed.count, 0)
            s.setIndexValue(4, true)
            compare(changed.count, 1)
            compare(changed.signalArguments[0][0], Math.floor(s.maxX))
        }

        function test_setValue_only_moves_the_knob() {
            var s = createTemporaryObject(sliderComponent, stage)
            var changed = spy(s, "valueChange")
            var delayed = spy(s, "valueChangeDelay")
            s.setValue(50)
            compare(s.position, 50)
            compare(changed.count + delayed.count, 0)
        }
    }

    TestCase {
        name: "CheckAndRadio"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function test_checkbox_handler_sees_the_state_before_the_click() {
            var box = createTemporaryObject(checkComponent, stage)
            var seen = []
            box.btnClick.connect(function(index) { seen.push([index, box.isSelect]) })
            mouseClick(box, 6, box.height / 2)
            compare(seen, [[3, false]])
            verify(box.isSelect)
            mouseClick(box, 6, box.height / 2)
            compare(seen[1], [3, true])
            verify(!box.isSelect)
        }

        function test_checkbox_takes_clicks_just_outside() {
            var box = createTemporaryObject(checkComponent, stage)
            mouseClick(box, -4, box.height / 2)
            verify(box.isSelect)
            mouseClick(box, -9, box.height / 2)
            verify(box.isSelect)
        }

        function test_radio_selects_and_never_clears_itself() {
            var radio = createTemporaryObject(radioComponent, stage)
            var clicked = spy(radio, "btnClick")
            mouseClick(radio, 5, radio.height / 2)
            verify(radio.isSelect)
            mouseClick(radio, radio.width + 4, radio.height / 2)
            verify(radio.isSelect)
            compare(clicked.count, 2)
            compare(clicked.signalArguments[0][0], 2)
        }
    }

    TestCase {
        name: "RectInput"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function test_emptied_field_shows_zero_even_above_a_lower_limit() {
            var field = createTemporaryObject(inputComponent, stage, { "minValue": 1 })
            var started = spy(field, "inputSignal")
            var ended = spy(field, "endInputSignal")
            field.textValue = "12"
            field.txtInput.forceActiveFocus()
            compare(started.count, 1)
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            compare(field.textValue, "")
            field.closeFocus()
            compare(field.textValue, "0")
            compare(ended.count, 1)
        }

        function test_return_ends_the_edit() {
            var field = createTemporaryObject(inputComponent, stage)
            var ended = spy(field, "endInputSignal")
            field.textValue = ""
            field.txtInput.forceActiveFocus()
            keyClick(Qt.Key_7)
            keyClick(Qt.Key_Return)
            verify(!field.txtInput.activeFocus)
            compare(field.textValue, "7")
            compare(ended.count, 1)
        }

        function test_typing_is_bounded_by_the_limits() {
            var field = createTemporaryObject(inputComponent, stage, { "maxValue": 255 })
            field.textValue = ""
            field.txtInput.forceActiveFocus()
            keyClick(Qt.Key_Minus)
            keyClick(Qt.Key_A)
            compare(field.textValue, "")
            keyClick(Qt.Key_3)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_0)
            compare(field.textValue, "300")
            field.closeFocus()
            compare(field.textValue, "255")
        }

        function test_at_most_four_characters() {
            var field = createTemporaryObject(inputComponent, stage, { "maxValue": 65535 })
            field.textValue = ""
            field.txtInput.forceActiveFocus()
            for (var i = 0; i < 6; ++i)
                keyClick(Qt.Key_1)
            compare(field.textValue, "1111")
        }

        function test_negative_text_becomes_zero_on_leaving() {
            var field = createTemporaryObject(inputComponent, stage, { "minValue": -5 })
            field.txtInput.forceActiveFocus()
            field.textValue = "-3"
            field.closeFocus()
            compare(field.textValue, "0")
        }
    }

    TestCase {
        name: "KeyCap"
        when: windowShown

        function init() {
            failOnWarning(/.?/)
        }

        function test_modified_key_has_a_white_border() {
            var key = createTemporaryObject(keyComponent, stage, { "keyData": 4, "keyDefaultData": 4 })
            verify(!key.isModify)
            compare(key.border.color, Theme.colorBlue)
            key.keyData = 5
            verify(key.isModify)
            compare(key.border.color, Qt.color("white"))
            key.isSelect = true
            compare(key.border.color, Theme.colorOrange)
        }

        function test_cap_without_a_keyboard_page_ignores_clicks() {
            var key = createTemporaryObject(keyComponent, stage)
            mouseClick(key)
            mouseClick(key, 5, 5, Qt.RightButton)
            verify(!key.isSelect)
            compare(key.color, Theme.colorBlue)
        }
    }
}
