import QtQuick
import QtTest

// The mouse page's button list, the assignment dialog and the gun editor.
Item {
    id: stage
    width: 1024
    height: 640

    ScreenCase {
        id: testCase
        name: "MousePage"

        readonly property var builtIn: [[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0],
            [0, 0, 0xF4, 0], [0, 0, 0xF3, 0], [5, 0, 1, 0], [5, 0, 2, 0], [0, 0xF0, 0x1E, 2],
            [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0],
            [0xFF, 0, 1, 0], [0xFF, 0, 2, 0]]

        function prepare() {
            for (var i = 0; i < builtIn.length; ++i)
                callLog.setKeyedReturn("mouseGetKeydefine", i, builtIn[i])
            callLog.setKeyedReturn("getGlobalData", "mouse/isGun", "true")
        }

        // The main screen's page, dialog and editor.
        function makeRig() {
            start("mouse")
            return { "matrix": child(main, "keyMatrix"), "dialog": child(main, "keyAssigment"),
                     "guns": child(main, "gunControl") }
        }

        function openOn(rig, index) {
            mouseClick(child(main, "mouseLabel" + index))
            verify(rig.dialog.visible)
            return rig.dialog
        }

        function section(dialog, name) {
            return child(dialog, name)
        }

        // Scrolls the section into view and clicks the named control in it.
        function clickIn(dialog, sectionName, controlName) {
            var s = section(dialog, sectionName)
            dialog.sections.scrollTo(s.y)
            var control = child(s, controlName)
            mouseClick(control)
            animationClock.advanceBy(200)
            return control
        }

        function closeDialog(dialog) {
            mouseClick(child(dialog, "dialogClose"))
        }

        function codes(e) {
            return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
        }

        function test_last_left_button_cannot_be_reassigned() {
            var keys = makeRig().matrix.modKeys
            verify(keys.checkOneLeftKey(0))
            verify(!keys.checkOneLeftKey(1))
            keys.set(4, { "keyCode0": 0, "keyCode1": 0, "keyCode2": 0xF0, "keyCode3": 0 })
            verify(!keys.checkOneLeftKey(0))
            verify(!keys.checkOneLeftKey(4))
        }

        function test_fire_key_capture_and_times() {
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
            mouseClick(child(dialog, data.cancel ? "comboCancel" : "comboConfirm"))
            verify(!dialog.isComboInput)
            compare(codes(dialog), data.bytes)
            compare(section(dialog, "groupSection").boxText, data.text)
            closeDialog(dialog)
            compare(rig.matrix.isSave, data.bytes[0] === 2)
        }

        function test_restore_one_and_all() {
            callLog.setKeyedReturn("mouseGetKeydefine", 7, [4, 0, 7, 0])
            callLog.setKeyedReturn("getData", "mouseMacroKey/7", "Burst")
            callLog.setKeyedReturn("loadMacroIni", "Burst", ["1,A", "1"])
            var rig = makeRig()
            rig.matrix.modKeys.set(1, { "keyCode0": 5, "keyCode1": 0, "keyCode2": 3, "keyCode3": 0, "keyText": "DPI LOOP" })
            rig.matrix.modKeys.set(7, { "keyCode0": 0, "keyCode1": 0, "keyCode2": 0xF2, "keyCode3": 0, "keyText": "Middle Key" })
            // An entry that is already the factory one stays as it is.
            var dialog = openOn(rig, 2)
            mouseClick(child(dialog, "assignRestore"))
            closeDialog(dialog)
            verify(!rig.matrix.isSave)
            dialog = openOn(rig, 1)
            mouseClick(child(dialog, "assignRestore"))
            compare(codes(dialog), [0, 0, 0xF1, 0])
            compare(codes(rig.matrix.modKeys.get(1)), [0, 0, 0xF1, 0])
            verify(rig.matrix.isSave)
            closeDialog(dialog)
            rig.matrix.isSave = false
            mouseClick(child(rig.matrix, "keyMatrixRestore"))
            compare(codes(rig.matrix.modKeys.get(7)), [4, 0, 7, 0])
            compare(calls("mouseSendMacroData").map(function(a) { return a[1] }), [7])
            compare(calls("setData"), [["mouseMacroKey/7", "Burst"]])
            verify(rig.matrix.isSave)
        }

        function test_gun_slots_are_read_as_numbers_data() {
            return [{ tag: "stored", stored: ["4", "4", "1"], slots: [4, 4, 1] },
                    { tag: "out of range", stored: ["9", "-1", "x"], slots: [0, 1, 2] }]
        }

        function test_gun_slots_are_read_as_numbers(data) {
            callLog.setKeyedReturn("getGunData", 4, ["P90", "L-Click", "12", "3", "40", "5"])
            callLog.setKeyedReturn("getGlobalData", "mouse/selectGun", data.stored)
            var guns = makeRig().guns
            compare([guns.selectGun1, guns.selectGun2, guns.selectGun3], data.slots)
            compare(guns.gunNumberModel.get(4).gunName, "P90")
            if (data.slots[0] === 4)
                compare([child(guns, "gunY").textValue, guns.rateControl.textValue], ["40", "12MS"])
        }

        function chooseSlot(guns, slot) {
            mouseClick(guns.slotList)
            animationClock.advanceBy(200)
            mouseClick(guns.slotList, guns.slotList.width / 2, guns.slotList.height * (slot + 1.5))
            animationClock.advanceBy(200)
        }

        function test_gun_edits_go_to_the_gun_they_were_made_on() {
            var guns = makeRig().guns
            guns.open()
            var y = child(guns, "gunY")
            y.txtInput.forceActiveFocus()
            y.textValue = "20"
            chooseSlot(guns, 1)
            compare([guns.gunNumberModel.get(0).gunY, guns.gunNumberModel.get(1).gunY, y.textValue], ["20", "10", "10"])
            // So does a press on the body, which drags the dialog.
            y.txtInput.forceActiveFocus()
            y.textValue = "33"
            var start = Qt.point(guns.x, guns.y)
            mousePress(guns, 364, 300)
            compare(guns.gunNumberModel.get(1).gunY, "33")
            mouseMove(guns, 344, 310)
            mouseRelease(guns, 344, 310)
            compare(Qt.point(guns.x, guns.y), Qt.point(start.x - 20, start.y + 10))
        }



        // A look at every section and the gun editor.
        function test_screenshots_of_every_section_and_the_gun_editor() {
            callLog.setKeyedReturn("getNameList", 0, ["Macro_0", "Macro_1"])
            start("mouse")
            mouseClick(child(main, "mouseLabel2"))
            var dialog = child(main, "keyAssigment")
            var names = ["mouseSection", "fireSection", "groupSection", "mediaSection", "macroSection",
                         "dpiSection", "windowsSection", "shortcutSection", "gunSection"]
            // The combination box shows its confirm and cancel images while it captures.
            dialog.startComboInput()
            dialog.detectKeyboard(true, 0xE0, 1)
            dialog.detectKeyboard(true, 0x06, 1)
            for (var i = 0; i < names.length; ++i) {
                dialog.sections.scrollTo(child(dialog, names[i]).y)
                shoot(main, "mouse-assignment-" + i + "-" + names[i] + ".png")
            }
            dialog.sections.scrollTo(child(dialog, "mediaSection").y)
            mouseClick(child(dialog, "mediaSectionGrid"))
            animationClock.advanceBy(200)
            shoot(main, "mouse-assignment-media-open.png")
            mouseClick(child(dialog, "dialogClose"))
            mouseClick(child(main, "gunEditorButton"))
            shoot(main, "mouse-gun.png")
            var gun = child(main, "gunControl")
            mouseClick(gun.rateControl)
            mouseClick(gun.slotList)
            animationClock.advanceBy(250)
            shoot(main, "mouse-gun-open.png")
        }
    }
}
