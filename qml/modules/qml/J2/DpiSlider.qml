import QtQuick
import "../basic"

// A vertical slider of one DPI stage: the low end at the bottom. Its value is
// `ratio`, 0 at the bottom of the knob's travel and 1 at the top. Dragging the
// knob follows the mouse; a click on the track glides the knob there in 120 ms.
// It takes its own presses, so dragging it never moves the window.
Item {
    id: root

    property real ratio: 0
    property color fillColor: Theme.colorBlue

    signal pressed()
    // While the knob moves (dragged or gliding).
    signal moved(real ratio)
    // At a drag's release or a glide's end: the user's choice.
    signal released(real ratio)

    readonly property real knobSize: 12
    readonly property real minY: knobSize / 4
    readonly property real maxY: height - knobSize - knobSize / 4
    readonly property real travel: maxY - minY
    readonly property bool dragging: area.pressed && !glide.running

    width: 16
    height: 176

    function yOf(r) {
        return maxY - travel * Math.max(0, Math.min(1, r))
    }

    function ratioAt(y) {
        return travel > 0 ? Math.max(0, Math.min(1, (maxY - y) / travel)) : 0
    }

    // Places the knob without telling anyone.
    function setRatio(r) {
        glide.stop()
        ratio = Math.max(0, Math.min(1, r))
    }

    Rectangle {
        id: track
        anchors.horizontalCenter: parent.horizontalCenter
        width: 4
        height: parent.height
        radius: 3
        color: Theme.colorGray0

        Rectangle {
            objectName: "fill"
            anchors.bottom: parent.bottom
            width: parent.width
            radius: parent.radius
            height: parent.height - knob.y - knob.height / 2
            color: root.fillColor
        }
    }

    Rectangle {
        id: knob
        objectName: "knob"
        anchors.horizontalCenter: parent.horizontalCenter
        y: root.yOf(root.ratio)
        width: root.knobSize
        height: root.knobSize
        radius: width / 2
        color: root.dragging ? Theme.colorOrange : Theme.fontColor
    }

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.leftMargin: -4
        anchors.rightMargin: -4
        preventStealing: true
        property real grabOffset: 0
        property bool onKnob: false
        onPressed: (mouse) => {
            root.pressed()
            onKnob = mouse.y >= knob.y && mouse.y < knob.y + knob.height
            if (onKnob) {
                glide.stop()
                grabOffset = mouse.y - knob.y
                return
            }
            glide.to = root.ratioAt(mouse.y - root.knobSize / 2)
            glide.restart()
        }
        onPositionChanged: (mouse) => {
            if (!onKnob)
                return
            root.ratio = root.ratioAt(mouse.y - grabOffset)
            root.moved(root.ratio)
        }
        onReleased: {
            if (onKnob)
                root.released(root.ratio)
        }
    }

    NumberAnimation {
        id: glide
        target: root
        property: "ratio"
        duration: 120
        easing.type: Easing.OutQuad
        onFinished: root.released(root.ratio)
    }

    onRatioChanged: {
        if (glide.running)
            moved(ratio)
    }
}
