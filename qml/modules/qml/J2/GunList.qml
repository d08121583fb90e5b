import QtQuick
import "../basic"

// The six guns, two to a row; the shown gun is framed.
Grid {
    id: root

    property var model: null
    property int shownGun: -1

    signal gunClicked(int index)

    columns: 2
    spacing: 8

    Repeater {
        model: root.model
        delegate: Rectangle {
            id: cell
            required property int index
            required property string gunName
            required property string gunImage
            objectName: "gun" + index
            width: 168
            height: 100
            radius: 3
            color: cellArea.containsMouse ? Theme.colorGray1 : Theme.colorBlue
            border.color: index === root.shownGun ? Theme.colorOrange : "transparent"

            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 8
                source: Theme.img("gun", cell.gunImage)
            }

            ThemedText {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                text: cell.gunName
            }

            MouseArea {
                id: cellArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: root.gunClicked(cell.index)
            }
        }
    }
}
