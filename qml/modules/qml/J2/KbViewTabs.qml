import QtQuick
import "../basic"

// The two views of the keyboard picture: functions and colours.
Row {
    id: root

    property var texts: ["", ""]
    property int current: 0

    signal chosen(int index)

    spacing: 4

    Repeater {
        model: root.texts
        delegate: TextButton {
            required property int index
            required property string modelData
            objectName: "kbViewTab" + index
            width: 72
            height: 22
            textValue: modelData
            baseColor: index === root.current ? Theme.colorOrange : Theme.colorBlue
            onClicked: root.chosen(index)
        }
    }
}
