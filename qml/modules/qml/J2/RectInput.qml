import QtQuick
import "../basic"

// A small number field. Leaving it with nothing or less than 1 in it shows
// "0" before endInputSignal(), whatever the lower limit; the validator lets
// a too large number stand while typing, so leaving pulls it down to the limit.
Rectangle {
    id: root

    property int maxValue: 255
    property int minValue: 0
    property alias textValue: input.text
    property alias txtInput: input

    signal inputSignal()
    signal endInputSignal()

    width: 48
    height: 20
    color: Theme.colorField
    border.color: input.activeFocus ? Theme.colorOrange : "transparent"

    function closeFocus() {
        input.focus = false
    }

    TextInput {
        id: input
        anchors.fill: parent
        horizontalAlignment: TextInput.AlignHCenter
        verticalAlignment: TextInput.AlignVCenter
        text: "0"
        maximumLength: 4
        selectByMouse: true
        color: Theme.fontColor
        selectionColor: Theme.colorOrange
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        validator: IntValidator { bottom: root.minValue; top: root.maxValue }

        onAccepted: focus = false
        Keys.onReturnPressed: focus = false
        Keys.onEnterPressed: focus = false
        onActiveFocusChanged: {
            if (activeFocus) {
                root.inputSignal()
                return
            }
            var value = parseInt(text, 10)
            if (text === "" || value < 1)
                text = "0"
            else if (value > root.maxValue)
                text = String(root.maxValue)
            root.endInputSignal()
        }
    }
}
