import QtQuick
import "../basic"

// One line of the key setting panel: a caption, then its controls.
Row {
    id: root

    property string caption: ""

    spacing: 12

    ThemedText {
        width: 84
        height: 24
        verticalAlignment: Text.AlignVCenter
        text: root.caption
        font.pixelSize: Theme.fontMiddleSize
    }
}
