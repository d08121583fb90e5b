import QtQuick
import "../basic"

// A horizontal slider whose value is the knob's position in pixels. In scale
// mode the knob snaps to `segment` + 1 equally spaced steps.
Item {
    id: root

    property int segment: 10
    property int segmentValue: 0
    property bool isScale: false
    property color colorS: Theme.colorOrange
    // Colour of the track behind the fill.
    property color color: Theme.colorGray1

    signal btnClick()
    signal valueChange(int tmpValue)
    signal valueChangeDelay(int tmpValue)
    signal dragSignal(bool isDrag)

    readonly property real knobSize: 9
    readonly property real minX: knobSize / 4
    readonly property real maxX: width - knobSize - knobSize / 4
    readonly property real travel: maxX - minX
    readonly property int position: Math.floor(knob.x)

    width: 160
    height: 16

    function clampX(x) {
        return Math.max(minX, Math.min(maxX, x))
    }

    function stepX(i) {
        return minX + travel * i / segment
    }

    // Nearest step; a position exactly between two goes to the upper one.
    function nearestStep(x) {
        return Math.max(0, Math.min(segment, Math.floor((x - minX) * segment / travel + 0.5)))
    }

    function snap(x) {
        segmentValue = nearestStep(x)
        return stepX(segmentValue)
    }

    function setRatioValue(ration) {
        knob.x = Math.floor(travel * ration) + 3.25
        valueChange(position)
    }

    function setIndexValue(Index, isSendSignal) {
        segmentValue = Index
        knob.x = stepX(Index)
        if (isSendSignal)
            valueChange(position)
    }

    function setValue(tmpvalue) {
        knob.x = tmpvalue
    }

    Rectangle {
        id: track
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 4
        radius: 3
        color: root.color

        Rectangle {
            height: parent.height
            radius: parent.radius
            width: Math.max(0, knob.x + knob.width / 2)
            color: root.colorS
        }
    }

    MouseArea {
        anchors.fill: parent
        onPressed: (mouse) => {
            root.btnClick()
            var x = root.clampX(mouse.x - root.knobSize / 2)
            if (root.isScale)
                x = root.snap(x)
            glide.to = x
            glide.restart()
        }
    }

    Rectangle {
        id: knob
        x: root.minX
        anchors.verticalCenter: parent.verticalCenter
        width: root.knobSize
        height: root.knobSize
        radius: width / 2
        color: knobArea.pressed ? Theme.colorOrange : Theme.fontColor

        MouseArea {
            id: knobArea
            anchors.fill: parent
            anchors.margins: -4
            property real pressX
            onPressed: (mouse) => {
                glide.stop()
                pressX = mouse.x
                root.btnClick()
                root.dragSignal(true)
            }
            onPositionChanged: (mouse) => {
                knob.x = root.clampX(knob.x + mouse.x - pressX)
                if (!root.isScale)
                    root.valueChange(root.position)
            }
            onReleased: {
                if (root.isScale)
                    knob.x = root.snap(knob.x)
                root.valueChangeDelay(root.position)
                root.dragSignal(false)
            }
        }
    }

    NumberAnimation {
        id: glide
        target: knob
        property: "x"
        duration: 120
        easing.type: Easing.OutQuad
        onFinished: {
            root.valueChange(root.position)
            root.valueChangeDelay(root.position)
        }
    }
}
