import QtQuick
import "../basic"

// A clipped column that scrolls with the wheel or its bar. Dragging the
// content does nothing, so the sliders and fields in it keep their drags.
Item {
    id: root

    default property alias content: column.data
    property real contentY: 0
    readonly property real contentHeight: column.height
    readonly property real maxContentY: Math.max(0, contentHeight - height)
    property real wheelStep: 48

    clip: true

    function scrollTo(y) {
        contentY = Math.max(0, Math.min(maxContentY, y))
    }

    onMaxContentYChanged: scrollTo(contentY)

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: (wheel) => root.scrollTo(root.contentY - wheel.angleDelta.y / 120 * root.wheelStep)
    }

    Column {
        id: column
        y: -root.contentY
        width: root.width - bar.width - 4
    }

    Rectangle {
        id: bar
        objectName: "scrollBar"
        readonly property real travel: root.height - height
        anchors.right: parent.right
        width: 6
        radius: 3
        height: Math.max(24, root.height * root.height / Math.max(root.height, root.contentHeight))
        y: root.maxContentY > 0 ? travel * root.contentY / root.maxContentY : 0
        visible: root.maxContentY > 0
        color: barArea.pressed || barArea.containsMouse ? Theme.colorOrange : Theme.colorGray2

        MouseArea {
            id: barArea
            anchors.fill: parent
            anchors.margins: -3
            hoverEnabled: true
            property real pressY
            onPressed: (mouse) => { pressY = mouse.y }
            onPositionChanged: (mouse) => {
                if (!pressed || bar.travel <= 0)
                    return
                var y = Math.max(0, Math.min(bar.travel, bar.y + mouse.y - pressY))
                root.scrollTo(y / bar.travel * root.maxContentY)
            }
        }
    }
}
