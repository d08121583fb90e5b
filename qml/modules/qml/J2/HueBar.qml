import QtQuick
import "../basic"
import "LightRules.js" as LightRules

// The hue bar of the lighting page with its knob. The knob's centre, counted
// from the bar's left edge + 1, picks the colour; it travels from 8 pixels
// left of the bar to 10 pixels short of its right end. The bar takes its own
// presses, so dragging it never moves the window.
Item {
    id: root

    property real knobX: minX
    readonly property real minX: -8
    readonly property real maxX: bar.width - 10
    readonly property int knobSize: 16
    // The position on the bar whose colour the knob picks.
    readonly property int position: Math.floor(knobX + knobSize / 2 + 1)
    readonly property string colour: LightRules.hueColour(position)
    readonly property bool dragging: area.pressed

    signal knobPressed(string colour)
    signal knobMoved(string colour)
    signal knobReleased()

    width: bar.width
    height: knobSize

    function clampX(x) {
        return Math.max(minX, Math.min(maxX, x))
    }

    // Puts the knob where `colour` sits on the bar (see LightRules.hueOf).
    function placeFor(colour) {
        knobX = clampX(LightRules.hueOf(colour, maxX + knobSize / 2 + 1) - knobSize / 2 - 1)
    }

    Image {
        id: bar
        anchors.verticalCenter: parent.verticalCenter
        source: Theme.img("lightControl", "colorBar")
    }

    Rectangle {
        id: knob
        objectName: "hueKnob"
        x: root.knobX
        anchors.verticalCenter: parent.verticalCenter
        width: root.knobSize
        height: root.knobSize
        radius: width / 2
        color: root.colour
        border.color: root.dragging ? Theme.colorOrange : Theme.fontColor
        border.width: 2
    }

    MouseArea {
        id: area
        objectName: "hueArea"
        x: root.minX
        width: root.maxX + root.knobSize - root.minX
        height: parent.height
        preventStealing: true
        property real grabOffset: 0
        onPressed: (mouse) => {
            var atX = mouse.x + x
            // A press beside the knob brings the knob's centre to it.
            if (atX < root.knobX || atX >= root.knobX + root.knobSize)
                root.knobX = root.clampX(atX - root.knobSize / 2)
            grabOffset = atX - root.knobX
            root.knobPressed(root.colour)
        }
        onPositionChanged: (mouse) => {
            root.knobX = root.clampX(mouse.x + x - grabOffset)
            root.knobMoved(root.colour)
        }
        onReleased: root.knobReleased()
    }
}
