import QtQuick
import "../basic"

// One of the eight colour blocks of the lighting page.
Rectangle {
    id: root

    property int blockIndex: 0
    property bool isSelect: false

    signal clicked(int blockIndex)

    readonly property bool light: color.hslLightness > 0.6

    width: 22
    height: 22
    radius: 2
    border.width: isSelect ? 2 : 1
    border.color: isSelect ? Theme.colorOrange : Theme.colorGray2

    ThemedText {
        anchors.centerIn: parent
        text: String(root.blockIndex + 1)
        color: root.light ? "black" : "white"
        font.pixelSize: Theme.fontMinSize
    }

    MouseArea {
        anchors.fill: parent
        onPressed: root.clicked(root.blockIndex)
    }
}
