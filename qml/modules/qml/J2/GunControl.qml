import QtQuick
import "../basic"
import "KeyFunctions.js" as KeyFunctions

// The gun editor: six guns with their recoil data and the three gun slots.
// Edits are stored at once and reach the mouse when the dialog closes.
Dialog {
    id: gunControlMain

    property var gunControlLang: ["Gun editor", "Gun", "Select gun", "Cursor Adjust", "X Axis",
        "Y axis", "Fire adjust", "Rate", "Times", "Endness"]
    property alias gunNumberModel: guns
    property int selectGun1: 0
    property int selectGun2: 1
    property int selectGun3: 2
    // The slot chosen in "Select gun", 0..2, and the gun shown for editing.
    property int selectedSlot: 0
    property int shownGun: 0
    property bool isSave: false
    readonly property var shown: guns.count > shownGun ? guns.get(shownGun) : null
    property alias slotList: slotDrop
    property alias rateControl: rateSlider
    property alias target: targetPicture

    width: 640
    height: 448
    title: gunControlLang[0]

    onGunControlLangChanged: refillSlots()

    function gunIndexOf(value, fallback) {
        var n = parseInt(value, 10)
        return n >= 0 && n < guns.count ? n : fallback
    }

    function init() {
        refillSlots()
        for (var i = 0; i < guns.count; ++i) {
            var stored = ui_View.getGunData(i)
            if (stored === undefined || stored === null || stored.length < 6)
                continue
            guns.set(i, { "gunName": String(stored[0]), "gunKey": String(stored[1]),
                          "gunPeriod": String(stored[2]), "gunX": String(stored[3]),
                          "gunY": String(stored[4]), "gunTimes": String(stored[5]) })
        }
        var slots = ui_View.getGlobalData("mouse/selectGun")
        var valid = slots !== undefined && slots !== null && typeof slots !== "string"
                    && slots.length === 3
        selectGun1 = valid ? gunIndexOf(slots[0], 0) : 0
        selectGun2 = valid ? gunIndexOf(slots[1], 1) : 1
        selectGun3 = valid ? gunIndexOf(slots[2], 2) : 2
        chooseSlot(0)
    }

    function refillSlots() {
        var current = slotDrop.currentSelect
        slotNames.clear()
        for (var i = 1; i <= 3; ++i)
            slotNames.append({ "textValue": gunControlLang[1] + i })
        slotDrop.currentSelect = current
        slotDrop.refreshText()
    }

    function slotGun(slot) {
        return [selectGun1, selectGun2, selectGun3][slot]
    }

    // Fire periods of the guns bound to the three slots, sent with the key matrix.
    function slotPeriods() {
        return [0, 1, 2].map(function(slot) {
            return parseInt(guns.get(slotGun(slot)).gunPeriod, 10) || 0
        })
    }

    function chooseSlot(slot) {
        selectedSlot = slot
        slotDrop.currentSelect = slot
        showGun(slotGun(slot))
    }

    function showGun(index) {
        endFieldEdits()
        shownGun = index
        var g = guns.get(index)
        yField.textValue = g.gunY
        xField.textValue = g.gunX
        var period = Math.max(3, Math.min(93, parseInt(g.gunPeriod, 10) || 3))
        rateSlider.textValue = g.gunPeriod + "MS"
        rateSlider.sliderControl.setValue(KeyFunctions.knobOfMs(period))
        timesField.textValue = g.gunTimes
        endness.isSelect = g.gunTimes === "0"
    }

    // The gun clicked in the list goes to the slot chosen in "Select gun".
    function bindGun(index) {
        endFieldEdits()
        if (selectedSlot === 0)
            selectGun1 = index
        else if (selectedSlot === 1)
            selectGun2 = index
        else
            selectGun3 = index
        ui_View.setGlobalData("mouse/selectGun", [selectGun1, selectGun2, selectGun3])
        isSave = true
        showGun(index)
    }

    function editShown(field, value) {
        guns.setProperty(shownGun, field, String(value))
        saveData(shownGun, false)
    }

    function saveData(index, isAllSave) {
        isSave = true
        var first = isAllSave ? 0 : index
        var last = isAllSave ? guns.count - 1 : index
        for (var i = first; i <= last; ++i) {
            var g = guns.get(i)
            ui_View.mouseSaveGundata(i, [g.gunName, g.gunKey, g.gunPeriod, g.gunX, g.gunY, g.gunTimes])
        }
    }

    function sendData(slot) {
        var g = guns.get(slotGun(slot))
        ui_View.mouseSendGundata(slot + 1, [parseInt(g.gunTimes, 10) || 0, parseInt(g.gunX, 10) || 0,
                                            parseInt(g.gunY, 10) || 0])
    }

    // On close: an edit still open is taken first; the slots are sent when
    // anything changed. True when they were, so the key matrix follows.
    function sendIfChanged() {
        gunControlFocus()
        if (!isSave)
            return false
        isSave = false
        sendData(0)
        sendData(1)
        sendData(2)
        return true
    }

    function resetData() {
        selectGun1 = 0
        selectGun2 = 1
        selectGun3 = 2
        ui_View.setGlobalData("mouse/selectGun", [0, 1, 2])
        guns.setProperty(0, "gunY", "5")
        guns.setProperty(1, "gunY", "7")
        guns.setProperty(2, "gunY", "8")
        for (var i = 0; i < 3; ++i) {
            guns.setProperty(i, "gunPeriod", "9")
            saveData(i, false)
        }
        sendData(0)
        sendData(1)
        sendData(2)
        chooseSlot(0)
    }

    function endFieldEdits() {
        timesField.closeFocus()
        xField.closeFocus()
        yField.closeFocus()
    }

    function gunControlFocus() {
        slotDrop.closeMenu()
        rateSlider.closeMenu()
        endFieldEdits()
    }

    onCloseClicked: gunControlFocus()

    ListModel {
        id: guns
        ListElement { gunName: "M416"; gunImage: "M416"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "AKM"; gunImage: "AKM"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "M16A4"; gunImage: "M16A4"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "SCAR-L"; gunImage: "SCAR-L"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "UNP9"; gunImage: "UNP9"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "Thomson"; gunImage: "Thomson"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
    }

    ListModel {
        id: slotNames
    }

    DialogBodyArea {
        width: gunControlMain.width
        height: gunControlMain.height - 40
        dialog: gunControlMain
        onBodyPressed: gunControlMain.gunControlFocus()
    }

    ThemedText {
        x: 16
        y: 8
        text: gunControlMain.gunControlLang[1]
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMiddleSize
    }

    GunList {
        objectName: "gunList"
        x: 16
        y: 34
        model: guns
        shownGun: gunControlMain.shownGun
        onGunClicked: (index) => gunControlMain.bindGun(index)
    }

    ThemedText {
        x: 376
        y: 12
        text: gunControlMain.gunControlLang[2]
    }

    ThemedText {
        x: 376
        y: 44
        text: gunControlMain.gunControlLang[3]
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMiddleSize
    }

    GunTarget {
        id: targetPicture
        x: 376
        y: 68
        pull: parseInt(gunControlMain.shown ? gunControlMain.shown.gunY : "0", 10) || 0
        onPullDragged: (pull) => yField.textValue = String(pull)
        onPullReleased: (pull) => gunControlMain.editShown("gunY", pull)
    }

    Column {
        x: 576
        y: 110
        spacing: 6

        ThemedText {
            text: gunControlMain.gunControlLang[4]
        }

        RectInput {
            id: xField
            objectName: "gunX"
            txtInput.readOnly: true
        }

        Item { width: 1; height: 12 }

        ThemedText {
            text: gunControlMain.gunControlLang[5]
        }

        RectInput {
            id: yField
            objectName: "gunY"
            maxValue: 64
            onEndInputSignal: gunControlMain.editShown("gunY", parseInt(textValue, 10) || 0)
        }
    }

    ThemedText {
        x: 376
        y: 270
        text: gunControlMain.gunControlLang[6]
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMiddleSize
    }

    ThemedText {
        x: 376
        y: 336
        text: gunControlMain.gunControlLang[8]
    }

    Row {
        x: 440
        y: 334
        spacing: 16

        RectInput {
            id: timesField
            objectName: "gunTimes"
            anchors.verticalCenter: parent.verticalCenter
            maxValue: 255
            onEndInputSignal: {
                gunControlMain.editShown("gunTimes", parseInt(textValue, 10) || 0)
                endness.isSelect = gunControlMain.shown.gunTimes === "0"
            }
        }

        CheckBox {
            id: endness
            objectName: "gunEndness"
            anchors.verticalCenter: parent.verticalCenter
            textValue: gunControlMain.gunControlLang[9]
            // Runs before the box toggles: not yet ticked means being ticked.
            onBtnClick: {
                if (isSelect)
                    return
                timesField.textValue = "0"
                gunControlMain.editShown("gunTimes", 0)
            }
        }
    }

    ThemedText {
        x: 376
        y: 300
        text: gunControlMain.gunControlLang[7]
    }

    // 120 wide so that the knob's 91 positions give 3 to 93 ms.
    DropDownSlider {
        id: rateSlider
        objectName: "gunRate"
        x: 440
        y: 296
        width: 120
        onValueChange: (position) => textValue = KeyFunctions.msOfKnob(position) + "MS"
    }

    Connections {
        target: rateSlider.sliderControl
        function onValueChangeDelay(position) {
            gunControlMain.editShown("gunPeriod", KeyFunctions.msOfKnob(position))
        }
    }

    DropDownList {
        id: slotDrop
        objectName: "gunSlotList"
        x: 460
        y: 8
        width: 120
        currentSelect: 0
        mdItems: slotNames
        onValueChange: (index) => gunControlMain.chooseSlot(index)
    }
}
