import QtQuick
import "../basic"

// A tick box with its label. btnClick(index) comes before the toggle, so a
// handler sees the state the box had before the click.
Item {
    id: root

    property string textValue: ""
    property bool isSelect: false
    property int index: -1
    property int gapValue: 8
    property color bgColor: "transparent"
    property color borderColor: Theme.colorGray2

    signal btnClick(int index)

    implicitWidth: box.width + (label.text !== "" ? gapValue + label.implicitWidth : 0)
    implicitHeight: Math.max(box.height, label.implicitHeight)
    width: implicitWidth
    height: implicitHeight

    Rectangle {
        id: box
        anchors.verticalCenter: parent.verticalCenter
        width: 12
        height: 12
        radius: 2
        color: root.bgColor
        border.color: root.borderColor

        Image {
            anchors.centerIn: parent
            visible: root.isSelect
            source: Theme.img("index", "checkBtn")
        }
    }

    ThemedText {
        id: label
        anchors.left: box.right
        anchors.leftMargin: root.gapValue
        anchors.verticalCenter: parent.verticalCenter
        text: root.textValue
    }

    MouseArea {
        anchors.fill: parent
        anchors.margins: -6
        onClicked: {
            root.btnClick(root.index)
            root.isSelect = !root.isSelect
        }
    }
}
