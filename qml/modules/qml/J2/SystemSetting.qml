import QtQuick
import "../basic"

// The pointer settings dialog: every change is stored and applied at once,
// without the main Save.
Dialog {
    id: systemSettingMain

    property var systemSettingLang: ["System Setting", "Mouse Speed", "Double Click Speed", "Slow",
        "Fast", "Scroll Speed", "Number of Rows", "Scroll one Screen", "", "", "", "", "", "", ""]
    // A knob position below the i-th threshold gives step i; from the last on, step 10.
    readonly property var compareValue: [4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338]
    // The stored scroll value that means one screen per notch.
    readonly property int oneScreen: 1000
    property bool scrollScreen: false

    // The rows field took the focus: the main screen closes its drop-downs.
    signal inputFocused()

    width: 416
    height: 312
    title: systemSettingLang[0]

    function stepOf(position) {
        for (var i = 0; i < compareValue.length; ++i) {
            if (position < compareValue[i])
                return i
        }
        return 10
    }

    function placeKnob(slider, stored) {
        var position = parseInt(stored, 10)
        if (isNaN(position))
            return
        slider.setValue(Math.max(slider.minX, Math.min(slider.maxX, position)))
    }

    function init(isSendData, isRecovery) {
        placeKnob(cursorSlider, ui_View.getData("mouse/mouseRate", isRecovery))
        placeKnob(doubleSlider, ui_View.getData("mouse/doubleRate", isRecovery))
        var scroll = parseInt(ui_View.getData("mouse/scrollRate", isRecovery), 10)
        scrollScreen = scroll > 100
        if (!scrollScreen && scroll >= 1)
            rowsField.textValue = String(scroll)
        if (isSendData)
            saveData(true, 0)
    }

    function scrollValue() {
        return scrollScreen ? oneScreen : Math.max(1, parseInt(rowsField.textValue, 10) || 1)
    }

    function saveData(isSendData, isStep) {
        ui_View.setData("mouse/mouseRate", cursorSlider.position)
        ui_View.setData("mouse/doubleRate", doubleSlider.position)
        ui_View.setData("mouse/scrollRate", scrollValue())
        if (!isSendData)
            return
        if (isStep === 0 || isStep === 1)
            ui_View.mouseSetCursorSpeed(stepOf(cursorSlider.position))
        if (isStep === 0 || isStep === 2)
            ui_View.mouseSetDoubleClickSpeed(stepOf(doubleSlider.position))
        if (isStep === 0 || isStep === 3)
            ui_View.mouseSetVerticalScrollLines(scrollValue())
    }

    function chooseScroll(screen) {
        rowsRadio.isSelect = !screen
        screenRadio.isSelect = screen
        scrollScreen = screen
        saveData(true, 3)
    }

    function systemSettingFocus() {
        rowsField.closeFocus()
    }

    onScrollScreenChanged: {
        rowsRadio.isSelect = !scrollScreen
        screenRadio.isSelect = scrollScreen
    }

    ImageButton {
        objectName: "systemRestore"
        anchors.right: parent.right
        anchors.rightMargin: 40
        y: -28
        name: "back"
        onClicked: {
            systemSettingMain.systemSettingFocus()
            systemSettingMain.init(true, true)
        }
    }

    Column {
        x: 32
        y: 16
        spacing: 14

        SpeedSlider {
            id: cursorSlider
            objectName: "cursorSlider"
            label: systemSettingMain.systemSettingLang[1]
            slowText: systemSettingMain.systemSettingLang[3]
            fastText: systemSettingMain.systemSettingLang[4]
            onPressed: systemSettingMain.systemSettingFocus()
            onChosen: systemSettingMain.saveData(true, 1)
        }

        SpeedSlider {
            id: doubleSlider
            objectName: "doubleSlider"
            label: systemSettingMain.systemSettingLang[2]
            slowText: systemSettingMain.systemSettingLang[3]
            fastText: systemSettingMain.systemSettingLang[4]
            onPressed: systemSettingMain.systemSettingFocus()
            onChosen: systemSettingMain.saveData(true, 2)
        }

        ThemedText {
            text: systemSettingMain.systemSettingLang[5]
            font.pixelSize: Theme.fontMiddleSize
        }

        Item {
            width: 352
            height: 28

            RadioButton {
                id: rowsRadio
                objectName: "rowsRadio"
                anchors.verticalCenter: parent.verticalCenter
                textValue: systemSettingMain.systemSettingLang[6]
                isSelect: true
                onBtnClick: {
                    systemSettingMain.systemSettingFocus()
                    systemSettingMain.chooseScroll(false)
                }
            }

            RectInput {
                id: rowsField
                objectName: "rowsField"
                anchors.left: rowsRadio.right
                anchors.leftMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                minValue: 1
                maxValue: 100
                textValue: "3"
                txtInput.maximumLength: 3
                onInputSignal: systemSettingMain.inputFocused()
                onEndInputSignal: {
                    if (!(parseInt(textValue, 10) >= 1))
                        textValue = "1"
                    systemSettingMain.saveData(true, 3)
                }
            }

            RadioButton {
                id: screenRadio
                objectName: "screenRadio"
                anchors.left: rowsField.right
                anchors.leftMargin: 40
                anchors.verticalCenter: parent.verticalCenter
                textValue: systemSettingMain.systemSettingLang[7]
                onBtnClick: {
                    systemSettingMain.systemSettingFocus()
                    systemSettingMain.chooseScroll(true)
                }
            }
        }
    }
}
