import QtQuick
import "../basic"
import "KeyFunctions.js" as KeyFunctions

// The fire function: a captured key repeated at an interval, a number of
// times or endlessly. Rate and times keep their values between openings.
AssignSection {
    id: root

    property var dialog: null
    property string keyText: ""
    property int interval: 10
    property int times: 0
    readonly property var lang: dialog.keyAssigmentLang
    property alias rate: rateSlider
    property alias timesField: timesInput
    property alias endness: endnessBox

    z: rateSlider.isDrop || rateSlider.sliding ? 1 : 0

    function init() {
        keyText = lang[10]
        interval = 10
        times = 0
        rateSlider.textValue = "10ms"
        rateSlider.sliderControl.setValue(KeyFunctions.knobOfMs(interval))
        timesInput.textValue = "0"
        endnessBox.isSelect = true
    }

    // Shows a fire entry's key, interval and times; other entries show "Click Input".
    function showEntry(code0, code1, code2, code3) {
        if (code0 !== 1) {
            keyText = lang[10]
            return
        }
        keyText = dialog.nameOf(code1)
        interval = Math.max(3, Math.min(83, code2))
        rateSlider.textValue = interval + "MS"
        rateSlider.sliderControl.setValue(KeyFunctions.knobOfMs(interval))
        times = code3
        timesInput.textValue = String(code3)
        endnessBox.isSelect = code3 === 0
    }

    function setTimes(value) {
        times = value
        timesInput.textValue = String(value)
        if (dialog.keyCode0 === 1)
            dialog.keyCode3 = value
    }

    function closeControls() {
        rateSlider.closeMenu()
        timesInput.closeFocus()
    }

    Grid {
        columns: 2
        columnSpacing: 12
        rowSpacing: 10
        verticalItemAlignment: Grid.AlignVCenter

        ThemedText {
            width: 64
            text: root.lang[9]
        }

        Rectangle {
            objectName: "fireKeyBox"
            width: 120
            height: 24
            radius: 2
            color: Theme.colorGray0
            border.color: root.dialog.isFireInput ? Theme.colorOrange : Theme.colorGray1

            ThemedText {
                anchors.centerIn: parent
                width: parent.width - 8
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                text: root.keyText
            }

            MouseArea {
                anchors.fill: parent
                onClicked: root.dialog.startFireInput()
            }
        }

        ThemedText {
            width: 64
            text: root.lang[11]
        }

        // 110 wide so that the knob's 81 positions give 3 to 83 ms.
        DropDownSlider {
            id: rateSlider
            objectName: "fireRate"
            width: 110
            textValue: "10ms"
            Component.onCompleted: sliderControl.setValue(KeyFunctions.knobOfMs(root.interval))
            onValueChange: (position) => {
                root.interval = KeyFunctions.msOfKnob(position)
                textValue = root.interval + "MS"
                if (root.dialog.keyCode0 === 1)
                    root.dialog.keyCode2 = root.interval
            }
        }

        ThemedText {
            width: 64
            text: root.lang[12]
        }

        Row {
            spacing: 16

            RectInput {
                id: timesInput
                objectName: "fireTimes"
                anchors.verticalCenter: parent.verticalCenter
                maxValue: 255
                onEndInputSignal: {
                    var value = parseInt(textValue, 10)
                    root.setTimes(isNaN(value) ? 0 : value)
                    endnessBox.isSelect = root.times === 0
                }
            }

            CheckBox {
                id: endnessBox
                objectName: "fireEndness"
                anchors.verticalCenter: parent.verticalCenter
                textValue: root.lang[13]
                isSelect: true
                // Runs before the box toggles: not yet ticked means being ticked.
                onBtnClick: {
                    if (!isSelect)
                        root.setTimes(0)
                }
            }
        }
    }
}
