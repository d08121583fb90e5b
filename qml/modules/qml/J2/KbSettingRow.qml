import QtQuick
import "../basic"

// One line of the key setting panel: a caption, then its controls.
Row {
    id: root

    property string caption: ""

    spacing: 12

    Text {
        width: 84
        height: 24
        verticalAlignment: Text.AlignVCenter
        text: root.caption
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
    }
}
