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

        function codes(dialog) {
            return [dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3]
        }

        function bytesOf(model, index) {
            var e = model.get(index)
            return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
        }

        function test_entry_text_data() {
            return [
                { tag: "left", bytes: [0, 0, 0xF0, 0], text: "Left Key" },
                { tag: "other button code", bytes: [0, 0, 0x42, 0], text: "Double Fire" },
                { tag: "fire", bytes: [1, 0x04, 10, 0], text: "A" },
                { tag: "fire, nameless key", bytes: [1, 0x99, 10, 0], text: "" },
                { tag: "combination", bytes: [2, 0x11, 0x04, 0x05], text: "LCtrl+RCtrl+A+B" },
                { tag: "modifiers only", bytes: [2, 0x82, 0, 0], text: "LShift+RWin" },
                { tag: "media, first parameter ignored", bytes: [3, 7, 0x83, 0x01], text: "Player" },
                { tag: "media unknown", bytes: [3, 0, 0x01, 0x01], text: "" },
                { tag: "macro", bytes: [4, 1, 3, 0], text: "Burst" },
                { tag: "dpi out of range", bytes: [5, 0, 9, 0], text: "" },
                { tag: "windows", bytes: [6, 4, 0x2C, 0x1B], text: "Max" },
                { tag: "shortcut", bytes: [7, 0, 0xE0, 0x06], text: "Copy" },
                { tag: "gun", bytes: [8, 0, 3, 0], text: "Three Gun" },
                { tag: "unknown class", bytes: [0xFF, 0, 1, 0], text: "" }
            ]
        }

        function test_entry_text(data) {
            callLog.setKeyedReturn("getData", "mouseMacroKey/3", "Burst")
            var rig = makeRig()
            var b = data.bytes
            compare(rig.dialog.keyCodeToString(b[0], b[1], b[2], b[3]), data.text)
        }

        function test_last_left_button_cannot_be_reassigned() {
            var keys = makeRig().matrix.modKeys
            verify(keys.checkOneLeftKey(0))
            verify(!keys.checkOneLeftKey(1))
            keys.set(4, { "keyCode0": 0, "keyCode1": 0, "keyCode2": 0xF0, "keyCode3": 0 })
            verify(!keys.checkOneLeftKey(0))
            verify(!keys.checkOneLeftKey(4))
        }

        function test_fire_key_capture_rate_and_times() {
            var rig = makeRig()
            var dialog = openOn(rig, 2)
            var fire = section(dialog, "fireSection")
            clickIn(dialog, "fireSection", "fireKeyBox")
            verify(dialog.isFireInput)
            // The first event counts, even a release.
            dialog.detectKeyboard(false, 0x2C, 0)
            dialog.detectKeyboard(true, 0x04, 0)
            verify(!dialog.isFireInput)
            compare(codes(dialog), [1, 0x2C, 10, 0])
            compare(fire.keyText, "Space")
            mouseClick(fire.rate)
            animationClock.advanceBy(200)
            var slider = fire.rate.sliderControl
            var ends = [[slider.width - 1, "83MS", 83], [0, "3MS", 3]]
            for (var i = 0; i < ends.length; ++i) {
                mouseClick(slider, ends[i][0], slider.height / 2)
                animationClock.advanceBy(200)
                compare([fire.rate.textValue, dialog.keyCode2], [ends[i][1], ends[i][2]])
            }
            mouseClick(fire.rate)
            animationClock.advanceBy(250)
            fire.timesField.txtInput.forceActiveFocus()
            fire.timesField.textValue = "7"
            fire.timesField.closeFocus()
            compare(dialog.keyCode3, 7)
            verify(!fire.endness.isSelect)
            mouseClick(fire.endness)
            compare([dialog.keyCode3, fire.timesField.textValue], [0, "0"])
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
                  bytes: [2, 0x01, A, 0], text: "A + LCtrl" },
                { tag: "empty confirm changes nothing", events: [], bytes: [5, 0, 1, 0], text: "Click Input" },
                { tag: "releases only change nothing", events: [[false, LCtrl]], bytes: [5, 0, 1, 0], text: "Click Input" },
                { tag: "cancel changes nothing", events: [[true, LCtrl], [true, A]], cancel: true,
                  bytes: [5, 0, 1, 0], text: "Click Input" }
            ]
        }

        function test_combination(data) {
            var rig = makeRig()
            var dialog = openOn(rig, 5)
            clickIn(dialog, "groupSection", "comboBox")
            verify(dialog.isComboInput)
            for (var i = 0; i < data.events.length; ++i)
                dialog.detectKeyboard(data.events[i][0], data.events[i][1], 1)
            compare(dialog.keyCode0, 5)
            mouseClick(findChild(dialog, data.cancel ? "comboCancel" : "comboConfirm"))
            verify(!dialog.isComboInput)
            compare(codes(dialog), data.bytes)
            compare(section(dialog, "groupSection").boxText, data.text)
            closeDialog(dialog)
            compare(rig.matrix.isSave, data.bytes[0] === 2)
        }

        function test_closing_without_a_change_stores_and_sends_nothing() {
            var rig = makeRig()
            var dialog = openOn(rig, 1)
            // Choosing the function the button already has is no change.
            clickIn(dialog, "mouseSection", "mouseSectionRadio2")
            clickIn(dialog, "groupSection", "comboBox")
            var grid = clickIn(dialog, "mediaSection", "mediaSectionGrid")
            verify(grid.isDrop)
            closeDialog(dialog)
            animationClock.advanceBy(200)
            verify(!dialog.isComboInput)
            verify(!grid.isDrop)
            verify(!rig.matrix.isSave)
            compare(callLog.names(), [])
            compare(rig.editor.sent, [])
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
            compare(codes(dialog), [0, 0, 0xF1, 0])
            compare(bytesOf(rig.matrix.modKeys, 1), [0, 0, 0xF1, 0])
            verify(rig.matrix.isSave)
            closeDialog(dialog)
            rig.matrix.isSave = false
            mouseClick(findChild(rig.matrix, "keyMatrixRestore"))
            compare(bytesOf(rig.matrix.modKeys, 7), [4, 0, 7, 0])
            compare(rig.editor.sent, [[7, "Burst"]])
            compare(callLog.argsOf("ui_View.setData"), [["mouseMacroKey/7", "Burst"]])
            verify(rig.matrix.isSave)
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

        // ---- Gun editor

        function test_gun_slots_are_read_as_numbers_data() {
            return [{ tag: "stored", stored: ["4", "4", "1"], slots: [4, 4, 1] },
                    { tag: "out of range", stored: ["9", "-1", "x"], slots: [0, 1, 2] }]
        }

        function test_gun_slots_are_read_as_numbers(data) {
            callLog.setKeyedReturn("getGunData", 4, ["P90", "L-Click", "12", "3", "40", "5"])
            callLog.setKeyedReturn("getGlobalData", "mouse/selectGun", data.stored)
            var guns = createTemporaryObject(rigComponent, stage).guns
            guns.init()
            compare([guns.selectGun1, guns.selectGun2, guns.selectGun3], data.slots)
            compare(guns.gunNumberModel.get(4).gunName, "P90")
            if (data.slots[0] === 4)
                compare([findChild(guns, "gunY").textValue, guns.rateControl.textValue], ["40", "12MS"])
        }

        function chooseSlot(guns, slot) {
            mouseClick(guns.slotList)
            animationClock.advanceBy(200)
            mouseClick(guns.slotList, guns.slotList.width / 2, guns.slotList.height * (slot + 1.5))
            animationClock.advanceBy(200)
        }

        // The dot's top runs from 89 to 183 in the target; the pull is truncated.
        function test_dot_drag_data() {
            return [
                { tag: "one above the lowest", to: 182, pull: 63 },
                { tag: "below the range", to: 260, pull: 64 },
                { tag: "above the range", to: 10, pull: 0 }
            ]
        }

        function test_dot_drag(data) {
            var guns = makeRig().guns
            guns.gunNumberModel.setProperty(0, "gunY", "0")
            guns.open()
            var dialogPos = Qt.point(guns.x, guns.y)
            var target = guns.target
            mousePress(target, 95, 89 + 4)
            mouseMove(target, 95, (89 + data.to) / 2 + 4)
            mouseMove(target, 95, data.to + 4)
            mouseRelease(target, 95, data.to + 4)
            compare(callLog.argsOf("ui_View.mouseSaveGundata"),
                    [[0, ["M416", "L-Click", "10", "0", String(data.pull), "0"]]])
            verify(guns.isSave)
            compare(Qt.point(guns.x, guns.y), dialogPos)
        }

        function test_gun_edits_go_to_the_gun_they_were_made_on() {
            var guns = makeRig().guns
            guns.open()
            var y = findChild(guns, "gunY")
            y.txtInput.forceActiveFocus()
            y.textValue = "20"
            chooseSlot(guns, 1)
            compare([guns.gunNumberModel.get(0).gunY, guns.gunNumberModel.get(1).gunY, y.textValue], ["20", "10", "10"])
            var times = findChild(guns, "gunTimes")
            var endness = findChild(guns, "gunEndness")
            times.txtInput.forceActiveFocus()
            times.textValue = "12"
            guns.gunControlFocus()
            compare(guns.gunNumberModel.get(1).gunTimes, "12")
            verify(!endness.isSelect)
            mouseClick(endness)
            compare(guns.gunNumberModel.get(1).gunTimes, "0")
            mouseClick(guns.rateControl)
            animationClock.advanceBy(250)
            var slider = guns.rateControl.sliderControl
            mouseClick(slider, slider.width - 1, slider.height / 2)
            animationClock.advanceBy(200)
            compare(guns.gunNumberModel.get(1).gunPeriod, "93")
            mouseClick(slider, 0, slider.height / 2)
            animationClock.advanceBy(200)
            compare(callLog.argsOf("ui_View.mouseSaveGundata").slice(-1), [[1, ["AKM", "L-Click", "3", "0", "10", "0"]]])
        }

        function test_a_press_on_the_body_ends_edits_and_drags_the_dialog() {
            var guns = makeRig().guns
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
    }

    // A look at every section and the gun editor inside the whole main screen.
    TestCase {
        name: "MousePageScreenshots"
        when: windowShown

        property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        function shoot(main, file) {
            animationClock.advanceBy(0)
            grabImage(main).save(screenshotDir + "/" + file)
        }

        function test_screenshots_of_every_section_and_the_gun_editor() {
            failOnWarning(/.?/)
            callLog.clearReturns()
            callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            callLog.setReturn("mouseGetCurrentDPI", 2)
            for (var k = 0; k < testCase.builtIn.length; ++k)
                callLog.setKeyedReturn("mouseGetKeydefine", k, testCase.builtIn[k])
            var main = createTemporaryObject(mainComponent, stage, { "deviceType": "mouse" })
            main.initUI()
            animationClock.advanceBy(1040)
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
