import QtQuick
import "../basic"
import "KeyFunctions.js" as KeyFunctions

// The button assignment dialog: edits a working copy of one key matrix entry;
// closing it hands the copy to the key matrix.
Dialog {
    id: keyAssigmentMain

    property var keyAssigmentLang: ["Key ", "Mouse Function", "Left Key", "Middle Key", "Right Key",
        "Forward Key", "Back Key", "Double Fire", "Fire Function", "Key Value", "Click Input", "Rate",
        "Times", "Endness", "Group Function", "Media Function", "Macro Function", "Macro Editor",
        "Macro runs one-time after pressing the button",
        "Macro runs endless loop until any button is pressed",
        "Macro runs endless loop until button is released", "DPI Function", "DPI+", "DPI-", "DPI LOOP",
        "Windows Function", "Shortcut Function", "Player", "Next", "Privous", "Stop", "Mute",
        "Play/Pause", "Volumn+", "Volumn-", "My PC", "Index", "Search", "Max", "Min", "Desktop", "Run",
        "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
        "Gun Function", "One Gun", "Two Gun", "Three Gun", "Sniper Key", "", "", ""]
    property var keyNames: null
    // The key matrix panel whose entries the dialog edits.
    property var matrix: null
    property bool gunShown: true
    property int editIndex: -1
    property int keyCode0: 0
    property int keyCode1: 0
    property int keyCode2: 0
    property int keyCode3: 0
    property string keyString: ""
    property bool isFireInput: false
    property bool isComboInput: false
    property var combo: KeyFunctions.emptyCombo()
    property alias macroList: macroSection.macroList
    property alias fireKeyText: fireSection.keyText
    property alias sections: scroller

    signal openMacroEditor()

    width: 416
    height: 404
    title: keyAssigmentLang[0] + (editIndex + 1) + " : " + keyString

    onCloseClicked: finishEditing()

    function nameOf(code) {
        return keyNames === null ? "" : keyNames.keycodeTostr(code)
    }

    function macroNameOf(number) {
        var name = ui_View.getData("mouseMacroKey/" + number, false)
        return name === undefined || name === null ? "" : String(name)
    }

    function keyCodeToString(code0, code1, code2, code3) {
        return KeyFunctions.entryText(keyAssigmentLang, nameOf, macroNameOf, code0, code1, code2, code3)
    }

    function init() {
        isFireInput = false
        isComboInput = false
        combo = KeyFunctions.emptyCombo()
        fireSection.init()
        groupSection.boxText = keyAssigmentLang[10]
    }

    function show(index) {
        finishEditing()
        editIndex = index
        var e = matrix.modKeys.get(index)
        setWorking(e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3, e.keyText)
        fireSection.showEntry(keyCode0, keyCode1, keyCode2, keyCode3)
        groupSection.boxText = keyCode0 === 2 ? keyString : keyAssigmentLang[10]
        mediaSection.showEntry(keyCode0, keyCode2, keyCode3)
        windowsSection.showEntry(keyCode0, keyCode2, keyCode3)
        shortcutSection.showEntry(keyCode0, keyCode2, keyCode3)
        macroSection.showEntry(keyCode0, keyCode1, keyString)
        scroller.scrollTo(0)
    }

    // The working copy takes four bytes and their text (made from the bytes when none is given).
    function setWorking(code0, code1, code2, code3, text) {
        keyCode0 = Number(code0)
        keyCode1 = Number(code1)
        keyCode2 = Number(code2)
        keyCode3 = Number(code3)
        keyString = text === undefined ? keyCodeToString(keyCode0, keyCode1, keyCode2, keyCode3)
                                        : String(text)
    }

    function chooseBytes(bytes) {
        setWorking(bytes[0], bytes[1], bytes[2], bytes[3])
    }

    function holds(bytes) {
        return keyCode0 === bytes[0] && keyCode1 === bytes[1] && keyCode2 === bytes[2]
                && keyCode3 === bytes[3]
    }

    function chooseMacro(name) {
        setWorking(4, macroSection.runMode, editIndex, 0, name)
    }

    function startFireInput() {
        cancelCombo()
        isFireInput = true
    }

    function startComboInput() {
        isFireInput = false
        combo = KeyFunctions.emptyCombo()
        isComboInput = true
    }

    function confirmCombo() {
        isComboInput = false
        if (KeyFunctions.comboIsEmpty(combo)) {
            groupSection.boxText = keyAssigmentLang[10]
            return
        }
        setWorking(2, combo.mask, combo.key1, combo.key2, combo.text)
        groupSection.boxText = combo.text
    }

    function cancelCombo() {
        if (!isComboInput)
            return
        isComboInput = false
        groupSection.boxText = keyAssigmentLang[10]
    }

    // index 0: the fire key, taken from the first event, press or release;
    // index 1: one more key of the combination.
    function detectKeyboard(isDown, usbCode, index) {
        var code = Number(usbCode)
        if (!(code > 0 && code <= 0xFF))
            return
        if (Number(index) === 0) {
            if (!isFireInput)
                return
            isFireInput = false
            fireSection.keyText = nameOf(code)
            setWorking(1, code, fireSection.interval, fireSection.times, nameOf(code))
        } else if (isComboInput) {
            combo = KeyFunctions.comboAdd(combo, isDown, code, nameOf(code))
        }
    }

    function restoreOne() {
        var factory = matrix.restoreEntry(editIndex, keyString)
        if (factory === null)
            return
        setWorking(factory.keyCode0, factory.keyCode1, factory.keyCode2, factory.keyCode3, factory.keyText)
    }

    function keyAssigmentFocus() {
        fireSection.closeControls()
        mediaSection.dropDown.closeMenu()
        windowsSection.dropDown.closeMenu()
        shortcutSection.dropDown.closeMenu()
        macroSection.macroList.closeMenu()
    }

    // A closing dialog leaves no capture running and no drop-down open.
    function finishEditing() {
        isFireInput = false
        cancelCombo()
        keyAssigmentFocus()
    }

    DialogBodyArea {
        width: keyAssigmentMain.width
        height: keyAssigmentMain.height - 40
        dialog: keyAssigmentMain
        onBodyPressed: keyAssigmentMain.keyAssigmentFocus()
    }

    ImageButton {
        objectName: "assignRestore"
        x: keyAssigmentMain.width - 12 - 20 - 12 - width
        y: -28
        name: "back"
        onClicked: keyAssigmentMain.restoreOne()
    }

    ScrollArea {
        id: scroller
        objectName: "assignSections"
        x: 16
        y: 4
        width: keyAssigmentMain.width - 24
        height: keyAssigmentMain.height - 40 - 8

        RadioFunctionSection {
            objectName: "mouseSection"
            title: keyAssigmentMain.keyAssigmentLang[1]
            dialog: keyAssigmentMain
            options: KeyFunctions.mouseButtons.map(function(b) { return [b[1], [0, 0, b[0], 0]] })
                .concat([[KeyFunctions.doubleFireText, KeyFunctions.doubleFire]])
        }

        FireFunctionSection {
            id: fireSection
            objectName: "fireSection"
            title: keyAssigmentMain.keyAssigmentLang[8]
            dialog: keyAssigmentMain
        }

        GroupFunctionSection {
            id: groupSection
            objectName: "groupSection"
            title: keyAssigmentMain.keyAssigmentLang[14]
            dialog: keyAssigmentMain
        }

        GridFunctionSection {
            id: mediaSection
            objectName: "mediaSection"
            title: keyAssigmentMain.keyAssigmentLang[15]
            dialog: keyAssigmentMain
            grid: KeyFunctions.media
        }

        MacroFunctionSection {
            id: macroSection
            objectName: "macroSection"
            title: keyAssigmentMain.keyAssigmentLang[16]
            dialog: keyAssigmentMain
            onOpenMacroEditor: keyAssigmentMain.openMacroEditor()
        }

        RadioFunctionSection {
            objectName: "dpiSection"
            title: keyAssigmentMain.keyAssigmentLang[21]
            dialog: keyAssigmentMain
            columns: 4
            cellWidth: 92
            options: KeyFunctions.dpiTexts.map(function(text, i) { return [text, [5, 0, i + 1, 0]] })
        }

        GridFunctionSection {
            id: windowsSection
            objectName: "windowsSection"
            title: keyAssigmentMain.keyAssigmentLang[25]
            dialog: keyAssigmentMain
            grid: KeyFunctions.windows
        }

        GridFunctionSection {
            id: shortcutSection
            objectName: "shortcutSection"
            title: keyAssigmentMain.keyAssigmentLang[26]
            dialog: keyAssigmentMain
            grid: KeyFunctions.shortcut
        }

        RadioFunctionSection {
            objectName: "gunSection"
            visible: keyAssigmentMain.gunShown
            title: keyAssigmentMain.keyAssigmentLang[52]
            dialog: keyAssigmentMain
            options: KeyFunctions.gunTexts.map(function(text, i) { return [text, [8, 0, i + 1, 0]] })
        }

        // Room for the last grid to open into.
        Item {
            width: 1
            height: 46
        }
    }
}
