import QtQuick
import "../basic"

// One titled section of the button assignment dialog.
Item {
    id: root

    property string title: ""
    default property alias content: body.data

    width: 368
    height: body.y + body.childrenRect.height + 20

    ThemedText {
        id: heading
        text: root.title
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMiddleSize
    }

    Item {
        id: body
        y: heading.height + 10
        width: root.width
        height: childrenRect.height
    }
}
