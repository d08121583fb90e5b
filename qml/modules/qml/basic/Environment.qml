import QtQuick

// Background, title bar strip and logo behind every region.
Item {
    width: 1024
    height: 640

    Image {
        anchors.fill: parent
        source: Theme.plainImg("background")
    }

    Image {
        width: parent.width
        source: Theme.plainImg("titleBar")
    }

    Image {
        x: 52
        y: 24
        source: Theme.plainImg("titleLogo")
    }
}
