import QtQuick
import "../basic"

// A round choice mark with its label. A click selects it; the page clears
// the other marks of the group.
Item {
    id: root

    property string textValue: ""
    property bool isSelect: false
    property int index: -1
    property int gapValue: 16

    signal btnClick(int index)

    implicitWidth: mark.width + (label.text !== "" ? gapValue + label.implicitWidth : 0)
    implicitHeight: Math.max(mark.height, label.implicitHeight)
    width: implicitWidth
    height: implicitHeight

    Rectangle {
        id: mark
        anchors.verticalCenter: parent.verticalCenter
        width: 10
        height: 10
        radius: 5
        color: Theme.colorGray3

        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            visible: root.isSelect
            color: Theme.colorOrange
        }
    }

    ThemedText {
        id: label
        anchors.left: mark.right
        anchors.leftMargin: root.gapValue
        anchors.verticalCenter: parent.verticalCenter
        text: root.textValue
    }

    MouseArea {
        anchors.fill: parent
        anchors.margins: -6
        onClicked: {
            root.isSelect = true
            root.btnClick(root.index)
        }
    }
}
