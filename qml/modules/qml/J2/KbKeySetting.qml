import QtQuick
import "../basic"
import "KeyTable.js" as KeyTable
import "LightRules.js" as LightRules
import "KbTexts.js" as KbTexts

// The key setting panel under the keyboard picture: the selected key's new
// function (a captured key, a macro or a multimedia function) and its colour
// in the chosen picture.
Item {
    id: kbKeySettingMain

    property var keyNames: null
    // Set by the main screen: the keyboard page and the macro editor.
    property var keyboard: null
    property var macroEditor: null
    property var lang: KbTexts.builtIn
    property bool isKeyInput: false
    property alias macroList: macroDrop
    property alias mediaControl: mediaGrid
    // The picture the keyboard page shows, chosen here.
    readonly property int selectPictureValue: keyboard !== null ? keyboard.selectPictureValue : 0
    // The name of the key captured for the selected key, "" before one is.
    property string capturedName: ""
    readonly property string keyValueText: capturedName !== "" ? capturedName : text(KbTexts.clickInput)
    // The colour of the R, G, B fields.
    readonly property var fieldColour: [Number(redField.textValue), Number(greenField.textValue),
                                        Number(blueField.textValue)]

    signal openMacroEditor()

    width: 720
    height: 303

    function text(i) {
        var t = lang[i]
        return t === undefined ? KbTexts.builtIn[i] : String(t)
    }

    function selectedKey() {
        return keyboard === null ? -1 : keyboard.selectKey
    }

    function detectKeyboard(isDown, usbCode, index) {
        if (!isKeyInput || !isDown)
            return
        isKeyInput = false
        var code = Number(usbCode)
        var name = keyNames === null ? "" : keyNames.keycodeTostr(code)
        capturedName = name !== "" ? name : "0x" + code.toString(16).toUpperCase()
        if (keyboard !== null)
            keyboard.keyFunctionSetting(keyboard.selectKey, 0, 0, code, 0)
    }

    // A click on a cap in the colour view: the fields' colour, or dark for a right click.
    function autoSettingLED(isClear) {
        if (keyboard === null || KeyTable.isLockKey(keyboard.selectKey))
            return
        var c = isClear ? [0, 0, 0] : fieldColour
        keyboard.keyLEDSetting(keyboard.selectKey, selectPictureValue, 0, c[0], c[1], c[2])
    }

    function kbKeySettingFocus() {
        macroDrop.closeMenu()
        mediaGrid.closeMenu()
        redField.closeFocus()
        greenField.closeFocus()
        blueField.closeFocus()
    }

    // What the panel showed for the previous key (or before the keyboard was
    // plugged in again) does not belong to the next one.
    function clearChoices() {
        isKeyInput = false
        capturedName = ""
        mediaGrid.currentSelect = -1
        macroDrop.currentSelect = -1
        macroDrop.refreshText()
        kbKeySettingFocus()
    }

    function choosePicture(index) {
        if (keyboard !== null)
            keyboard.setAllKeyData(index)
    }

    function bindMacro(name) {
        var key = selectedKey()
        if (keyboard === null || key < 0 || name === "" || KeyTable.isLockKey(key)) {
            macroDrop.currentSelect = -1
            macroDrop.refreshText()
            return
        }
        var number = keyboard.getMacroIndex()
        if (macroEditor !== null)
            macroEditor.sendMacro(number, name)
        // The key keeps only the number; the name lets an edited macro be sent again.
        ui_View.setData("keyboardMacroKey/" + number, name)
        keyboard.keyFunctionSetting(key, 4, 1, number, 0)
    }

    function bindMedia(index) {
        var key = selectedKey()
        if (keyboard === null || key < 0 || index < 0 || index >= KeyTable.mediaUsages.length)
            return
        var usage = KeyTable.mediaUsages[index]
        keyboard.keyFunctionSetting(key, 3, 0, usage & 0xFF, usage >> 8)
    }

    // Macro numbers some key runs whose stored name is `name`. Only while the
    // keyboard layout shows: the mouse's macro slots are another matter.
    function keyMacrosNamed(name) {
        var numbers = []
        if (keyboard === null || !visible)
            return numbers
        var used = keyboard.macroNumbersInUse()
        for (var i = 0; i < used.length; ++i) {
            if (String(ui_View.getData("keyboardMacroKey/" + used[i], false)) === String(name))
                numbers.push(used[i])
        }
        return numbers
    }

    // A typed colour moves the knob to it.
    function fieldsChanged() {
        var c = fieldColour
        hueBar.placeFor(LightRules.colourText(c[0], c[1], c[2]))
    }

    function showColour(colour) {
        var c = LightRules.components(colour)
        redField.textValue = String(c[0])
        greenField.textValue = String(c[1])
        blueField.textValue = String(c[2])
    }

    // Releasing the knob gives the selected key the colour in the shown picture.
    function paintSelected() {
        var c = fieldColour
        if (keyboard !== null)
            keyboard.keyLEDSetting(selectedKey(), selectPictureValue, 0, c[0], c[1], c[2])
    }

    Connections {
        target: kbKeySettingMain.macroEditor
        ignoreUnknownSignals: true
        function onModifyMacroData(macroName) {
            var numbers = kbKeySettingMain.keyMacrosNamed(macroName)
            for (var i = 0; i < numbers.length; ++i)
                kbKeySettingMain.macroEditor.sendMacro(numbers[i], macroName)
        }
        function onModifyMacroName(oldMacroName, newMacroName) {
            var numbers = kbKeySettingMain.keyMacrosNamed(oldMacroName)
            for (var i = 0; i < numbers.length; ++i)
                ui_View.setData("keyboardMacroKey/" + numbers[i], newMacroName)
        }
    }

    Image {
        anchors.fill: parent
        source: Theme.img("index", "keySettingBk")
    }

    MouseArea {
        anchors.fill: parent
        onPressed: kbKeySettingMain.kbKeySettingFocus()
    }

    Column {
        x: 24
        y: 20
        spacing: 14

        KbSettingRow {
            caption: kbKeySettingMain.text(KbTexts.keyValue)
            z: 1

            Rectangle {
                objectName: "keyValueBox"
                width: 160
                height: 24
                radius: 2
                color: Theme.colorGray0
                border.color: kbKeySettingMain.isKeyInput ? Theme.colorOrange : Theme.colorGray1

                ThemedText {
                    anchors.centerIn: parent
                    text: kbKeySettingMain.keyValueText
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        kbKeySettingMain.kbKeySettingFocus()
                        kbKeySettingMain.isKeyInput = true
                    }
                }
            }
        }

        KbSettingRow {
            caption: kbKeySettingMain.text(KbTexts.macroKey)
            z: 3

            MacroList {
                id: macroDrop
                objectName: "kbMacroList"
                width: 160
                onBtnClick: mediaGrid.closeMenu()
                onValueChange: (index) => kbKeySettingMain.bindMacro(textValue)
            }

            TextButton {
                objectName: "kbMacroEdit"
                textValue: kbKeySettingMain.text(KbTexts.edit)
                onClicked: kbKeySettingMain.openMacroEditor()
            }
        }

        KbSettingRow {
            caption: kbKeySettingMain.text(KbTexts.multimedia)
            z: 2

            DropDownGrid {
                id: mediaGrid
                objectName: "mediaGrid"
                width: 96
                currentSelect: -1
                mdItems: ListModel { id: mediaItems }
                onFocusControl: macroDrop.closeMenu()
                onBtnClick: kbKeySettingMain.bindMedia(currentSelect)
            }
        }

        KbSettingRow {
            caption: kbKeySettingMain.text(KbTexts.keyColour)

            Repeater {
                model: 5
                delegate: TextButton {
                    required property int index
                    objectName: "kbPicture" + index
                    width: 64
                    textValue: kbKeySettingMain.text(KbTexts.pictures + index)
                    baseColor: index === kbKeySettingMain.selectPictureValue ? Theme.colorOrange : Theme.colorBlue
                    onClicked: kbKeySettingMain.choosePicture(index)
                }
            }
        }

        KbSettingRow {
            caption: ""

            HueBar {
                id: hueBar
                objectName: "kbHueBar"
                anchors.verticalCenter: parent.verticalCenter
                onKnobPressed: (colour) => {
                    kbKeySettingMain.kbKeySettingFocus()
                    kbKeySettingMain.showColour(colour)
                }
                onKnobMoved: (colour) => kbKeySettingMain.showColour(colour)
                onKnobReleased: kbKeySettingMain.paintSelected()
            }

            Rectangle {
                objectName: "kbColourSample"
                width: 24
                height: 20
                radius: 2
                color: Qt.rgba(kbKeySettingMain.fieldColour[0] / 255, kbKeySettingMain.fieldColour[1] / 255,
                               kbKeySettingMain.fieldColour[2] / 255, 1)
                border.color: Theme.colorGray2
            }

            ThemedText {
                height: 20
                verticalAlignment: Text.AlignVCenter
                text: "R"
            }
            RectInput {
                id: redField
                objectName: "kbRed"
                textValue: "255"
                onEndInputSignal: kbKeySettingMain.fieldsChanged()
            }
            ThemedText {
                height: 20
                verticalAlignment: Text.AlignVCenter
                text: "G"
            }
            RectInput {
                id: greenField
                objectName: "kbGreen"
                textValue: "0"
                onEndInputSignal: kbKeySettingMain.fieldsChanged()
            }
            ThemedText {
                height: 20
                verticalAlignment: Text.AlignVCenter
                text: "B"
            }
            RectInput {
                id: blueField
                objectName: "kbBlue"
                textValue: "0"
                onEndInputSignal: kbKeySettingMain.fieldsChanged()
            }
        }
    }

    // The grid's texts follow the language.
    function fillMedia() {
        mediaItems.clear()
        for (var i = 0; i < KeyTable.mediaUsages.length; ++i)
            mediaItems.append({ "textValue": text(KbTexts.media + i) })
    }

    onLangChanged: fillMedia()
    Component.onCompleted: fillMedia()
}
