import QtQuick
import "../basic"

// The pointer settings dialog: applied at once, without the main Save.
Dialog {
    id: systemSettingMain

    property var systemSettingLang: ["System Setting", "Mouse Speed", "Double Click Speed", "Slow",
        "Fast", "Scroll Speed", "Number of Rows", "Scroll one Screen", "", "", "", "", "", "", ""]
    // A knob position below the i-th threshold gives step i; from the last on, step 10.
    readonly property var compareValue: [4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338]
    property int scrollValue: 3

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

    function init(isSendData, isRecovery) {
        cursorSlider.setValue(Number(ui_View.getData("mouse/mouseRate", isRecovery)) || 2)
        doubleSlider.setValue(Number(ui_View.getData("mouse/doubleRate", isRecovery)) || 2)
        var scroll = parseInt(ui_View.getData("mouse/scrollRate", isRecovery), 10)
        scrollValue = isNaN(scroll) ? 3 : scroll
        if (isSendData)
            saveData(true, 0)
    }

    function saveData(isSendData, isStep) {
        ui_View.setData("mouse/mouseRate", cursorSlider.position)
        ui_View.setData("mouse/doubleRate", doubleSlider.position)
        ui_View.setData("mouse/scrollRate", scrollValue)
        if (!isSendData)
            return
        if (isStep === 0 || isStep === 1)
            ui_View.mouseSetCursorSpeed(stepOf(cursorSlider.position))
        if (isStep === 0 || isStep === 2)
            ui_View.mouseSetDoubleClickSpeed(stepOf(doubleSlider.position))
        if (isStep === 0 || isStep === 3)
            ui_View.mouseSetVerticalScrollLines(scrollValue)
    }

    function systemSettingFocus() {
    }

    Column {
        x: 32
        y: 8
        spacing: 12

        Text {
            text: systemSettingMain.systemSettingLang[1]
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        SliderButton {
            id: cursorSlider
            width: 352
            onValueChangeDelay: systemSettingMain.saveData(true, 1)
        }

        Text {
            text: systemSettingMain.systemSettingLang[2]
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        SliderButton {
            id: doubleSlider
            width: 352
            onValueChangeDelay: systemSettingMain.saveData(true, 2)
        }

        Text {
            text: systemSettingMain.systemSettingLang[5]
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        Row {
            spacing: 24

            RadioButton {
                textValue: systemSettingMain.systemSettingLang[6]
                isSelect: systemSettingMain.scrollValue <= 100
            }

            RadioButton {
                textValue: systemSettingMain.systemSettingLang[7]
                isSelect: systemSettingMain.scrollValue > 100
            }
        }
    }
}
