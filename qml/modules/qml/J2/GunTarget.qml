import QtQuick
import "../basic"
import "KeyFunctions.js" as KeyFunctions

// The target picture with the red dot of the downward pull. Dragging the dot
// reports the pull while it moves and once more when it is let go.
Image {
    id: root

    // The pull shown while the dot is not dragged, 0..64.
    property int pull: 0
    readonly property bool dragging: dotArea.pressed
    property real dragTop: KeyFunctions.dotTopMin
    readonly property alias dot: dot

    signal pullDragged(int pull)
    signal pullReleased(int pull)

    source: Theme.img("gun", "target")

    Rectangle {
        id: dot
        objectName: "gunDot"
        x: 91
        y: root.dragging ? root.dragTop : KeyFunctions.dotTopOfPull(root.pull)
        width: 8
        height: 8
        radius: 4
        color: "red"

        MouseArea {
            id: dotArea
            anchors.fill: parent
            anchors.margins: -4
            preventStealing: true
            property real pressTop
            property real pressY
            onPressed: (mouse) => {
                pressTop = dot.y
                pressY = mapToItem(root, mouse.x, mouse.y).y
                root.dragTop = pressTop
            }
            onPositionChanged: (mouse) => {
                var y = mapToItem(root, mouse.x, mouse.y).y
                root.dragTop = Math.max(KeyFunctions.dotTopMin,
                                        Math.min(KeyFunctions.dotTopMax, pressTop + y - pressY))
                root.pullDragged(KeyFunctions.pullOfDotTop(root.dragTop))
            }
            onReleased: root.pullReleased(KeyFunctions.pullOfDotTop(root.dragTop))
        }
    }
}
