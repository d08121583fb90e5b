import QtQuick

// "LOADING ......" pulsing in the centre while the screens are locked.
Item {
    id: root

    property bool running: false

    anchors.fill: parent
    visible: running

    ThemedText {
        id: label
        anchors.centerIn: parent
        text: "LOADING ......"
        color: Theme.colorOrange
        font.pixelSize: Theme.fontMaxSize
        font.bold: true

        SequentialAnimation on opacity {
            running: root.running
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
