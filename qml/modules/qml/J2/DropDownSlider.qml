import QtQuick
import "../basic"

// A field whose panel slides open with a slider in it; the slider's knob
// position is passed on as valueChange(index).
Item {
    id: root

    property alias isDrop: header.isDrop
    property string textValue: ""
    property color borderColor: Theme.colorGray1
    property color bgColor: Theme.colorGray0
    property color sliderBgColor: Theme.colorGray0
    property color sliderbarBg: Theme.colorGray1
    property alias sliderControl: slider
    property real horizontalOffset: 0

    signal btnClick()
    signal valueChange(int index)
    signal dragSignal(bool isDrag)

    readonly property int panelHeight: 24
    readonly property bool sliding: header.sliding

    width: 120
    height: 24
    z: isDrop || sliding ? 100 : 0

    function closeMenu() {
        header.closeMenu()
    }

    function setValue(ratio) {
        slider.setRatioValue(ratio)
    }

    DropDownHeader {
        id: header
        text: root.textValue
        borderColor: root.borderColor
        bgColor: root.bgColor
        box: panel
        openHeight: root.panelHeight
        duration: 180
        onClicked: {
            root.btnClick()
            header.toggle()
        }
    }

    Rectangle {
        id: panel
        x: root.horizontalOffset
        y: root.height
        width: root.width
        height: 0
        visible: height > 0
        clip: true
        color: root.sliderBgColor
        border.color: root.borderColor

        SliderButton {
            id: slider
            x: 8
            width: root.width - 16
            height: root.panelHeight
            color: root.sliderbarBg
            onValueChange: (tmpValue) => root.valueChange(tmpValue)
            onDragSignal: (isDrag) => root.dragSignal(isDrag)
        }
    }
}
