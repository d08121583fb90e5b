import QtQuick
import "../basic"

// A labelled pointer-speed slider of the system settings, "Slow" at the left
// end and "Fast" at the right. Its value is the knob's position in pixels.
Column {
    id: root

    property string label: ""
    property string slowText: "Slow"
    property string fastText: "Fast"
    readonly property int position: slider.position
    readonly property real minX: slider.minX
    readonly property real maxX: slider.maxX

    signal pressed()
    // A position chosen by the user: after a drag's release or a click's glide.
    signal chosen(int position)

    spacing: 2

    function setValue(x) {
        slider.setValue(x)
    }

    ThemedText {
        text: root.label
        font.pixelSize: Theme.fontMiddleSize
    }

    SliderButton {
        id: slider
        objectName: "slider"
        width: 352
        onBtnClick: root.pressed()
        onValueChangeDelay: (position) => root.chosen(position)
    }

    Item {
        width: 352
        height: 14

        ThemedText {
            text: root.slowText
            color: Theme.colorGray2
            font.pixelSize: Theme.fontMinSize
        }

        ThemedText {
            anchors.right: parent.right
            text: root.fastText
            color: Theme.colorGray2
            font.pixelSize: Theme.fontMinSize
        }
    }
}
