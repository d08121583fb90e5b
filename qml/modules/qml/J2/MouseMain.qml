import QtQuick
import "../basic"

// The mouse picture in the centre: one highlight and one numbered label per
// button; a label click asks for the button's assignment.
Item {
    id: root

    property int keyCount: 8
    property int selectKey: -1
    property int hoverKey: -1

    signal labelClicked(int index)

    // Highlight positions in the window, and where each label sits beside it.
    readonly property var spots: [
        { x: 370, y: 132, lx: 322, ly: 132 }, { x: 562, y: 132, lx: 642, ly: 132 },
        { x: 512, y: 104, lx: 560, ly: 80 }, { x: 368, y: 316, lx: 320, ly: 316 },
        { x: 368, y: 374, lx: 320, ly: 374 }, { x: 515, y: 295, lx: 595, ly: 295 },
        { x: 515, y: 335, lx: 595, ly: 335 }, { x: 368, y: 229, lx: 320, ly: 229 }
    ]

    anchors.fill: parent

    Image {
        id: front
        objectName: "mouseFront"
        x: Math.floor((root.width - width) / 2)
        y: 110
        source: Theme.img("mouse", "MouseFront")
    }

    Repeater {
        model: 8
        delegate: Item {
            id: button
            required property int index
            readonly property bool lit: index === root.selectKey || index === root.hoverKey
                                        || labelArea.containsMouse
            visible: index < root.keyCount

            Image {
                x: root.spots[button.index].x
                y: root.spots[button.index].y
                source: Theme.img("mouse", "Mouse" + button.index + (button.lit ? "S" : ""))
            }

            Rectangle {
                objectName: "mouseLabel" + button.index
                x: root.spots[button.index].lx
                y: root.spots[button.index].ly
                width: 48
                height: 24
                radius: 3
                color: button.lit ? Theme.colorOrange : Theme.colorBlack

                ThemedText {
                    anchors.centerIn: parent
                    text: String(button.index + 1)
                    font.pixelSize: Theme.fontMiddleSize
                }

                MouseArea {
                    id: labelArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: root.labelClicked(button.index)
                }
            }
        }
    }
}
