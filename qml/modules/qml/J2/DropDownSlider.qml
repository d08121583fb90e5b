import QtQuick
import "../basic"

// A field whose panel slides open with a slider in it; the slider's knob
// position is passed on as valueChange(index).
Item {
    id: root

    property bool isDrop: false
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
    readonly property bool sliding: slide.running

    width: 120
    height: 24
    z: isDrop || sliding ? 100 : 0

    function openMenu() {
        isDrop = true
        slide.to = panelHeight
        slide.restart()
    }

    function shut() {
        isDrop = false
        slide.to = 0
        slide.restart()
    }

    function closeMenu() {
        if (isDrop && !sliding)
            shut()
    }

    function setValue(ratio) {
        slider.setRatioValue(ratio)
    }

    Rectangle {
        anchors.fill: parent
        color: root.bgColor
        border.color: root.isDrop ? Theme.colorOrange : root.borderColor
        radius: 2

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.right: arrow.left
            anchors.verticalCenter: parent.verticalCenter
            text: root.textValue
            elide: Text.ElideRight
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        Image {
            id: arrow
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            source: Theme.img("index", root.isDrop ? "dropBtnU" : "dropBtn")
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                root.btnClick()
                if (root.sliding)
                    return
                if (root.isDrop)
                    root.shut()
                else
                    root.openMenu()
            }
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

    NumberAnimation {
        id: slide
        target: panel
        property: "height"
        duration: 180
        easing.type: Easing.OutQuad
    }
}
