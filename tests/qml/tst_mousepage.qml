import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/J2"

// The mouse page's button list, the assignment dialog and the gun editor,
// wired to each other as the main screen wires them, with a stand-in macro
// editor.
Item {
    id: stage
    width: 1024
    height: 640

    Component {
        id: rigComponent

        Item {
            anchors.fill: parent
            property alias matrix: keyMatrix
            property alias dialog: keyAssigment
            property alias guns: gunControl
            property alias editor: macroEditor
            property alias below: below

            // Stands for whatever lies under the dialogs.
            MouseArea {
                id: below
                anchors.fill: parent
                acceptedButtons: Qt.AllButtons
                property int presses: 0
                onPressed: ++presses
            }

            KeyCodeString {
                id: keyCodeString
            }

            QtObject {
                id: macroEditor
                property var sent: []
                signal modifyMacroName(string oldMacroName, string newMacroName)
                signal modifyMacroData(string macroName)
                function sendMacro(index, macroName) {
                    sent.push([index, macroName])
                }
            }

            KeyMatrix {
                id: keyMatrix
                x: 24
                y: 88
                textSource: keyAssigment
                gunPage: gunControl
                macroEditor: macroEditor
            }

            KeyAssigment {
                id: keyAssigment
                keyNames: keyCodeString
                matrix: keyMatrix
                onCloseClicked: {
                    visible = false
                    keyMatrix.applyAssignment(editIndex, keyAssigment)
                }
            }

            GunControl {
                id: gunControl
                onCloseClicked: {
                    visible = false
                    if (sendIfChanged())
                        keyMatrix.modKeys.saveData()
                }
            }
        }
    }

    TestCase {
        id: testCase
        name: "MousePage"
        when: windowShown

        readonly property var builtIn: [[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0],
            [0, 0, 0xF4, 0], [0, 0, 0xF3, 0], [5, 0, 1, 0], [5, 0, 2, 0], [0, 0xF0, 0x1E, 2],
            [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0],
            [0xFF, 0, 1, 0], [0xFF, 0, 2, 0]]

        function init() {
            failOnWarning(/.?/)
            callLog.clear()
            callLog.clearReturns()
            for (var i = 0; i < builtIn.length; ++i)
                callLog.setKeyedReturn("mouseGetKeydefine", i, builtIn[i])
        }

        function makeRig() {
            var rig = createTemporaryObject(rigComponent, stage)
            verify(rig !== null, rigComponent.errorString())
            rig.guns.init()
            rig.dialog.init()
            rig.matrix.init(false, false)
            callLog.clear()
            return rig
        }

        function openOn(rig, index) {
            rig.dialog.show(index)
            rig.dialog.open()
            return rig.dialog
        }

        function section(dialog, name) {
            return findChild(dialog, name)
        }

        // Scrolls the section into view and clicks the named control in it.
        function clickIn(dialog, sectionName, controlName) {
            var s = section(dialog, sectionName)
            dialog.sections.scrollTo(s.y)
            var control = findChild(s, controlName)
            verify(control !== null, controlName)
            mouseClick(control)
            animationClock.advanceBy(200)
            return control
        }

        function closeDialog(dialog) {
            mouseClick(findChild(dialog, "dialogClose"))
        }

        function bytesOf(model, index) {
            var e = model.get(index)
            return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
        }

        function test_entry_text_data() {
            return [
                { tag: "left", bytes: [0, 0, 0xF0, 0], text: "Left Key" },
                { tag: "back", bytes: [0, 0, 0xF3, 0], text: "Back Key" },
                { tag: "double fire", bytes: [0, 0xF0, 0x1E, 2], text: "Double Fire" },
                { tag: "other button code", bytes: [0, 0, 0x42, 0], text: "Double Fire" },
                { tag: "fire", bytes: [1, 0x04, 10, 0], text: "A" },
                { tag: "fire, nameless key", bytes: [1, 0x99, 10, 0], text: "" },
                { tag: "combination", bytes: [2, 0x11, 0x04, 0x05], text: "LCtrl+RCtrl+A+B" },
                { tag: "modifiers only", bytes: [2, 0x82, 0, 0], text: "LShift+RWin" },
                { tag: "media", bytes: [3, 0, 0xE2, 0], text: "Mute" },
                { tag: "media, first parameter ignored", bytes: [3, 7, 0x83, 0x01], text: "Player" },
                { tag: "media unknown", bytes: [3, 0, 0x01, 0x01], text: "" },
                { tag: "macro", bytes: [4, 1, 3, 0], text: "Burst" },
                { tag: "dpi loop", bytes: [5, 0, 3, 0], text: "DPI LOOP" },
                { tag: "sniper", bytes: [5, 0, 4, 0], text: "Sniper Key" },
                { tag: "dpi out of range", bytes: [5, 0, 9, 0], text: "" },
                { tag: "windows max", bytes: [6, 4, 0x2C, 0x1B], text: "Max" },
                { tag: "windows run", bytes: [6, 0, 0xE3, 0x15], text: "Run" },
                { tag: "shortcut copy", bytes: [7, 0, 0xE0, 0x06], text: "Copy" },
                { tag: "gun three", bytes: [8, 0, 3, 0], text: "Three Gun" },
                { tag: "unknown class", bytes: [0xFF, 0, 1, 0], text: "" }
            ]
        }

        function test_entry_text(data) {
            callLog.setKeyedReturn("getData", "mouseMacroKey/3", "Burst")
            var rig = makeRig()
            var b = data.bytes
            compare(rig.dialog.keyCodeToString(b[0], b[1], b[2], b[3]), data.text)
        }

        // Every section through its own controls: the working copy, the title
        // and, after closing, the entry of the button list.
        function test_each_section_assigns_its_bytes_data() {
            return [
                { tag: "mouse", section: "mouseSection", control: "mouseSectionRadio5",
                  bytes: [0, 0xF0, 0x1E, 2], text: "Double Fire" },
                { tag: "media", section: "mediaSection", control: "mediaSectionGrid", cell: 5,
                  bytes: [3, 0, 0xCD, 0], text: "Play/Pause" },
                { tag: "dpi", section: "dpiSection", control: "dpiSectionRadio3",
                  bytes: [5, 0, 4, 0], text: "Sniper Key" },
                { tag: "windows", section: "windowsSection", control: "windowsSectionGrid", cell: 4,
                  bytes: [6, 4, 0x2C, 0x11], text: "Min" },
                { tag: "shortcut", section: "shortcutSection", control: "shortcutSectionGrid", cell: 9,
                  bytes: [7, 0, 0xE0, 0x04], text: "Select All" },
                { tag: "gun", section: "gunSection", control: "gunSectionRadio1",
                  bytes: [8, 0, 2, 0], text: "Two Gun" }
            ]
        }

        function test_each_section_assigns_its_bytes(data) {
            var rig = makeRig()
            var dialog = openOn(rig, 3)
            var control = clickIn(dialog, data.section, data.control)
            if (data.cell !== undefined) {
                // Cells sit in rows of six below the field, each as wide as it.
                mouseClick(control, control.width * (data.cell % 6) + control.width / 2,
                           control.height * (1 + Math.floor(data.cell / 6)) + control.height / 2)
                animationClock.advanceBy(200)
            }
            compare([dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3], data.bytes)
            compare(dialog.title, "Key 4 : " + data.text)
            closeDialog(dialog)
            compare(bytesOf(rig.matrix.modKeys, 3), data.bytes)
            compare(rig.matrix.modKeys.get(3).keyText, data.text)
            verify(rig.matrix.isSave)
            // Nothing reaches the mouse before Save.
            compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
        }

        function test_sections_scroll_by_wheel_and_bar_only() {
            var rig = makeRig()
            var dialog = openOn(rig, 1)
            var area = dialog.sections
            mouseWheel(area, 100, 100, 0, -120)
            compare(area.contentY, 48)
            // Dragging the content does not scroll it.
            mouseDrag(area, 200, 150, 0, -80)
            compare(area.contentY, 48)
            var bar = findChild(area, "scrollBar")
            mouseDrag(bar, 3, 10, 0, 2000)
            compare(area.contentY, area.maxContentY)
            mouseWheel(area, 100, 100, 0, 100 * 120)
            compare(area.contentY, 0)
        }

        function test_last_left_button_cannot_be_reassigned() {
            var rig = makeRig()
            verify(rig.matrix.modKeys.checkOneLeftKey(0))
            verify(!rig.matrix.modKeys.checkOneLeftKey(1))
            rig.matrix.modKeys.set(4, { "keyCode0": 0, "keyCode1": 0, "keyCode2": 0xF0, "keyCode3": 0 })
            verify(!rig.matrix.modKeys.checkOneLeftKey(0))
            verify(!rig.matrix.modKeys.checkOneLeftKey(4))
        }

        function test_fire_capture_takes_the_first_event_even_a_release() {
            var rig = makeRig()
            var dialog = openOn(rig, 2)
            clickIn(dialog, "fireSection", "fireKeyBox")
            verify(dialog.isFireInput)
            dialog.detectKeyboard(false, 0x2C, 0)
            verify(!dialog.isFireInput)
            compare([dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3], [1, 0x2C, 10, 0])
            compare(section(dialog, "fireSection").keyText, "Space")
            dialog.detectKeyboard(true, 0x04, 0)
            compare(dialog.keyCode1, 0x2C)
        }

        function test_fire_rate_and_times_follow_a_fire_entry() {
            var rig = makeRig()
            var dialog = openOn(rig, 2)
            var fire = section(dialog, "fireSection")
            compare(fire.rate.textValue, "10ms")
            clickIn(dialog, "fireSection", "fireKeyBox")
            dialog.detectKeyboard(true, 0x04, 0)
            mouseClick(fire.rate)
            animationClock.advanceBy(200)
            var slider = fire.rate.sliderControl
            // The far end of the track gives the longest interval.
            mouseClick(slider, slider.width - 1, slider.height / 2)
            animationClock.advanceBy(200)
            compare(fire.rate.textValue, "83MS")
            compare(dialog.keyCode2, 83)
            mouseClick(slider, 0, slider.height / 2)
            animationClock.advanceBy(200)
            compare(fire.rate.textValue, "3MS")
            compare(dialog.keyCode2, 3)

            mouseClick(fire.rate)
            animationClock.advanceBy(250)
            verify(fire.endness.isSelect)
            fire.timesField.txtInput.forceActiveFocus()
            fire.timesField.textValue = "7"
            fire.timesField.closeFocus()
            compare(dialog.keyCode3, 7)
            verify(!fire.endness.isSelect)
            mouseClick(fire.endness)
            verify(fire.endness.isSelect)
            compare(dialog.keyCode3, 0)
            compare(fire.timesField.textValue, "0")
        }

        function test_combination_data() {
            var LCtrl = 0xE0, LShift = 0xE1, RAlt = 0xE6, A = 0x04, B = 0x05, C = 0x06
            return [
                { tag: "three keys keep the first two", events: [[true, LCtrl], [true, A], [true, B], [true, C]],
                  bytes: [2, 0x01, A, B], text: "LCtrl + A + B" },
                { tag: "modifiers in any number", events: [[true, RAlt], [true, LShift], [true, LCtrl], [true, A]],
                  bytes: [2, 0x43, A, 0], text: "RAlt + LShift + LCtrl + A" },
                { tag: "releases ignored", events: [[true, A], [false, A], [false, B], [true, B]],
                  bytes: [2, 0, A, B], text: "A + B" },
                { tag: "a key twice counts once", events: [[true, A], [true, A], [true, LCtrl], [true, LCtrl]],
                  bytes: [2, 0x01, A, 0], text: "A + LCtrl" }
            ]
        }

        function test_combination(data) {
            var rig = makeRig()
            var dialog = openOn(rig, 5)
            clickIn(dialog, "groupSection", "comboBox")
            verify(dialog.isComboInput)
            verify(findChild(dialog, "comboConfirm").visible)
            for (var i = 0; i < data.events.length; ++i)
                dialog.detectKeyboard(data.events[i][0], data.events[i][1], 1)
            // Nothing changes before the confirm.
            compare(dialog.keyCode0, 5)
            mouseClick(findChild(dialog, "comboConfirm"))
            verify(!dialog.isComboInput)
            compare([dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3], data.bytes)
            compare(dialog.keyString, data.text)
            compare(section(dialog, "groupSection").boxText, data.text)
        }

        function test_combination_confirmed_empty_or_cancelled_changes_nothing_data() {
            return [
                { tag: "empty confirm", events: [], button: "comboConfirm" },
                { tag: "releases only", events: [[false, 0xE0]], button: "comboConfirm" },
                { tag: "cancel", events: [[true, 0xE0], [true, 0x04]], button: "comboCancel" }
            ]
        }

        function test_combination_confirmed_empty_or_cancelled_changes_nothing(data) {
            var rig = makeRig()
            var dialog = openOn(rig, 5)
            clickIn(dialog, "groupSection", "comboBox")
            for (var i = 0; i < data.events.length; ++i)
                dialog.detectKeyboard(data.events[i][0], data.events[i][1], 1)
            mouseClick(findChild(dialog, data.button))
            verify(!dialog.isComboInput)
            compare([dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3], [5, 0, 1, 0])
            compare(section(dialog, "groupSection").boxText, "Click Input")
            closeDialog(dialog)
            verify(!rig.matrix.isSave)
        }

        function test_closing_without_a_change_stores_and_sends_nothing() {
            var rig = makeRig()
            var dialog = openOn(rig, 1)
            // Choosing the function the button already has is no change.
            clickIn(dialog, "mouseSection", "mouseSectionRadio2")
            closeDialog(dialog)
            verify(!rig.matrix.isSave)
            compare(callLog.names(), [])
            compare(rig.editor.sent, [])
        }

        function test_closing_ends_captures_and_closes_drop_downs() {
            var rig = makeRig()
            var dialog = openOn(rig, 1)
            clickIn(dialog, "groupSection", "comboBox")
            var grid = clickIn(dialog, "mediaSection", "mediaSectionGrid")
            verify(grid.isDrop)
            closeDialog(dialog)
            animationClock.advanceBy(200)
            verify(!dialog.isComboInput)
            verify(!dialog.isFireInput)
            verify(!grid.isDrop)
        }

        function test_macro_is_bound_and_sent_on_closing() {
            var rig = makeRig()
            rig.dialog.macroList.addData(["Reload", "Burst"], true)
            var dialog = openOn(rig, 6)
            clickIn(dialog, "macroSection", "macroRunMode2")
            var list = clickIn(dialog, "macroSection", "assignMacroList")
            mouseClick(list, list.width / 2, list.height + 24 + 12)
            animationClock.advanceBy(200)
            compare([dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3], [4, 2, 6, 0])
            compare(dialog.title, "Key 7 : Burst")
            // The run mode still changes a macro entry.
            clickIn(dialog, "macroSection", "macroRunMode1")
            compare(dialog.keyCode1, 1)
            closeDialog(dialog)
            compare(rig.editor.sent, [[6, "Burst"]])
            compare(callLog.argsOf("ui_View.setData"), [["mouseMacroKey/6", "Burst"]])
            compare(bytesOf(rig.matrix.modKeys, 6), [4, 1, 6, 0])
            verify(rig.matrix.isSave)
            // Opened again, the section shows the entry's macro and mode.
            openOn(rig, 6)
            compare(dialog.macroList.textValue, "Burst")
            compare(section(dialog, "macroSection").runMode, 1)
        }

        function test_renamed_macro_follows_its_buttons_without_saving() {
            callLog.setKeyedReturn("mouseGetKeydefine", 2, [4, 0, 2, 0])
            callLog.setKeyedReturn("mouseGetKeydefine", 5, [4, 1, 5, 0])
            callLog.setKeyedReturn("mouseGetKeydefine", 6, [4, 0, 6, 0])
            callLog.setKeyedReturn("getData", "mouseMacroKey/2", "Burst")
            callLog.setKeyedReturn("getData", "mouseMacroKey/5", "Burst")
            callLog.setKeyedReturn("getData", "mouseMacroKey/6", "Reload")
            var rig = makeRig()
            rig.editor.modifyMacroName("Burst", "Spray")
            compare(rig.matrix.modKeys.get(2).keyText, "Spray")
            compare(rig.matrix.modKeys.get(5).keyText, "Spray")
            compare(rig.matrix.modKeys.get(6).keyText, "Reload")
            compare(callLog.argsOf("ui_View.setData"), [["mouseMacroKey/2", "Spray"], ["mouseMacroKey/5", "Spray"]])
            compare(callLog.argsOf("ui_View.modifyMacroNameUpdateProfile"), [["Burst", "Spray"]])
            verify(!rig.matrix.isSave)
            compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)

            callLog.setKeyedReturn("getData", "mouseMacroKey/2", "Spray")
            callLog.setKeyedReturn("getData", "mouseMacroKey/5", "Spray")
            rig.editor.modifyMacroData("Spray")
            compare(rig.editor.sent, [[2, "Spray"], [5, "Spray"]])
        }

        function test_restore_one_and_all() {
            callLog.setKeyedReturn("mouseGetKeydefine", 7, [4, 0, 7, 0])
            callLog.setKeyedReturn("getData", "mouseMacroKey/7", "Burst")
            var rig = makeRig()
            rig.matrix.modKeys.set(1, { "keyCode0": 5, "keyCode1": 0, "keyCode2": 3, "keyCode3": 0, "keyText": "DPI LOOP" })
            rig.matrix.modKeys.set(7, { "keyCode0": 0, "keyCode1": 0, "keyCode2": 0xF2, "keyCode3": 0, "keyText": "Middle Key" })

            // An entry that is already the factory one stays as it is.
            var dialog = openOn(rig, 2)
            mouseClick(findChild(dialog, "assignRestore"))
            verify(!rig.matrix.isSave)
            dialog = openOn(rig, 1)
            mouseClick(findChild(dialog, "assignRestore"))
            compare([dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3], [0, 0, 0xF1, 0])
            compare(dialog.keyString, "Right Key")
            compare(bytesOf(rig.matrix.modKeys, 1), [0, 0, 0xF1, 0])
            verify(rig.matrix.isSave)
            closeDialog(dialog)

            rig.matrix.isSave = false
            mouseClick(findChild(rig.matrix, "keyMatrixRestore"))
            compare(bytesOf(rig.matrix.modKeys, 7), [4, 0, 7, 0])
            compare(rig.matrix.modKeys.get(7).keyText, "Burst")
            compare(rig.editor.sent, [[7, "Burst"]])
            compare(callLog.argsOf("ui_View.setData"), [["mouseMacroKey/7", "Burst"]])
            verify(rig.matrix.isSave)
        }

        function test_entries_14_and_15_and_gun_periods_are_sent() {
            var rig = makeRig()
            rig.guns.gunNumberModel.setProperty(1, "gunPeriod", "25")
            rig.matrix.modKeys.saveData()
            var args = callLog.argsOf("ui_View.mouseSetKeyMatrix")
            compare(args.length, 1)
            compare(args[0][0].length, 64)
            compare(args[0][0].slice(56), [0xFF, 0, 1, 0, 0xFF, 0, 2, 0])
            compare(args[0][0].slice(0, 4), [0, 0, 0xF0, 0])
            compare(args[0][1], true)
            compare(args[0][2], [10, 25, 10])
        }

        function test_right_and_middle_presses_stop_at_the_dialogs() {
            var rig = makeRig()
            var dialogs = [rig.dialog, rig.guns]
            for (var i = 0; i < dialogs.length; ++i) {
                dialogs[i].open()
                // The title bar, a control and the body.
                mouseClick(dialogs[i], 100, 20, Qt.RightButton)
                mouseClick(dialogs[i], 40, 90, Qt.RightButton)
                mouseClick(dialogs[i], 200, 200, Qt.MiddleButton)
                dialogs[i].visible = false
            }
            compare(rig.below.presses, 0)
        }

        // Gun editor.

        function test_gun_editor_loads_stored_guns_and_slots() {
            callLog.setKeyedReturn("getGunData", 4, ["P90", "L-Click", "12", "3", "40", "5"])
            callLog.setKeyedReturn("getGlobalData", "mouse/selectGun", ["4", "4", "1"])
            var rig = createTemporaryObject(rigComponent, stage)
            rig.guns.init()
            compare(rig.guns.gunNumberModel.get(4).gunName, "P90")
            compare(rig.guns.gunNumberModel.get(3).gunName, "SCAR-L")
            compare([rig.guns.selectGun1, rig.guns.selectGun2, rig.guns.selectGun3], [4, 4, 1])
            compare(rig.guns.shownGun, 4)
            compare(findChild(rig.guns, "gunY").textValue, "40")
            compare(findChild(rig.guns, "gunTimes").textValue, "5")
            verify(!findChild(rig.guns, "gunEndness").isSelect)
            compare(rig.guns.rateControl.textValue, "12MS")
            compare(rig.guns.target.dot.y, 89 + 94 * 40 / 64)
            compare(rig.guns.slotList.textValue, "Gun1")
        }

        function test_gun_slots_out_of_range_fall_back() {
            callLog.setKeyedReturn("getGlobalData", "mouse/selectGun", ["9", "-1", "x"])
            var rig = createTemporaryObject(rigComponent, stage)
            rig.guns.init()
            compare([rig.guns.selectGun1, rig.guns.selectGun2, rig.guns.selectGun3], [0, 1, 2])
        }

        function chooseSlot(guns, slot) {
            mouseClick(guns.slotList)
            animationClock.advanceBy(200)
            mouseClick(guns.slotList, guns.slotList.width / 2, guns.slotList.height * (slot + 1.5))
            animationClock.advanceBy(200)
        }

        function test_same_gun_in_two_slots_and_closing_sends_them() {
            var rig = makeRig()
            var guns = rig.guns
            guns.open()
            chooseSlot(guns, 2)
            compare(guns.selectedSlot, 2)
            compare(guns.shownGun, 2)
            mouseClick(findChild(guns, "gun0"))
            compare([guns.selectGun1, guns.selectGun2, guns.selectGun3], [0, 1, 0])
            compare(callLog.argsOf("ui_View.setGlobalData"), [["mouse/selectGun", [0, 1, 0]]])
            verify(guns.isSave)
            compare(callLog.count("ui_View.mouseSendGundata"), 0)
            closeDialog(guns)
            verify(!guns.visible)
            compare(callLog.argsOf("ui_View.mouseSendGundata"), [[1, [0, 0, 10]], [2, [0, 0, 10]], [3, [0, 0, 10]]])
            compare(callLog.names().slice(-1), ["ui_View.mouseSetKeyMatrix"])
            verify(!guns.isSave)
        }

        function test_gun_editor_closed_without_change_sends_nothing() {
            var rig = makeRig()
            rig.guns.open()
            chooseSlot(rig.guns, 1)
            closeDialog(rig.guns)
            compare(callLog.names(), [])
        }

        // The dot's top runs from 89 to 183 in the target; the pull is truncated.
        function test_dot_drag_data() {
            return [
                { tag: "lowest", to: 183, pull: 64 },
                { tag: "one above", to: 182, pull: 63 },
                { tag: "below the range", to: 260, pull: 64 },
                { tag: "top", to: 89, pull: 0 },
                { tag: "above the range", to: 10, pull: 0 },
                { tag: "middle", to: 136, pull: 32 }
            ]
        }

        function test_dot_drag(data) {
            var rig = makeRig()
            var guns = rig.guns
            // From the top, where the dot sits on a whole pixel.
            guns.gunNumberModel.setProperty(0, "gunY", "0")
            guns.open()
            var dialogPos = Qt.point(guns.x, guns.y)
            var target = guns.target
            var from = target.dot.y
            compare(from, 89)
            mousePress(target, 95, from + 4)
            mouseMove(target, 95, (from + data.to) / 2 + 4)
            mouseMove(target, 95, data.to + 4)
            compare(findChild(guns, "gunY").textValue, String(data.pull))
            mouseRelease(target, 95, data.to + 4)
            compare(guns.gunNumberModel.get(0).gunY, String(data.pull))
            compare(target.dot.y, 89 + 94 * data.pull / 64)
            compare(callLog.argsOf("ui_View.mouseSaveGundata"),
                    [[0, ["M416", "L-Click", "10", "0", String(data.pull), "0"]]])
            verify(guns.isSave)
            // The drag moved the dot only.
            compare(Qt.point(guns.x, guns.y), dialogPos)
            compare(callLog.count("ui_Ctl.onYChanged"), 0)
        }

        function test_gun_fields_and_rate() {
            var rig = makeRig()
            var guns = rig.guns
            guns.open()
            var y = findChild(guns, "gunY")
            y.txtInput.forceActiveFocus()
            y.textValue = "20"
            // A click on another gun takes the edit to the gun it was made on.
            chooseSlot(guns, 1)
            compare(guns.gunNumberModel.get(0).gunY, "20")
            compare(guns.gunNumberModel.get(1).gunY, "10")
            compare(y.textValue, "10")

            var times = findChild(guns, "gunTimes")
            var endness = findChild(guns, "gunEndness")
            verify(endness.isSelect)
            times.txtInput.forceActiveFocus()
            times.textValue = "12"
            guns.gunControlFocus()
            compare(guns.gunNumberModel.get(1).gunTimes, "12")
            verify(!endness.isSelect)
            mouseClick(endness)
            compare(guns.gunNumberModel.get(1).gunTimes, "0")
            verify(endness.isSelect)

            mouseClick(guns.rateControl)
            animationClock.advanceBy(250)
            var slider = guns.rateControl.sliderControl
            mouseClick(slider, slider.width - 1, slider.height / 2)
            animationClock.advanceBy(200)
            compare(guns.rateControl.textValue, "93MS")
            compare(guns.gunNumberModel.get(1).gunPeriod, "93")
            mouseClick(slider, 0, slider.height / 2)
            animationClock.advanceBy(200)
            compare(guns.gunNumberModel.get(1).gunPeriod, "3")
            compare(callLog.argsOf("ui_View.mouseSaveGundata").slice(-1),
                    [[1, ["AKM", "L-Click", "3", "0", "10", "0"]]])
        }

        function test_a_press_on_the_body_ends_edits_and_drags_the_dialog() {
            var rig = makeRig()
            var guns = rig.guns
            guns.open()
            var y = findChild(guns, "gunY")
            y.txtInput.forceActiveFocus()
            y.textValue = "33"
            var start = Qt.point(guns.x, guns.y)
            // Between the gun list and the target.
            mousePress(guns, 364, 300)
            compare(guns.gunNumberModel.get(0).gunY, "33")
            mouseMove(guns, 344, 310)
            mouseRelease(guns, 344, 310)
            compare(Qt.point(guns.x, guns.y), Qt.point(start.x - 20, start.y + 10))
        }

        function test_gun_factory_reset() {
            callLog.setKeyedReturn("getGlobalData", "mouse/selectGun", ["5", "4", "3"])
            var rig = makeRig()
            chooseSlot(rig.guns, 2)
            rig.guns.resetData()
            compare([rig.guns.selectGun1, rig.guns.selectGun2, rig.guns.selectGun3], [0, 1, 2])
            compare(callLog.argsOf("ui_View.setGlobalData"), [["mouse/selectGun", [0, 1, 2]]])
            compare(callLog.argsOf("ui_View.mouseSaveGundata"),
                    [[0, ["M416", "L-Click", "9", "0", "5", "0"]], [1, ["AKM", "L-Click", "9", "0", "7", "0"]],
                     [2, ["M16A4", "L-Click", "9", "0", "8", "0"]]])
            compare(callLog.argsOf("ui_View.mouseSendGundata"), [[1, [0, 0, 5]], [2, [0, 0, 7]], [3, [0, 0, 8]]])
            compare(rig.guns.selectedSlot, 0)
            compare(rig.guns.shownGun, 0)
            // The next closing sends again.
            verify(rig.guns.isSave)
        }
    }

    // The page inside the whole main screen: opening by real clicks, and a
    // look at every section and the gun editor.
    TestCase {
        name: "MousePageOnMainScreen"
        when: windowShown

        property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        function init() {
            failOnWarning(/.?/)
            callLog.clear()
            callLog.clearReturns()
            callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            callLog.setReturn("mouseGetCurrentDPI", 2)
            for (var i = 0; i < testCase.builtIn.length; ++i)
                callLog.setKeyedReturn("mouseGetKeydefine", i, testCase.builtIn[i])
        }

        function startedMain() {
            var main = createTemporaryObject(mainComponent, stage, { "deviceType": "mouse" })
            verify(main !== null, mainComponent.errorString())
            main.initUI()
            animationClock.advanceBy(1040)
            verify(main.started)
            return main
        }

        function shoot(main, file) {
            animationClock.advanceBy(0)
            grabImage(main).save(screenshotDir + "/" + file)
        }

        function test_labels_and_rows_open_the_dialog_but_not_for_the_last_left_button() {
            var main = startedMain()
            var dialog = findChild(main, "keyAssigment")
            mouseClick(findChild(main, "mouseLabel0"))
            verify(!dialog.visible)
            mouseClick(findChild(main, "mouseLabel5"))
            verify(dialog.visible)
            compare(dialog.title, "Key 6 : DPI+")
            compare(findChild(main, "mouseMain").selectKey, 5)
        }

        function test_the_macro_editor_renames_reach_the_button_list() {
            callLog.setKeyedReturn("mouseGetKeydefine", 4, [4, 0, 4, 0])
            callLog.setKeyedReturn("getData", "mouseMacroKey/4", "Burst")
            var main = startedMain()
            var matrix = findChild(main, "keyMatrix")
            compare(matrix.modKeys.get(4).keyText, "Burst")
            findChild(main, "macroEditor").modifyMacroName("Burst", "Spray")
            compare(matrix.modKeys.get(4).keyText, "Spray")
            compare(callLog.argsOf("ui_View.modifyMacroNameUpdateProfile"), [["Burst", "Spray"]])
        }

        function test_screenshots_of_every_section_and_the_gun_editor() {
            var main = startedMain()
            mouseClick(findChild(main, "mouseLabel2"))
            var dialog = findChild(main, "keyAssigment")
            var names = ["mouseSection", "fireSection", "groupSection", "mediaSection", "macroSection",
                         "dpiSection", "windowsSection", "shortcutSection", "gunSection"]
            // The combination box shows its confirm and cancel images while it captures.
            dialog.startComboInput()
            dialog.detectKeyboard(true, 0xE0, 1)
            dialog.detectKeyboard(true, 0x06, 1)
            for (var i = 0; i < names.length; ++i) {
                dialog.sections.scrollTo(findChild(dialog, names[i]).y)
                shoot(main, "mouse-assignment-" + i + "-" + names[i] + ".png")
            }
            dialog.sections.scrollTo(findChild(dialog, "mediaSection").y)
            mouseClick(findChild(dialog, "mediaSectionGrid"))
            animationClock.advanceBy(200)
            shoot(main, "mouse-assignment-media-open.png")
            mouseClick(findChild(dialog, "dialogClose"))

            mouseClick(findChild(main, "gunEditorButton"))
            shoot(main, "mouse-gun.png")
            var gun = findChild(main, "gunControl")
            mouseClick(gun.rateControl)
            mouseClick(gun.slotList)
            animationClock.advanceBy(250)
            shoot(main, "mouse-gun-open.png")
        }
    }
}
