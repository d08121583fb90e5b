import QtQuick
import "../basic"
import "HueRule.js" as HueRule

// The hue bar with its knob. Pressing and dragging the knob report the colour
// under it; releasing it reports the end of the choice.
Item {
    id: root

    readonly property int knobSize: 16
    readonly property real minX: -8
    readonly property real maxX: bar.width - 10 - knobSize / 2
    property var rgb: [255, 0, 0]

    signal colourPicked(int r, int g, int b)
    signal released()

    width: bar.width
    height: knobSize

    // Moves the knob to a colour without reporting it.
    function place(r, g, b) {
        rgb = [Number(r), Number(g), Number(b)]
        knob.x = Math.max(minX, Math.min(maxX, Math.round(HueRule.positionOf(Number(r), Number(g), Number(b)) + 1 - knobSize / 2)))
    }

    function pick() {
        rgb = HueRule.colourAt(knob.x + knobSize / 2 - 1)
        colourPicked(rgb[0], rgb[1], rgb[2])
    }

    Image {
        id: bar
        anchors.verticalCenter: parent.verticalCenter
        source: Theme.img("lightControl", "colorBar")
    }

    Rectangle {
        id: knob
        objectName: "hueKnob"
        x: root.minX
        width: root.knobSize
        height: root.knobSize
        radius: root.knobSize / 2
        color: HueRule.hex(root.rgb)
        border.color: "white"
        border.width: 2

        MouseArea {
            anchors.fill: parent
            property real pressX
            onPressed: (mouse) => {
                pressX = mouse.x
                root.pick()
            }
            onPositionChanged: (mouse) => {
                knob.x = Math.max(root.minX, Math.min(root.maxX, knob.x + mouse.x - pressX))
                root.pick()
            }
            onReleased: root.released()
        }
    }
}
